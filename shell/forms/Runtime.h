// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms/MessageBox.h"
#include "shell/forms/ScreenRegistry.h"
#include "shell/sound/SoundService.h"

namespace pelmaroos::shell {

// What every event procedure reaches: the screens, the message boxes, the sound service and the
// application folder.
class Runtime final
{
public:
    Runtime(MessageBoxService &messageBoxes, SoundService &sound, QString applicationFolder)
        : m_messageBoxes(messageBoxes)
        , m_sound(sound)
        , m_applicationFolder(std::move(applicationFolder))
    {
    }

    ScreenRegistry &screens() { return m_screens; }
    Screen &screen(ScreenName name) { return m_screens.screen(name); }
    MessageBoxService &messageBoxes() { return m_messageBoxes; }
    SoundService &sound() { return m_sound; }
    // The folder of the program file, without a trailing separator.
    const QString &applicationFolder() const { return m_applicationFolder; }

private:
    ScreenRegistry m_screens;
    MessageBoxService &m_messageBoxes;
    SoundService &m_sound;
    QString m_applicationFolder;
};

} // namespace pelmaroos::shell
