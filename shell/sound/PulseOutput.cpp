// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/sound/PulseOutput.h"

#include "shell/sound/RunTimeLibrary.h"

#include <QtGlobal>

#include <pulse/simple.h>

#include <array>

namespace pelmaroos::shell {

namespace {

#define PELMAROOS_PULSE_CALLS(call)                                                                                    \
    call(pa_simple_new) call(pa_simple_write) call(pa_simple_drain) call(pa_simple_flush) call(pa_simple_free)

struct PulseSimple {
#define PELMAROOS_PULSE_MEMBER(name) decltype(&::name) name = nullptr;
    PELMAROOS_PULSE_CALLS(PELMAROOS_PULSE_MEMBER)
};

const PulseSimple *pulseSimple()
{
    static const PulseSimple *const loaded = []() -> const PulseSimple * {
        void *library = loadRunTimeLibrary("libpulse-simple.so.0");
        static PulseSimple calls;
        bool complete = library != nullptr;
#define PELMAROOS_PULSE_LOOK_UP(name) complete = complete && lookUpCall(library, #name, calls.name);
        PELMAROOS_PULSE_CALLS(PELMAROOS_PULSE_LOOK_UP)
        return complete ? &calls : nullptr;
    }();
    return loaded;
}

pa_sample_format_t pulseSample(CueFormat::Sample sample)
{
    switch (sample) {
    case CueFormat::Sample::U8: return PA_SAMPLE_U8;
    case CueFormat::Sample::S16: return PA_SAMPLE_S16LE;
    case CueFormat::Sample::S24: return PA_SAMPLE_S24LE;
    case CueFormat::Sample::S32: return PA_SAMPLE_S32LE;
    case CueFormat::Sample::Float: return PA_SAMPLE_FLOAT32LE;
    case CueFormat::Sample::ALaw: return PA_SAMPLE_ALAW;
    case CueFormat::Sample::MuLaw: return PA_SAMPLE_ULAW;
    }
    return PA_SAMPLE_INVALID;
}

// A wave file's channels in the order its format defines for them, for as many as a cue may have; libpulse
// has no default beyond six.
pa_channel_map waveChannels(int channels)
{
    static constexpr std::array order {
        PA_CHANNEL_POSITION_FRONT_LEFT,
        PA_CHANNEL_POSITION_FRONT_RIGHT,
        PA_CHANNEL_POSITION_FRONT_CENTER,
        PA_CHANNEL_POSITION_LFE,
        PA_CHANNEL_POSITION_REAR_LEFT,
        PA_CHANNEL_POSITION_REAR_RIGHT,
        PA_CHANNEL_POSITION_FRONT_LEFT_OF_CENTER,
        PA_CHANNEL_POSITION_FRONT_RIGHT_OF_CENTER,
    };
    static_assert(order.size() == CueFormat::mostChannels);
    pa_channel_map map {};
    map.channels = quint8(channels);
    if (channels == 1)
        map.map[0] = PA_CHANNEL_POSITION_MONO;
    else
        for (int channel = 0; channel < channels; ++channel)
            map.map[channel] = order[std::size_t(channel)];
    return map;
}

class PulseOutput final : public SoundOutput
{
public:
    PulseOutput(const PulseSimple &pulse, pa_simple *stream)
        : m_pulse(pulse)
        , m_stream(stream)
    {
    }
    ~PulseOutput() override { m_pulse.pa_simple_free(m_stream); }
    PulseOutput(const PulseOutput &) = delete;
    PulseOutput &operator=(const PulseOutput &) = delete;

    bool write(QByteArrayView samples) override
    {
        return m_pulse.pa_simple_write(m_stream, samples.data(), std::size_t(samples.size()), nullptr) == 0;
    }
    void flush() override { m_pulse.pa_simple_flush(m_stream, nullptr); }
    void drain() override { m_pulse.pa_simple_drain(m_stream, nullptr); }

private:
    const PulseSimple &m_pulse;
    pa_simple *m_stream;
};

} // namespace

std::unique_ptr<SoundOutput> openPulseOutput(const CueFormat &format)
{
    const PulseSimple *pulse = pulseSimple();
    if (!pulse)
        return nullptr;
    const pa_sample_spec sampleSpec {pulseSample(format.sample), quint32(format.rate), quint8(format.channels)};
    const pa_channel_map channels = waveChannels(format.channels);
    // A short queue, so that a cue that replaces another is heard at once.
    const auto queued = quint32(qint64(format.rate) * queuedMilliseconds / 1000 * format.frameBytes());
    const auto serverChooses = quint32(-1);
    const pa_buffer_attr buffer {serverChooses, queued, serverChooses, serverChooses, serverChooses};
    pa_simple *stream = pulse->pa_simple_new(nullptr, "Pelmaroos Trivia", PA_STREAM_PLAYBACK, nullptr, "Sound cue",
                                             &sampleSpec, &channels, &buffer, nullptr);
    if (!stream)
        return nullptr;
    return std::make_unique<PulseOutput>(*pulse, stream);
}

} // namespace pelmaroos::shell
