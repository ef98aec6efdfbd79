// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "GameFixture.h"
#include "shell/Look.h"
#include "shell/Picture.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QSignalSpy>

using namespace pelmaroos;
using namespace pelmaroos::shell;
using namespace pelmaroos::tests;
using screens::Level;

namespace {

const QString musicWarning =
    QStringLiteral("You didn't follow my unzipping instructions properly because your not hearing the music!");

QString revealedPicture(Screen &result)
{
    const auto &view = result.view<shell::ResultScreenView>();
    QStringList shown;
    for (const shell::Picture *picture : {view.Image1, view.Image2, view.Image3}) {
        if (picture->isVisibleTo(&result.window()))
            shown.append(picture->objectName());
    }
    return shown.join(QLatin1Char(','));
}

} // namespace

// The game from start to end: title, menu, help, the levels' results, and every way out.
class GameFlowTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyLook(); }

    // The title screen comes up alone with its theme; a theme that cannot play warns first, the title not yet
    // on view.
    void startUpShowsTheTitleAndPlaysTheTheme_data()
    {
        QTest::addColumn<bool>("playable");
        QTest::newRow("theme plays") << true;
        QTest::newRow("theme cannot play") << false;
    }

    void startUpShowsTheTitleAndPlaysTheTheme()
    {
        QFETCH(bool, playable);
        GameFixture game;
        game.sound.playAll = playable;
        bool titleOnViewDuringWarning = true;
        game.boxes.onShow = [&] { titleOnViewDuringWarning = game.screen(ScreenName::PreMain).isVisible(); };
        game.start();
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("PreMain")});
        for (ScreenName name : allScreens)
            QCOMPARE(game.registry().isCreated(name), name == ScreenName::PreMain);
        QCOMPARE(game.sound.played, QStringList {game.folder.path() + QStringLiteral("/theme.wav")});
        QCOMPARE(game.screen(ScreenName::PreMain).caption(), QStringLiteral("Ardo's Pelmaroos Trivia!!!"));
        QCOMPARE(game.screen(ScreenName::PreMain).window().focusWidget()->objectName(), QStringLiteral("cmdContinue"));
        QCOMPARE(int(game.boxes.shown.size()), playable ? 0 : 1);
        if (!playable) {
            QCOMPARE(game.boxes.shown[0].prompt, musicWarning);
            QCOMPARE(game.boxes.shown[0].style, MessageStyle::OkOnly);
            QCOMPARE(game.boxes.shown[0].title, QStringLiteral("Pelmaroos"));
            QVERIFY(!titleOnViewDuringWarning);
        }
    }

    // Return or Space on the focused Continue button, or a click, leaves the menu alone on view.
    void continueLeavesOnlyTheMenu_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("click") << 0;
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void continueLeavesOnlyTheMenu()
    {
        QFETCH(int, key);
        GameFixture game;
        game.start();
        if (key)
            QTest::keyClick(game.screen(ScreenName::PreMain).window().focusWidget(), Qt::Key(key));
        else
            game.click(ScreenName::PreMain, QStringLiteral("cmdContinue"));
        QTRY_COMPARE(game.loadedScreens(), QStringList {QStringLiteral("Main")});
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("Main")});
        QCOMPARE(game.sound.played.size(), 1);
        QCOMPARE(game.screen(ScreenName::Main).window().focusWidget()->objectName(), QStringLiteral("cmdEasy"));
    }

    void helpShowsItsBoxEveryTimeAndChangesNothing()
    {
        GameFixture game;
        game.start();
        game.goTo(ScreenName::Main);
        game.click(ScreenName::Main, QStringLiteral("cmdHelp"));
        game.click(ScreenName::Main, QStringLiteral("cmdHelp"));
        QCOMPARE(game.boxes.shown.size(), 2u);
        for (const ShownBox &box : game.boxes.shown) {
            QCOMPARE(box.prompt, QStringLiteral("Just click on the level of difficulty you think you can handle."));
            QCOMPARE(box.style, MessageStyle::Question);
            QCOMPARE(box.title, QStringLiteral("Help"));
        }
        QCOMPARE(game.loadedScreens(), QStringList {QStringLiteral("Main")});
        QVERIFY(game.screen(ScreenName::Main).isVisible());
    }

    // A level button leaves the level's first page alone on view and loaded.
    void levelButtonsOpenTheFirstPage()
    {
        for (const char *level : {"Easy", "Medium", "Hard"}) {
            GameFixture game;
            game.start();
            game.goTo(ScreenName::Main);
            game.click(ScreenName::Main, QStringLiteral("cmd") + QLatin1String(level));
            const QString page = QLatin1String(level) + QLatin1Char('1');
            QCOMPARE(game.loadedScreens(), QStringList {page});
            QCOMPARE(game.visibleScreens(), QStringList {page});
            QCOMPARE(game.screen(*std::ranges::find(allScreens, page, &formName)).caption(),
                     QStringLiteral("Pelmaroos Trivia - Page 1 (%1)").arg(QString::fromLatin1(level).toUpper()));
            QCOMPARE(game.sound.played.size(), 1);
        }
    }

    // Each level at the edges of its score bands.
    void resultsAtTheEdgesOfEveryBand_data()
    {
        QTest::addColumn<Level>("level");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("cue");
        const std::array<std::array<const char *, 3>, 3> cues = {{
            {"bad.wav", "good.wav", "wow.wav"},
            {"haha.wav", "good.wav", "excellent.wav"},
            {"stupid.wav", "good.wav", "brilliant.wav"},
        }};
        for (Level level : {Level::Easy, Level::Medium, Level::Hard}) {
            const auto &cue = cues[std::size_t(level)];
            for (int total : {0, 9, 10, 17, 18}) {
                const int band = total <= 9 ? 0 : total < 18 ? 1 : 2;
                QTest::addRow("%s %d", cue[0], total)
                    << level << total << QStringLiteral("Image%1").arg(3 - band) << QString::fromLatin1(cue[band]);
            }
        }
    }

    void resultsAtTheEdgesOfEveryBand()
    {
        QFETCH(Level, level);
        QFETCH(int, total);
        QFETCH(QString, picture);
        QFETCH(QString, cue);
        const char *names[] = {"Easy", "Medium", "Hard"};
        const ScreenName resultScreen = ScreenName(int(ScreenName::EasyAbout) + int(level));
        GameFixture game;
        game.start();
        game.openLevel(level);
        game.playLevel(level, total);

        Screen &result = game.screen(resultScreen);
        const QString number = QString::number(total);
        QCOMPARE(game.visibleScreens(), QStringList {formName(resultScreen)});
        QCOMPARE(game.result(resultScreen).Label1->text(), QStringLiteral("You got %1 out of 18.").arg(total));
        QCOMPARE(result.caption(),
                 QStringLiteral("Your Score On The %1 Level: %2 out of 18").arg(QLatin1String(names[int(level)])).arg(total));
        QVERIFY(!game.result(resultScreen).Label10->isVisibleTo(&result.window()));
        QCOMPARE(revealedPicture(result), picture);
        QCOMPARE(game.sound.fileNamesPlayed(), (QStringList {QStringLiteral("theme.wav"), cue}));
        QVERIFY(game.boxes.shown.empty());
    }

    void aResultCueThatCannotPlayWarnsWhilePageThreeIsOnView()
    {
        GameFixture game;
        game.sound.playAll = false;
        game.sound.playable = {QStringLiteral("theme.wav")};
        game.start();
        game.openLevel(Level::Hard);
        QStringList onView;
        game.boxes.onShow = [&] { onView = game.visibleScreens(); };
        game.playLevel(Level::Hard, 12);
        QCOMPARE(game.boxes.shown.size(), 1u);
        QCOMPARE(onView, QStringList {QStringLiteral("Hard3")});
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("HardAbout")});
        QCOMPARE(game.result(ScreenName::HardAbout).Label1->text(),
                 QStringLiteral("You got 12 out of 18."));
    }

    void theGameLeadsOnFromLevelToLevelAndEveryArrivalLoadsAfresh()
    {
        GameFixture game;
        game.start();
        game.openLevel(Level::Easy);
        QSignalSpy loads(&game.registry(), &ScreenRegistry::screenLoaded);
        game.playLevel(Level::Easy, 18);
        game.click(ScreenName::EasyAbout, QStringLiteral("Command1"));
        QCOMPARE(game.loadedScreens(), (QStringList {"Easy1", "Easy2", "Easy3", "Medium1"}));
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("Medium1")});

        game.playLevel(Level::Medium, 10);
        QCOMPARE(game.screen(ScreenName::MediumAbout).window().focusWidget()->objectName(), QStringLiteral("Command2"));
        game.click(ScreenName::MediumAbout, QStringLiteral("Command1"));
        game.playLevel(Level::Hard, 3);
        game.click(ScreenName::HardAbout, QStringLiteral("Command3"));
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("Main")});
        QVERIFY(!game.screen(ScreenName::HardAbout).isLoaded());

        // Easy again: its pages come back as they were left, and a new submit loads a fresh result screen.
        game.click(ScreenName::Main, QStringLiteral("cmdEasy"));
        game.choose(ScreenName::Easy1, 0, harness::wrongOption(ScreenName::Easy1, 0));
        for (ScreenName page : {ScreenName::Easy1, ScreenName::Easy2, ScreenName::Easy3})
            game.forward(page);
        QCOMPARE(game.screen(ScreenName::EasyAbout).caption(), QStringLiteral("Your Score On The Easy Level: 17 out of 18"));
        QCOMPARE(revealedPicture(game.screen(ScreenName::EasyAbout)), QStringLiteral("Image2"));
        const auto easyAboutLoads = std::ranges::count_if(
            loads, [](const QList<QVariant> &signal) { return signal[0].value<ScreenName>() == ScreenName::EasyAbout; });
        QCOMPARE(easyAboutLoads, 2);
    }

    // All seventeen Quit and Exit buttons, and a window's frame: every screen closes, none loads on the way
    // out, and the farewell starts with nothing loaded.
    void everyWayOutEndsTheGame_data()
    {
        QTest::addColumn<ScreenName>("screen");
        QTest::addColumn<QString>("button");
        QTest::newRow("PreMain Quit") << ScreenName::PreMain << QStringLiteral("Command1");
        QTest::newRow("Main Exit") << ScreenName::Main << QStringLiteral("cmdExit");
        for (const screens::QuestionPage &page : screens::questionPages)
            QTest::addRow("%s Quit", qPrintable(formName(page.page)))
                << page.page << QString::fromLatin1(page.exitButton);
        for (const char *button : {"Command2", "Command3"}) {
            QTest::addRow("EasyAbout %s", button) << ScreenName::EasyAbout << button;
            QTest::addRow("MediumAbout %s", button) << ScreenName::MediumAbout << button;
        }
        QTest::newRow("HardAbout Command4") << ScreenName::HardAbout << QStringLiteral("Command4");
        QTest::newRow("HardAbout Command5") << ScreenName::HardAbout << QStringLiteral("Command5");
        QTest::newRow("Medium2 frame") << ScreenName::Medium2 << QString();
    }

    void everyWayOutEndsTheGame()
    {
        QFETCH(ScreenName, screen);
        QFETCH(QString, button);
        GameFixture game;
        game.start();
        game.goTo(screen);
        const qsizetype cuesBefore = game.sound.played.size();
        QSignalSpy loads(&game.registry(), &ScreenRegistry::screenLoaded);
        QSignalSpy ended(&game.registry(), &ScreenRegistry::programEnded);
        bool anythingLoadedAtFarewell = true;
        game.sound.onPlay = [&](const QString &) { anythingLoadedAtFarewell = game.registry().anyLoaded(); };
        if (button.isEmpty()) {
            QCloseEvent close;
            QApplication::sendEvent(&game.screen(screen).window(), &close);
        } else {
            game.click(screen, button);
        }
        QVERIFY(game.loadedScreens().isEmpty());
        QCOMPARE(loads.count(), 0);
        QCOMPARE(game.sound.fileNamesPlayed().mid(cuesBefore), QStringList {QStringLiteral("doh.wav")});
        QVERIFY(!anythingLoadedAtFarewell);
        QCOMPARE(ended.count(), 1);
    }

    // Every row of every screen: loading a screen binds its clicks, and stops the program on a row whose
    // name is not its screen's and its control's; a Load row must be named for its screen.
    void everyProcedureIsNamedForWhatItIsBoundTo()
    {
        GameFixture game;
        game.start();
        for (ScreenName page : {ScreenName::Easy3, ScreenName::Medium3, ScreenName::Hard3})
            game.page(page).Text1->setText(QStringLiteral("5"));
        for (ScreenName name : allScreens) {
            game.screen(name).window();
            const ScreenBehaviour &behaviour = game.registry().behaviour(name);
            if (behaviour.load)
                QCOMPARE(QLatin1String(behaviour.loadName), formName(name) + QStringLiteral("_Form_Load"));
            for (const ClickProcedure &click : behaviour.clicks)
                QVERIFY(game.screen(name).window().findChild<QWidget *>(QString::fromLatin1(click.name).section('_', 1, 1)));
        }
    }

    void quitClosesTheScreensInItsFixedOrder()
    {
        GameFixture game;
        game.start();
        // A result screen reads its total from page 3 as it loads.
        for (ScreenName page : {ScreenName::Easy3, ScreenName::Medium3, ScreenName::Hard3})
            game.page(page).Text1->setText(QStringLiteral("5"));
        for (ScreenName name : allScreens)
            game.screen(name).window();
        QStringList closed;
        for (ScreenName name : allScreens)
            connect(&game.screen(name).window(), &QObject::destroyed, this, [&closed, name] { closed.append(formName(name)); });
        game.click(ScreenName::PreMain, QStringLiteral("Command1"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(closed, (QStringList {"Easy1", "Easy2", "Easy3", "EasyAbout", "Medium1", "Medium2", "Medium3",
                                       "MediumAbout", "Hard1", "Hard2", "Hard3", "HardAbout", "Main", "PreMain",
                                       "zzzExtra"}));
    }

    void aFarewellThatCannotPlayWarnsWithNothingOnViewAndTheProgramEndsAfter()
    {
        GameFixture game;
        game.sound.playAll = false;
        game.sound.playable = {QStringLiteral("theme.wav")};
        game.start();
        QSignalSpy ended(&game.registry(), &ScreenRegistry::programEnded);
        QStringList onViewDuringWarning {QStringLiteral("not shown")};
        qsizetype endedDuringWarning = -1;
        game.boxes.onShow = [&] {
            onViewDuringWarning = game.visibleScreens();
            endedDuringWarning = ended.count();
        };
        game.click(ScreenName::PreMain, QStringLiteral("Command1"));
        QCOMPARE(game.boxes.shown.size(), 1u);
        QCOMPARE(game.boxes.shown[0].prompt, musicWarning);
        QCOMPARE(onViewDuringWarning, QStringList());
        QCOMPARE(endedDuringWarning, 0);
        QCOMPARE(ended.count(), 1);
    }
};

QTEST_MAIN(GameFlowTest)
#include "GameFlowTest.moc"
