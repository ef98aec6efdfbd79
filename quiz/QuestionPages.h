// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "quiz/AnswerKey.h"
#include "shell/ScreenBehaviour.h"

#include <cstdint>

namespace pelmaroos::shell {
class Runtime;
}

namespace pelmaroos::quiz {

// The routines the nine question pages share, and each page's answer matrix, which lives as long as
// the page's instance.
class QuestionPages final
{
public:
    explicit QuestionPages(shell::Runtime &runtime);

    // A page's Load, arrows and Quit button, as its row of the page table names them.
    shell::ScreenBehaviour behaviour(shell::ScreenName page);

    const AnswerMatrix &answerMatrix(shell::ScreenName page) const;
    // How many of the page's questions have their keyed option chosen, 0 to 6.
    std::int16_t ScorePage(shell::ScreenName page);

private:
    void loadPage(shell::ScreenName page);
    void nextPage(shell::ScreenName page);
    void previousPage(shell::ScreenName page);
    void mainPage(shell::ScreenName page);
    void submitLevel(shell::ScreenName thirdPage);

    shell::Runtime &m_runtime;
    std::array<AnswerMatrix, 9> m_matrices {};
};

} // namespace pelmaroos::quiz
