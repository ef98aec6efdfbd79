#pragma once

#include "shell/ScreenBehaviour.h"

namespace pelmaroos::shell {

class Runtime;

// What the program does when it starts: show the title screen.
void StartUp(Runtime &runtime);

void PreMain_Form_Load(Runtime &runtime);
void PreMain_cmdContinue_Click(Runtime &runtime);
void PreMain_Command1_Click(Runtime &runtime);

ScreenBehaviour titleScreenBehaviour(Runtime &runtime);

} // namespace pelmaroos::shell
