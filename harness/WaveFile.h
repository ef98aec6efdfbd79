// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace pelmaroos::harness {

// Numbers as a wave file holds them, least significant byte first.
QByteArray le16(quint16 value);
QByteArray le32(quint32 value);

// A plain PCM wave file holding the given 16-bit samples.
QByteArray waveBytes(const std::vector<qint16> &samples, int rate = 22050, int channels = 1);

void writeFile(const QString &path, const QByteArray &bytes);

} // namespace pelmaroos::harness
