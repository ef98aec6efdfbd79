// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "app/Game.h"

#include "screens/Layouts.h"
#include "screens/Pictures.h"
#include "shell/LevelMenu.h"
#include "shell/StartUpAndExit.h"
#include "shell/forms/Look.h"

#include <QFontMetrics>

#include <atomic>

namespace pelmaroos::app {

using shell::ScreenName;

namespace {

// Qt reads the system's font configuration, lists the installed fonts and works out each family's
// fallbacks when a window first draws text. Done on a second thread, for the screens' fonts, that
// overlaps the making of the title screen's window and pictures instead of delaying its first paint.
// Fonts are thread-safe in Qt; the font list and the fallbacks are kept for the whole program, so this is
// needed once only.
std::future<void> prepareFonts()
{
    static std::atomic_flag prepared;
    if (prepared.test_and_set())
        return {};
    return std::async(std::launch::async, [] {
        for (bool bold : {false, true})
            QFontMetrics(shell::screenFont({.bold = bold})).height();
    });
}

} // namespace

Game::Game(shell::MessageBoxService &messageBoxes, shell::SoundService &sound, QString applicationFolder)
    : m_runtime(messageBoxes, sound, std::move(applicationFolder))
    , m_questionPages(m_runtime)
    , m_resultScreens(m_runtime)
    , m_fonts(prepareFonts())
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
