// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/sound/WaveHeader.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <utility>
#include <vector>

namespace pelmaroos::shell {

// How a wave file's IMA or Microsoft ADPCM samples lie in blocks. Every block starts its decoder afresh, so a
// cue is decoded a block at a time and any length of it takes a block's memory.
struct AdpcmLayout {
    enum class Kind { Ima, Microsoft };
    Kind kind = Kind::Ima;
    int channels = 1;
    int blockBytes = 0;
    int framesPerBlock = 0;
    // Microsoft's predictor coefficient pairs, which its blocks pick from by index.
    std::vector<std::pair<int, int>> coefficients;
};

// The layout of an ADPCM format with at least a whole block header for each channel; nullopt for any other
// format.
std::optional<AdpcmLayout> adpcmLayout(const WaveFormat &format);

// A block's samples as little-endian 16-bit frames into `frames`: every frame of a whole block, only the
// whole frames of one cut short, none when not even its header is there or it picks a predictor the format
// lacks.
void decodeAdpcmBlock(const AdpcmLayout &layout, QByteArrayView block, QByteArray &frames);

} // namespace pelmaroos::shell
