// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Fakes.h"
#include "app/Game.h"
#include "harness/GamePlayer.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace pelmaroos::tests {

// The whole game over recording fakes, started and played through its widgets as a player would.
class GameFixture : public harness::GamePlayer
{
public:
    FakeMessageBoxes boxes;
    FakeSound sound;
    QTemporaryDir folder;
    app::Game game {boxes, sound, folder.path()};

    GameFixture()
        : harness::GamePlayer(game)
    {
    }

    void start() { game.start(); }
    shell::ScreenRegistry &registry() { return game.runtime().screens(); }
    QString scoreBox(shell::ScreenName page) { return screen(page).textBox(QStringLiteral("Text1")).text(); }
};

} // namespace pelmaroos::tests

Q_DECLARE_METATYPE(pelmaroos::shell::ScreenName)
Q_DECLARE_METATYPE(pelmaroos::screens::Level)
