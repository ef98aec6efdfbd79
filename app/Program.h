// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

namespace pelmaroos::app {

class Game;

// The program from start to end, as main starts it: the display checked and a bare session settled
// where X11 is used, the sound opened first, the toolkit started with none of the command line, the
// game assembled and its title screen shown. The cues are looked for in cueFolder, or beside the program
// when it is empty. beforeStart, when given, sees the game just before its title screen loads (the
// benchmarks watch the first paint from there). Returns the program's exit status.
int runProgram(int argc, char *argv[], const QString &cueFolder = {},
               const std::function<void(Game &)> &beforeStart = {});

} // namespace pelmaroos::app
