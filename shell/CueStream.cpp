// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/CueStream.h"

#include "shell/WaveHeader.h"

#include <QtEndian>

#include <algorithm>
#include <optional>
#include <utility>

namespace pelmaroos::shell {

namespace {

constexpr quint16 pcmTag = 1;
constexpr quint16 floatTag = 3;
// Below or above these no wave file holds sound; the bounds also keep what one piece grows to when
// resampled small.
constexpr quint32 lowestRate = 1000;
constexpr quint32 highestRate = 768000;
constexpr int mostChannels = 8;
constexpr qint64 pieceBytes = 8192;

// The format SDL converts from, for the samples read as they stand; 24-bit samples are cut to their top
// 16 bits, all that the device's 16 bits keep of them.
std::optional<SDL_AudioFormat> streamedFormat(const WaveFormat &format)
{
    if (format.tag == floatTag && format.bits == 32)
        return AUDIO_F32LSB;
    if (format.tag != pcmTag)
        return std::nullopt;
    switch (format.bits) {
    case 8: return AUDIO_U8;
    case 16:
    case 24: return AUDIO_S16LSB;
    case 32: return AUDIO_S32LSB;
    default: return std::nullopt;
    }
}

// SDL allocates what a chunk declares before it reads the chunk, so no declared size may reach past the
// end of the file; a shorter chunk decodes exactly as SDL decodes a truncated one. The chunks follow
// "RIFF", the file's size, which SDL reserves nothing for, and "WAVE".
void clampChunkSizes(QByteArray &wave)
{
    for (qsizetype chunk = 12; chunk + 8 <= wave.size();) {
        const qint64 room = wave.size() - chunk - 8;
        const auto size = quint32(std::min<qint64>(qFromLittleEndian<quint32>(wave.constData() + chunk + 4), room));
        qToLittleEndian(size, wave.data() + chunk + 4);
        chunk += 8 + qsizetype(size) + (size & 1);
    }
}

} // namespace

// Where the samples come from: the file itself, read piece by piece, or what SDL decoded whole.
struct CueStream::Source {
    std::unique_ptr<QIODevice> file;
    Uint8 *decoded = nullptr;
    void (*freeDecoded)(Uint8 *) = nullptr;
    qint64 offset = 0;
    qint64 left = 0;
    int frameBytes = 1;
    bool narrow24 = false;
    QByteArray piece;
    QByteArray narrowed;
    // Silence to follow the samples: SDL's resampler keeps its last few milliseconds back until more
    // samples come, and a flush alone does not bring them out.
    QByteArray tail;

    ~Source()
    {
        if (decoded)
            freeDecoded(decoded);
    }

    // The next whole frames, at most a piece of them; empty at the end, also when the file is cut short.
    QByteArrayView next()
    {
        const qint64 want = std::min(left, pieceBytes) / frameBytes * frameBytes;
        if (want <= 0)
            return end();
        if (decoded) {
            const QByteArrayView view(decoded + offset, want);
            offset += want;
            left -= want;
            return view;
        }
        piece.resize(want);
        qint64 got = file->read(piece.data(), want);
        got -= got % frameBytes;
        left = got < want ? 0 : left - got;
        if (got <= 0)
            return end();
        if (!narrow24)
            return QByteArrayView(piece.constData(), got);
        narrowed.resize(got / 3 * 2);
        for (qint64 sample = 0; sample < got / 3; ++sample) {
            narrowed[sample * 2] = piece.at(sample * 3 + 1);
            narrowed[sample * 2 + 1] = piece.at(sample * 3 + 2);
        }
        return narrowed;
    }

    QByteArrayView end()
    {
        piece = std::exchange(tail, {});
        return piece;
    }
};

std::unique_ptr<CueStream> CueStream::open(const SdlAudio &sdl, std::unique_ptr<QIODevice> file,
                                           const SDL_AudioSpec &device)
{
    const std::optional<WaveHeader> header = readWaveHeader(*file);
    // Samples before their format cannot be read.
    if (!header || !header->format || header->samplesFirst || header->dataBytes == 0)
        return nullptr;
    const WaveFormat &format = *header->format;
    if (format.channels == 0 || format.channels > mostChannels || format.rate < lowestRate || format.rate > highestRate)
        return nullptr;

    auto source = std::make_unique<Source>();
    SDL_AudioFormat from = 0;
    int channels = format.channels;
    int rate = int(format.rate);
    if (const std::optional<SDL_AudioFormat> streamed = streamedFormat(format)) {
        if (!file->seek(header->dataStart))
            return nullptr;
        from = *streamed;
        source->narrow24 = format.bits == 24;
        source->left = header->dataBytes;
        source->file = std::move(file);
    } else {
        if (file->size() > maxDecodedBytes || !file->seek(0))
            return nullptr;
        QByteArray whole = file->readAll();
        clampChunkSizes(whole);
        SDL_AudioSpec loaded {};
        Uint32 length {};
        source->freeDecoded = sdl.SDL_FreeWAV;
        SDL_RWops *bytes = sdl.SDL_RWFromConstMem(whole.constData(), int(whole.size()));
        if (!bytes || !sdl.SDL_LoadWAV_RW(bytes, 1, &loaded, &source->decoded, &length))
            return nullptr;
        // Decoding may have grown the samples past the cap.
        if (length == 0 || length > maxDecodedBytes)
            return nullptr;
        from = loaded.format;
        channels = loaded.channels;
        rate = loaded.freq;
        source->left = length;
    }
    // A frame, one sample of every channel, as SDL is handed it; 24-bit frames are read whole and narrowed.
    const int frame = channels * int(SDL_AUDIO_BITSIZE(from) / 8);
    source->frameBytes = source->narrow24 ? channels * 3 : frame;
    if (rate != device.freq)
        source->tail = QByteArray(rate / 20 * frame, from == AUDIO_U8 ? '\x80' : '\0');
    SDL_AudioStream *converter =
        sdl.SDL_NewAudioStream(from, Uint8(channels), rate, device.format, device.channels, device.freq);
    if (!converter)
        return nullptr;
    return std::unique_ptr<CueStream>(new CueStream(sdl, converter, std::move(source)));
}

CueStream::CueStream(const SdlAudio &sdl, SDL_AudioStream *converter, std::unique_ptr<Source> source)
    : m_sdl(sdl)
    , m_converter(converter)
    , m_source(std::move(source))
{
}

CueStream::~CueStream()
{
    m_sdl.SDL_FreeAudioStream(m_converter);
}

int CueStream::read(Uint8 *into, int length)
{
    int done = 0;
    while (done < length) {
        const int got = m_sdl.SDL_AudioStreamGet(m_converter, into + done, length - done);
        if (got < 0)
            break;
        done += got;
        if (done == length || fill())
            continue;
        if (m_flushed)
            break;
        m_sdl.SDL_AudioStreamFlush(m_converter);
        m_flushed = true;
    }
    return done;
}

bool CueStream::fill()
{
    const QByteArrayView piece = m_source->next();
    return !piece.isEmpty() && m_sdl.SDL_AudioStreamPut(m_converter, piece.constData(), int(piece.size())) == 0;
}

} // namespace pelmaroos::shell
