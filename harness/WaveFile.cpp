// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "harness/WaveFile.h"

#include <QFile>
#include <QtEndian>

#include <cmath>
#include <numbers>

namespace pelmaroos::harness {

QByteArray waveBytes(const std::vector<qint16> &samples, int rate, int channels)
{
    QByteArray bytes;
    auto put32 = [&bytes](quint32 value) {
        const quint32 little = qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char *>(&little), 4);
    };
    auto put16 = [&bytes](quint16 value) {
        const quint16 little = qToLittleEndian(value);
        bytes.append(reinterpret_cast<const char *>(&little), 2);
    };
    const auto dataSize = quint32(samples.size() * 2);
    bytes.append("RIFF");
    put32(36 + dataSize);
    bytes.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(quint16(channels));
    put32(quint32(rate));
    put32(quint32(rate * channels * 2));
    put16(quint16(channels * 2));
    put16(16);
    bytes.append("data");
    put32(dataSize);
    for (qint16 sample : samples)
        put16(quint16(sample));
    return bytes;
}

QByteArray toneWave(double seconds)
{
    std::vector<qint16> samples(std::size_t(seconds * 22050));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = qint16(8000 * std::sin(double(i) * 2 * std::numbers::pi * 440 / 22050));
    return waveBytes(samples);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace pelmaroos::harness
