// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "GameFixture.h"
#include "shell/controls/Picture.h"
#include "shell/forms/Look.h"

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

// Records the order in which screen windows appear, are hidden and are unloaded, by the screens' names.
class ShowHideRecorder final : public QObject
{
public:
    explicit ShowHideRecorder(GameFixture &game)
        : m_game(game)
    {
        rememberNames();
    }

    QStringList events;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show && event->type() != QEvent::Hide)
            return false;
        rememberNames();
        if (const auto found = m_names.constFind(watched); found != m_names.cend()) {
            // A window that is being unloaded has already left its screen.
            const char *what = event->type() == QEvent::Show      ? "show "
                               : m_game.screen(*found).isLoaded() ? "hide "
                                                                  : "unload ";
            events.append(QLatin1String(what) + formName(*found));
        }
        return false;
    }

private:
    void rememberNames()
    {
        for (ScreenName name : allScreens) {
            if (m_game.registry().isCreated(name) && m_game.screen(name).isLoaded())
                m_names[&m_game.screen(name).window()] = name;
        }
    }

    GameFixture &m_game;
    QHash<QObject *, ScreenName> m_names;
};

} // namespace

// The game from start to end: title, menu, help, the levels' results, and every way out.
class GameFlowTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyLook(); }

    // Return on the title presses its focused button, as a click does. This program carries the screens'
    // face, as the Windows build does, and draws every screen and box in it.
    void startUpShowsTheTitleAndPlaysTheTheme()
    {
        GameFixture game;
        game.start();
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("PreMain")});
        for (const QWidget *control : game.screen(ScreenName::PreMain).window().findChildren<QWidget *>())
            QCOMPARE(control->font().family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QApplication::font().family(), QStringLiteral("Liberation Sans"));
        for (ScreenName name : allScreens)
            QCOMPARE(game.registry().isCreated(name), name == ScreenName::PreMain);
        QCOMPARE(game.sound.played, QStringList {game.folder.path() + QStringLiteral("/theme.wav")});
        QTest::keyClick(game.screen(ScreenName::PreMain).window().focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(game.loadedScreens(), QStringList {QStringLiteral("Main")});
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
        QCOMPARE(game.visibleScreens(), QStringList {formName(resultScreen)});
        QCOMPARE(game.result(resultScreen).Label1->text(), QStringLiteral("You got %1 out of 18.").arg(total));
        QCOMPARE(result.caption(), QStringLiteral("Your Score On The %1 Level: %2 out of 18")
                                       .arg(QLatin1String(names[int(level)]))
                                       .arg(total));
        QVERIFY(!game.result(resultScreen).Label10->isVisibleTo(&result.window()));
        QCOMPARE(revealedPicture(result), picture);
        QCOMPARE(game.sound.fileNamesPlayed(), (QStringList {QStringLiteral("theme.wav"), cue}));
        QVERIFY(game.boxes.shown.empty());
    }

    // The top cue takes the total's text as it stands: the same number written otherwise takes the middle cue.
    void theTopCueTakesOnlyTheTextEighteen_data()
    {
        QTest::addColumn<ScreenName>("thirdPage");
        QTest::addColumn<ScreenName>("resultScreen");
        QTest::addColumn<QString>("total");
        QTest::newRow("Easy 18.0") << ScreenName::Easy3 << ScreenName::EasyAbout << QStringLiteral("18.0");
        QTest::newRow("Medium, a blank before 18")
            << ScreenName::Medium3 << ScreenName::MediumAbout << QStringLiteral(" 18");
    }

    void theTopCueTakesOnlyTheTextEighteen()
    {
        QFETCH(ScreenName, thirdPage);
        QFETCH(ScreenName, resultScreen);
        QFETCH(QString, total);
        GameFixture game;
        game.start();
        game.page(thirdPage).Text1->setText(total);
        QCOMPARE(game.result(resultScreen).Label10->text(), total);
        QCOMPARE(game.sound.fileNamesPlayed(), (QStringList {QStringLiteral("theme.wav"), QStringLiteral("good.wav")}));
    }

    // Each cue that cannot play warns, every time, before its procedure goes on: the theme before the title
    // is on view, a result cue while page 3 still is, the farewell with nothing left on view.
    void everyCueThatCannotPlayWarns()
    {
        GameFixture game;
        game.sound.playAll = false;
        QSignalSpy ended(&game.registry(), &ScreenRegistry::programEnded);
        QStringList onView;
        game.boxes.onShow = [&] {
            onView.append(game.visibleScreens().join(QLatin1Char(',')) +
                          (ended.isEmpty() ? QString() : QStringLiteral(" (ended)")));
        };
        game.start();
        game.openLevel(Level::Hard);
        game.playLevel(Level::Hard, 12);
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("HardAbout")});
        QCOMPARE(game.result(ScreenName::HardAbout).Label1->text(), QStringLiteral("You got 12 out of 18."));
        game.click(ScreenName::HardAbout, QStringLiteral("Command4"));
        QCOMPARE(onView, (QStringList {QString(), QStringLiteral("Hard3"), QString()}));
        for (const ShownBox &box : game.boxes.shown) {
            QCOMPARE(box.prompt, musicWarning);
            QCOMPARE(box.style, MessageStyle::OkOnly);
            QCOMPARE(box.title, QStringLiteral("Pelmaroos"));
        }
        QCOMPARE(ended.count(), 1);
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

        game.playLevel(Level::Medium, 10);
        game.click(ScreenName::MediumAbout, QStringLiteral("Command1"));
        game.playLevel(Level::Hard, 3);
        game.click(ScreenName::HardAbout, QStringLiteral("Command3"));

        // Easy again: its pages come back as they were left, and a new submit loads a fresh result screen.
        game.click(ScreenName::Main, QStringLiteral("cmdEasy"));
        game.choose(ScreenName::Easy1, 0, harness::wrongOption(ScreenName::Easy1, 0));
        for (ScreenName page : {ScreenName::Easy1, ScreenName::Easy2, ScreenName::Easy3})
            game.forward(page);
        QCOMPARE(game.screen(ScreenName::EasyAbout).caption(),
                 QStringLiteral("Your Score On The Easy Level: 17 out of 18"));
        QCOMPARE(revealedPicture(game.screen(ScreenName::EasyAbout)), QStringLiteral("Image2"));
        const auto easyAboutLoads = std::ranges::count_if(loads, [](const QList<QVariant> &signal) {
            return signal[0].value<ScreenName>() == ScreenName::EasyAbout;
        });
        QCOMPARE(easyAboutLoads, 2);
    }

    // Every button and arrow of every screen, and a window's frame: what each shows, hides and unloads, in
    // its order, and the cue it starts (the pages are left unanswered). A Quit or Exit ends the game with
    // nothing loaded, none loading on the way out, and the farewell starting when nothing is.
    void everyClickGoesWhereDesigned_data()
    {
        QTest::addColumn<ScreenName>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("cue");
        using enum ScreenName;
        auto add = [](ScreenName screen, const char *control, const QString &steps, const char *cue = "") {
            QTest::addRow("%s %s", qPrintable(formName(screen)), *control ? control : "frame")
                << screen << QString::fromLatin1(control) << steps << QString::fromLatin1(cue);
        };
        add(PreMain, "cmdContinue", QStringLiteral("show Main, unload PreMain"));
        add(Main, "cmdEasy", QStringLiteral("show Easy1, unload Main"));
        add(Main, "cmdMedium", QStringLiteral("show Medium1, unload Main"));
        add(Main, "cmdHard", QStringLiteral("show Hard1, unload Main"));
        add(Main, "cmdHelp", QString());
        add(Easy1, "Image9", QStringLiteral("show Easy2, hide Easy1"));
        add(Easy1, "Image8", QStringLiteral("show Main, unload Easy1"));
        add(Easy2, "Image10", QStringLiteral("hide Easy2, show Easy3"));
        add(Easy2, "Image11", QStringLiteral("hide Easy2, show Easy1"));
        add(Easy3, "Image9", QStringLiteral("hide Easy3, show EasyAbout"), "bad.wav");
        add(Easy3, "Image8", QStringLiteral("hide Easy3, show Easy2"));
        add(Medium1, "Image10", QStringLiteral("show Medium2, hide Medium1"));
        add(Medium1, "Image11", QStringLiteral("unload Medium1, show Main"));
        add(Medium2, "Image10", QStringLiteral("show Medium3, hide Medium2"));
        add(Medium2, "Image11", QStringLiteral("hide Medium2, show Medium1"));
        add(Medium3, "Image10", QStringLiteral("hide Medium3, show MediumAbout"), "haha.wav");
        add(Medium3, "Image11", QStringLiteral("hide Medium3, show Medium2"));
        add(Hard1, "Image10", QStringLiteral("show Hard2, hide Hard1"));
        add(Hard1, "Image11", QStringLiteral("unload Hard1, show Main"));
        add(Hard2, "Image10", QStringLiteral("show Hard3, hide Hard2"));
        add(Hard2, "Image11", QStringLiteral("hide Hard2, show Hard1"));
        add(Hard3, "Image10", QStringLiteral("hide Hard3, show HardAbout"), "stupid.wav");
        add(Hard3, "Image11", QStringLiteral("hide Hard3, show Hard2"));
        add(EasyAbout, "Command1", QStringLiteral("unload EasyAbout, show Medium1"));
        add(MediumAbout, "Command1", QStringLiteral("unload MediumAbout, show Hard1"));
        add(HardAbout, "Command3", QStringLiteral("unload HardAbout, show Main"));
        const std::pair<ScreenName, const char *> waysOut[] = {
            {PreMain, "Command1"},   {Main, "cmdExit"},         {Easy1, "Command2"},
            {Easy2, "Command2"},     {Easy3, "Command3"},       {Medium1, "Command2"},
            {Medium2, "Command2"},   {Medium3, "Command3"},     {Hard1, "Command2"},
            {Hard2, "Command2"},     {Hard3, "Command3"},       {EasyAbout, "Command2"},
            {EasyAbout, "Command3"}, {MediumAbout, "Command2"}, {MediumAbout, "Command3"},
            {HardAbout, "Command4"}, {HardAbout, "Command5"},   {Medium2, ""},
        };
        for (auto [screen, control] : waysOut)
            add(screen, control, QStringLiteral("unload ") + formName(screen), "doh.wav");
    }

    void everyClickGoesWhereDesigned()
    {
        QFETCH(ScreenName, screen);
        QFETCH(QString, control);
        QFETCH(QString, steps);
        QFETCH(QString, cue);
        GameFixture game;
        game.start();
        game.goTo(screen);
        const qsizetype cuesBefore = game.sound.played.size();
        QSignalSpy loads(&game.registry(), &ScreenRegistry::screenLoaded);
        QSignalSpy ended(&game.registry(), &ScreenRegistry::programEnded);
        bool anythingLoadedAtCue = true;
        game.sound.onPlay = [&](const QString &) { anythingLoadedAtCue = game.registry().anyLoaded(); };
        ShowHideRecorder recorder(game);
        qApp->installEventFilter(&recorder);
        if (control.isEmpty()) {
            QCloseEvent close;
            QApplication::sendEvent(&game.screen(screen).window(), &close);
        } else {
            game.click(screen, control);
        }
        qApp->removeEventFilter(&recorder);
        QCOMPARE(recorder.events.join(QStringLiteral(", ")), steps);
        QCOMPARE(game.sound.fileNamesPlayed().mid(cuesBefore).join(QLatin1Char(',')), cue);
        const bool endsTheGame = cue == QStringLiteral("doh.wav");
        QCOMPARE(ended.count(), endsTheGame ? 1 : 0);
        if (endsTheGame) {
            QVERIFY(game.loadedScreens().isEmpty());
            QCOMPARE(loads.count(), 0);
            QVERIFY(!anythingLoadedAtCue);
        }
    }

    // Loading a screen checks its clicks' names against their controls (a wrong one stops the program),
    // and a Load row must be named for its screen; once all are loaded, Quit closes them in its order.
    void everyScreenLoadsAndQuitClosesThemInItsFixedOrder()
    {
        GameFixture game;
        game.start();
        // A result screen reads its total from page 3 as it loads.
        for (ScreenName page : {ScreenName::Easy3, ScreenName::Medium3, ScreenName::Hard3})
            game.page(page).Text1->setText(QStringLiteral("5"));
        for (ScreenName name : allScreens) {
            game.screen(name).window();
            if (const ScreenBehaviour &behaviour = game.registry().behaviour(name); behaviour.load)
                QCOMPARE(QLatin1String(behaviour.loadName), formName(name) + QStringLiteral("_Form_Load"));
        }
        QStringList closed;
        for (ScreenName name : allScreens)
            connect(&game.screen(name).window(), &QObject::destroyed, this,
                    [&closed, name] { closed.append(formName(name)); });
        game.click(ScreenName::PreMain, QStringLiteral("Command1"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(closed,
                 (QStringList {"Easy1", "Easy2", "Easy3", "EasyAbout", "Medium1", "Medium2", "Medium3", "MediumAbout",
                               "Hard1", "Hard2", "Hard3", "HardAbout", "Main", "PreMain", "zzzExtra"}));
    }
};

QTEST_MAIN(GameFlowTest)
#include "GameFlowTest.moc"
