// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "screens/Layouts.h"
#include "screens/Pictures.h"

namespace pelmaroos::screens {

using namespace shell;

FormDescription titleScreenLayout()
{
    const Colour grey = Colour::fromRgb(128, 128, 128);
    return {
        .caption = QStringLiteral("Ardo's Pelmaroos Trivia!!!"),
        .width = 10950,
        .height = 4005,
        .background = grey,
        .icon = pictures::applicationIcon,
        .controls = {
            {.type = ControlType::CommandButton, .id = {QStringLiteral("Command1")}, .geometry = {10200, 0, 735, 255},
             .caption = QStringLiteral("Quit"), .tabIndex = 2},
            {.type = ControlType::CommandButton, .id = {QStringLiteral("cmdContinue")},
             .geometry = {4080, 3120, 2895, 495}, .caption = QStringLiteral("Continue"), .font = Font {13.5},
             .background = grey, .tabIndex = 1},
            {.type = ControlType::Label, .id = {QStringLiteral("Label1")}, .geometry = {4080, 3720, 2775, 255},
             .caption = QStringLiteral("Copyright (c) 2026 Ardo"), .background = grey},
            {.type = ControlType::Image, .id = {QStringLiteral("Image3")}, .geometry = {2640, -600, 5760, 2445},
             .picture = pictures::banner, .accessibleName = QStringLiteral("The Pelmaroos")},
            {.type = ControlType::Image, .id = {QStringLiteral("Image1")}, .geometry = {-1320, 120, 5115, 3885},
             .picture = pictures::titleLeft, .accessibleName = QStringLiteral("Gusset and Tobble Pelmaroo")},
            {.type = ControlType::Image, .id = {QStringLiteral("Image2")}, .geometry = {7200, 120, 5115, 3885},
             .picture = pictures::titleRight,
             .accessibleName = QStringLiteral("Marigold, Wren and Pip Pelmaroo")},
            {.type = ControlType::Label, .id = {QStringLiteral("Label2")}, .geometry = {3600, 1440, 3975, 1455},
             .caption = QStringLiteral("Welcome to The Ultimate Pelmaroos Trivia!  You think you know everything "
                                       "about The Pelmaroos? Well you got some nerve.... So prove it and see how "
                                       "you do on the questions."),
             .font = Font {9.75, true}, .background = grey},
        },
    };
}

} // namespace pelmaroos::screens
