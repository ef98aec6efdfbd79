// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "quiz/AnswerKey.h"

#include "screens/QuestionPageTable.h"

namespace pelmaroos::quiz {

namespace {

// Pages in play order, Easy1 to Hard3.
constexpr std::array<std::array<int, 6>, 9> keys = {{
    {3, 1, 2, 3, 2, 1},
    {2, 2, 2, 2, 3, 1},
    {2, 1, 2, 3, 2, 1},
    {2, 2, 3, 2, 1, 1},
    {2, 2, 1, 1, 2, 3},
    {2, 1, 2, 1, 2, 1},
    {2, 3, 2, 2, 1, 2},
    {2, 1, 3, 3, 3, 1},
    {3, 2, 1, 2, 1, 3},
}};

} // namespace

std::array<int, 6> answerKey(shell::ScreenName page)
{
    return keys[std::size_t(screens::pageIndexOf(page))];
}

} // namespace pelmaroos::quiz
