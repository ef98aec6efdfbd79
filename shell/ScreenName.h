// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

namespace pelmaroos::shell {

// The fifteen screens of the program, by their form names.
enum class ScreenName {
    PreMain,
    Main,
    Easy1,
    Easy2,
    Easy3,
    Medium1,
    Medium2,
    Medium3,
    Hard1,
    Hard2,
    Hard3,
    EasyAbout,
    MediumAbout,
    HardAbout,
    zzzExtra,
};

inline constexpr int screenCount = 15;

inline constexpr std::array<ScreenName, screenCount> allScreens = {
    ScreenName::PreMain, ScreenName::Main,      ScreenName::Easy1,       ScreenName::Easy2,     ScreenName::Easy3,
    ScreenName::Medium1, ScreenName::Medium2,   ScreenName::Medium3,     ScreenName::Hard1,     ScreenName::Hard2,
    ScreenName::Hard3,   ScreenName::EasyAbout, ScreenName::MediumAbout, ScreenName::HardAbout, ScreenName::zzzExtra,
};

QString formName(ScreenName screen);

} // namespace pelmaroos::shell
