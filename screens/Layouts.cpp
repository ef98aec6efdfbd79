// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "screens/Layouts.h"
#include "screens/LayoutsOfEachKind.h"
#include "screens/Pictures.h"
#include "shell/forms/ScreenViews.h"

namespace pelmaroos::screens {

using namespace shell;

FormDescription layoutOf(ScreenName screen)
{
    pictures::registerResources();
    switch (screen) {
    case ScreenName::PreMain: return titleScreenLayout();
    case ScreenName::Main: return levelMenuLayout();
    case ScreenName::zzzExtra: return extraScreenLayout();
    case ScreenName::EasyAbout:
    case ScreenName::MediumAbout:
    case ScreenName::HardAbout: return resultScreenLayout(screen);
    default: return questionPageLayout(screen);
    }
}

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
             .caption = QStringLiteral("Quit"), .tabIndex = 2, .inView = viewMember(&TitleScreenView::Command1)},
            {.type = ControlType::CommandButton, .id = {QStringLiteral("cmdContinue")},
             .geometry = {4080, 3120, 2895, 495}, .caption = QStringLiteral("Continue"), .font = Font {13.5},
             .background = grey, .tabIndex = 1, .inView = viewMember(&TitleScreenView::cmdContinue)},
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
        .view = TitleScreenView {},
    };
}

FormDescription levelMenuLayout()
{
    const Colour grey = Colour::fromRgb(128, 128, 128);
    auto button = [](const char *name, TwipsRect geometry, const char *caption, int tabIndex,
                     QPushButton *LevelMenuView::*inView) {
        return ControlDescription {.type = ControlType::CommandButton, .id = {QLatin1String(name)},
                                   .geometry = geometry, .caption = QLatin1String(caption), .tabIndex = tabIndex,
                                   .inView = viewMember(inView)};
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
            button("cmdHelp", {2640, 3720, 1215, 375}, "Help...", 7, &LevelMenuView::cmdHelp),
            button("cmdExit", {3960, 3720, 1095, 375}, "Exit", 6, &LevelMenuView::cmdExit),
            button("cmdHard", {120, 3000, 1335, 375}, "Hard", 2, &LevelMenuView::cmdHard),
            button("cmdMedium", {120, 2160, 1335, 375}, "Medium", 1, &LevelMenuView::cmdMedium),
            button("cmdEasy", {120, 1320, 1335, 375}, "Easy", 0, &LevelMenuView::cmdEasy),
            {.type = ControlType::Image, .id = {QStringLiteral("Image1")}, .geometry = {600, -120, 3900, 1410},
             .picture = pictures::menuTitle, .accessibleName = QStringLiteral("Pick a Level!")},
            label("Label6", {1560, 3120, 1695, 255}, "Warning! Experts only!"),
            label("Label5", {1560, 2280, 3615, 255}, "Pick this if you watch the show regularly."),
            label("Label4", {1560, 1440, 3495, 255}, "Your new to the show? Choose this."),
        },
        .view = LevelMenuView {},
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
