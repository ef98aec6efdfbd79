// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms/ScreenBehaviour.h"
#include "shell/forms/ScreenName.h"

#include <QString>

#include <array>

namespace pelmaroos::shell {
class Runtime;
}

namespace pelmaroos::results {

// What sets each level's result screen apart, with its event procedures by name.
struct ResultScreen {
    shell::ScreenName screen;
    shell::ScreenName thirdPage; // whose score box holds the level's total
    const char *loadProcedure;
    const char *goOnProcedure;
    std::array<const char *, 2> quitProcedures; // the large button's and the small one's
    shell::ScreenName next;                     // where the go-on button leads
    QString titleText;
    QString lowCue;
    QString topCue;
};

// The three result screens' procedures, each bound to its own row.
class ResultScreens final
{
public:
    explicit ResultScreens(shell::Runtime &runtime);

    // A result screen's Load, its go-on button and its two Quit buttons.
    shell::ScreenBehaviour behaviour(shell::ScreenName screen);

    struct Bound {
        shell::Runtime &runtime;
        const ResultScreen &row;
    };

private:
    std::array<Bound, 3> m_screens;
};

} // namespace pelmaroos::results
