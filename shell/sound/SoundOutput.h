// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/sound/CueFormat.h"

#include <QByteArrayView>

#include <memory>

namespace pelmaroos::shell {

// A stream of samples in one format to the sound server or the sound card. Used by one thread at a time.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    // Blocks until the samples are queued, which takes at most the time a short queue takes to play; false once
    // the output has failed, as when its server went away.
    virtual bool write(QByteArrayView samples) = 0;
    // Drops what is queued and not yet heard.
    virtual void flush() = 0;
    // Waits until what is queued has been heard.
    virtual void drain() = 0;
};

// The desktop's sound server, through libpulse (PulseAudio, or PipeWire's PulseAudio server); where no server
// answers, ALSA's default device. Both libraries are loaded at the first call, never before. Null when
// neither plays the format.
std::unique_ptr<SoundOutput> openSoundOutput(const CueFormat &format);

// Each output queues about this long, so that a new cue is heard at once after the one it replaces.
constexpr int queuedMilliseconds = 80;

} // namespace pelmaroos::shell
