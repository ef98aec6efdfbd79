// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "quiz/PageMoves.h"

#include "screens/QuestionPageTable.h"

namespace pelmaroos::quiz {

using shell::ScreenName;

const std::array<PageMoves, 9> pageMoves = {{
    {ScreenName::Easy1,
     "Easy1_Form_Load",
     {"Easy1_Image8_Click", ScreenName::Main, MoveOrder::ShowFirst},
     {"Easy1_Image9_Click", ScreenName::Easy2, MoveOrder::ShowFirst},
     "Easy1_Command2_Click"},
    {ScreenName::Easy2,
     "Easy2_Form_Load",
     {"Easy2_Image11_Click", ScreenName::Easy1, MoveOrder::LeaveFirst},
     {"Easy2_Image10_Click", ScreenName::Easy3, MoveOrder::LeaveFirst},
     "Easy2_Command2_Click"},
    {ScreenName::Easy3,
     "Easy3_Form_Load",
     {"Easy3_Image8_Click", ScreenName::Easy2, MoveOrder::LeaveFirst},
     {"Easy3_Image9_Click", ScreenName::EasyAbout, MoveOrder::LeaveFirst},
     "Easy3_Command3_Click"},
    {ScreenName::Medium1,
     "Medium1_Form_Load",
     {"Medium1_Image11_Click", ScreenName::Main, MoveOrder::LeaveFirst},
     {"Medium1_Image10_Click", ScreenName::Medium2, MoveOrder::ShowFirst},
     "Medium1_Command2_Click"},
    {ScreenName::Medium2,
     "Medium2_Form_Load",
     {"Medium2_Image11_Click", ScreenName::Medium1, MoveOrder::LeaveFirst},
     {"Medium2_Image10_Click", ScreenName::Medium3, MoveOrder::ShowFirst},
     "Medium2_Command2_Click"},
    {ScreenName::Medium3,
     "Medium3_Form_Load",
     {"Medium3_Image11_Click", ScreenName::Medium2, MoveOrder::LeaveFirst},
     {"Medium3_Image10_Click", ScreenName::MediumAbout, MoveOrder::LeaveFirst},
     "Medium3_Command3_Click"},
    {ScreenName::Hard1,
     "Hard1_Form_Load",
     {"Hard1_Image11_Click", ScreenName::Main, MoveOrder::LeaveFirst},
     {"Hard1_Image10_Click", ScreenName::Hard2, MoveOrder::ShowFirst},
     "Hard1_Command2_Click"},
    {ScreenName::Hard2,
     "Hard2_Form_Load",
     {"Hard2_Image11_Click", ScreenName::Hard1, MoveOrder::LeaveFirst},
     {"Hard2_Image10_Click", ScreenName::Hard3, MoveOrder::ShowFirst},
     "Hard2_Command2_Click"},
    {ScreenName::Hard3,
     "Hard3_Form_Load",
     {"Hard3_Image11_Click", ScreenName::Hard2, MoveOrder::LeaveFirst},
     {"Hard3_Image10_Click", ScreenName::HardAbout, MoveOrder::LeaveFirst},
     "Hard3_Command3_Click"},
}};

const PageMoves &movesOf(ScreenName page)
{
    return pageMoves[std::size_t(screens::pageIndexOf(page))];
}

} // namespace pelmaroos::quiz
