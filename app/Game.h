// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "quiz/QuestionPages.h"
#include "results/ResultScreens.h"
#include "shell/forms/Runtime.h"

namespace pelmaroos::app {

// The whole game: fifteen screens with their layouts and event procedures, over the given message
// boxes and sound service.
class Game final
{
public:
    Game(shell::MessageBoxService &messageBoxes, shell::SoundService &sound, QString applicationFolder);

    shell::Runtime &runtime() { return m_runtime; }
    quiz::QuestionPages &questionPages() { return m_questionPages; }

    // Shows the title screen, as the program does when it starts.
    void start();

private:
    shell::ScreenBehaviour behaviourOf(shell::ScreenName screen);

    shell::Runtime m_runtime;
    quiz::QuestionPages m_questionPages;
    results::ResultScreens m_resultScreens;
};

} // namespace pelmaroos::app
