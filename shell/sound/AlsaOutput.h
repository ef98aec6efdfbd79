// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/sound/SoundOutput.h"

namespace pelmaroos::shell {

// A playback stream on ALSA's default device, for a system without a sound server; null when libasound is
// missing or lacks a call, when there is no such device, or when it cannot play the format.
std::unique_ptr<SoundOutput> openAlsaOutput(const CueFormat &format);

} // namespace pelmaroos::shell
