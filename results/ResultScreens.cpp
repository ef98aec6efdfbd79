// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "results/ResultScreens.h"

#include "shell/SoundCues.h"
#include "shell/StartUpAndExit.h"
#include "shell/forms/Conversions.h"
#include "shell/forms/Runtime.h"
#include "shell/forms/ScreenViews.h"

#include <algorithm>

namespace pelmaroos::results {

using shell::ResultScreenView;
using shell::ScreenName;

namespace {

const std::array<ResultScreen, 3> &resultScreens()
{
    namespace cues = shell::cues;
    static const std::array<ResultScreen, 3> table = {{
        {ScreenName::EasyAbout,
         ScreenName::Easy3,
         "EasyAbout_Form_Load",
         "EasyAbout_Command1_Click",
         {"EasyAbout_Command2_Click", "EasyAbout_Command3_Click"},
         ScreenName::Medium1,
         QStringLiteral("Your Score On The Easy Level: "),
         cues::bad,
         cues::wow},
        {ScreenName::MediumAbout,
         ScreenName::Medium3,
         "MediumAbout_Form_Load",
         "MediumAbout_Command1_Click",
         {"MediumAbout_Command2_Click", "MediumAbout_Command3_Click"},
         ScreenName::Hard1,
         QStringLiteral("Your Score On The Medium Level: "),
         cues::haha,
         cues::excellent},
        {ScreenName::HardAbout,
         ScreenName::Hard3,
         "HardAbout_Form_Load",
         "HardAbout_Command3_Click",
         {"HardAbout_Command4_Click", "HardAbout_Command5_Click"},
         ScreenName::Main,
         QStringLiteral("Your Score On The Hard Level: "),
         cues::stupid,
         cues::brilliant},
    }};
    return table;
}

// Each step reads the total afresh from the third page and the holder through their screens (kept on
// purpose, docs/architecture.md): every read of a control goes through the accessor that loads its screen.
void loadResultScreen(ResultScreens::Bound &bound)
{
    shell::Runtime &runtime = bound.runtime;
    const ResultScreen &result = bound.row;
    shell::Screen &me = runtime.screen(result.screen);
    auto total = [&] { return runtime.screen(result.thirdPage).view<shell::QuestionPageView>().Text1->text(); };
    auto holder = [&me] { return me.view<ResultScreenView>().Label10; };

    me.view<ResultScreenView>().Label1->setText(QStringLiteral("You got ") + total() + QStringLiteral(" out of 18."));
    me.setCaption(result.titleText + total() + QStringLiteral(" out of 18"));
    holder()->setText(total());

    // Three separate tests, not a chain. The top one compares the text itself with "18": a total written
    // as "18.0" or " 18" would take the middle cue through the numeric test.
    if (shell::textToNumber(holder()->text()) >= 10.0 && holder()->text() != QStringLiteral("18"))
        shell::PlayCue(runtime, shell::cues::good);
    if (shell::textToNumber(holder()->text()) <= 9.0)
        shell::PlayCue(runtime, result.lowCue);
    if (holder()->text() == QStringLiteral("18"))
        shell::PlayCue(runtime, result.topCue);
}

// The result screen goes first; the level's pages stay loaded and hidden.
void goOn(ResultScreens::Bound &bound)
{
    bound.runtime.screen(bound.row.screen).unload();
    bound.runtime.screen(bound.row.next).show();
}

void quit(ResultScreens::Bound &bound)
{
    shell::ExitAll(bound.runtime);
}

} // namespace

ResultScreens::ResultScreens(shell::Runtime &runtime)
    : m_screens {{{runtime, resultScreens()[0]}, {runtime, resultScreens()[1]}, {runtime, resultScreens()[2]}}}
{
}

shell::ScreenBehaviour ResultScreens::behaviour(ScreenName screen)
{
    const auto found = std::ranges::find(m_screens, screen, [](const Bound &bound) { return bound.row.screen; });
    Q_ASSERT(found != m_screens.end());
    const ResultScreen &row = found->row;
    return shell::bindProcedures<ResultScreenView>(*found,
                                                   {.load = {row.loadProcedure, loadResultScreen},
                                                    .clicks = {
                                                        {row.goOnProcedure, &ResultScreenView::goOn, goOn},
                                                        {row.quitProcedures[0], &ResultScreenView::largeQuit, quit},
                                                        {row.quitProcedures[1], &ResultScreenView::smallQuit, quit},
                                                    }});
}

} // namespace pelmaroos::results
