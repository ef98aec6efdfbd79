// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms/ScreenName.h"

#include <array>

namespace pelmaroos::quiz {

// Whether a move shows the screen it goes to before it leaves the page, or after.
enum class MoveOrder { ShowFirst, LeaveFirst };

// An arrow's click procedure, named by its page, control and event, and where it leads.
struct Move {
    const char *procedure;
    shell::ScreenName to;
    MoveOrder order;
};

// A question page's procedures: its Load, its two arrows and its Quit button.
struct PageMoves {
    shell::ScreenName page;
    const char *loadProcedure;
    Move back;    // left arrow: the previous page, or the level menu from a first page
    Move forward; // right arrow: the next page, or the result screen from a third page
    const char *quitProcedure;
};

// The nine pages in play order, Easy1 to Hard3.
extern const std::array<PageMoves, 9> pageMoves;

const PageMoves &movesOf(shell::ScreenName page);

} // namespace pelmaroos::quiz
