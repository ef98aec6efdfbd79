// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

// The sound service of the platform the program is built for: winmm's own call on Windows, the
// desktop's sound server (or ALSA) elsewhere.
#ifdef _WIN32
#include "shell/sound/WinmmSound.h"
namespace pelmaroos::shell {
using PlatformSound = WinmmSound;
}
#else
#include "shell/sound/SoundModule.h"
namespace pelmaroos::shell {
using PlatformSound = SoundModule;
}
#endif
