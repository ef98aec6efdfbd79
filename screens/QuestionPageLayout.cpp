#include "screens/Layouts.h"
#include "screens/Pictures.h"
#include "screens/QuestionWording.h"

#include <algorithm>
#include <array>

namespace pelmaroos::screens {

using namespace shell;

namespace {

struct IconSpot {
    int left;
    int top;
};

// What sets one question page apart from the other eight.
struct PageDifferences {
    ScreenName page;
    const char *caption;
    int pageNumber;
    const char *leftArrow;
    const char *rightArrow;
    const char *leftCaption;
    const char *rightCaption;
    const char *exitButton;
    TwipsRect text1;
    bool framesBackwards; // the frames' tab order runs 5 to 0
};

constexpr std::array<PageDifferences, 9> pages = {{
    {ScreenName::Easy1, "Pelmaroos Trivia - Page 1 (EASY)", 1, "Image8", "Image9", "Label7", "Label8", "Command2",
     {9000, 7200, 255, 285}, true},
    {ScreenName::Easy2, "Pelmaroos Trivia - Page 2 (EASY)", 2, "Image11", "Image10", "Label10", "Label9", "Command2",
     {8880, 7080, 375, 375}, false},
    {ScreenName::Easy3, "Pelmaroos Trivia - Page 3 (EASY)", 3, "Image8", "Image9", "Label7", "Label8", "Command3",
     {8400, 6960, 855, 525}, true},
    {ScreenName::Medium1, "Pelmaroos Trivia - Page 1 (MEDIUM)", 1, "Image11", "Image10", "Label10", "Label9",
     "Command2", {9000, 7200, 255, 285}, false},
    {ScreenName::Medium2, "Pelmaroos Trivia - Page 2 (MEDIUM)", 2, "Image11", "Image10", "Label10", "Label9",
     "Command2", {9000, 7200, 255, 285}, false},
    {ScreenName::Medium3, "Pelmaroos Trivia - Page 3 (MEDIUM)", 3, "Image11", "Image10", "Label10", "Label9",
     "Command3", {8880, 6840, 375, 285}, false},
    {ScreenName::Hard1, "Pelmaroos Trivia - Page 1 (HARD)", 1, "Image11", "Image10", "Label10", "Label9", "Command2",
     {9000, 7200, 255, 285}, false},
    {ScreenName::Hard2, "Pelmaroos Trivia - Page 2 (HARD)", 2, "Image11", "Image10", "Label10", "Label9", "Command2",
     {9000, 7200, 255, 285}, false},
    {ScreenName::Hard3, "Pelmaroos Trivia - Page 3 (HARD)", 3, "Image11", "Image10", "Label10", "Label9", "Command3",
     {8760, 6960, 375, 375}, false},
}};

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

std::vector<IconSpot> iconSpots(ScreenName page, int slot)
{
    const IconSpot usual = isLeftColumn(slot) ? IconSpot {3480, 1200} : IconSpot {3240, 1200};
    if (page == ScreenName::Easy1 && slot == 0)
        return {{3360, 1080}};
    if (page == ScreenName::Easy3 && slot == 2)
        return {{3360, 1080}};
    if (page == ScreenName::Easy3 && slot == 5)
        return {{3240, 1080}};
    if (page == ScreenName::Medium3 && slot == 0)
        return {{3360, 1200}};
    if (page == ScreenName::Hard1 && slot == 1)
        return {{3000, 1200}, {3480, 1200}};
    return {usual};
}

std::array<int, 3> optionTops(ScreenName page, int slot)
{
    if (page == ScreenName::Medium1 && slot == 3)
        return {720, 960, 1200};
    return {840, 1080, 1320};
}

int optionHeight(ScreenName page, int slot, int option)
{
    if (slot == 4) {
        switch (page) {
        case ScreenName::Medium2:
            return option == 0 ? 255 : 195;
        case ScreenName::Hard1:
            return std::array {255, 315, 375}[option];
        default:
            return 195;
        }
    }
    if (page == ScreenName::Easy2 && slot == 0 && option == 0)
        return 253;
    return 255;
}

int questionLabelWidth(ScreenName page, int slot)
{
    if (page == ScreenName::Medium2 && slot == 2)
        return 3885;
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
                         ControlId container = {})
{
    return {.type = ControlType::Image, .id = {std::move(name)}, .geometry = geometry,
            .picture = std::move(picture), .accessibleName = std::move(accessibleName),
            .container = std::move(container)};
}

} // namespace

FormDescription questionPageLayout(ScreenName page)
{
    const auto found = std::ranges::find(pages, page, &PageDifferences::page);
    Q_ASSERT(found != pages.end());
    const PageDifferences &differences = *found;
    const auto pageIndex = int(found - pages.begin());
    const PageWording &wording = questionWording[std::size_t(pageIndex)];
    const bool firstPage = differences.pageNumber == 1;
    const bool lastPage = differences.pageNumber == 3;
    // Each arrow reads as the caption beside it.
    const QString leftCaption = QLatin1String(firstPage ? "Main Page" : "Previous Page");
    const QString rightCaption = QLatin1String(lastPage ? "Submit" : "Next Page");

    FormDescription layout {
        .caption = QLatin1String(differences.caption),
        .width = 9375,
        .height = 7590,
        .icon = pictures::applicationIcon,
    };
    auto &controls = layout.controls;

    controls.push_back(image(QLatin1String(page == ScreenName::Hard1 ? "Image8" : "Image7"),
                             {1920, -840, 5760, 2445}, pictures::banner, QStringLiteral("The Pelmaroos")));
    controls.push_back(image(QLatin1String(differences.leftArrow), {3360, 6840, 750, 540}, pictures::leftArrow,
                             leftCaption));
    controls.push_back(image(QLatin1String(differences.rightArrow), {5520, 6840, 750, 540}, pictures::rightArrow,
                             rightCaption));
    controls.push_back(boldLabel(differences.leftCaption,
                                 firstPage ? TwipsRect {1920, 6960, 1335, 375} : TwipsRect {1440, 6960, 1815, 375},
                                 leftCaption, 12));
    controls.push_back(boldLabel(differences.rightCaption, {6480, 6960, 1335, 375}, rightCaption, 12));
    controls.push_back(boldLabel("Label11", {page == ScreenName::Medium3 ? 4680 : 4560, 6960, 615, 255},
                                 QLatin1String(page == ScreenName::Easy3 ? "Page" : "Page "), 9.75));
    controls.push_back(boldLabel("Label12", {4440, 7200, 975, 255},
                                 QStringLiteral("%1 of  3").arg(differences.pageNumber), 12));

    controls.push_back({.type = ControlType::CommandButton, .id = {QLatin1String(differences.exitButton)},
                        .geometry = {8640, 0, 735, 255}, .caption = QStringLiteral("Quit"), .tabIndex = 6});
    controls.push_back({.type = ControlType::TextBox, .id = {QStringLiteral("Text1")}, .geometry = differences.text1,
                        .accessibleName = QStringLiteral("Page score"), .visible = false, .tabIndex = 7});

    int nextImage = 1;
    for (int slot = 0; slot < 6; ++slot) {
        const QuestionWording &question = wording[std::size_t(slot)];
        const ControlId frame {QStringLiteral("Frame1"), slot};
        controls.push_back({.type = ControlType::Frame, .id = frame, .geometry = frameGeometry(slot),
                            .caption = QStringLiteral("Question ") +
                                QLatin1String(questionNumbers[std::size_t(6 * (differences.pageNumber - 1) + slot)]),
                            .font = Font {12, true},
                            .tabIndex = differences.framesBackwards ? 5 - slot : slot});
        controls.push_back({.type = ControlType::Label, .id = {QStringLiteral("Label%1").arg(slot + 1)},
                            .geometry = {120, 360, questionLabelWidth(page, slot), 495},
                            .caption = QLatin1String(question.question), .font = Font {9.75}, .container = frame});

        const std::vector<IconSpot> spots = iconSpots(page, slot);
        for (std::size_t spot = 0; spot < spots.size(); ++spot) {
            const int icon = iconNumber(pageIndex, slot, int(spot));
            controls.push_back(image(QStringLiteral("Image%1").arg(nextImage++), {spots[spot].left, spots[spot].top, 480, 480},
                                     pictures::questionIcon(icon), pictures::questionIconName(icon), frame));
        }
        // The choices stop short of the question's picture.
        const int optionWidth = std::clamp(spots.front().left - optionLeft - 120, minOptionWidth, maxOptionWidth);
        const std::array<int, 3> tops = optionTops(page, slot);
        for (int option = 0; option < 3; ++option) {
            controls.push_back({.type = ControlType::OptionButton,
                                .id = {QStringLiteral("Option%1").arg(option + 1), slot},
                                .geometry = {optionLeft, tops[std::size_t(option)], optionWidth,
                                             optionHeight(page, slot, option)},
                                .caption = QLatin1String(question.choices[std::size_t(option)]),
                                .container = frame});
        }
    }
    return layout;
}

} // namespace pelmaroos::screens
