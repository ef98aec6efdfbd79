// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "app/Program.h"

int main(int argc, char *argv[])
{
    return pelmaroos::app::runProgram(argc, argv);
}
