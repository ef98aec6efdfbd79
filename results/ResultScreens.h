#pragma once

#include "quiz/Level.h"
#include "shell/ScreenBehaviour.h"

namespace pelmaroos::shell {
class Runtime;
}

namespace pelmaroos::results {

// The routines the three result screens share.
void loadResultScreen(shell::Runtime &runtime, quiz::Level level);
void goOn(shell::Runtime &runtime, quiz::Level level);

void EasyAbout_Form_Load(shell::Runtime &runtime);
void MediumAbout_Form_Load(shell::Runtime &runtime);
void HardAbout_Form_Load(shell::Runtime &runtime);

void EasyAbout_Command1_Click(shell::Runtime &runtime);
void MediumAbout_Command1_Click(shell::Runtime &runtime);
void HardAbout_Command3_Click(shell::Runtime &runtime);

void EasyAbout_Command2_Click(shell::Runtime &runtime);
void EasyAbout_Command3_Click(shell::Runtime &runtime);
void MediumAbout_Command2_Click(shell::Runtime &runtime);
void MediumAbout_Command3_Click(shell::Runtime &runtime);
void HardAbout_Command4_Click(shell::Runtime &runtime);
void HardAbout_Command5_Click(shell::Runtime &runtime);

shell::ScreenBehaviour resultScreenBehaviour(shell::Runtime &runtime, shell::ScreenName screen);

} // namespace pelmaroos::results
