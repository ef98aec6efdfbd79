// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

namespace pelmaroos::shell {

// The fifteen screens of the program by their form names, in the one list the enumeration, the list of all
// screens and their names are made from.
// clang-format off
#define PELMAROOS_SCREENS(screen) \
    screen(PreMain)               \
    screen(Main)                  \
    screen(Easy1)                 \
    screen(Easy2)                 \
    screen(Easy3)                 \
    screen(Medium1)               \
    screen(Medium2)               \
    screen(Medium3)               \
    screen(Hard1)                 \
    screen(Hard2)                 \
    screen(Hard3)                 \
    screen(EasyAbout)             \
    screen(MediumAbout)           \
    screen(HardAbout)             \
    screen(zzzExtra)
// clang-format on

#define PELMAROOS_SCREEN_ENUMERATOR(name) name,
enum class ScreenName { PELMAROOS_SCREENS(PELMAROOS_SCREEN_ENUMERATOR) };
#undef PELMAROOS_SCREEN_ENUMERATOR

#define PELMAROOS_SCREEN_VALUE(name) ScreenName::name,
inline constexpr std::array allScreens = {PELMAROOS_SCREENS(PELMAROOS_SCREEN_VALUE)};
#undef PELMAROOS_SCREEN_VALUE

inline constexpr int screenCount = int(allScreens.size());

QString formName(ScreenName screen);

} // namespace pelmaroos::shell
