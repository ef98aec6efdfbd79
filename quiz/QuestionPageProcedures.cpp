#include "quiz/QuestionPageProcedures.h"

#include "quiz/QuestionPages.h"

#include <algorithm>

namespace pelmaroos::quiz {

using shell::ScreenName;

void Easy1_Form_Load(QuestionPages &pages)
{
    pages.loadPage(ScreenName::Easy1);
}

void Easy2_Form_Load(QuestionPages &pages)
{
    pages.loadPage(ScreenName::Easy2);
}

void Easy3_Form_Load(QuestionPages &pages)
{
    pages.loadPage(ScreenName::Easy3);
}

void Medium1_Form_Load(QuestionPages &pages)
{
    pages.loadPage(ScreenName::Medium1);
}

void Medium2_Form_Load(QuestionPages &pages)
{
    pages.loadPage(ScreenName::Medium2);
}

void Medium3_Form_Load(QuestionPages &pages)
{
    pages.loadPage(ScreenName::Medium3);
}

void Hard1_Form_Load(QuestionPages &pages)
{
    pages.loadPage(ScreenName::Hard1);
}

void Hard2_Form_Load(QuestionPages &pages)
{
    pages.loadPage(ScreenName::Hard2);
}

void Hard3_Form_Load(QuestionPages &pages)
{
    pages.loadPage(ScreenName::Hard3);
}

void Easy1_Image9_Click(QuestionPages &pages)
{
    pages.nextPage(ScreenName::Easy1);
}

void Easy2_Image10_Click(QuestionPages &pages)
{
    pages.nextPage(ScreenName::Easy2);
}

void Medium1_Image10_Click(QuestionPages &pages)
{
    pages.nextPage(ScreenName::Medium1);
}

void Medium2_Image10_Click(QuestionPages &pages)
{
    pages.nextPage(ScreenName::Medium2);
}

void Hard1_Image10_Click(QuestionPages &pages)
{
    pages.nextPage(ScreenName::Hard1);
}

void Hard2_Image10_Click(QuestionPages &pages)
{
    pages.nextPage(ScreenName::Hard2);
}

void Easy2_Image11_Click(QuestionPages &pages)
{
    pages.previousPage(ScreenName::Easy2);
}

void Easy3_Image8_Click(QuestionPages &pages)
{
    pages.previousPage(ScreenName::Easy3);
}

void Medium2_Image11_Click(QuestionPages &pages)
{
    pages.previousPage(ScreenName::Medium2);
}

void Medium3_Image11_Click(QuestionPages &pages)
{
    pages.previousPage(ScreenName::Medium3);
}

void Hard2_Image11_Click(QuestionPages &pages)
{
    pages.previousPage(ScreenName::Hard2);
}

void Hard3_Image11_Click(QuestionPages &pages)
{
    pages.previousPage(ScreenName::Hard3);
}

void Easy1_Image8_Click(QuestionPages &pages)
{
    pages.mainPage(ScreenName::Easy1);
}

void Medium1_Image11_Click(QuestionPages &pages)
{
    pages.mainPage(ScreenName::Medium1);
}

void Hard1_Image11_Click(QuestionPages &pages)
{
    pages.mainPage(ScreenName::Hard1);
}

void Easy3_Image9_Click(QuestionPages &pages)
{
    pages.submitLevel(Level::Easy);
}

void Medium3_Image10_Click(QuestionPages &pages)
{
    pages.submitLevel(Level::Medium);
}

void Hard3_Image10_Click(QuestionPages &pages)
{
    pages.submitLevel(Level::Hard);
}

void Easy1_Command2_Click(QuestionPages &pages)
{
    pages.quit();
}

void Easy2_Command2_Click(QuestionPages &pages)
{
    pages.quit();
}

void Easy3_Command3_Click(QuestionPages &pages)
{
    pages.quit();
}

void Medium1_Command2_Click(QuestionPages &pages)
{
    pages.quit();
}

void Medium2_Command2_Click(QuestionPages &pages)
{
    pages.quit();
}

void Medium3_Command3_Click(QuestionPages &pages)
{
    pages.quit();
}

void Hard1_Command2_Click(QuestionPages &pages)
{
    pages.quit();
}

void Hard2_Command2_Click(QuestionPages &pages)
{
    pages.quit();
}

void Hard3_Command3_Click(QuestionPages &pages)
{
    pages.quit();
}

namespace {

using Procedure = shell::ContextProcedure<QuestionPages>;

struct PageProcedures {
    ScreenName page;
    Procedure load;
    const char *leftArrow;
    Procedure left;
    const char *rightArrow;
    Procedure right;
    const char *exitButton;
    Procedure exit;
};

constexpr std::array<PageProcedures, 9> procedures = {{
    {ScreenName::Easy1, Easy1_Form_Load, "Image8", Easy1_Image8_Click, "Image9", Easy1_Image9_Click, "Command2", Easy1_Command2_Click},
    {ScreenName::Easy2, Easy2_Form_Load, "Image11", Easy2_Image11_Click, "Image10", Easy2_Image10_Click, "Command2", Easy2_Command2_Click},
    {ScreenName::Easy3, Easy3_Form_Load, "Image8", Easy3_Image8_Click, "Image9", Easy3_Image9_Click, "Command3", Easy3_Command3_Click},
    {ScreenName::Medium1, Medium1_Form_Load, "Image11", Medium1_Image11_Click, "Image10", Medium1_Image10_Click, "Command2", Medium1_Command2_Click},
    {ScreenName::Medium2, Medium2_Form_Load, "Image11", Medium2_Image11_Click, "Image10", Medium2_Image10_Click, "Command2", Medium2_Command2_Click},
    {ScreenName::Medium3, Medium3_Form_Load, "Image11", Medium3_Image11_Click, "Image10", Medium3_Image10_Click, "Command3", Medium3_Command3_Click},
    {ScreenName::Hard1, Hard1_Form_Load, "Image11", Hard1_Image11_Click, "Image10", Hard1_Image10_Click, "Command2", Hard1_Command2_Click},
    {ScreenName::Hard2, Hard2_Form_Load, "Image11", Hard2_Image11_Click, "Image10", Hard2_Image10_Click, "Command2", Hard2_Command2_Click},
    {ScreenName::Hard3, Hard3_Form_Load, "Image11", Hard3_Image11_Click, "Image10", Hard3_Image10_Click, "Command3", Hard3_Command3_Click},
}};

} // namespace

shell::ScreenBehaviour QuestionPages::behaviour(ScreenName page)
{
    const PageProcedures &p = *std::ranges::find(procedures, page, &PageProcedures::page);
    return shell::bindProcedures(*this, p.load, {{p.leftArrow, p.left}, {p.rightArrow, p.right}, {p.exitButton, p.exit}});
}

} // namespace pelmaroos::quiz
