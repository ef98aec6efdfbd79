// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/sound/AlsaOutput.h"

#include "shell/sound/RunTimeLibrary.h"

#include <alsa/asoundlib.h>

namespace pelmaroos::shell {

namespace {

#define PELMAROOS_ALSA_CALLS(call)                                                                                     \
    call(snd_pcm_open) call(snd_pcm_set_params) call(snd_pcm_writei) call(snd_pcm_recover) call(snd_pcm_drop)          \
        call(snd_pcm_prepare) call(snd_pcm_drain) call(snd_pcm_close) call(snd_lib_error_set_handler)

struct Alsa {
#define PELMAROOS_ALSA_MEMBER(name) decltype(&::name) name = nullptr;
    PELMAROOS_ALSA_CALLS(PELMAROOS_ALSA_MEMBER)
};

// ALSA reports every failure on the error output, a missing device among them; the game says nothing there and
// warns in its own box instead.
void ignoreAlsaError(const char *, int, const char *, int, const char *, ...)
{
}

const Alsa *alsa()
{
    static const Alsa *const loaded = []() -> const Alsa * {
        void *library = loadRunTimeLibrary("libasound.so.2");
        static Alsa calls;
        bool complete = library != nullptr;
#define PELMAROOS_ALSA_LOOK_UP(name) complete = complete && lookUpCall(library, #name, calls.name);
        PELMAROOS_ALSA_CALLS(PELMAROOS_ALSA_LOOK_UP)
        if (!complete)
            return nullptr;
        calls.snd_lib_error_set_handler(ignoreAlsaError);
        return &calls;
    }();
    return loaded;
}

snd_pcm_format_t alsaSample(CueFormat::Sample sample)
{
    switch (sample) {
    case CueFormat::Sample::U8: return SND_PCM_FORMAT_U8;
    case CueFormat::Sample::S16: return SND_PCM_FORMAT_S16_LE;
    case CueFormat::Sample::S24: return SND_PCM_FORMAT_S24_3LE;
    case CueFormat::Sample::S32: return SND_PCM_FORMAT_S32_LE;
    case CueFormat::Sample::Float: return SND_PCM_FORMAT_FLOAT_LE;
    case CueFormat::Sample::ALaw: return SND_PCM_FORMAT_A_LAW;
    case CueFormat::Sample::MuLaw: return SND_PCM_FORMAT_MU_LAW;
    }
    return SND_PCM_FORMAT_UNKNOWN;
}

class AlsaOutput final : public SoundOutput
{
public:
    AlsaOutput(const Alsa &alsa, snd_pcm_t *device, int frameBytes)
        : m_alsa(alsa)
        , m_device(device)
        , m_frameBytes(frameBytes)
    {
    }
    ~AlsaOutput() override { m_alsa.snd_pcm_close(m_device); }
    AlsaOutput(const AlsaOutput &) = delete;
    AlsaOutput &operator=(const AlsaOutput &) = delete;

    bool write(QByteArrayView samples) override
    {
        const char *at = samples.data();
        snd_pcm_uframes_t left = snd_pcm_uframes_t(samples.size() / m_frameBytes);
        while (left > 0) {
            snd_pcm_sframes_t written = m_alsa.snd_pcm_writei(m_device, at, left);
            // An underrun between cues is no failure: the device is made ready again and written anew.
            if (written < 0)
                written = m_alsa.snd_pcm_recover(m_device, int(written), 1);
            if (written < 0)
                return false;
            at += written * m_frameBytes;
            left -= snd_pcm_uframes_t(written);
        }
        return true;
    }

    void flush() override
    {
        m_alsa.snd_pcm_drop(m_device);
        m_alsa.snd_pcm_prepare(m_device);
    }

    void drain() override
    {
        m_alsa.snd_pcm_drain(m_device);
        m_alsa.snd_pcm_prepare(m_device);
    }

private:
    const Alsa &m_alsa;
    snd_pcm_t *m_device;
    int m_frameBytes;
};

} // namespace

std::unique_ptr<SoundOutput> openAlsaOutput(const CueFormat &format)
{
    const Alsa *calls = alsa();
    if (!calls)
        return nullptr;
    snd_pcm_t *device = nullptr;
    if (calls->snd_pcm_open(&device, "default", SND_PCM_STREAM_PLAYBACK, 0) != 0)
        return nullptr;
    // ALSA converts the rate itself where the device lacks the cue's.
    const int allowResampling = 1;
    if (calls->snd_pcm_set_params(device, alsaSample(format.sample), SND_PCM_ACCESS_RW_INTERLEAVED,
                                  unsigned(format.channels), unsigned(format.rate), allowResampling,
                                  unsigned(queuedMilliseconds) * 1000) != 0) {
        calls->snd_pcm_close(device);
        return nullptr;
    }
    return std::make_unique<AlsaOutput>(*calls, device, format.frameBytes());
}

} // namespace pelmaroos::shell
