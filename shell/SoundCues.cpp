// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/SoundCues.h"

#include "shell/forms/Runtime.h"

namespace pelmaroos::shell {

void PlayCue(Runtime &runtime, const QString &cueName)
{
    if (!runtime.sound().play(runtime.applicationFolder() + cueName))
        MusicWarning(runtime);
}

void MusicWarning(Runtime &runtime)
{
    MsgBox(runtime.messageBoxes(),
           QStringLiteral("You didn't follow my unzipping instructions properly because your not hearing the music!"),
           MessageStyle::OkOnly);
}

} // namespace pelmaroos::shell
