// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <chrono>

namespace pelmaroos::shell {

// How long a wave file plays, from its header alone: its data chunk's size, as far as the file holds it, over
// its format's bytes per second. Zero for anything that is not a regular file with both chunks.
std::chrono::milliseconds waveLength(const QString &path);

} // namespace pelmaroos::shell
