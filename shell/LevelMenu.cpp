// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/LevelMenu.h"

#include "shell/StartUpAndExit.h"
#include "shell/forms/MessageBox.h"
#include "shell/forms/Runtime.h"
#include "shell/forms/ScreenViews.h"

namespace pelmaroos::shell {

namespace {

// The first page comes up before the menu goes, so one screen is always loaded. A page still loaded
// from an earlier play reappears as it was left.
void openLevel(Runtime &runtime, ScreenName firstPage)
{
    runtime.screen(firstPage).show();
    runtime.screen(ScreenName::Main).unload();
}

} // namespace

void Main_cmdEasy_Click(Runtime &runtime)
{
    openLevel(runtime, ScreenName::Easy1);
}

void Main_cmdMedium_Click(Runtime &runtime)
{
    openLevel(runtime, ScreenName::Medium1);
}

void Main_cmdHard_Click(Runtime &runtime)
{
    openLevel(runtime, ScreenName::Hard1);
}

void Main_cmdHelp_Click(Runtime &runtime)
{
    MsgBox(runtime.messageBoxes(), QStringLiteral("Just click on the level of difficulty you think you can handle."),
           MessageStyle::Question, QStringLiteral("Help"));
}

void Main_cmdExit_Click(Runtime &runtime)
{
    ExitAll(runtime);
}

ScreenBehaviour levelMenuBehaviour(Runtime &runtime)
{
    return bindProcedures<LevelMenuView>(runtime,
                                         {.clicks = {
                                              {"Main_cmdEasy_Click", &LevelMenuView::cmdEasy, Main_cmdEasy_Click},
                                              {"Main_cmdMedium_Click", &LevelMenuView::cmdMedium, Main_cmdMedium_Click},
                                              {"Main_cmdHard_Click", &LevelMenuView::cmdHard, Main_cmdHard_Click},
                                              {"Main_cmdHelp_Click", &LevelMenuView::cmdHelp, Main_cmdHelp_Click},
                                              {"Main_cmdExit_Click", &LevelMenuView::cmdExit, Main_cmdExit_Click},
                                          }});
}

} // namespace pelmaroos::shell
