// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace pelmaroos::harness {

// A plain PCM wave file holding the given 16-bit samples.
QByteArray waveBytes(const std::vector<qint16> &samples, int rate = 22050, int channels = 1);
// `seconds` of a 440 Hz tone in the cues' own format.
QByteArray toneWave(double seconds);

void writeFile(const QString &path, const QByteArray &bytes);

} // namespace pelmaroos::harness
