// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/sound/SoundOutput.h"

#include "shell/sound/AlsaOutput.h"
#include "shell/sound/PulseOutput.h"

namespace pelmaroos::shell {

std::unique_ptr<SoundOutput> openSoundOutput(const CueFormat &format)
{
    if (std::unique_ptr<SoundOutput> server = openPulseOutput(format))
        return server;
    return openAlsaOutput(format);
}

} // namespace pelmaroos::shell
