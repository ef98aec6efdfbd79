#include "GameFixture.h"
#include "shell/Look.h"

#include <QApplication>

using namespace pelmaroos;
using namespace pelmaroos::shell;
using namespace pelmaroos::tests;

namespace {

struct PageRoute {
    ScreenName page;
    const char *levelButton;
    int pageNumber;
    const char *leftArrow;
    const char *rightArrow;
};

// Where each page is, and which pictures are its arrows.
const std::array<PageRoute, 9> routes = {{
    {ScreenName::Easy1, "cmdEasy", 1, "Image8", "Image9"},
    {ScreenName::Easy2, "cmdEasy", 2, "Image11", "Image10"},
    {ScreenName::Easy3, "cmdEasy", 3, "Image8", "Image9"},
    {ScreenName::Medium1, "cmdMedium", 1, "Image11", "Image10"},
    {ScreenName::Medium2, "cmdMedium", 2, "Image11", "Image10"},
    {ScreenName::Medium3, "cmdMedium", 3, "Image11", "Image10"},
    {ScreenName::Hard1, "cmdHard", 1, "Image11", "Image10"},
    {ScreenName::Hard2, "cmdHard", 2, "Image11", "Image10"},
    {ScreenName::Hard3, "cmdHard", 3, "Image11", "Image10"},
}};

const PageRoute &routeOf(ScreenName page)
{
    return *std::ranges::find(routes, page, &PageRoute::page);
}

// Plays from the title screen to the page, leaving the pages before it with no choice made.
void goTo(GameFixture &game, ScreenName page)
{
    const PageRoute &route = routeOf(page);
    game.openLevel(QLatin1String(route.levelButton));
    ScreenName current = ScreenName(int(page) - (route.pageNumber - 1));
    while (current != page) {
        game.click(current, QLatin1String(routeOf(current).rightArrow));
        current = ScreenName(int(current) + 1);
    }
}

void addPageRows()
{
    QTest::addColumn<ScreenName>("page");
    for (const PageRoute &route : routes)
        QTest::newRow(qPrintable(formName(route.page))) << route.page;
}

// Records the order in which screen windows appear and disappear.
class ShowHideRecorder final : public QObject
{
public:
    QStringList events;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<ScreenWindow *>(watched);
        if (window && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
            events.append((event->type() == QEvent::Show ? QStringLiteral("show ") : QStringLiteral("hide ")) +
                          window->windowTitle());
        return false;
    }
};

} // namespace

// The nine question pages: the answer keys, scoring, and moving between the pages.
class QuestionPagesTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyLook(); }

    void theKeyedChoicesScoreSix_data() { addPageRows(); }

    void theKeyedChoicesScoreSix()
    {
        QFETCH(ScreenName, page);
        GameFixture game;
        game.start();
        goTo(game, page);
        game.answer(page, 6);
        QCOMPARE(game.game->questionPages().ScorePage(page), 6);
        if (routeOf(page).pageNumber < 3) {
            game.click(page, QLatin1String(routeOf(page).rightArrow));
            QCOMPARE(game.scoreBox(page), QStringLiteral("6"));
        }
    }

    void wrongOrMissingChoicesScoreNothing_data() { addPageRows(); }

    void wrongOrMissingChoicesScoreNothing()
    {
        QFETCH(ScreenName, page);
        GameFixture game;
        game.start();
        goTo(game, page);
        QCOMPARE(game.game->questionPages().ScorePage(page), 0);
        game.answer(page, 0);
        QCOMPARE(game.game->questionPages().ScorePage(page), 0);
        game.answer(page, 4);
        QCOMPARE(game.game->questionPages().ScorePage(page), 4);
    }

    void eachLoadClearsTheChoicesAndWritesTheKey_data() { addPageRows(); }

    void eachLoadClearsTheChoicesAndWritesTheKey()
    {
        QFETCH(ScreenName, page);
        GameFixture game;
        game.start();
        Screen &screen = game.screen(page);
        for (int round = 0; round < 2; ++round) {
            screen.window(); // loads
            const quiz::AnswerMatrix &matrix = game.game->questionPages().answerMatrix(page);
            for (int row = 0; row < 7; ++row) {
                for (int column = 0; column < 7; ++column) {
                    const bool keyed = row < 6 && column == keyedColumn(page, row);
                    QCOMPARE(matrix[std::size_t(row)][std::size_t(column)], keyed ? True : False);
                }
            }
            for (int question = 0; question < 6; ++question) {
                for (int option = 1; option <= 3; ++option)
                    QCOMPARE(screen.option(QStringLiteral("Option%1").arg(option), question).value(), False);
            }
            for (int question = 0; question < 6; ++question)
                screen.option(QStringLiteral("Option%1").arg(keyedOption(page, question)), question).setValue(True);
            screen.unload();
        }
    }

    void framesAreIndependent()
    {
        GameFixture game;
        game.start();
        game.openLevel(QStringLiteral("cmdEasy"));
        game.choose(ScreenName::Easy1, 0, 2);
        game.choose(ScreenName::Easy1, 1, 3);
        game.choose(ScreenName::Easy1, 5, 1);
        Screen &page = game.screen(ScreenName::Easy1);
        QCOMPARE(page.option(QStringLiteral("Option2"), 0).value(), True);
        QCOMPARE(page.option(QStringLiteral("Option3"), 1).value(), True);
        QCOMPARE(page.option(QStringLiteral("Option1"), 5).value(), True);
        game.choose(ScreenName::Easy1, 0, 1);
        QCOMPARE(page.option(QStringLiteral("Option2"), 0).value(), False);
        QCOMPARE(page.option(QStringLiteral("Option3"), 1).value(), True);
    }

    void choicesSurviveGoingBackAndForth()
    {
        GameFixture game;
        game.start();
        game.openLevel(QStringLiteral("cmdHard"));
        game.answer(ScreenName::Hard1, 3);
        game.click(ScreenName::Hard1, QStringLiteral("Image10"));
        game.answer(ScreenName::Hard2, 5);
        game.click(ScreenName::Hard2, QStringLiteral("Image11"));
        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("Hard1")});
        QCOMPARE(game.game->questionPages().ScorePage(ScreenName::Hard1), 3);
        game.click(ScreenName::Hard1, QStringLiteral("Image10"));
        QCOMPARE(game.game->questionPages().ScorePage(ScreenName::Hard2), 5);
        QCOMPARE(game.scoreBox(ScreenName::Hard2), QString()); // not left forward yet
    }

    void goingBackChangingAndComingForwardRewritesTheScore()
    {
        GameFixture game;
        game.start();
        game.openLevel(QStringLiteral("cmdMedium"));
        game.answer(ScreenName::Medium1, 6);
        game.click(ScreenName::Medium1, QStringLiteral("Image10"));
        game.answer(ScreenName::Medium2, 2);
        game.click(ScreenName::Medium2, QStringLiteral("Image10"));
        QCOMPARE(game.scoreBox(ScreenName::Medium1), QStringLiteral("6"));
        QCOMPARE(game.scoreBox(ScreenName::Medium2), QStringLiteral("2"));

        game.click(ScreenName::Medium3, QStringLiteral("Image11"));
        game.click(ScreenName::Medium2, QStringLiteral("Image11"));
        game.choose(ScreenName::Medium1, 4, wrongOption(ScreenName::Medium1, 4));
        game.click(ScreenName::Medium1, QStringLiteral("Image10"));
        QCOMPARE(game.scoreBox(ScreenName::Medium1), QStringLiteral("5"));
        QCOMPARE(game.scoreBox(ScreenName::Medium2), QStringLiteral("2"));
    }

    void mainPageResetsTheFirstPageOnly()
    {
        GameFixture game;
        game.start();
        game.openLevel(QStringLiteral("cmdEasy"));
        game.answer(ScreenName::Easy1, 6);
        game.click(ScreenName::Easy1, QStringLiteral("Image9"));
        game.answer(ScreenName::Easy2, 4);
        game.click(ScreenName::Easy2, QStringLiteral("Image10"));
        game.answer(ScreenName::Easy3, 1);
        game.click(ScreenName::Easy3, QStringLiteral("Image8"));
        game.click(ScreenName::Easy2, QStringLiteral("Image11"));
        game.click(ScreenName::Easy1, QStringLiteral("Image8"));

        QCOMPARE(game.visibleScreens(), QStringList {QStringLiteral("Main")});
        QCOMPARE(game.loadedScreens(),
                 (QStringList {QStringLiteral("Main"), QStringLiteral("Easy2"), QStringLiteral("Easy3")}));
        game.click(ScreenName::Main, QStringLiteral("cmdEasy"));
        QCOMPARE(game.game->questionPages().ScorePage(ScreenName::Easy1), 0);
        QCOMPARE(game.scoreBox(ScreenName::Easy1), QString());
        game.click(ScreenName::Easy1, QStringLiteral("Image9"));
        QCOMPARE(game.game->questionPages().ScorePage(ScreenName::Easy2), 4);
        QCOMPARE(game.scoreBox(ScreenName::Easy2), QStringLiteral("4"));
        game.click(ScreenName::Easy2, QStringLiteral("Image10"));
        QCOMPARE(game.game->questionPages().ScorePage(ScreenName::Easy3), 1);
    }

    // Each move shows and hides (or unloads) in its own page's order.
    void movesKeepTheirOrderOfShowAndHide_data()
    {
        QTest::addColumn<ScreenName>("page");
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<QStringList>("expected");
        const QString menu = QStringLiteral("The Pelmaroos Trivia!");
        auto caption = [](const char *level, int number) {
            return QStringLiteral("Pelmaroos Trivia - Page %1 (%2)").arg(number).arg(QLatin1String(level));
        };
        auto showThenHide = [](const QString &to, const QString &from) {
            return QStringList {QStringLiteral("show ") + to, QStringLiteral("hide ") + from};
        };
        auto hideThenShow = [](const QString &to, const QString &from) {
            return QStringList {QStringLiteral("hide ") + from, QStringLiteral("show ") + to};
        };
        QTest::newRow("Easy1 next") << ScreenName::Easy1 << "Image9" << showThenHide(caption("EASY", 2), caption("EASY", 1));
        QTest::newRow("Easy2 next") << ScreenName::Easy2 << "Image10" << hideThenShow(caption("EASY", 3), caption("EASY", 2));
        QTest::newRow("Medium1 next") << ScreenName::Medium1 << "Image10" << showThenHide(caption("MEDIUM", 2), caption("MEDIUM", 1));
        QTest::newRow("Medium2 next") << ScreenName::Medium2 << "Image10" << showThenHide(caption("MEDIUM", 3), caption("MEDIUM", 2));
        QTest::newRow("Hard1 next") << ScreenName::Hard1 << "Image10" << showThenHide(caption("HARD", 2), caption("HARD", 1));
        QTest::newRow("Hard2 next") << ScreenName::Hard2 << "Image10" << showThenHide(caption("HARD", 3), caption("HARD", 2));
        QTest::newRow("Easy2 back") << ScreenName::Easy2 << "Image11" << hideThenShow(caption("EASY", 1), caption("EASY", 2));
        QTest::newRow("Easy3 back") << ScreenName::Easy3 << "Image8" << hideThenShow(caption("EASY", 2), caption("EASY", 3));
        QTest::newRow("Medium3 back") << ScreenName::Medium3 << "Image11" << hideThenShow(caption("MEDIUM", 2), caption("MEDIUM", 3));
        QTest::newRow("Hard2 back") << ScreenName::Hard2 << "Image11" << hideThenShow(caption("HARD", 1), caption("HARD", 2));
        QTest::newRow("Easy1 menu") << ScreenName::Easy1 << "Image8" << showThenHide(menu, caption("EASY", 1));
        QTest::newRow("Medium1 menu") << ScreenName::Medium1 << "Image11" << hideThenShow(menu, caption("MEDIUM", 1));
        QTest::newRow("Hard1 menu") << ScreenName::Hard1 << "Image11" << hideThenShow(menu, caption("HARD", 1));
    }

    void movesKeepTheirOrderOfShowAndHide()
    {
        QFETCH(ScreenName, page);
        QFETCH(QString, arrow);
        QFETCH(QStringList, expected);
        GameFixture game;
        game.start();
        goTo(game, page);
        ShowHideRecorder recorder;
        qApp->installEventFilter(&recorder);
        game.click(page, arrow);
        qApp->removeEventFilter(&recorder);
        QCOMPARE(recorder.events, expected);
    }

    // Tab visits each frame once, in the page's frame order, then the exit button.
    void tabVisitsTheFramesThenQuit_data() { addPageRows(); }

    void tabVisitsTheFramesThenQuit()
    {
        QFETCH(ScreenName, page);
        GameFixture game;
        game.start();
        goTo(game, page);
        ScreenWindow &window = game.screen(page).window();
        QWidget *const first = window.focusWidget();
        QVERIFY(first);
        QStringList stops;
        QWidget *widget = first;
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&window))
                stops.append(widget->parentWidget() == &window ? widget->objectName()
                                                               : widget->parentWidget()->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != first);
        const bool backwards = page == ScreenName::Easy1 || page == ScreenName::Easy3;
        QStringList expected;
        for (int i = 0; i < 6; ++i)
            expected.append(QStringLiteral("Frame1(%1)").arg(backwards ? 5 - i : i));
        expected.append(routeOf(page).pageNumber == 3 ? QStringLiteral("Command3") : QStringLiteral("Command2"));
        QCOMPARE(stops, expected);
    }

    // With or without a choice made, an arrow key chooses the option it moves to, in that frame alone.
    void arrowKeysMoveTheChoiceInsideAFrame_data()
    {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::newRow("Down from a choice") << 1 << 1 << int(Qt::Key_Down) << 2;
        QTest::newRow("Down, nothing chosen") << 0 << 1 << int(Qt::Key_Down) << 2;
        QTest::newRow("Up, nothing chosen") << 0 << 3 << int(Qt::Key_Up) << 2;
    }

    void arrowKeysMoveTheChoiceInsideAFrame()
    {
        QFETCH(int, chosen);
        QFETCH(int, focused);
        QFETCH(int, key);
        QFETCH(int, expected);
        GameFixture game;
        game.start();
        game.openLevel(QStringLiteral("cmdEasy"));
        if (chosen)
            game.choose(ScreenName::Easy1, 2, chosen);
        Screen &page = game.screen(ScreenName::Easy1);
        page.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page.window()));
        OptionButton &start = page.option(QStringLiteral("Option%1").arg(focused), 2);
        start.setFocus();
        QTest::keyClick(&start, Qt::Key(key));
        for (int option = 1; option <= 3; ++option)
            QCOMPARE(page.option(QStringLiteral("Option%1").arg(option), 2).value(), option == expected ? True : False);
        QCOMPARE(page.option(QStringLiteral("Option1"), 3).value(), False);
    }
};

QTEST_MAIN(QuestionPagesTest)
#include "QuestionPagesTest.moc"
