// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/WaveLength.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <optional>

namespace pelmaroos::shell {

namespace {

// A header with more chunks before its samples than this is no cue.
constexpr int maxChunks = 64;

} // namespace

std::chrono::milliseconds waveLength(const QString &path)
{
    using std::chrono::milliseconds;
    // A FIFO or a device named like a cue would block or never end.
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return milliseconds(0);
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8) != "WAVE")
        return milliseconds(0);

    // The format may come after the samples; both are looked for among the first chunks.
    quint32 bytesPerSecond = 0;
    std::optional<qint64> held;
    for (int chunk = 0; chunk < maxChunks && !(held && bytesPerSecond); ++chunk) {
        const QByteArray header = file.read(8);
        if (header.size() < 8)
            break;
        const quint32 size = qFromLittleEndian<quint32>(header.constData() + 4);
        const qint64 body = file.pos();
        if (header.startsWith("fmt ") && size >= 16) {
            const QByteArray format = file.read(16);
            if (format.size() == 16)
                bytesPerSecond = qFromLittleEndian<quint32>(format.constData() + 8);
        } else if (header.startsWith("data")) {
            held = std::min<qint64>(size, info.size() - body);
        }
        if (!file.seek(body + qint64(size) + (size & 1)))
            break;
    }
    if (!held || bytesPerSecond == 0)
        return milliseconds(0);
    return milliseconds(*held * 1000 / bytesPerSecond);
}

} // namespace pelmaroos::shell
