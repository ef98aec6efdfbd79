// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "screens/LayoutsOfEachKind.h"
#include "screens/Pictures.h"
#include "screens/QuestionPageTable.h"
#include "shell/forms/ScreenViews.h"

#include <algorithm>
#include <array>

namespace pelmaroos::screens {

using namespace shell;

namespace {

constexpr std::array<const char *, 18> questionNumbers = {
    "One",   "Two",      "Three",    "Four",    "Five",      "Six",       "Seven",     "Eight",    "Nine",
    "Ten",   "Eleven",   "Twelve",   "Thirteen", "Fourteen", "Fifteen",   "Sixteen",   "Seventeen", "Eighteen",
};

constexpr int frameHeight = 1815;
constexpr int optionLeft = 120;
constexpr int minOptionWidth = 2295;
constexpr int maxOptionWidth = 3735;

bool isLeftColumn(int slot)
{
    return slot < 3;
}

TwipsRect frameGeometry(int slot)
{
    const int top = 960 + 1920 * (slot % 3);
    return isLeftColumn(slot) ? TwipsRect {480, top, 4095, frameHeight} : TwipsRect {5040, top, 3855, frameHeight};
}

const FrameQuirk *quirkOf(const QuestionPage &page, int slot)
{
    const auto found = std::ranges::find(page.quirks, slot, &FrameQuirk::slot);
    return found == page.quirks.end() ? nullptr : &*found;
}

std::vector<IconSpot> iconSpots(const FrameQuirk *quirk, int slot)
{
    if (!quirk || quirk->icons[0].left == 0)
        return {isLeftColumn(slot) ? IconSpot {3480, 1200} : IconSpot {3240, 1200}};
    if (quirk->icons[1].left == 0)
        return {quirk->icons[0]};
    return {quirk->icons.begin(), quirk->icons.end()};
}

int optionTop(const FrameQuirk *quirk, int option)
{
    return (quirk && quirk->optionsTop ? quirk->optionsTop : 840) + 240 * option;
}

// The fifth question's choices sit closer together than the others'.
int optionHeight(const FrameQuirk *quirk, int slot, int option)
{
    if (quirk && quirk->optionHeights[std::size_t(option)])
        return quirk->optionHeights[std::size_t(option)];
    return slot == 4 ? 195 : 255;
}

int questionLabelWidth(const FrameQuirk *quirk, int slot)
{
    if (quirk && quirk->labelWidth)
        return quirk->labelWidth;
    return isLeftColumn(slot) ? 3855 : 3615;
}

// 36 distinct icons on the 55 picture spots: the first six pages use each once, the last three repeat.
int iconNumber(int pageIndex, int slot, int spot)
{
    return (pageIndex * 6 + slot + spot * 17) % 36 + 1;
}

ControlDescription boldLabel(const char *name, TwipsRect geometry, QString caption, double points)
{
    return {.type = ControlType::Label, .id = {QLatin1String(name)}, .geometry = geometry,
            .caption = std::move(caption), .font = Font {points, true}};
}

ControlDescription image(QString name, TwipsRect geometry, QString picture, QString accessibleName,
                         ControlId container = {}, ViewSlot inView = {})
{
    return {.type = ControlType::Image, .id = {std::move(name)}, .geometry = geometry,
            .picture = std::move(picture), .accessibleName = std::move(accessibleName),
            .container = std::move(container), .inView = std::move(inView)};
}

} // namespace

FormDescription questionPageLayout(ScreenName name)
{
    const QuestionPage &page = questionPage(name);
    const int pageIndex = pageIndexOf(name);
    const bool firstPage = page.number == 1;
    const bool lastPage = page.number == 3;
    // Each arrow reads as the caption beside it.
    const QString backCaption = QLatin1String(firstPage ? "Main Page" : "Previous Page");
    const QString forwardCaption = QLatin1String(lastPage ? "Submit" : "Next Page");

    FormDescription layout {
        .caption = QLatin1String(page.caption),
        .width = 9375,
        .height = 7590,
        .icon = pictures::applicationIcon,
        .view = QuestionPageView {},
    };
    auto &controls = layout.controls;

    controls.push_back(image(QLatin1String(page.banner), {1920, -840, 5760, 2445}, pictures::banner,
                             QStringLiteral("The Pelmaroos")));
    controls.push_back(image(QLatin1String(page.backArrow), {3360, 6840, 750, 540}, pictures::leftArrow, backCaption,
                             {}, viewMember(&QuestionPageView::backArrow)));
    controls.push_back(image(QLatin1String(page.forwardArrow), {5520, 6840, 750, 540}, pictures::rightArrow,
                             forwardCaption, {}, viewMember(&QuestionPageView::forwardArrow)));
    controls.push_back(boldLabel(page.backCaptionLabel,
                                 firstPage ? TwipsRect {1920, 6960, 1335, 375} : TwipsRect {1440, 6960, 1815, 375},
                                 backCaption, 12));
    controls.push_back(boldLabel(page.forwardCaptionLabel, {6480, 6960, 1335, 375}, forwardCaption, 12));
    controls.push_back(boldLabel("Label11", {page.pageLabelLeft, 6960, 615, 255},
                                 QLatin1String(page.pageLabelCaption), 9.75));
    controls.push_back(boldLabel("Label12", {4440, 7200, 975, 255}, QStringLiteral("%1 of  3").arg(page.number), 12));

    controls.push_back({.type = ControlType::CommandButton, .id = {QLatin1String(page.exitButton)},
                        .geometry = {8640, 0, 735, 255}, .caption = QStringLiteral("Quit"), .tabIndex = 6,
                        .inView = viewMember(&QuestionPageView::exitButton)});
    controls.push_back({.type = ControlType::TextBox, .id = {QStringLiteral("Text1")}, .geometry = page.scoreBox,
                        .accessibleName = QStringLiteral("Page score"), .visible = false, .tabIndex = 7,
                        .inView = viewMember(&QuestionPageView::Text1)});

    int nextImage = 1;
    for (int slot = 0; slot < 6; ++slot) {
        const Question &question = page.questions[std::size_t(slot)];
        const FrameQuirk *quirk = quirkOf(page, slot);
        const ControlId frame {QStringLiteral("Frame1"), slot};
        controls.push_back({.type = ControlType::Frame, .id = frame, .geometry = frameGeometry(slot),
                            .caption = QStringLiteral("Question ") +
                                QLatin1String(questionNumbers[std::size_t(6 * (page.number - 1) + slot)]),
                            .font = Font {12, true},
                            .tabIndex = page.framesBackwards ? 5 - slot : slot});
        controls.push_back({.type = ControlType::Label, .id = {QStringLiteral("Label%1").arg(slot + 1)},
                            .geometry = {120, 360, questionLabelWidth(quirk, slot), 495},
                            .caption = QString::fromUtf8(question.wording), .font = Font {9.75}, .container = frame});

        const std::vector<IconSpot> spots = iconSpots(quirk, slot);
        for (std::size_t spot = 0; spot < spots.size(); ++spot) {
            const int icon = iconNumber(pageIndex, slot, int(spot));
            controls.push_back(image(QStringLiteral("Image%1").arg(nextImage++),
                                     {spots[spot].left, spots[spot].top, 480, 480}, pictures::questionIcon(icon),
                                     pictures::questionIconName(icon), frame));
        }
        // The choices stop short of the question's picture.
        const int optionWidth = std::clamp(spots.front().left - optionLeft - 120, minOptionWidth, maxOptionWidth);
        for (int option = 0; option < 3; ++option) {
            controls.push_back({.type = ControlType::OptionButton,
                                .id = {QStringLiteral("Option%1").arg(option + 1), slot},
                                .geometry = {optionLeft, optionTop(quirk, option), optionWidth,
                                             optionHeight(quirk, slot, option)},
                                .caption = QString::fromUtf8(question.choices[std::size_t(option)]),
                                .container = frame,
                                .inView = viewPlace<QuestionPageView>([slot, option](QuestionPageView &view) -> auto & {
                                    return view.options[std::size_t(slot)][std::size_t(option)];
                                })});
        }
    }
    return layout;
}

} // namespace pelmaroos::screens
