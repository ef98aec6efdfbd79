// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "quiz/QuestionPages.h"

#include "quiz/PageMoves.h"
#include "screens/QuestionPageTable.h"
#include "shell/StartUpAndExit.h"
#include "shell/forms/Conversions.h"
#include "shell/forms/Runtime.h"
#include "shell/forms/ScreenViews.h"

namespace pelmaroos::quiz {

using shell::False;
using shell::QuestionPageView;
using shell::Screen;
using shell::ScreenName;
using shell::True;
using shell::TruthValue;

namespace {

// Every use of a page's controls comes through here, so the first one loads the page.
const QuestionPageView &controlsOf(shell::Runtime &runtime, ScreenName page)
{
    return runtime.screen(page).view<QuestionPageView>();
}

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

// A question counts when its chosen option's cell is True; option N belongs to column N - 1. Every option
// is read again for every column, and columns 3 to 5 can never count: kept on purpose, docs/architecture.md.
std::int16_t scorePage(Page &page)
{
    std::int16_t score = 0;
    for (std::size_t i = 0; i < 6; ++i) {
        for (std::size_t j = 0; j < 6; ++j) {
            const auto &options = controlsOf(page.runtime, page.name).options[i];
            const TruthValue cell = page.matrix[i][j];
            const TruthValue value1 = options[0]->value();
            const TruthValue value2 = options[1]->value();
            const TruthValue value3 = options[2]->value();
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

// Clears every choice and writes the page's answer key. A question's three options are cleared again for
// each of the six columns it clears (kept on purpose, docs/architecture.md); the key cells come after, so
// nothing clears them.
void loadPage(Page &page)
{
    for (std::size_t i = 0; i < 6; ++i) {
        for (std::size_t j = 0; j < 6; ++j) {
            for (shell::OptionButton *option : controlsOf(page.runtime, page.name).options[i])
                option->setValue(False);
            page.matrix[i][j] = False;
        }
    }
    const std::array<int, 6> key = answerKey(page.name);
    for (std::size_t i = 0; i < 6; ++i)
        page.matrix[i][std::size_t(key[i] - 1)] = True;
}

// The score goes into the page's own box before any screen moves.
void nextPage(Page &page)
{
    const Move &forward = movesOf(page.name).forward;
    controlsOf(page.runtime, page.name).Text1->setText(shell::numberToText(scorePage(page)));
    move(page.runtime.screen(page.name), page.runtime.screen(forward.to), forward.order, &Screen::hide);
}

// Going back scores nothing; the page stays loaded with its choices.
void previousPage(Page &page)
{
    const Move &back = movesOf(page.name).back;
    move(page.runtime.screen(page.name), page.runtime.screen(back.to), back.order, &Screen::hide);
}

// Only the first page is unloaded; pages 2 and 3 keep their choices and score boxes.
void mainPage(Page &page)
{
    const Move &back = movesOf(page.name).back;
    move(page.runtime.screen(page.name), page.runtime.screen(back.to), back.order, &Screen::unload);
}

// The level total is page 1's box + page 3's score + page 2's box, in that order, as text in page 3's box.
void submitLevel(Page &page3)
{
    const auto pages = screens::pagesOf(screens::questionPage(page3.name).level);
    const Move &forward = movesOf(page3.name).forward;
    shell::Runtime &runtime = page3.runtime;

    const std::int16_t page3Score = scorePage(page3);
    const QString page1Box = controlsOf(runtime, pages[0].page).Text1->text();
    const QString page2Box = controlsOf(runtime, pages[1].page).Text1->text();
    const double total = (shell::textToNumber(page1Box) + double(page3Score)) + shell::textToNumber(page2Box);
    controlsOf(runtime, page3.name).Text1->setText(shell::numberToText(total));

    // The total is read back from the box for each of the ten tests, one per band value (kept on purpose,
    // docs/architecture.md). The first picture touched loads the result screen, whose Load reads the total
    // from page 3.
    Screen &result = runtime.screen(forward.to);
    auto totalNow = [&] { return shell::textToNumber(controlsOf(runtime, page3.name).Text1->text()); };
    auto picture = [&result](shell::Picture *shell::ResultScreenView::*which) {
        return result.view<shell::ResultScreenView>().*which;
    };
    if (totalNow() <= 9)
        picture(&shell::ResultScreenView::Image3)->setVisible(true);
    for (int band = 10; band <= 17; ++band) {
        if (totalNow() == band)
            picture(&shell::ResultScreenView::Image2)->setVisible(true);
    }
    if (totalNow() == 18)
        picture(&shell::ResultScreenView::Image1)->setVisible(true);

    move(runtime.screen(page3.name), result, forward.order, &Screen::hide);
}

void quit(Page &page)
{
    shell::ExitAll(page.runtime);
}

} // namespace

QuestionPages::QuestionPages(shell::Runtime &runtime)
    : m_pages {{
          {runtime, ScreenName::Easy1},
          {runtime, ScreenName::Easy2},
          {runtime, ScreenName::Easy3},
          {runtime, ScreenName::Medium1},
          {runtime, ScreenName::Medium2},
          {runtime, ScreenName::Medium3},
          {runtime, ScreenName::Hard1},
          {runtime, ScreenName::Hard2},
          {runtime, ScreenName::Hard3},
      }}
{
}

shell::ScreenBehaviour QuestionPages::behaviour(ScreenName name)
{
    const PageMoves &moves = movesOf(name);
    const int number = screens::questionPage(name).number;
    return shell::bindProcedures<QuestionPageView>(
        page(name),
        {.load = {moves.loadProcedure, loadPage},
         .clicks = {
             {moves.back.procedure, &QuestionPageView::backArrow, number == 1 ? mainPage : previousPage},
             {moves.forward.procedure, &QuestionPageView::forwardArrow, number == 3 ? submitLevel : nextPage},
             {moves.quitProcedure, &QuestionPageView::exitButton, quit},
         }});
}

const AnswerMatrix &QuestionPages::answerMatrix(ScreenName name) const
{
    return m_pages[std::size_t(screens::pageIndexOf(name))].matrix;
}

std::int16_t QuestionPages::ScorePage(ScreenName name)
{
    return scorePage(page(name));
}

Page &QuestionPages::page(ScreenName name)
{
    return m_pages[std::size_t(screens::pageIndexOf(name))];
}

} // namespace pelmaroos::quiz
