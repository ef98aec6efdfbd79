// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pelmaroos::shell {

// Starts a wave file playing in the background, replacing whatever was playing, and returns at once.
// False when nothing could be played; whatever was playing has stopped then as well.
class SoundService
{
public:
    virtual ~SoundService() = default;
    virtual bool play(const QString &path) = 0;
};

} // namespace pelmaroos::shell
