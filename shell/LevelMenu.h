// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms/ScreenBehaviour.h"

namespace pelmaroos::shell {

class Runtime;

void Main_cmdEasy_Click(Runtime &runtime);
void Main_cmdMedium_Click(Runtime &runtime);
void Main_cmdHard_Click(Runtime &runtime);
void Main_cmdHelp_Click(Runtime &runtime);
void Main_cmdExit_Click(Runtime &runtime);

ScreenBehaviour levelMenuBehaviour(Runtime &runtime);

} // namespace pelmaroos::shell
