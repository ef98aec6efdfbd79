// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/sound/SoundService.h"

#include <QElapsedTimer>

#include <chrono>

namespace pelmaroos::shell {

// The sound service on Windows: winmm's own sndPlaySoundA, asked to play in the background. Where a cue's
// file is missing, winmm plays the system's default sound instead and reports success, so no warning shows.
class WinmmSound final : public SoundService
{
public:
    bool play(const QString &path) override;

    // Lets the cue that is still playing run to its end, for at most the given time, then stops it. winmm
    // cannot say when a sound ends, so its length is taken from its header.
    void finishPlaying(std::chrono::milliseconds limit);

private:
    QElapsedTimer m_started;
    std::chrono::milliseconds m_length {0};
};

} // namespace pelmaroos::shell
