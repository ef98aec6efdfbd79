// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

namespace pelmaroos::shell {

// How a cue's samples reach the sound output: as the file holds them, little-endian and interleaved, or as
// 16-bit samples where the file's are compressed. Converting rates and channels is the output's work.
struct CueFormat {
    enum class Sample { U8, S16, S24, S32, Float, ALaw, MuLaw };
    // By default the format the game's own cues are in.
    Sample sample = Sample::S16;
    int rate = 22050;
    int channels = 1;

    int frameBytes() const
    {
        switch (sample) {
        case Sample::U8:
        case Sample::ALaw:
        case Sample::MuLaw: return channels;
        case Sample::S16: return 2 * channels;
        case Sample::S24: return 3 * channels;
        case Sample::S32:
        case Sample::Float: return 4 * channels;
        }
        return channels;
    }

    bool operator==(const CueFormat &) const = default;

    // No wave file holds sound in more channels.
    static constexpr int mostChannels = 8;
};

} // namespace pelmaroos::shell
