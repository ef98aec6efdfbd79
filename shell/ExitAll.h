#pragma once

#include "shell/ScreenName.h"

#include <array>

namespace pelmaroos::shell {

class Runtime;

// Each level's pages and result screen, level by level, then the menu, the title screen and zzzExtra.
inline constexpr std::array<ScreenName, screenCount> exitOrder = {
    ScreenName::Easy1,   ScreenName::Easy2,   ScreenName::Easy3,   ScreenName::EasyAbout,
    ScreenName::Medium1, ScreenName::Medium2, ScreenName::Medium3, ScreenName::MediumAbout,
    ScreenName::Hard1,   ScreenName::Hard2,   ScreenName::Hard3,   ScreenName::HardAbout,
    ScreenName::Main,    ScreenName::PreMain, ScreenName::zzzExtra,
};

// What every "Quit" and "Exit" button runs: closes every screen, then starts the farewell.
void ExitAll(Runtime &runtime);

} // namespace pelmaroos::shell
