// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "quiz/AnswerKey.h"
#include "shell/forms/ScreenBehaviour.h"

#include <cstdint>

namespace pelmaroos::shell {
class Runtime;
}

namespace pelmaroos::quiz {

// One question page's instance as its procedures see it: the page and its answer matrix, which lives as
// long as the page's instance.
struct Page {
    shell::Runtime &runtime;
    shell::ScreenName name;
    AnswerMatrix matrix {};
};

// The routines the nine question pages share, bound to each page's procedures.
class QuestionPages final
{
public:
    explicit QuestionPages(shell::Runtime &runtime);

    // A page's Load, arrows and Quit button, as its row of the page moves names them.
    shell::ScreenBehaviour behaviour(shell::ScreenName page);

    const AnswerMatrix &answerMatrix(shell::ScreenName page) const;
    // How many of the page's questions have their keyed option chosen, 0 to 6.
    std::int16_t ScorePage(shell::ScreenName page);

private:
    Page &page(shell::ScreenName name);

    std::array<Page, 9> m_pages;
};

} // namespace pelmaroos::quiz
