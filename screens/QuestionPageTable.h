// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms/FormDescription.h"
#include "shell/forms/ScreenName.h"

#include <array>
#include <span>

namespace pelmaroos::screens {

enum class Level { Easy, Medium, Hard };

// A question frame's place for its picture, in twips inside the frame.
struct IconSpot {
    int left = 0;
    int top = 0;
};

// Where one question frame departs from the usual frame of its column; a zero keeps the usual value.
struct FrameQuirk {
    int slot = -1;
    std::array<IconSpot, 2> icons {};
    int optionsTop = 0;
    std::array<int, 3> optionHeights {};
    int labelWidth = 0;
};

// One question: its wording, its three choices top to bottom, and the text of the right one.
struct Question {
    const char *wording;
    std::array<const char *, 3> choices;
    const char *answer;
};

// Everything that sets one question page apart from the other eight.
struct QuestionPage {
    shell::ScreenName page;
    Level level;
    int number;
    const char *caption;
    const char *backArrow;    // left, under "Main Page" on a first page and "Previous Page" after it
    const char *forwardArrow; // right, under "Next Page", and "Submit" on a third page
    const char *exitButton;
    const char *backCaptionLabel;
    const char *forwardCaptionLabel;
    const char *banner;
    shell::TwipsRect scoreBox;
    bool framesBackwards; // the frames' tab order runs 5 to 0
    int pageLabelLeft;
    const char *pageLabelCaption;
    std::array<FrameQuirk, 2> quirks;
    std::array<Question, 6> questions; // slots 0 to 2 run down the left column, 3 to 5 down the right
};

extern const std::array<QuestionPage, 9> questionPages;

const QuestionPage &questionPage(shell::ScreenName page);
bool isQuestionPage(shell::ScreenName screen);
// The page's place among the nine, 0 for Easy1 to 8 for Hard3.
int pageIndexOf(shell::ScreenName page);
// A level's three pages, first to third.
std::span<const QuestionPage, 3> pagesOf(Level level);

} // namespace pelmaroos::screens
