// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/SoundService.h"

#include <SDL.h>

#include <chrono>
#include <future>

namespace pelmaroos::shell {

// Our one way into the sound service: SDL's audio queue, opened in the cues' own format.
class SoundModule final : public SoundService
{
public:
    // Starts opening the device in the background, so that the program's own start-up need not wait
    // for it; the first cue waits for that attempt to end.
    SoundModule();
    ~SoundModule() override;
    SoundModule(const SoundModule &) = delete;
    SoundModule &operator=(const SoundModule &) = delete;

    bool play(const QString &path) override;

    // Lets the cue that is still playing run to its end, for at most the given time; returns at once when
    // nothing plays.
    void finishPlaying(std::chrono::milliseconds limit);

    // A cue larger than this, as a file, once decoded or while converted, is treated as unplayable.
    static constexpr qint64 maxCueBytes = 64 * 1024 * 1024;

private:
    bool openDevice();
    void closeDevice();
    void awaitOpening();

    bool m_initialised = false;
    SDL_AudioDeviceID m_device = 0;
    SDL_AudioSpec m_spec {};
    std::future<bool> m_opening;
};

} // namespace pelmaroos::shell
