// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/Game.h"
#include "screens/QuestionPageTable.h"

#include <QStringList>

namespace pelmaroos::harness {

// Plays the game through its widgets as a player clicks, finding its way by the game's own page table
// and page moves. Tests and the benchmarks all play it this one way.
class GamePlayer
{
public:
    explicit GamePlayer(app::Game &game);

    shell::Screen &screen(shell::ScreenName name);
    QStringList loadedScreens();
    QStringList visibleScreens();

    // Clicks a button or picture of a screen on view; anything else is a fault of the game's.
    void click(shell::ScreenName screen, const QString &control);
    void choose(shell::ScreenName page, int question, int option);
    // Answers the first `right` questions of a page with their keyed option and the rest wrongly.
    void answer(shell::ScreenName page, int right);
    void forward(shell::ScreenName page);
    void back(shell::ScreenName page);

    // From the title screen or the menu to the level's first page.
    void openLevel(screens::Level level);
    // Plays a level whose first page is on view to its result screen, `total` questions right.
    void playLevel(screens::Level level, int total);
    // From the title screen to the screen: the menu, a page (the pages before it left unanswered) or a
    // result screen (its level all right).
    void goTo(shell::ScreenName screen);

private:
    QStringList screensWhere(bool (shell::Screen::*test)() const);
    static void press(QWidget &control);

    app::Game &m_game;
};

// The option (1 to 3) that answers a question right, and one that answers it wrongly.
int keyedOption(shell::ScreenName page, int question);
int wrongOption(shell::ScreenName page, int question);

} // namespace pelmaroos::harness
