// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "screens/LayoutsOfEachKind.h"
#include "screens/Pictures.h"
#include "shell/forms/ScreenViews.h"

namespace pelmaroos::screens {

using namespace shell;

namespace {

// Where the shared controls of a result screen stand on each of the three.
struct ResultGeometry {
    TwipsRect scoreLine;
    TwipsRect heading;
    TwipsRect notice;
    TwipsRect contact;
    TwipsRect totalHolder;
    TwipsRect pictureA;
    TwipsRect pictureB;
    TwipsRect pictureC;
};

const QString notice = QStringLiteral(
    "A new version of The Ultimate Pelmaroos Trivia is on its way, with more questions about Gusset, Marigold, "
    "the kids and all of Brackenport. Keep watching the show and keep your answers sharp!");
const QString contact = QStringLiteral("Send questions or comments to: ardo@example.com");

ControlDescription label(const char *name, TwipsRect geometry, QString caption, SystemColour background,
                         std::optional<Font> font = {}, ViewSlot inView = {})
{
    return {.type = ControlType::Label, .id = {QLatin1String(name)}, .geometry = geometry,
            .caption = std::move(caption), .font = font, .background = Colour::of(background),
            .foreground = Colour::of(SystemColour::HighlightText), .inView = std::move(inView)};
}

ControlDescription hiddenPicture(const char *name, TwipsRect geometry, QString picture, const char *accessibleName,
                                 Picture *ResultScreenView::*inView)
{
    return {.type = ControlType::Image, .id = {QLatin1String(name)}, .geometry = geometry,
            .picture = std::move(picture), .accessibleName = QLatin1String(accessibleName), .visible = false,
            .inView = viewMember(inView)};
}

ControlDescription button(const char *name, TwipsRect geometry, const char *caption, int tabIndex,
                          QPushButton *ResultScreenView::*inView, std::optional<Font> font = {})
{
    return {.type = ControlType::CommandButton, .id = {QLatin1String(name)}, .geometry = geometry,
            .caption = QLatin1String(caption), .font = font, .tabIndex = tabIndex, .inView = viewMember(inView)};
}

// Labels and pictures, each listed once; the screens stack them in their own orders.
struct SharedControls {
    ControlDescription scoreLine, heading, notice, contact, totalHolder, pictureA, pictureB, pictureC;
};

SharedControls sharedControls(const ResultGeometry &at)
{
    ControlDescription totalHolder {.type = ControlType::Label, .id = {QStringLiteral("Label10")},
                                    .geometry = at.totalHolder, .visible = false,
                                    .inView = viewMember(&ResultScreenView::Label10)};
    return {
        .scoreLine = label("Label1", at.scoreLine, {}, SystemColour::WindowText, Font {13.5},
                           viewMember(&ResultScreenView::Label1)),
        .heading = label("Label2", at.heading, QStringLiteral("NEW VERSION!"), SystemColour::ButtonText, Font {24}),
        .notice = label("Label3", at.notice, notice, SystemColour::MenuText),
        .contact = label("Label9", at.contact, contact, SystemColour::ButtonText),
        .totalHolder = totalHolder,
        .pictureA = hiddenPicture("Image1", at.pictureA, pictures::resultTop, "The Pelmaroos cheering",
                                  &ResultScreenView::Image1),
        .pictureB = hiddenPicture("Image2", at.pictureB, pictures::resultMiddle,
                                  "Gusset and Biscuit under a rainbow", &ResultScreenView::Image2),
        .pictureC = hiddenPicture("Image3", at.pictureC, pictures::resultLow, "Gusset under a rain cloud",
                                  &ResultScreenView::Image3),
    };
}

FormDescription easyAbout()
{
    SharedControls c = sharedControls({
        .scoreLine = {1560, 1680, 3135, 375}, .heading = {1080, 2520, 3615, 615}, .notice = {840, 3720, 4215, 975},
        .contact = {960, 5160, 3975, 255}, .totalHolder = {120, 1440, 735, 855},
        .pictureA = {960, -480, 3840, 2880}, .pictureB = {0, -840, 5805, 3495}, .pictureC = {120, -840, 5805, 3495},
    });
    return {
        .caption = {},
        .width = 5820,
        .height = 6525,
        .background = Colour::of(SystemColour::MenuText),
        .icon = pictures::applicationIcon,
        .controls = {
            button("Command1", {840, 5640, 1695, 495}, "Try Medium Level", 0, &ResultScreenView::goOn),
            button("Command2", {3240, 5640, 1695, 495}, "Quit", 1, &ResultScreenView::largeQuit, Font {9.75}),
            button("Command3", {5040, 0, 735, 255}, "Quit", 2, &ResultScreenView::smallQuit),
            // The score line lies in front of the revealed picture.
            c.notice, c.totalHolder, c.contact, c.heading, c.scoreLine, c.pictureC, c.pictureB, c.pictureA,
        },
        .view = ResultScreenView {},
    };
}

FormDescription mediumAbout()
{
    SharedControls c = sharedControls({
        .scoreLine = {1680, 1560, 3135, 375}, .heading = {1080, 2520, 3615, 615}, .notice = {840, 3960, 4215, 975},
        .contact = {960, 5400, 3975, 255}, .totalHolder = {120, 960, 735, 495},
        .pictureA = {1320, -360, 3840, 2880}, .pictureB = {120, -720, 5805, 3495}, .pictureC = {120, -720, 5805, 3495},
    });
    return {
        .caption = QStringLiteral("Medium About"),
        .width = 5820,
        .height = 6525,
        .background = Colour::of(SystemColour::ButtonText),
        .icon = pictures::applicationIcon,
        .controls = {
            button("Command2", {3240, 5760, 1695, 495}, "Quit", 0, &ResultScreenView::largeQuit, Font {9.75}),
            button("Command1", {840, 5760, 1695, 495}, "Try HARD Level", 1, &ResultScreenView::goOn),
            button("Command3", {5040, 0, 735, 255}, "Quit", 2, &ResultScreenView::smallQuit),
            // The score line lies behind the revealed picture and shows through its transparent parts.
            c.contact, c.notice, c.heading, c.totalHolder, c.pictureA, c.pictureB, c.pictureC, c.scoreLine,
        },
        .view = ResultScreenView {},
    };
}

FormDescription hardAbout()
{
    SharedControls c = sharedControls({
        .scoreLine = {1560, 1680, 3135, 375}, .heading = {1200, 2520, 3615, 615}, .notice = {840, 3840, 4215, 975},
        .contact = {960, 5280, 3975, 255}, .totalHolder = {240, 1440, 615, 615},
        .pictureA = {960, -480, 3840, 2880}, .pictureB = {0, -720, 5805, 3495}, .pictureC = {0, -840, 5805, 3495},
    });
    return {
        .caption = QStringLiteral("Hard About"),
        .width = 5820,
        .height = 6525,
        .background = Colour::of(SystemColour::ButtonText),
        .icon = pictures::applicationIcon,
        .controls = {
            button("Command3", {840, 5640, 1695, 495}, "Main", 0, &ResultScreenView::goOn, Font {12}),
            button("Command4", {3240, 5640, 1695, 495}, "Quit", 1, &ResultScreenView::largeQuit, Font {12}),
            button("Command5", {5040, 0, 735, 255}, "Quit", 2, &ResultScreenView::smallQuit),
            c.contact, c.notice, c.heading, c.totalHolder, c.pictureA, c.pictureB, c.pictureC, c.scoreLine,
        },
        .view = ResultScreenView {},
    };
}

} // namespace

FormDescription resultScreenLayout(ScreenName screen)
{
    switch (screen) {
    case ScreenName::EasyAbout: return easyAbout();
    case ScreenName::MediumAbout: return mediumAbout();
    default: return hardAbout();
    }
}

} // namespace pelmaroos::screens
