// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/SdlAudio.h"

#include <QByteArray>
#include <QIODevice>

#include <memory>

namespace pelmaroos::shell {

// One cue on its way to the device. Opening reads the wave file's header alone; the samples are read,
// converted to the device's format and handed over in pieces as the device asks for them, so a cue of any
// length starts at once and holds no more memory than a short one.
class CueStream final
{
public:
    // Null when the bytes are no wave file the device can play.
    static std::unique_ptr<CueStream> open(const SdlAudio &sdl, std::unique_ptr<QIODevice> file,
                                           const SDL_AudioSpec &device);
    ~CueStream();
    CueStream(const CueStream &) = delete;
    CueStream &operator=(const CueStream &) = delete;

    // Fills `into` with the cue's next samples in the device's format; fewer than asked only at its end.
    int read(Uint8 *into, int length);

    // Compressed samples (ADPCM, A-law, mu-law) only SDL decodes, and only whole: such a cue larger than
    // this, as a file or once decoded, is treated as unplayable.
    static constexpr qint64 maxDecodedBytes = 64 * 1024 * 1024;

private:
    struct Source;
    CueStream(const SdlAudio &sdl, SDL_AudioStream *converter, std::unique_ptr<Source> source);
    // Hands the converter the next piece of samples; false at their end.
    bool fill();

    const SdlAudio &m_sdl;
    SDL_AudioStream *m_converter;
    std::unique_ptr<Source> m_source;
    bool m_flushed = false;
};

} // namespace pelmaroos::shell
