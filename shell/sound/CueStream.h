// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/sound/Adpcm.h"
#include "shell/sound/CueFormat.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>

#include <memory>
#include <optional>

namespace pelmaroos::shell {

// One cue on its way to the sound output. Opening reads the wave file's header alone; the samples are read
// piece by piece as the output takes them, as the file holds them or decoded from ADPCM a block at a time,
// so a cue of any length starts at once and holds no more memory than a short one.
class CueStream final
{
public:
    // Null when the bytes are no wave file whose samples can be played.
    static std::unique_ptr<CueStream> open(std::unique_ptr<QIODevice> file);

    const CueFormat &format() const { return m_format; }

    // The cue's next whole frames: at most `mostBytes` of them, but at least a frame. Empty at the cue's end,
    // also where the file turns out shorter than its header says.
    QByteArrayView next(qint64 mostBytes);

private:
    CueStream(std::unique_ptr<QIODevice> file, const CueFormat &format, qint64 bytes, std::optional<AdpcmLayout> adpcm);
    QByteArrayView nextRead(qint64 mostBytes);
    QByteArrayView nextDecoded(qint64 mostBytes);

    std::unique_ptr<QIODevice> m_file;
    CueFormat m_format;
    // What is left of the samples' chunk in the file.
    qint64 m_left;
    std::optional<AdpcmLayout> m_adpcm;
    QByteArray m_piece;
    QByteArray m_decoded;
    qsizetype m_decodedTaken = 0;
};

} // namespace pelmaroos::shell
