// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/SoundOutput.h"

#include "shell/AlsaOutput.h"
#include "shell/PulseOutput.h"

namespace pelmaroos::shell {

std::unique_ptr<SoundOutput> openSoundOutput(const CueFormat &format)
{
    if (std::unique_ptr<SoundOutput> server = openPulseOutput(format))
        return server;
    return openAlsaOutput(format);
}

} // namespace pelmaroos::shell
