// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "results/ResultScreens.h"

#include "screens/QuestionPageTable.h"
#include "shell/Conversions.h"
#include "shell/StartUpAndExit.h"
#include "shell/Runtime.h"
#include "shell/SoundCues.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace pelmaroos::results {

using screens::Level;
using shell::ScreenName;

namespace {

// What sets each level's result screen apart, with its event procedures by name.
struct ResultScreen {
    Level level;
    const char *loadProcedure;
    const char *goOnProcedure;
    std::array<const char *, 2> quitProcedures;
    ScreenName next; // where the go-on button leads
    QString titleText;
    QString lowCue;
    QString topCue;
};

const std::array<ResultScreen, 3> &resultScreens()
{
    namespace cues = shell::cues;
    static const std::array<ResultScreen, 3> table = {{
        {Level::Easy, "EasyAbout_Form_Load", "EasyAbout_Command1_Click",
         {"EasyAbout_Command2_Click", "EasyAbout_Command3_Click"}, ScreenName::Medium1,
         QStringLiteral("Your Score On The Easy Level: "), cues::bad, cues::wow},
        {Level::Medium, "MediumAbout_Form_Load", "MediumAbout_Command1_Click",
         {"MediumAbout_Command2_Click", "MediumAbout_Command3_Click"}, ScreenName::Hard1,
         QStringLiteral("Your Score On The Medium Level: "), cues::haha, cues::excellent},
        {Level::Hard, "HardAbout_Form_Load", "HardAbout_Command3_Click",
         {"HardAbout_Command4_Click", "HardAbout_Command5_Click"}, ScreenName::Main,
         QStringLiteral("Your Score On The Hard Level: "), cues::stupid, cues::brilliant},
    }};
    return table;
}

// Where the level's submission leads.
ScreenName screenOf(Level level)
{
    return screens::pagesOf(level)[2].forward.to;
}

// The three cue tests are separate, not a chain; the top one compares the text itself with "18".
void loadResultScreen(shell::Runtime &runtime, const ResultScreen &result)
{
    const ScreenName page3 = screens::pagesOf(result.level)[2].page;
    shell::Screen &me = runtime.screen(screenOf(result.level));
    auto total = [&] { return runtime.screen(page3).textBox(QLatin1String(screens::scoreBoxName)).text(); };
    QLabel &holder = me.label(QStringLiteral("Label10"));

    me.label(QStringLiteral("Label1")).setText(QStringLiteral("You got ") + total() + QStringLiteral(" out of 18."));
    me.setCaption(result.titleText + total() + QStringLiteral(" out of 18"));
    holder.setText(total());

    if (shell::textToNumber(holder.text()) >= 10.0 && holder.text() != QStringLiteral("18"))
        shell::PlayCue(runtime, shell::cues::good);
    if (shell::textToNumber(holder.text()) <= 9.0)
        shell::PlayCue(runtime, result.lowCue);
    if (holder.text() == QStringLiteral("18"))
        shell::PlayCue(runtime, result.topCue);
}

// The result screen goes first; the level's pages stay loaded and hidden.
void goOn(shell::Runtime &runtime, const ResultScreen &result)
{
    runtime.screen(screenOf(result.level)).unload();
    runtime.screen(result.next).show();
}

} // namespace

shell::ScreenBehaviour resultScreenBehaviour(shell::Runtime &runtime, ScreenName screen)
{
    const ResultScreen &result =
        *std::ranges::find_if(resultScreens(), [screen](const ResultScreen &r) { return screenOf(r.level) == screen; });
    auto quit = [&runtime] { shell::ExitAll(runtime); };
    return {
        .load = {result.loadProcedure, [&runtime, &result] { loadResultScreen(runtime, result); }},
        .clicks = {
            {result.goOnProcedure, [&runtime, &result] { goOn(runtime, result); }},
            {result.quitProcedures[0], quit},
            {result.quitProcedures[1], quit},
        },
    };
}

} // namespace pelmaroos::results
