// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/StartUpAndExit.h"

#include "shell/SoundCues.h"
#include "shell/forms/Runtime.h"
#include "shell/forms/ScreenViews.h"

namespace pelmaroos::shell {

void StartUp(Runtime &runtime)
{
    runtime.screens().runProcedure([&runtime] { runtime.screen(ScreenName::PreMain).show(); });
}

void PreMain_Form_Load(Runtime &runtime)
{
    PlayCue(runtime, cues::theme);
}

// The theme plays on; only a later cue replaces it.
void PreMain_cmdContinue_Click(Runtime &runtime)
{
    runtime.screen(ScreenName::Main).show();
    runtime.screen(ScreenName::PreMain).unload();
}

void PreMain_Command1_Click(Runtime &runtime)
{
    ExitAll(runtime);
}

ScreenBehaviour titleScreenBehaviour(Runtime &runtime)
{
    return bindProcedures<TitleScreenView>(
        runtime, {.load = {"PreMain_Form_Load", PreMain_Form_Load},
                  .clicks = {{"PreMain_cmdContinue_Click", &TitleScreenView::cmdContinue, PreMain_cmdContinue_Click},
                             {"PreMain_Command1_Click", &TitleScreenView::Command1, PreMain_Command1_Click}}});
}

void ExitAll(Runtime &runtime)
{
    // Screens never used are created only to be unloaded: nothing loads, so nothing resets or plays.
    for (ScreenName name : exitOrder)
        runtime.screen(name).unload();
    PlayCue(runtime, cues::doh);
}

} // namespace pelmaroos::shell
