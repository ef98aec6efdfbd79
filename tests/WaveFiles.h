#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <vector>

namespace pelmaroos::tests {

// A canonical PCM wave file holding the given 16-bit samples.
inline QByteArray waveBytes(const std::vector<qint16> &samples, int rate = 22050, int channels = 1)
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

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

inline std::vector<qint16> constantSamples(std::size_t count, qint16 value)
{
    return std::vector<qint16>(count, value);
}

} // namespace pelmaroos::tests
