#pragma once

#include <array>

namespace pelmaroos::screens {

// One question of a page: its text and its three choices, top to bottom.
struct QuestionWording {
    const char *question;
    std::array<const char *, 3> choices;
};

// Slots 0 to 2 run down the left column of a page, 3 to 5 down the right.
using PageWording = std::array<QuestionWording, 6>;

// The nine pages in play order: Easy1, Easy2, Easy3, Medium1, Medium2, Medium3, Hard1, Hard2, Hard3.
extern const std::array<PageWording, 9> questionWording;

} // namespace pelmaroos::screens
