// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/WaveLength.h"

#include "shell/WaveHeader.h"

#include <QFile>
#include <QFileInfo>

namespace pelmaroos::shell {

std::chrono::milliseconds waveLength(const QString &path)
{
    using std::chrono::milliseconds;
    // A FIFO or a device named like a cue would block or never end.
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return milliseconds(0);
    // The sound call plays samples that come before their format, so their order does not matter here.
    const std::optional<WaveHeader> header = readWaveHeader(file);
    if (!header || !header->format || header->format->bytesPerSecond == 0)
        return milliseconds(0);
    return milliseconds(header->dataBytes * 1000 / header->format->bytesPerSecond);
}

} // namespace pelmaroos::shell
