#include "GameFixture.h"
#include "shell/Look.h"

#include <QLabel>
#include <QSignalSpy>

using namespace pelmaroos;
using namespace pelmaroos::shell;
using namespace pelmaroos::tests;

namespace {

struct LevelRoute {
    const char *name;
    const char *levelButton;
    ScreenName page1;
    const char *nextArrow; // on pages 1 and 2; on page 3 it submits
    ScreenName result;
    const char *lowCue;
    const char *topCue;
};

const std::array<LevelRoute, 3> levels = {{
    {"Easy", "cmdEasy", ScreenName::Easy1, nullptr, ScreenName::EasyAbout, "bad.wav", "wow.wav"},
    {"Medium", "cmdMedium", ScreenName::Medium1, "Image10", ScreenName::MediumAbout, "haha.wav", "excellent.wav"},
    {"Hard", "cmdHard", ScreenName::Hard1, "Image10", ScreenName::HardAbout, "stupid.wav", "brilliant.wav"},
}};

ScreenName page(const LevelRoute &level, int number)
{
    return ScreenName(int(level.page1) + number - 1);
}

QString nextArrow(const LevelRoute &level, int pageNumber)
{
    if (level.nextArrow)
        return QLatin1String(level.nextArrow);
    return pageNumber == 2 ? QStringLiteral("Image10") : QStringLiteral("Image9");
}

// Answers the level's pages so that `total` questions are right in all, and submits page 3.
void playLevel(GameFixture &game, const LevelRoute &level, int total)
{
    for (int number = 1; number <= 3; ++number) {
        const int right = std::min(6, total);
        total -= right;
        game.answer(page(level, number), right);
        game.click(page(level, number), nextArrow(level, number));
    }
}

QString revealedPicture(Screen &result)
{
    QStringList shown;
    for (const char *name : {"Image1", "Image2", "Image3"}) {
        if (result.image(QLatin1String(name)).isVisibleTo(&result.window()))
            shown.append(QLatin1String(name));
    }
    return shown.join(QLatin1Char(','));
}

} // namespace

// Submitting a level and its result screen, at every total.
class ResultScreensTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyLook(); }

    void everyTotalOnEveryLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("total");
        for (int level = 0; level < 3; ++level) {
            for (int total = 0; total <= 18; ++total)
                QTest::addRow("%s %d", levels[std::size_t(level)].name, total) << level << total;
        }
    }

    void everyTotalOnEveryLevel()
    {
        QFETCH(int, level);
        QFETCH(int, total);
        const LevelRoute &route = levels[std::size_t(level)];
        GameFixture game;
        game.start();
        game.openLevel(QLatin1String(route.levelButton));
        const qsizetype cuesBefore = game.sound.played.size();
        playLevel(game, route, total);

        Screen &result = game.screen(route.result);
        const QString number = QString::number(total);
        QCOMPARE(game.visibleScreens(), QStringList {formName(route.result)});
        QCOMPARE(game.scoreBox(page(route, 3)), number);
        QCOMPARE(result.label(QStringLiteral("Label1")).text(), QStringLiteral("You got ") + number + QStringLiteral(" out of 18."));
        QCOMPARE(result.caption(),
                 QStringLiteral("Your Score On The %1 Level: ").arg(QLatin1String(route.name)) + number + QStringLiteral(" out of 18"));
        QVERIFY(!result.label(QStringLiteral("Label10")).isVisibleTo(&result.window()));

        const QString picture = total <= 9 ? QStringLiteral("Image3") : total < 18 ? QStringLiteral("Image2") : QStringLiteral("Image1");
        QCOMPARE(revealedPicture(result), picture);
        const QString cue = total <= 9 ? QLatin1String(route.lowCue) : total < 18 ? QStringLiteral("good.wav") : QLatin1String(route.topCue);
        QCOMPARE(game.sound.fileNamesPlayed().mid(cuesBefore), QStringList {cue});
        QVERIFY(game.boxes.shown.empty());
    }

    void aCueThatCannotPlayWarnsWhilePageThreeIsOnView()
    {
        GameFixture game;
        game.sound.playAll = false;
        game.sound.playable = {QStringLiteral("theme.wav")};
        game.start();
        game.openLevel(QStringLiteral("cmdHard"));
        QStringList onView;
        game.boxes.onShow = [&] { onView = game.visibleScreens(); };
        playLevel(game, levels[2], 12);
        QCOMPARE(game.boxes.shown.size(), 1u);
        QCOMPARE(onView, QStringList {QStringLiteral("Hard3")});
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("HardAbout")});
        QCOMPARE(game.screen(ScreenName::HardAbout).label(QStringLiteral("Label1")).text(), QStringLiteral("You got 12 out of 18."));
    }

    void theGameLeadsOnFromLevelToLevelAndEveryArrivalLoadsAfresh()
    {
        GameFixture game;
        game.start();
        game.openLevel(QStringLiteral("cmdEasy"));
        QSignalSpy loads(&game.runtime().screens(), &ScreenRegistry::screenLoaded);
        playLevel(game, levels[0], 18);
        game.click(ScreenName::EasyAbout, QStringLiteral("Command1"));
        QVERIFY(!game.screen(ScreenName::EasyAbout).isLoaded());
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("Medium1")});
        QVERIFY(game.screen(ScreenName::Easy3).isLoaded());

        playLevel(game, levels[1], 10);
        QCOMPARE(game.screen(ScreenName::MediumAbout).window().focusWidget()->objectName(), QStringLiteral("Command2"));
        game.click(ScreenName::MediumAbout, QStringLiteral("Command1"));
        playLevel(game, levels[2], 3);
        game.click(ScreenName::HardAbout, QStringLiteral("Command3"));
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("Main")});
        QVERIFY(!game.screen(ScreenName::HardAbout).isLoaded());

        // Easy again: its pages come back as they were left, and a new submit loads a fresh result screen.
        game.click(ScreenName::Main, QStringLiteral("cmdEasy"));
        QCOMPARE(game.game->questionPages().ScorePage(ScreenName::Easy1), 6);
        game.choose(ScreenName::Easy1, 0, wrongOption(ScreenName::Easy1, 0));
        game.click(ScreenName::Easy1, QStringLiteral("Image9"));
        game.click(ScreenName::Easy2, QStringLiteral("Image10"));
        game.click(ScreenName::Easy3, QStringLiteral("Image9"));
        QCOMPARE(game.screen(ScreenName::EasyAbout).caption(), QStringLiteral("Your Score On The Easy Level: 17 out of 18"));
        QCOMPARE(revealedPicture(game.screen(ScreenName::EasyAbout)), QStringLiteral("Image2"));
        const auto easyAboutLoads = std::ranges::count_if(
            loads, [](const QList<QVariant> &signal) { return signal[0].value<ScreenName>() == ScreenName::EasyAbout; });
        QCOMPARE(easyAboutLoads, 2);
    }

    void bothQuitButtonsOfEveryResultScreenEndTheGame_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("button");
        QTest::newRow("Easy large") << 0 << QStringLiteral("Command2");
        QTest::newRow("Easy small") << 0 << QStringLiteral("Command3");
        QTest::newRow("Medium large") << 1 << QStringLiteral("Command2");
        QTest::newRow("Medium small") << 1 << QStringLiteral("Command3");
        QTest::newRow("Hard large") << 2 << QStringLiteral("Command4");
        QTest::newRow("Hard small") << 2 << QStringLiteral("Command5");
    }

    void bothQuitButtonsOfEveryResultScreenEndTheGame()
    {
        QFETCH(int, level);
        QFETCH(QString, button);
        const LevelRoute &route = levels[std::size_t(level)];
        GameFixture game;
        game.start();
        game.openLevel(QLatin1String(route.levelButton));
        playLevel(game, route, 18);
        QSignalSpy ended(&game.runtime().screens(), &ScreenRegistry::programEnded);
        game.click(route.result, button);
        QVERIFY(game.loadedScreens().isEmpty());
        QCOMPARE(game.sound.fileNamesPlayed().mid(1), (QStringList {QLatin1String(route.topCue), QStringLiteral("doh.wav")}));
        QCOMPARE(ended.count(), 1);
    }
};

QTEST_MAIN(ResultScreensTest)
#include "ResultScreensTest.moc"
