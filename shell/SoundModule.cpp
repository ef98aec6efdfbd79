// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/SoundModule.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace pelmaroos::shell {

namespace {

// The cues are 22050 Hz mono 16-bit; the device is opened in that format so they play unconverted.
constexpr int cueRate = 22050;
constexpr Uint8 cueChannels = 1;
constexpr SDL_AudioFormat cueFormat = AUDIO_S16SYS;

struct WaveDeleter {
    void operator()(Uint8 *buffer) const { SDL_FreeWAV(buffer); }
};

// Only a regular file is read, and only up to the cap: a FIFO or a device named like a cue would block or
// never end. The size is taken as it was measured.
std::optional<QByteArray> readCue(const QString &path, qint64 cap)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > cap)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(info.size());
}

// SDL allocates what a chunk declares before it reads the chunk, so no declared size may reach past the
// end of the file; a shorter chunk decodes exactly as SDL decodes a truncated one.
void clampChunkSizes(QByteArray &wave)
{
    auto clamp = [&wave](qsizetype sizeField) {
        const qint64 room = wave.size() - sizeField - 4;
        const auto size = quint32(std::min<qint64>(qFromLittleEndian<quint32>(wave.constData() + sizeField), room));
        qToLittleEndian(size, wave.data() + sizeField);
        return size;
    };
    qsizetype chunk = 0;
    if (wave.startsWith("RIFF") && wave.size() >= 12) {
        clamp(4);
        chunk = 12;
    } else if (wave.startsWith("WAVE")) {
        chunk = 4;
    } else {
        return;
    }
    while (chunk + 8 <= wave.size()) {
        const quint32 size = clamp(chunk + 4);
        chunk += 8 + qsizetype(size) + (size & 1);
    }
}

} // namespace

SoundModule::SoundModule()
    : m_opening(std::async(std::launch::async, [this] {
        const bool opened = openDevice();
        // SDL keeps per-thread data for any thread that calls it; this one ends here.
        SDL_TLSCleanup();
        return opened;
    }))
{
}

SoundModule::~SoundModule()
{
    awaitOpening();
    closeDevice();
    if (m_initialised)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundModule::play(const QString &path)
{
    awaitOpening();
    if (!openDevice())
        return false;
    // A new cue replaces the one playing, and one that cannot be played leaves silence in its place.
    SDL_ClearQueuedAudio(m_device);
    std::optional<QByteArray> file = readCue(path, maxCueBytes);
    if (!file)
        return false;
    clampChunkSizes(*file);

    SDL_AudioSpec loaded {};
    Uint8 *buffer = nullptr;
    Uint32 length = 0;
    SDL_RWops *source = SDL_RWFromConstMem(file->constData(), int(file->size()));
    if (!source || !SDL_LoadWAV_RW(source, 1, &loaded, &buffer, &length))
        return false;
    const std::unique_ptr<Uint8, WaveDeleter> wave(buffer);
    file.reset();
    // Decoding may have grown the samples past the cap.
    if (length == 0 || length > maxCueBytes)
        return false;

    SDL_AudioCVT cvt;
    const int needed = SDL_BuildAudioCVT(&cvt, loaded.format, loaded.channels, loaded.freq, m_spec.format,
                                         m_spec.channels, m_spec.freq);
    if (needed < 0)
        return false;
    const Uint8 *samples = buffer;
    Uint32 size = length;
    std::vector<Uint8> converted;
    if (needed == 1) {
        if (qint64(length) * cvt.len_mult > maxCueBytes)
            return false;
        converted.resize(std::size_t(length) * cvt.len_mult);
        std::memcpy(converted.data(), buffer, length);
        cvt.buf = converted.data();
        cvt.len = int(length);
        if (SDL_ConvertAudio(&cvt) != 0)
            return false;
        samples = converted.data();
        size = Uint32(cvt.len_cvt);
    }

    return SDL_QueueAudio(m_device, samples, size) == 0;
}

void SoundModule::finishPlaying(std::chrono::milliseconds limit)
{
    awaitOpening();
    if (m_device == 0 || SDL_GetQueuedAudioSize(m_device) == 0)
        return;
    QElapsedTimer elapsed;
    elapsed.start();
    while (SDL_GetQueuedAudioSize(m_device) > 0 && elapsed.elapsed() < limit.count())
        SDL_Delay(10);
    // The device still holds its last buffer after the queue has run dry.
    const qint64 lastBufferMs = 1000 * qint64(m_spec.samples) / m_spec.freq + 10;
    SDL_Delay(Uint32(qBound<qint64>(0, limit.count() - elapsed.elapsed(), lastBufferMs)));
}

// Opened at each cue if need be: a device may appear after an earlier cue found none.
bool SoundModule::openDevice()
{
    if (m_device != 0) {
        if (SDL_GetAudioDeviceStatus(m_device) != SDL_AUDIO_STOPPED)
            return true;
        closeDevice();
    }
    if (!m_initialised) {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        m_initialised = true;
    }
    SDL_AudioSpec wanted {};
    wanted.freq = cueRate;
    wanted.format = cueFormat;
    wanted.channels = cueChannels;
    wanted.samples = 1024;
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &m_spec, 0);
    if (m_device == 0)
        return false;
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void SoundModule::awaitOpening()
{
    if (m_opening.valid())
        m_opening.wait();
}

void SoundModule::closeDevice()
{
    if (m_device != 0)
        SDL_CloseAudioDevice(m_device);
    m_device = 0;
}

} // namespace pelmaroos::shell
