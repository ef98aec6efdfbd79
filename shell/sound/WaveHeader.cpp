// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/sound/WaveHeader.h"

#include <QtEndian>

#include <algorithm>

namespace pelmaroos::shell {

namespace {

constexpr quint16 extensibleTag = 0xFFFE;
// A writer that does not know the length ahead marks the data as running to the end of the file.
constexpr quint32 unknownLength = 0xFFFFFFFF;
// Past the plain fields and the extension's size, more than any compressed format's table takes.
constexpr qint64 mostFormatBytes = 18 + 1024;
// Real files hold a handful of chunks before their samples; a file of endless tiny ones is not walked.
constexpr int mostChunks = 256;

WaveFormat parseFormat(const QByteArray &body)
{
    const char *at = body.constData();
    WaveFormat format {.tag = qFromLittleEndian<quint16>(at),
                       .channels = qFromLittleEndian<quint16>(at + 2),
                       .rate = qFromLittleEndian<quint32>(at + 4),
                       .bytesPerSecond = qFromLittleEndian<quint32>(at + 8),
                       .blockAlign = qFromLittleEndian<quint16>(at + 12),
                       .bits = qFromLittleEndian<quint16>(at + 14),
                       .extension = body.mid(18)};
    // The extensible format names its samples by the first two bytes of a sub-format GUID.
    if (format.tag == extensibleTag && body.size() >= 26)
        format.tag = qFromLittleEndian<quint16>(at + 24);
    return format;
}

} // namespace

std::optional<WaveHeader> readWaveHeader(QIODevice &file)
{
    const qint64 total = file.size();
    if (!file.seek(0))
        return std::nullopt;
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8) != "WAVE")
        return std::nullopt;
    WaveHeader header;
    bool haveData = false;
    qint64 chunk = 12;
    for (int walked = 0; walked < mostChunks && !(haveData && header.format); ++walked) {
        // A chunk's head cut short, or no head where the last chunk says the next one starts.
        if (chunk + 8 > total || !file.seek(chunk))
            return std::nullopt;
        const QByteArray head = file.read(8);
        if (head.size() < 8)
            return std::nullopt;
        const quint32 size = qFromLittleEndian<quint32>(head.constData() + 4);
        const qint64 body = chunk + 8;
        const qint64 room = total - body;
        if (head.startsWith("fmt ")) {
            if (size < 16 || size > room)
                return std::nullopt;
            const QByteArray fields = file.read(std::min<qint64>(size, mostFormatBytes));
            if (fields.size() < 16)
                return std::nullopt;
            header.format = parseFormat(fields);
        } else if (head.startsWith("data") && !haveData) {
            haveData = true;
            header.samplesFirst = !header.format;
            header.dataStart = body;
            header.dataBytes = size == unknownLength ? room : std::min<qint64>(size, room);
        }
        chunk = body + size + (size & 1);
    }
    return header;
}

} // namespace pelmaroos::shell
