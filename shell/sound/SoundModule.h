// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/sound/SoundService.h"

#include <chrono>
#include <memory>
#include <thread>

namespace pelmaroos::shell {

// The sound service on Linux (Windows has winmm's, WinmmSound): a thread of its own that plays each cue from its
// file as it is read, to the desktop's sound server or, where none answers, to ALSA's default device.
class SoundModule final : public SoundService
{
public:
    // Starts the sound thread, which loads the sound library and opens a stream in the cues' own format in the
    // background, so that the program's own start-up need not wait for either.
    SoundModule();
    ~SoundModule() override;
    SoundModule(const SoundModule &) = delete;
    SoundModule &operator=(const SoundModule &) = delete;

    bool play(const QString &path) override;

    // Lets the cue that is still playing run to its end, for at most the given time; returns at once when
    // nothing plays.
    void finishPlaying(std::chrono::milliseconds limit);

private:
    struct Player;
    std::unique_ptr<Player> m_player;
    std::thread m_thread;
};

} // namespace pelmaroos::shell
