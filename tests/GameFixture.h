// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Fakes.h"
#include "app/Game.h"
#include "harness/GamePlayer.h"
#include "shell/forms/ScreenViews.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

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
    const shell::QuestionPageView &page(shell::ScreenName name) { return screen(name).view<shell::QuestionPageView>(); }
    const shell::ResultScreenView &result(shell::ScreenName name)
    {
        return screen(name).view<shell::ResultScreenView>();
    }
    QString scoreBox(shell::ScreenName name) { return page(name).Text1->text(); }
};

} // namespace pelmaroos::tests

Q_DECLARE_METATYPE(pelmaroos::shell::ScreenName)
Q_DECLARE_METATYPE(pelmaroos::screens::Level)
