// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pelmaroos::shell {

class Runtime;

// Cue names start with the path separator and are appended to the application folder as they stand.
namespace cues {
inline const QString theme = QStringLiteral("/theme.wav");
inline const QString doh = QStringLiteral("/doh.wav");
inline const QString good = QStringLiteral("/good.wav");
inline const QString bad = QStringLiteral("/bad.wav");
inline const QString wow = QStringLiteral("/wow.wav");
inline const QString haha = QStringLiteral("/haha.wav");
inline const QString excellent = QStringLiteral("/excellent.wav");
inline const QString stupid = QStringLiteral("/stupid.wav");
inline const QString brilliant = QStringLiteral("/brilliant.wav");
} // namespace cues

// Starts the cue in the background; when it cannot be played, warns and lets the caller go on.
void PlayCue(Runtime &runtime, const QString &cueName);

void MusicWarning(Runtime &runtime);

} // namespace pelmaroos::shell
