// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "screens/Layouts.h"
#include "screens/Pictures.h"

namespace pelmaroos::screens {

using namespace shell;

FormDescription levelMenuLayout()
{
    const Colour grey = Colour::fromRgb(128, 128, 128);
    auto button = [](const char *name, TwipsRect geometry, const char *caption, int tabIndex) {
        return ControlDescription {.type = ControlType::CommandButton, .id = {QLatin1String(name)},
                                   .geometry = geometry, .caption = QLatin1String(caption), .tabIndex = tabIndex};
    };
    auto label = [grey](const char *name, TwipsRect geometry, const char *caption) {
        return ControlDescription {.type = ControlType::Label, .id = {QLatin1String(name)}, .geometry = geometry,
                                   .caption = QLatin1String(caption), .background = grey};
    };
    return {
        .caption = QStringLiteral("The Pelmaroos Trivia!"),
        .width = 5235,
        .height = 4245,
        .background = grey,
        .icon = pictures::applicationIcon,
        .controls = {
            button("cmdHelp", {2640, 3720, 1215, 375}, "Help...", 7),
            button("cmdExit", {3960, 3720, 1095, 375}, "Exit", 6),
            button("cmdHard", {120, 3000, 1335, 375}, "Hard", 2),
            button("cmdMedium", {120, 2160, 1335, 375}, "Medium", 1),
            button("cmdEasy", {120, 1320, 1335, 375}, "Easy", 0),
            {.type = ControlType::Image, .id = {QStringLiteral("Image1")}, .geometry = {600, -120, 3900, 1410},
             .picture = pictures::menuTitle, .accessibleName = QStringLiteral("Pick a Level!")},
            label("Label6", {1560, 3120, 1695, 255}, "Warning! Experts only!"),
            label("Label5", {1560, 2280, 3615, 255}, "Pick this if you watch the show regularly."),
            label("Label4", {1560, 1440, 3495, 255}, "Your new to the show? Choose this."),
        },
    };
}

FormDescription extraScreenLayout()
{
    return {
        .caption = QStringLiteral("zzzExtra"),
        .width = 4680,
        .height = 3195,
        .centred = false,
        .icon = pictures::extraIcon,
    };
}

} // namespace pelmaroos::screens
