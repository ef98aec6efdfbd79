// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/SoundModule.h"

#include "shell/CueStream.h"
#include "shell/SdlAudio.h"

#include <QElapsedTimer>
#include <QFile>

#include <atomic>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmaroos::shell {

namespace {

// The cues are 22050 Hz mono 16-bit; the device is opened in that format so they play unconverted.
constexpr int cueRate = 22050;
constexpr Uint8 cueChannels = 1;
constexpr SDL_AudioFormat cueFormat = AUDIO_S16SYS;

// Only a regular file is read: a FIFO or a device named like a cue would block or never end. It is opened
// without waiting, so that a FIFO is found out rather than waited for.
std::unique_ptr<QIODevice> openCueFile(const QString &path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return nullptr;
    struct stat status = {};
    auto file = std::make_unique<QFile>();
    if (fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file->open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return nullptr;
    }
    return file;
}

} // namespace

struct SoundModule::Device {
    const SdlAudio *sdl = nullptr;
    bool initialised = false;
    SDL_AudioDeviceID id = 0;
    SDL_AudioSpec opened {};
    // Read and replaced only with the device locked.
    std::unique_ptr<CueStream> cue;
    std::atomic<bool> playing = false;

    // Runs on SDL's audio thread.
    static void SDLCALL feed(void *self, Uint8 *into, int length)
    {
        auto &device = *static_cast<Device *>(self);
        const int done = device.cue ? device.cue->read(into, length) : 0;
        if (done < length) {
            std::memset(into + done, device.opened.silence, std::size_t(length - done));
            device.playing = false;
        }
    }

    // Opened at each cue if need be: a device may appear after an earlier cue found none.
    bool open()
    {
        if (!sdl)
            return false;
        if (id != 0) {
            if (sdl->SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED)
                return true;
            close();
        }
        if (!initialised) {
            sdl->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
            if (sdl->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
                return false;
            initialised = true;
        }
        SDL_AudioSpec wanted {};
        wanted.freq = cueRate;
        wanted.format = cueFormat;
        wanted.channels = cueChannels;
        wanted.samples = 1024;
        wanted.callback = &Device::feed;
        wanted.userdata = this;
        id = sdl->SDL_OpenAudioDevice(nullptr, 0, &wanted, &opened, 0);
        if (id == 0)
            return false;
        sdl->SDL_PauseAudioDevice(id, 0);
        return true;
    }

    void close()
    {
        if (id != 0)
            sdl->SDL_CloseAudioDevice(id);
        id = 0;
        cue.reset();
        playing = false;
    }

    // The cue that was playing is let go only once the device no longer reads it.
    void replace(std::unique_ptr<CueStream> next)
    {
        sdl->SDL_LockAudioDevice(id);
        cue.swap(next);
        playing = bool(cue);
        sdl->SDL_UnlockAudioDevice(id);
    }
};

SoundModule::SoundModule()
    : m_device(std::make_unique<Device>())
    , m_opening(std::async(std::launch::async, [device = m_device.get()] {
        device->sdl = SdlAudio::load();
        if (!device->sdl)
            return;
        device->open();
        // SDL keeps per-thread data (its error text among it) for any thread that calls it, whether the
        // device opened or not; this thread ends here.
        device->sdl->SDL_TLSCleanup();
    }))
{
}

SoundModule::~SoundModule()
{
    awaitOpening();
    m_device->close();
    if (m_device->initialised)
        m_device->sdl->SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundModule::play(const QString &path)
{
    awaitOpening();
    Device &device = *m_device;
    if (!device.open())
        return false;
    // A new cue replaces the one playing, and one that cannot be played leaves silence in its place.
    std::unique_ptr<QIODevice> file = openCueFile(path);
    std::unique_ptr<CueStream> cue = file ? CueStream::open(*device.sdl, std::move(file), device.opened) : nullptr;
    const bool plays = bool(cue);
    device.replace(std::move(cue));
    return plays;
}

void SoundModule::finishPlaying(std::chrono::milliseconds limit)
{
    awaitOpening();
    const Device &device = *m_device;
    // A device that failed to open plays nothing.
    if (!device.playing)
        return;
    QElapsedTimer elapsed;
    elapsed.start();
    while (device.playing && elapsed.elapsed() < limit.count())
        device.sdl->SDL_Delay(10);
    // The device still holds its last buffer after the cue has run dry.
    const qint64 lastBufferMs = 1000 * qint64(device.opened.samples) / device.opened.freq + 10;
    device.sdl->SDL_Delay(Uint32(qBound<qint64>(0, limit.count() - elapsed.elapsed(), lastBufferMs)));
}

void SoundModule::awaitOpening()
{
    if (m_opening.valid())
        m_opening.wait();
}

} // namespace pelmaroos::shell
