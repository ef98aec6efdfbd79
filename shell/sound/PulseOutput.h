// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/sound/SoundOutput.h"

namespace pelmaroos::shell {

// A playback stream on the desktop's sound server through libpulse's simple API; null when libpulse is
// missing or lacks a call, when no server answers, or when the server refuses the format.
std::unique_ptr<SoundOutput> openPulseOutput(const CueFormat &format);

} // namespace pelmaroos::shell
