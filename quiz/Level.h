#pragma once

#include "shell/ScreenName.h"

#include <array>

namespace pelmaroos::quiz {

enum class Level { Easy, Medium, Hard };

// A level's three question pages and its result screen.
struct LevelScreens {
    shell::ScreenName page1;
    shell::ScreenName page2;
    shell::ScreenName page3;
    shell::ScreenName result;
};

LevelScreens screensOf(Level level);

inline constexpr std::array<shell::ScreenName, 9> questionPages = {
    shell::ScreenName::Easy1,   shell::ScreenName::Easy2,   shell::ScreenName::Easy3,
    shell::ScreenName::Medium1, shell::ScreenName::Medium2, shell::ScreenName::Medium3,
    shell::ScreenName::Hard1,   shell::ScreenName::Hard2,   shell::ScreenName::Hard3,
};

// The page's place among the nine, 0 for Easy1 to 8 for Hard3.
int pageIndexOf(shell::ScreenName page);

} // namespace pelmaroos::quiz
