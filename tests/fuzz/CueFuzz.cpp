// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
// libFuzzer's entry: the bytes of a file named like a cue, taken as the sound service takes a file, its
// header walked and its samples read and converted to the device's format, to their end.
#include "shell/CueStream.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

using pelmaroos::shell::CueStream;
using pelmaroos::shell::SdlAudio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const SdlAudio *const sdl = SdlAudio::load();
    if (!sdl)
        std::abort();
    SDL_AudioSpec device {};
    device.freq = 22050;
    device.format = AUDIO_S16SYS;
    device.channels = 1;
    device.samples = 1024;
    auto file = std::make_unique<QBuffer>();
    file->setData(reinterpret_cast<const char *>(data), qsizetype(size));
    file->open(QIODevice::ReadOnly);
    const std::unique_ptr<CueStream> cue = CueStream::open(*sdl, std::move(file), device);
    if (!cue)
        return 0;
    Uint8 buffer[2048];
    while (cue->read(buffer, sizeof buffer) == sizeof buffer) { }
    return 0;
}
