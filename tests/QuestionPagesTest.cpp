// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "GameFixture.h"
#include "shell/controls/OptionButton.h"
#include "shell/forms/Look.h"

#include <QApplication>
#include <QLabel>
#include <QRegularExpression>

#include <set>

using namespace pelmaroos;
using namespace pelmaroos::shell;
using namespace pelmaroos::tests;
using harness::keyedOption;

namespace {

void addPageRows()
{
    QTest::addColumn<ScreenName>("page");
    for (const screens::QuestionPage &page : screens::questionPages)
        QTest::newRow(qPrintable(formName(page.page))) << page.page;
}

// The words that make an answer recognisable: three letters or more, without a possessive or plural s.
std::set<QString> distinctiveWords(const QString &text)
{
    std::set<QString> words;
    static const QRegularExpression word(QStringLiteral("[a-z']+"));
    for (const auto &match : word.globalMatch(text.toLower())) {
        QString w = match.captured();
        w.remove(QRegularExpression(QStringLiteral("'s$")));
        w.remove(QLatin1Char('\''));
        if (w.endsWith(QLatin1Char('s')) && w.size() > 3)
            w.chop(1);
        if (w.size() >= 3 && w != QStringLiteral("the") && w != QStringLiteral("and"))
            words.insert(w);
    }
    return words;
}

} // namespace

// The nine question pages: their wording and keys, scoring, and moving between them.
class QuestionPagesTest final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyLook(); }

    // The fixed key and the wording are kept apart; each question states its right answer, and the keyed
    // choice on the page is that answer.
    void theKeyedChoiceIsTheRightAnswer_data() { addPageRows(); }

    void theKeyedChoiceIsTheRightAnswer()
    {
        QFETCH(ScreenName, page);
        GameFixture game;
        const auto &questions = screens::questionPage(page).questions;
        for (int question = 0; question < 6; ++question) {
            const QString answer = QString::fromUtf8(questions[std::size_t(question)].answer);
            QCOMPARE(
                game.page(page).options[std::size_t(question)][std::size_t(keyedOption(page, question) - 1)]->text(),
                answer);
        }
    }

    // No question or choice gives away the right answer of another question of its level.
    void noQuestionGivesAnotherAway()
    {
        for (screens::Level level : {screens::Level::Easy, screens::Level::Medium, screens::Level::Hard}) {
            std::vector<const screens::Question *> questions;
            for (const screens::QuestionPage &page : screens::pagesOf(level)) {
                for (const screens::Question &question : page.questions)
                    questions.push_back(&question);
            }
            for (const screens::Question *question : questions) {
                for (const screens::Question *other : questions) {
                    if (other == question)
                        continue;
                    const QString seen = QString::fromUtf8(other->wording) + QLatin1Char(' ') +
                                         QString::fromUtf8(other->choices[0]) + QLatin1Char(' ') +
                                         QString::fromUtf8(other->choices[1]) + QLatin1Char(' ') +
                                         QString::fromUtf8(other->choices[2]);
                    const std::set<QString> shown = distinctiveWords(seen);
                    for (const QString &word : distinctiveWords(QString::fromUtf8(question->answer)))
                        QVERIFY2(!shown.contains(word), qPrintable(QStringLiteral("\"%1\" gives away \"%2\"")
                                                                       .arg(QString::fromUtf8(other->wording),
                                                                            QString::fromUtf8(question->answer))));
                }
            }
        }
    }

    void mainPageResetsTheFirstPageOnly()
    {
        GameFixture game;
        game.start();
        game.goTo(ScreenName::Easy1);
        game.answer(ScreenName::Easy1, 6);
        game.forward(ScreenName::Easy1);
        game.answer(ScreenName::Easy2, 4);
        game.forward(ScreenName::Easy2);
        game.answer(ScreenName::Easy3, 1);
        game.back(ScreenName::Easy3);
        game.back(ScreenName::Easy2);
        game.back(ScreenName::Easy1);

        QCOMPARE(game.loadedScreens(), (QStringList {"Main", "Easy2", "Easy3"}));
        game.click(ScreenName::Main, QStringLiteral("cmdEasy"));
        QCOMPARE(game.game.questionPages().ScorePage(ScreenName::Easy1), 0);
        QCOMPARE(game.scoreBox(ScreenName::Easy1), QString());
        game.forward(ScreenName::Easy1);
        QCOMPARE(game.scoreBox(ScreenName::Easy2), QStringLiteral("4"));
        game.forward(ScreenName::Easy2);
        QCOMPARE(game.game.questionPages().ScorePage(ScreenName::Easy3), 1);
    }

    // Only the arrows react: a click on the captions beside them or on the page indicator does nothing.
    void captionsAndThePageIndicatorIgnoreClicks_data() { addPageRows(); }

    void captionsAndThePageIndicatorIgnoreClicks()
    {
        QFETCH(ScreenName, page);
        GameFixture game;
        game.start();
        game.goTo(page);
        const QStringList loaded = game.loadedScreens();
        ScreenWindow &window = game.screen(page).window();
        // Easy1's and Easy3's arrow captions are Label7 and Label8, the other pages' Label10 and Label9.
        const bool sevenAndEight = page == ScreenName::Easy1 || page == ScreenName::Easy3;
        const char *labels[] = {sevenAndEight ? "Label7" : "Label10", sevenAndEight ? "Label8" : "Label9", "Label11",
                                "Label12"};
        for (const char *name : labels) {
            const auto *label = window.findChild<QLabel *>(QLatin1String(name));
            QVERIFY2(label && label->isVisible(), name);
            // Whatever lies on top where the player clicks takes the click.
            const QPoint where = label->mapTo(&window, label->rect().center());
            QWidget *hit = window.childAt(where);
            QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(&window, where));
        }
        QCOMPARE(game.visibleScreens(), QStringList {formName(page)});
        QCOMPARE(game.loadedScreens(), loaded);
        QCOMPARE(game.scoreBox(page), QString());
        QCOMPARE(game.sound.played.size(), 1);
    }

    // With or without a choice made, an arrow key chooses the option it moves to, in that frame alone, and
    // none where it moves nowhere; Tab leaves the frame as it is.
    void arrowKeysMoveTheChoiceInsideAFrame_data()
    {
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::newRow("Down, nothing chosen") << 0 << 1 << int(Qt::Key_Down) << 2;
        QTest::newRow("Up, nothing chosen") << 0 << 3 << int(Qt::Key_Up) << 2;
        QTest::newRow("Right from a choice") << 2 << 2 << int(Qt::Key_Right) << 3;
        QTest::newRow("Right, nothing chosen") << 0 << 1 << int(Qt::Key_Right) << 2;
        QTest::newRow("Left from a choice") << 2 << 2 << int(Qt::Key_Left) << 1;
        QTest::newRow("Left, nothing chosen") << 0 << 3 << int(Qt::Key_Left) << 2;
        QTest::newRow("Up at the top, nothing chosen") << 0 << 1 << int(Qt::Key_Up) << 0;
        // Tab leaves the frame and chooses nothing.
        QTest::newRow("Tab from a choice") << 2 << 2 << int(Qt::Key_Tab) << 2;
        QTest::newRow("Tab, nothing chosen") << 0 << 1 << int(Qt::Key_Tab) << 0;
    }

    void arrowKeysMoveTheChoiceInsideAFrame()
    {
        QFETCH(int, chosen);
        QFETCH(int, focused);
        QFETCH(int, key);
        QFETCH(int, expected);
        GameFixture game;
        game.start();
        game.goTo(ScreenName::Easy1);
        if (chosen)
            game.choose(ScreenName::Easy1, 2, chosen);
        Screen &page = game.screen(ScreenName::Easy1);
        page.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page.window()));
        const auto &options = game.page(ScreenName::Easy1).options;
        OptionButton &start = *options[2][std::size_t(focused - 1)];
        start.setFocus();
        QTest::keyClick(&start, Qt::Key(key));
        for (int option = 1; option <= 3; ++option)
            QCOMPARE(options[2][std::size_t(option - 1)]->value(), option == expected ? True : False);
        QCOMPARE(options[3][0]->value(), False);
        QCOMPARE(QApplication::focusWidget()->parentWidget() == start.parentWidget(), key != Qt::Key_Tab);
    }
};

QTEST_MAIN(QuestionPagesTest)
#include "QuestionPagesTest.moc"
