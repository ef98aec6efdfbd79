#include "shell/SoundModule.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <memory>
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

} // namespace

SoundModule::SoundModule() = default;

SoundModule::~SoundModule()
{
    closeDevice();
    if (m_initialised)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundModule::play(const QString &path)
{
    if (!openDevice())
        return false;
    if (QFileInfo(path).size() > maxCueBytes)
        return false;

    SDL_AudioSpec spec {};
    Uint8 *buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(QFile::encodeName(path).constData(), &spec, &buffer, &length))
        return false;
    const std::unique_ptr<Uint8, WaveDeleter> wave(buffer);
    if (length == 0 || length > maxCueBytes)
        return false;

    SDL_AudioCVT cvt;
    const int needed = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, m_spec.format,
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

    // A new cue replaces the one playing.
    SDL_ClearQueuedAudio(m_device);
    return SDL_QueueAudio(m_device, samples, size) == 0;
}

void SoundModule::finishPlaying(std::chrono::milliseconds limit)
{
    if (m_device == 0)
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

void SoundModule::closeDevice()
{
    if (m_device != 0)
        SDL_CloseAudioDevice(m_device);
    m_device = 0;
}

} // namespace pelmaroos::shell
