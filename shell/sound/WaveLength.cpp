// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/sound/WaveLength.h"

#include "shell/sound/WaveHeader.h"

#include <QFile>
#include <QFileInfo>

namespace pelmaroos::shell {

std::chrono::milliseconds waveLength(const QString &path)
{
    using std::chrono::milliseconds;
    QFile file(path);
    std::optional<WaveHeader> header;
    // A FIFO or a device named like a cue would block or never end. The sound call plays samples that come
    // before their format, so their order does not matter here.
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))
        header = readWaveHeader(file);
    if (!header || !header->format || header->format->bytesPerSecond == 0)
        return milliseconds::zero();
    return milliseconds(header->dataBytes * 1000 / header->format->bytesPerSecond);
}

} // namespace pelmaroos::shell
