// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/controls/TruthValue.h"
#include "shell/forms/ScreenName.h"

#include <array>

namespace pelmaroos::quiz {

// Rows are the questions of a page, columns the options (0 for Option1 to 2 for Option3). After a load
// each question's row holds one True, in its keyed option's column; row 6 and columns 3 to 6 stay False.
using AnswerMatrix = std::array<std::array<shell::TruthValue, 7>, 7>;

// The keyed option of each question of a page: 1 for Option1, 2 for Option2, 3 for Option3.
std::array<int, 6> answerKey(shell::ScreenName page);

} // namespace pelmaroos::quiz
