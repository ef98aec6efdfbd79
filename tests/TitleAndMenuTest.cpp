#include "GameFixture.h"
#include "WaveFiles.h"
#include "shell/ExitAll.h"
#include "shell/Look.h"
#include "shell/SoundModule.h"

#include <QApplication>
#include <QCloseEvent>
#include <QSignalSpy>

using namespace pelmaroos;

using namespace pelmaroos::shell;
using namespace pelmaroos::tests;

namespace {

const QString musicWarning =
    QStringLiteral("You didn't follow my unzipping instructions properly because your not hearing the music!");

// Every page loaded and hidden, the menu loaded and hidden, the title on view.
void loadAlmostEverything(GameFixture &game)
{
    for (ScreenName page : {ScreenName::Easy1, ScreenName::Easy2, ScreenName::Easy3, ScreenName::Medium1,
                            ScreenName::Medium2, ScreenName::Medium3, ScreenName::Hard1, ScreenName::Hard2,
                            ScreenName::Hard3, ScreenName::Main})
        game.screen(page).window();
}

} // namespace

// Start-up, the title screen, the level menu, help, and every way out.
class TitleAndMenuTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        applyLook();
        qputenv("SDL_AUDIODRIVER", "dummy");
    }

    void startUpShowsTheTitleAndPlaysTheTheme()
    {
        GameFixture game;
        game.start();
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("PreMain")});
        for (ScreenName name : allScreens)
            QCOMPARE(game.runtime().screens().isCreated(name), name == ScreenName::PreMain);
        QCOMPARE(game.sound.played, QStringList {game.folder.path() + QStringLiteral("/theme.wav")});
        QVERIFY(game.boxes.shown.empty());
        QCOMPARE(game.screen(ScreenName::PreMain).caption(), QStringLiteral("Ardo's Pelmaroos Trivia!!!"));
        QCOMPARE(game.screen(ScreenName::PreMain).window().focusWidget()->objectName(), QStringLiteral("cmdContinue"));
    }

    void aThemeThatCannotPlayWarnsBeforeTheTitleShows()
    {
        GameFixture game;
        game.sound.playAll = false;
        bool titleOnViewDuringWarning = true;
        game.boxes.onShow = [&] { titleOnViewDuringWarning = game.screen(ScreenName::PreMain).isVisible(); };
        game.start();
        QCOMPARE(game.boxes.shown.size(), 1u);
        QCOMPARE(game.boxes.shown[0].prompt, musicWarning);
        QCOMPARE(game.boxes.shown[0].style, MessageStyle::OkOnly);
        QCOMPARE(game.boxes.shown[0].title, QStringLiteral("Pelmaroos"));
        QVERIFY(!titleOnViewDuringWarning);
        QVERIFY(game.screen(ScreenName::PreMain).isVisible());
        game.click(ScreenName::PreMain, QStringLiteral("cmdContinue"));
        QVERIFY(game.screen(ScreenName::Main).isVisible());
    }

    void continueLeavesOnlyTheMenu()
    {
        GameFixture game;
        game.start();
        game.click(ScreenName::PreMain, QStringLiteral("cmdContinue"));
        QCOMPARE(game.loadedScreens(), QStringList {QStringLiteral("Main")});
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("Main")});
        QCOMPARE(game.sound.played.size(), 1);
        QCOMPARE(game.screen(ScreenName::Main).window().focusWidget()->objectName(), QStringLiteral("cmdEasy"));
    }

    // The focused button answers the keyboard: Return or Space on the title screen continues.
    void theKeyboardPressesTheFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void theKeyboardPressesTheFocusedButton()
    {
        QFETCH(int, key);
        GameFixture game;
        game.start();
        ScreenWindow &title = game.screen(ScreenName::PreMain).window();
        QTest::keyClick(title.focusWidget(), Qt::Key(key));
        QTRY_COMPARE(game.visibleScreens(), QStringList {QStringLiteral("Main")});
    }

    void helpShowsItsBoxEveryTimeAndChangesNothing()
    {
        GameFixture game;
        game.start();
        game.click(ScreenName::PreMain, QStringLiteral("cmdContinue"));
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

    void levelButtonsOpenTheFirstPage_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<ScreenName>("page");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Easy") << QStringLiteral("cmdEasy") << ScreenName::Easy1
                              << QStringLiteral("Pelmaroos Trivia - Page 1 (EASY)");
        QTest::newRow("Medium") << QStringLiteral("cmdMedium") << ScreenName::Medium1
                                << QStringLiteral("Pelmaroos Trivia - Page 1 (MEDIUM)");
        QTest::newRow("Hard") << QStringLiteral("cmdHard") << ScreenName::Hard1
                              << QStringLiteral("Pelmaroos Trivia - Page 1 (HARD)");
    }

    void levelButtonsOpenTheFirstPage()
    {
        QFETCH(QString, button);
        QFETCH(ScreenName, page);
        QFETCH(QString, caption);
        GameFixture game;
        game.start();
        game.click(ScreenName::PreMain, QStringLiteral("cmdContinue"));
        game.click(ScreenName::Main, button);
        QCOMPARE(game.loadedScreens(), QStringList {formName(page)});
        QVERIFY(game.screen(page).isVisible());
        QCOMPARE(game.screen(page).caption(), caption);
        QCOMPARE(game.sound.played.size(), 1);
    }

    void quitClosesEveryScreenInOrderThenSaysFarewell_data()
    {
        QTest::addColumn<ScreenName>("screen");
        QTest::addColumn<QString>("button");
        QTest::newRow("Quit on the title") << ScreenName::PreMain << QStringLiteral("Command1");
        QTest::newRow("Exit on the menu") << ScreenName::Main << QStringLiteral("cmdExit");
        QTest::newRow("Quit on a page") << ScreenName::Medium2 << QStringLiteral("Command2");
    }

    void quitClosesEveryScreenInOrderThenSaysFarewell()
    {
        QFETCH(ScreenName, screen);
        QFETCH(QString, button);
        GameFixture game;
        game.start();
        loadAlmostEverything(game);
        game.screen(ScreenName::PreMain).hide();
        game.screen(screen).show();

        QStringList closed;
        QStringList loaded;
        for (ScreenName name : allScreens) {
            if (game.runtime().screens().isCreated(name) && game.screen(name).isLoaded()) {
                loaded.append(formName(name));
                connect(&game.screen(name).window(), &QObject::destroyed, this,
                        [&closed, name] { closed.append(formName(name)); });
            }
        }
        QSignalSpy loads(&game.runtime().screens(), &ScreenRegistry::screenLoaded);
        QSignalSpy ended(&game.runtime().screens(), &ScreenRegistry::programEnded);
        bool anythingLoadedAtFarewell = true;
        game.sound.onPlay = [&](const QString &) { anythingLoadedAtFarewell = game.runtime().screens().anyLoaded(); };

        game.click(screen, button);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QStringList expected;
        for (ScreenName name : exitOrder) {
            if (loaded.contains(formName(name)))
                expected.append(formName(name));
        }
        QCOMPARE(expected.size(), 11);
        QCOMPARE(closed, expected);
        QCOMPARE(loads.count(), 0);
        QVERIFY(game.loadedScreens().isEmpty());
        for (ScreenName name : allScreens)
            QVERIFY(game.runtime().screens().isCreated(name));
        QCOMPARE(game.sound.fileNamesPlayed().last(), QStringLiteral("doh.wav"));
        QVERIFY(!anythingLoadedAtFarewell);
        QCOMPARE(ended.count(), 1);
    }

    void quitAsTheFirstActionLoadsNothing()
    {
        GameFixture game;
        game.start();
        QSignalSpy loads(&game.runtime().screens(), &ScreenRegistry::screenLoaded);
        game.click(ScreenName::PreMain, QStringLiteral("Command1"));
        QCOMPARE(loads.count(), 0);
        QCOMPARE(game.sound.fileNamesPlayed(), (QStringList {QStringLiteral("theme.wav"), QStringLiteral("doh.wav")}));
    }

    void aFarewellThatCannotPlayWarnsWithNothingOnViewAndTheProgramEndsAfter()
    {
        GameFixture game;
        game.sound.playAll = false;
        game.sound.playable = {QStringLiteral("theme.wav")};
        game.start();
        game.click(ScreenName::PreMain, QStringLiteral("cmdContinue"));
        QSignalSpy ended(&game.runtime().screens(), &ScreenRegistry::programEnded);
        QStringList onViewDuringWarning {QStringLiteral("not shown")};
        qsizetype endedDuringWarning = -1;
        game.boxes.onShow = [&] {
            onViewDuringWarning = game.visibleScreens();
            endedDuringWarning = ended.count();
        };
        game.click(ScreenName::Main, QStringLiteral("cmdExit"));
        QCOMPARE(game.boxes.shown.size(), 1u);
        QCOMPARE(game.boxes.shown[0].prompt, musicWarning);
        QCOMPARE(onViewDuringWarning, QStringList());
        QCOMPARE(endedDuringWarning, 0);
        QCOMPARE(ended.count(), 1);
    }

    void closingAWindowFrameEndsTheGameLikeQuit()
    {
        GameFixture game;
        game.start();
        game.click(ScreenName::PreMain, QStringLiteral("cmdContinue"));
        game.click(ScreenName::Main, QStringLiteral("cmdMedium"));
        QSignalSpy ended(&game.runtime().screens(), &ScreenRegistry::programEnded);
        QCloseEvent close;
        QApplication::sendEvent(&game.screen(ScreenName::Medium1).window(), &close);
        QVERIFY(game.loadedScreens().isEmpty());
        QCOMPARE(game.sound.fileNamesPlayed().last(), QStringLiteral("doh.wav"));
        QCOMPARE(ended.count(), 1);
    }

    // With the real sound service: cues come from the program's folder, whatever the working directory.
    void cuesComeFromTheApplicationFolderOnly_data()
    {
        QTest::addColumn<bool>("themeInProgramFolder");
        QTest::addColumn<bool>("themeInWorkingDirectory");
        QTest::addColumn<int>("warnings");
        QTest::newRow("in the program's folder") << true << false << 0;
        QTest::newRow("only in the working directory") << false << true << 1;
    }

    void cuesComeFromTheApplicationFolderOnly()
    {
        QFETCH(bool, themeInProgramFolder);
        QFETCH(bool, themeInWorkingDirectory);
        QFETCH(int, warnings);
        QTemporaryDir programFolder;
        QTemporaryDir workingDirectory;
        const QByteArray theme = waveBytes(constantSamples(2205, 300));
        if (themeInProgramFolder)
            writeFile(programFolder.filePath(QStringLiteral("theme.wav")), theme);
        if (themeInWorkingDirectory)
            writeFile(workingDirectory.filePath(QStringLiteral("theme.wav")), theme);
        const QString previous = QDir::currentPath();
        QDir::setCurrent(workingDirectory.path());

        FakeMessageBoxes boxes;
        SoundModule sound;
        app::Game game(boxes, sound, programFolder.path());
        game.start();
        QDir::setCurrent(previous);
        QCOMPARE(int(boxes.shown.size()), warnings);
        QVERIFY(game.runtime().screen(ScreenName::PreMain).isVisible());
    }

    void withoutASoundDeviceTheTitleStillComesUp()
    {
        qputenv("SDL_AUDIODRIVER", "nosuch");
        QTemporaryDir programFolder;
        writeFile(programFolder.filePath(QStringLiteral("theme.wav")), waveBytes(constantSamples(2205, 300)));
        FakeMessageBoxes boxes;
        SoundModule sound;
        app::Game game(boxes, sound, programFolder.path());
        game.start();
        qputenv("SDL_AUDIODRIVER", "dummy");
        QCOMPARE(boxes.shown.size(), 1u);
        QCOMPARE(boxes.shown[0].prompt, musicWarning);
        QVERIFY(game.runtime().screen(ScreenName::PreMain).isVisible());
    }
};

QTEST_MAIN(TitleAndMenuTest)
#include "TitleAndMenuTest.moc"
