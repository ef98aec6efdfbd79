// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/ScreenBehaviour.h"
#include "shell/ScreenName.h"

namespace pelmaroos::shell {
class Runtime;
}

namespace pelmaroos::results {

// A result screen's Load, its go-on button and its two Quit buttons.
shell::ScreenBehaviour resultScreenBehaviour(shell::Runtime &runtime, shell::ScreenName screen);

} // namespace pelmaroos::results
