// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms/ScreenBehaviour.h"
#include "shell/forms/ScreenName.h"

#include <array>

namespace pelmaroos::shell {

class Runtime;

// What the program does when it starts: show the title screen.
void StartUp(Runtime &runtime);

void PreMain_Form_Load(Runtime &runtime);
void PreMain_cmdContinue_Click(Runtime &runtime);
void PreMain_Command1_Click(Runtime &runtime);

ScreenBehaviour titleScreenBehaviour(Runtime &runtime);

// Each level's pages and result screen, level by level, then the menu, the title screen and zzzExtra.
inline constexpr std::array<ScreenName, screenCount> exitOrder = {
    ScreenName::Easy1,   ScreenName::Easy2,     ScreenName::Easy3,       ScreenName::EasyAbout, ScreenName::Medium1,
    ScreenName::Medium2, ScreenName::Medium3,   ScreenName::MediumAbout, ScreenName::Hard1,     ScreenName::Hard2,
    ScreenName::Hard3,   ScreenName::HardAbout, ScreenName::Main,        ScreenName::PreMain,   ScreenName::zzzExtra,
};

// What every "Quit" and "Exit" button runs: closes every screen, then starts the farewell.
void ExitAll(Runtime &runtime);

} // namespace pelmaroos::shell
