// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
// libFuzzer's entry: the bytes of a file named like a cue, taken as the sound service takes a file, its
// header walked and its samples read, or decoded from ADPCM, to their end in the pieces the output takes.
#include "shell/sound/CueStream.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

using pelmaroos::shell::CueStream;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    auto file = std::make_unique<QBuffer>();
    file->setData(reinterpret_cast<const char *>(data), qsizetype(size));
    file->open(QIODevice::ReadOnly);
    const std::unique_ptr<CueStream> cue = CueStream::open(std::move(file));
    if (!cue)
        return 0;
    const qint64 frame = cue->format().frameBytes();
    for (QByteArrayView piece = cue->next(441 * frame); !piece.isEmpty(); piece = cue->next(441 * frame)) {
        if (piece.size() % frame != 0)
            std::abort();
    }
    return 0;
}
