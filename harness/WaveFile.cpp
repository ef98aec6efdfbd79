// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "harness/WaveFile.h"

#include <QFile>
#include <QtEndian>

namespace pelmaroos::harness {

QByteArray le16(quint16 value)
{
    const quint16 little = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&little), 2);
}

QByteArray le32(quint32 value)
{
    const quint32 little = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&little), 4);
}

QByteArray waveBytes(const std::vector<qint16> &samples, int rate, int channels)
{
    const auto dataSize = quint32(samples.size() * 2);
    QByteArray bytes = "RIFF" + le32(36 + dataSize) + "WAVEfmt " + le32(16) + le16(1) + le16(quint16(channels)) +
                       le32(quint32(rate)) + le32(quint32(rate * channels * 2)) + le16(quint16(channels * 2)) +
                       le16(16) + "data" + le32(dataSize);
    for (qint16 sample : samples)
        bytes += le16(quint16(sample));
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace pelmaroos::harness
