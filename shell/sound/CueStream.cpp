// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/sound/CueStream.h"

#include "shell/sound/WaveHeader.h"

#include <algorithm>

namespace pelmaroos::shell {

namespace {

constexpr quint16 pcmTag = 1;
constexpr quint16 floatTag = 3;
constexpr quint16 aLawTag = 6;
constexpr quint16 muLawTag = 7;
// Below or above these no wave file holds sound.
constexpr quint32 lowestRate = 1000;
constexpr quint32 highestRate = 768000;

// The samples as the file holds them, where the output can take them so.
std::optional<CueFormat::Sample> storedSample(const WaveFormat &format)
{
    using Sample = CueFormat::Sample;
    switch (format.tag) {
    case pcmTag:
        switch (format.bits) {
        case 8: return Sample::U8;
        case 16: return Sample::S16;
        case 24: return Sample::S24;
        case 32: return Sample::S32;
        default: return std::nullopt;
        }
    case floatTag: return format.bits == 32 ? std::optional(Sample::Float) : std::nullopt;
    case aLawTag: return format.bits == 8 ? std::optional(Sample::ALaw) : std::nullopt;
    case muLawTag: return format.bits == 8 ? std::optional(Sample::MuLaw) : std::nullopt;
    default: return std::nullopt;
    }
}

} // namespace

std::unique_ptr<CueStream> CueStream::open(std::unique_ptr<QIODevice> file)
{
    const std::optional<WaveHeader> header = readWaveHeader(*file);
    // Samples before their format cannot be read.
    if (!header || !header->format || header->samplesFirst || header->dataBytes == 0)
        return nullptr;
    const WaveFormat &wave = *header->format;
    if (wave.channels == 0 || wave.channels > CueFormat::mostChannels || wave.rate < lowestRate ||
        wave.rate > highestRate)
        return nullptr;
    std::optional<AdpcmLayout> adpcm = adpcmLayout(wave);
    const std::optional<CueFormat::Sample> sample = adpcm ? CueFormat::Sample::S16 : storedSample(wave);
    if (!sample || !file->seek(header->dataStart))
        return nullptr;
    const CueFormat format {*sample, int(wave.rate), wave.channels};
    return std::unique_ptr<CueStream>(new CueStream(std::move(file), format, header->dataBytes, std::move(adpcm)));
}

CueStream::CueStream(std::unique_ptr<QIODevice> file, const CueFormat &format, qint64 bytes,
                     std::optional<AdpcmLayout> adpcm)
    : m_file(std::move(file))
    , m_format(format)
    , m_left(bytes)
    , m_adpcm(std::move(adpcm))
{
}

QByteArrayView CueStream::next(qint64 mostBytes)
{
    return m_adpcm ? nextDecoded(mostBytes) : nextRead(mostBytes);
}

QByteArrayView CueStream::nextRead(qint64 mostBytes)
{
    const int frame = m_format.frameBytes();
    const qint64 want = std::min(m_left, std::max<qint64>(mostBytes, frame)) / frame * frame;
    if (want <= 0)
        return {};
    m_piece.resize(want);
    qint64 got = m_file->read(m_piece.data(), want);
    got -= got % frame;
    m_left = got < want ? 0 : m_left - got;
    return got > 0 ? QByteArrayView(m_piece.constData(), got) : QByteArrayView();
}

QByteArrayView CueStream::nextDecoded(qint64 mostBytes)
{
    if (m_decodedTaken == m_decoded.size()) {
        const qint64 want = std::min<qint64>(m_left, m_adpcm->blockBytes);
        if (want <= 0)
            return {};
        m_piece.resize(want);
        const qint64 got = std::max<qint64>(m_file->read(m_piece.data(), want), 0);
        m_left = got < want ? 0 : m_left - got;
        decodeAdpcmBlock(*m_adpcm, QByteArrayView(m_piece.constData(), got), m_decoded);
        m_decodedTaken = 0;
        // A block that holds no sound ends the cue.
        if (m_decoded.isEmpty())
            m_left = 0;
    }
    const int frame = m_format.frameBytes();
    const qsizetype take =
        std::min<qint64>(m_decoded.size() - m_decodedTaken, std::max<qint64>(mostBytes, frame)) / frame * frame;
    const QByteArrayView piece(m_decoded.constData() + m_decodedTaken, take);
    m_decodedTaken += take;
    return piece;
}

} // namespace pelmaroos::shell
