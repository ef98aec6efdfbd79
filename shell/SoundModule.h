// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/SoundService.h"

#include <chrono>
#include <future>
#include <memory>

namespace pelmaroos::shell {

// Our one way into the sound service: an SDL audio device, fed from the cue's file as it plays.
class SoundModule final : public SoundService
{
public:
    // Starts loading SDL and opening the device in the background, so that the program's own start-up
    // need not wait for either; the first cue waits for that attempt to end.
    SoundModule();
    ~SoundModule() override;
    SoundModule(const SoundModule &) = delete;
    SoundModule &operator=(const SoundModule &) = delete;

    bool play(const QString &path) override;

    // Lets the cue that is still playing run to its end, for at most the given time; returns at once when
    // nothing plays.
    void finishPlaying(std::chrono::milliseconds limit);

private:
    struct Device;
    void awaitOpening();

    std::unique_ptr<Device> m_device;
    std::future<void> m_opening;
};

} // namespace pelmaroos::shell
