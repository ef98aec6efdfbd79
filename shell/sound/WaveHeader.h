// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QIODevice>

#include <optional>

namespace pelmaroos::shell {

// The fields of a wave file's format chunk that say how its samples are laid out.
struct WaveFormat {
    quint16 tag = 0;
    quint16 channels = 0;
    quint32 rate = 0;
    quint32 bytesPerSecond = 0;
    quint16 blockAlign = 0;
    quint16 bits = 0;
    // What compressed formats add after the plain fields and the extension's size (samples per block, an
    // ADPCM coefficient table), as far as the chunk and a kilobyte go.
    QByteArray extension;
};

struct WaveHeader {
    std::optional<WaveFormat> format;
    // Where the samples start and how many bytes of them the file holds; zero bytes when there is no data
    // chunk.
    qint64 dataStart = 0;
    qint64 dataBytes = 0;
    // The data chunk came before the format chunk.
    bool samplesFirst = false;
};

// Walks a wave file's chunks, from the start of the device, until it has found its format and its samples.
// Every declared size is held against what the file holds: a data chunk that reaches past the end is cut
// there, and a format chunk cut short or too small makes the file no wave file (nullopt), as does a file
// that does not start as one.
std::optional<WaveHeader> readWaveHeader(QIODevice &file);

} // namespace pelmaroos::shell
