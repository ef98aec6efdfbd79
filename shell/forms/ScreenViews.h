// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/controls/OptionButton.h"
#include "shell/controls/Picture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace pelmaroos::shell {

// The controls each kind of screen offers its procedures, by what they are. A screen's description fills
// its view as the form is built (ViewSlot.h), so the procedures never look a control up by its name; the
// names stay on the widgets, as their object names.

struct TitleScreenView {
    QPushButton *cmdContinue = nullptr;
    QPushButton *Command1 = nullptr; // "Quit"
};

struct LevelMenuView {
    QPushButton *cmdEasy = nullptr;
    QPushButton *cmdMedium = nullptr;
    QPushButton *cmdHard = nullptr;
    QPushButton *cmdHelp = nullptr;
    QPushButton *cmdExit = nullptr;
};

struct QuestionPageView {
    // Option1(i), Option2(i) and Option3(i) of question i.
    std::array<std::array<OptionButton *, 3>, 6> options {};
    QLineEdit *Text1 = nullptr; // the page's score; page 3's holds the level's total
    Picture *backArrow = nullptr;
    Picture *forwardArrow = nullptr;
    QPushButton *exitButton = nullptr;
};

struct ResultScreenView {
    QLabel *Label1 = nullptr;  // the score line
    QLabel *Label10 = nullptr; // the hidden total holder
    Picture *Image1 = nullptr; // 18
    Picture *Image2 = nullptr; // 10 to 17
    Picture *Image3 = nullptr; // 0 to 9
    QPushButton *goOn = nullptr;
    QPushButton *largeQuit = nullptr;
    QPushButton *smallQuit = nullptr;
};

} // namespace pelmaroos::shell
