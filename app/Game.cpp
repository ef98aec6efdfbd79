// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "app/Game.h"

#include "screens/Layouts.h"
#include "screens/Pictures.h"
#include "shell/LevelMenu.h"
#include "shell/StartUpAndExit.h"

namespace pelmaroos::app {

using shell::ScreenName;

Game::Game(shell::MessageBoxService &messageBoxes, shell::SoundService &sound, QString applicationFolder)
    : m_runtime(messageBoxes, sound, std::move(applicationFolder))
    , m_questionPages(m_runtime)
    , m_resultScreens(m_runtime)
{
    // The program's icon is read before any screen loads.
    screens::pictures::registerResources();
    for (ScreenName screen : shell::allScreens)
        m_runtime.screens().define(screen, &screens::layoutOf, behaviourOf(screen));
    // Closing any window through its frame ends the game as "Quit" does, so hidden screens never linger.
    m_runtime.screens().setCloseRequestProcedure([this] { shell::ExitAll(m_runtime); });
}

void Game::start()
{
    shell::StartUp(m_runtime);
}

shell::ScreenBehaviour Game::behaviourOf(ScreenName screen)
{
    switch (screen) {
    case ScreenName::PreMain: return shell::titleScreenBehaviour(m_runtime);
    case ScreenName::Main: return shell::levelMenuBehaviour(m_runtime);
    case ScreenName::zzzExtra: return {};
    case ScreenName::EasyAbout:
    case ScreenName::MediumAbout:
    case ScreenName::HardAbout: return m_resultScreens.behaviour(screen);
    default: return m_questionPages.behaviour(screen);
    }
}

} // namespace pelmaroos::app
