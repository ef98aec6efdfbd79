// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/sound/Adpcm.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <limits>
#include <tuple>

namespace pelmaroos::shell {

namespace {

constexpr quint16 microsoftTag = 0x0002;
constexpr quint16 imaTag = 0x0011;

constexpr std::array<int, 89> imaSteps {
    7,    8,     9,     10,    11,    12,    13,    14,    16,    17,    19,    21,    23,    25,   28,
    31,   34,    37,    41,    45,    50,    55,    60,    66,    73,    80,    88,    97,    107,  118,
    130,  143,   157,   173,   190,   209,   230,   253,   279,   307,   337,   371,   408,   449,  494,
    544,  598,   658,   724,   796,   876,   963,   1060,  1166,  1282,  1411,  1552,  1707,  1878, 2066,
    2272, 2499,  2749,  3024,  3327,  3660,  4026,  4428,  4871,  5358,  5894,  6484,  7132,  7845, 8630,
    9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385, 24623, 27086, 29794, 32767};
constexpr int lastImaStep = int(imaSteps.size()) - 1;
constexpr std::array<int, 8> imaIndexSteps {-1, -1, -1, -1, 2, 4, 6, 8};

constexpr std::array<int, 16> microsoftAdaptation {230, 230, 230, 230, 307, 409, 512, 614,
                                                   768, 614, 512, 409, 307, 230, 230, 230};
constexpr int largestStep = std::numeric_limits<int>::max() / 768;
const std::vector<std::pair<int, int>> microsoftStandardCoefficients {{256, 0}, {512, -256}, {0, 0},     {192, 64},
                                                                      {240, 0}, {460, -208}, {392, -232}};

qint16 clamp16(int value)
{
    return qint16(std::clamp(value, -32768, 32767));
}

int le16At(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<qint16>(bytes.data() + at);
}

void put(QByteArray &frames, qsizetype sample, qint16 value)
{
    qToLittleEndian(value, frames.data() + 2 * sample);
}

struct ImaChannel {
    int predicted = 0;
    int index = 0;

    qint16 next(int nibble)
    {
        const int step = imaSteps[std::size_t(index)];
        int difference = step >> 3;
        if (nibble & 4)
            difference += step;
        if (nibble & 2)
            difference += step >> 1;
        if (nibble & 1)
            difference += step >> 2;
        predicted = clamp16(nibble & 8 ? predicted - difference : predicted + difference);
        index = std::clamp(index + imaIndexSteps[std::size_t(nibble & 7)], 0, lastImaStep);
        return qint16(predicted);
    }
};

// Each channel's header (its first sample and step index), then groups of four bytes, eight samples, for
// each channel in turn, the low half of each byte first.
void decodeIma(const AdpcmLayout &layout, QByteArrayView block, QByteArray &frames)
{
    const int channels = layout.channels;
    const qsizetype groupBytes = 4 * qsizetype(channels);
    if (block.size() < groupBytes)
        return;
    const qsizetype frameCount =
        std::min<qsizetype>(layout.framesPerBlock, 1 + (block.size() - groupBytes) / groupBytes * 8);
    frames.resize(frameCount * channels * 2);
    for (int channel = 0; channel < channels; ++channel) {
        ImaChannel decoder {le16At(block, 4 * channel), std::min(int(quint8(block[4 * channel + 2])), lastImaStep)};
        put(frames, channel, qint16(decoder.predicted));
        for (qsizetype frame = 1; frame < frameCount; ++frame) {
            const qsizetype group = (frame - 1) / 8;
            const qsizetype inGroup = (frame - 1) % 8;
            const auto byte = quint8(block[groupBytes + group * groupBytes + 4 * channel + inGroup / 2]);
            put(frames, frame * channels + channel, decoder.next(inGroup % 2 ? byte >> 4 : byte & 15));
        }
    }
}

// A predictor index for each channel, then each channel's step, second sample and first sample, then a
// sample of each channel in turn in each half of a byte, the high half first.
void decodeMicrosoft(const AdpcmLayout &layout, QByteArrayView block, QByteArray &frames)
{
    const int channels = layout.channels;
    const qsizetype headerBytes = 7 * qsizetype(channels);
    if (block.size() < headerBytes)
        return;
    struct Channel {
        int first = 0;
        int second = 0;
        int step = 0;
        int sample1 = 0;
        int sample2 = 0;
    };
    std::vector<Channel> state(std::size_t(channels), Channel {});
    for (int channel = 0; channel < channels; ++channel) {
        const auto predictor = std::size_t(quint8(block[channel]));
        if (predictor >= layout.coefficients.size())
            return;
        Channel &decoder = state[std::size_t(channel)];
        std::tie(decoder.first, decoder.second) = layout.coefficients[predictor];
        decoder.step = le16At(block, channels + 2 * channel);
        decoder.sample1 = le16At(block, 3 * channels + 2 * channel);
        decoder.sample2 = le16At(block, 5 * channels + 2 * channel);
    }
    const qsizetype frameCount =
        std::min<qsizetype>(layout.framesPerBlock, 2 + (block.size() - headerBytes) * 2 / channels);
    frames.resize(frameCount * channels * 2);
    for (int channel = 0; channel < channels; ++channel) {
        put(frames, channel, qint16(state[std::size_t(channel)].sample2));
        if (frameCount > 1)
            put(frames, channels + channel, qint16(state[std::size_t(channel)].sample1));
    }
    for (qsizetype sample = 2 * channels; sample < frameCount * channels; ++sample) {
        const qsizetype nibbleAt = sample - 2 * channels;
        const auto byte = quint8(block[headerBytes + nibbleAt / 2]);
        const int nibble = nibbleAt % 2 ? byte & 15 : byte >> 4;
        Channel &decoder = state[std::size_t(sample % channels)];
        const qint64 predicted =
            (qint64(decoder.sample1) * decoder.first + qint64(decoder.sample2) * decoder.second) / 256;
        const qint16 value = clamp16(
            int(std::clamp<qint64>(predicted + (nibble >= 8 ? nibble - 16 : nibble) * decoder.step, -32768, 32767)));
        decoder.sample2 = decoder.sample1;
        decoder.sample1 = value;
        // A step that only ever grows is held where it cannot overflow.
        decoder.step = std::clamp(microsoftAdaptation[std::size_t(nibble)] * decoder.step / 256, 16, largestStep);
        put(frames, sample, value);
    }
}

} // namespace

std::optional<AdpcmLayout> adpcmLayout(const WaveFormat &format)
{
    if ((format.tag != imaTag && format.tag != microsoftTag) || format.bits != 4 || format.channels == 0)
        return std::nullopt;
    AdpcmLayout layout;
    layout.kind = format.tag == imaTag ? AdpcmLayout::Kind::Ima : AdpcmLayout::Kind::Microsoft;
    layout.channels = format.channels;
    layout.blockBytes = format.blockAlign;
    const QByteArray &extension = format.extension;
    const int channels = layout.channels;
    int framesInBlock = 0;
    if (layout.kind == AdpcmLayout::Kind::Ima) {
        if (layout.blockBytes < 4 * channels)
            return std::nullopt;
        framesInBlock = 1 + (layout.blockBytes - 4 * channels) / (4 * channels) * 8;
    } else {
        if (layout.blockBytes < 7 * channels)
            return std::nullopt;
        framesInBlock = 2 + (layout.blockBytes - 7 * channels) * 2 / channels;
        // The format's own table when it holds at least the standard seven pairs, which every encoder writes.
        const qsizetype declared = extension.size() >= 4 ? le16At(extension, 2) & 0xFFFF : 0;
        const qsizetype held = std::min<qsizetype>(declared, (extension.size() - 4) / 4);
        layout.coefficients = microsoftStandardCoefficients;
        if (held >= qsizetype(microsoftStandardCoefficients.size())) {
            layout.coefficients.clear();
            for (qsizetype pair = 0; pair < held; ++pair)
                layout.coefficients.emplace_back(le16At(extension, 4 + 4 * pair), le16At(extension, 6 + 4 * pair));
        }
    }
    // A block may hold fewer frames than it has room for, as its format says.
    const int declaredFrames = extension.size() >= 2 ? le16At(extension, 0) & 0xFFFF : 0;
    layout.framesPerBlock = declaredFrames > 0 ? std::min(declaredFrames, framesInBlock) : framesInBlock;
    return layout;
}

void decodeAdpcmBlock(const AdpcmLayout &layout, QByteArrayView block, QByteArray &frames)
{
    frames.clear();
    if (layout.kind == AdpcmLayout::Kind::Ima)
        decodeIma(layout, block, frames);
    else
        decodeMicrosoft(layout, block, frames);
}

} // namespace pelmaroos::shell
