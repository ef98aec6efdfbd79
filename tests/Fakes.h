// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms/MessageBox.h"
#include "shell/sound/SoundService.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace pelmaroos::tests {

struct ShownBox {
    QString prompt;
    shell::MessageStyle style;
    QString title;
};

// Records every message box instead of showing it, and can look around at that moment.
class FakeMessageBoxes final : public shell::MessageBoxService
{
public:
    void show(const QString &prompt, shell::MessageStyle style, const QString &title) override
    {
        shown.push_back({prompt, style, title});
        if (onShow)
            onShow();
    }

    std::vector<ShownBox> shown;
    std::function<void()> onShow;
};

// Records the paths it is asked to play, all of which play unless told otherwise.
class FakeSound final : public shell::SoundService
{
public:
    bool play(const QString &path) override
    {
        played.append(path);
        if (onPlay)
            onPlay(path);
        return playAll;
    }

    QStringList fileNamesPlayed() const
    {
        QStringList names;
        for (const QString &path : played)
            names.append(path.section(QLatin1Char('/'), -1));
        return names;
    }

    bool playAll = true;
    QStringList played;
    std::function<void(const QString &)> onPlay;
};

} // namespace pelmaroos::tests
