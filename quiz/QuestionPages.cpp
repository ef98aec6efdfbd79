// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "quiz/QuestionPages.h"

#include "screens/QuestionPageTable.h"
#include "shell/Conversions.h"
#include "shell/StartUpAndExit.h"
#include "shell/OptionButton.h"
#include "shell/Picture.h"
#include "shell/Runtime.h"

#include <QLineEdit>

namespace pelmaroos::quiz {

using screens::MoveOrder;
using screens::questionPage;
using shell::False;
using shell::Screen;
using shell::ScreenName;
using shell::True;
using shell::TruthValue;

namespace {

const QString option1 = QStringLiteral("Option1");
const QString option2 = QStringLiteral("Option2");
const QString option3 = QStringLiteral("Option3");
const QString scoreBox = QLatin1String(screens::scoreBoxName);

void move(Screen &from, Screen &to, MoveOrder order, void (Screen::*leave)())
{
    if (order == MoveOrder::ShowFirst) {
        to.show();
        (from.*leave)();
    } else {
        (from.*leave)();
        to.show();
    }
}

} // namespace

QuestionPages::QuestionPages(shell::Runtime &runtime)
    : m_runtime(runtime)
{
}

shell::ScreenBehaviour QuestionPages::behaviour(ScreenName name)
{
    const screens::QuestionPage &page = questionPage(name);
    auto bind = [this, name](const char *procedure, void (QuestionPages::*routine)(ScreenName)) {
        return shell::NamedProcedure {procedure, [this, name, routine] { (this->*routine)(name); }};
    };
    return {
        .load = bind(page.loadProcedure, &QuestionPages::loadPage),
        .clicks = {
            bind(page.back.procedure, page.number == 1 ? &QuestionPages::mainPage : &QuestionPages::previousPage),
            bind(page.forward.procedure, page.number == 3 ? &QuestionPages::submitLevel : &QuestionPages::nextPage),
            {page.quitProcedure, [this] { shell::ExitAll(m_runtime); }},
        },
    };
}

const AnswerMatrix &QuestionPages::answerMatrix(ScreenName page) const
{
    return m_matrices[std::size_t(screens::pageIndexOf(page))];
}

// Clears every choice and writes the page's answer key.
void QuestionPages::loadPage(ScreenName page)
{
    Screen &screen = m_runtime.screen(page);
    AnswerMatrix &matrix = m_matrices[std::size_t(screens::pageIndexOf(page))];
    for (int i = 0; i < 6; ++i) {
        for (std::size_t j = 0; j < 6; ++j) {
            screen.option(option1, i).setValue(False);
            screen.option(option2, i).setValue(False);
            screen.option(option3, i).setValue(False);
            matrix[std::size_t(i)][j] = False;
        }
    }
    const std::array<int, 6> key = answerKey(page);
    for (std::size_t i = 0; i < 6; ++i)
        matrix[i][std::size_t(key[i] - 1)] = True;
}

// A question counts when its chosen option's cell is True; option N belongs to column N - 1.
std::int16_t QuestionPages::ScorePage(ScreenName page)
{
    Screen &screen = m_runtime.screen(page);
    const AnswerMatrix &matrix = answerMatrix(page);
    std::int16_t score = 0;
    for (int i = 0; i < 6; ++i) {
        for (std::size_t j = 0; j < 6; ++j) {
            const TruthValue cell = matrix[std::size_t(i)][j];
            const TruthValue value1 = screen.option(option1, i).value();
            const TruthValue value2 = screen.option(option2, i).value();
            const TruthValue value3 = screen.option(option3, i).value();
            if (value1 == cell && value1 == True && j == 0)
                ++score;
            else if (value2 == cell && value2 == True && j == 1)
                ++score;
            else if (value3 == cell && value3 == True && j == 2)
                ++score;
        }
    }
    return score;
}

// The score goes into the page's own box before any screen moves.
void QuestionPages::nextPage(ScreenName page)
{
    const screens::Move &forward = questionPage(page).forward;
    Screen &here = m_runtime.screen(page);
    here.textBox(scoreBox).setText(shell::numberToText(ScorePage(page)));
    move(here, m_runtime.screen(forward.to), forward.order, &Screen::hide);
}

// Going back scores nothing; the page stays loaded with its choices.
void QuestionPages::previousPage(ScreenName page)
{
    const screens::Move &back = questionPage(page).back;
    move(m_runtime.screen(page), m_runtime.screen(back.to), back.order, &Screen::hide);
}

// Only the first page is unloaded; pages 2 and 3 keep their choices and score boxes.
void QuestionPages::mainPage(ScreenName page)
{
    const screens::Move &back = questionPage(page).back;
    move(m_runtime.screen(page), m_runtime.screen(back.to), back.order, &Screen::unload);
}

// The level total is page 1's box + page 3's score + page 2's box, in that order, as text in page 3's box.
void QuestionPages::submitLevel(ScreenName thirdPage)
{
    const auto pages = screens::pagesOf(questionPage(thirdPage).level);
    const screens::Move &forward = pages[2].forward;
    Screen &page3 = m_runtime.screen(thirdPage);

    const std::int16_t page3Score = ScorePage(thirdPage);
    const QString page1Box = m_runtime.screen(pages[0].page).textBox(scoreBox).text();
    const QString page2Box = m_runtime.screen(pages[1].page).textBox(scoreBox).text();
    const double total = (shell::textToNumber(page1Box) + double(page3Score)) + shell::textToNumber(page2Box);
    page3.textBox(scoreBox).setText(shell::numberToText(total));

    // The first picture touched loads the result screen, whose Load reads the total from page 3.
    Screen &result = m_runtime.screen(forward.to);
    auto totalNow = [&] { return shell::textToNumber(page3.textBox(scoreBox).text()); };
    if (totalNow() <= 9)
        result.image(QStringLiteral("Image3")).setVisible(true);
    for (int band = 10; band <= 17; ++band) {
        if (totalNow() == band)
            result.image(QStringLiteral("Image2")).setVisible(true);
    }
    if (totalNow() == 18)
        result.image(QStringLiteral("Image1")).setVisible(true);

    move(page3, result, forward.order, &Screen::hide);
}

} // namespace pelmaroos::quiz
