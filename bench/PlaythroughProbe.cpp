// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
// The game started by the program's own start-up, played through every level from its first paint on;
// reports the peak memory.
#include "ProbeClock.h"
#include "app/Program.h"
#include "harness/GamePlayer.h"

#include <QCoreApplication>
#include <QEvent>

#include <memory>

#include <unistd.h>

using namespace pelmaroos;
using namespace pelmaroos::bench;

int main(int argc, char *argv[])
{
    std::unique_ptr<FirstPaintWatcher> watcher;
    return app::runProgram(argc, argv, QStringLiteral(PELMAROOS_PROGRAM_DIR), [&](app::Game &game) {
        watcher = std::make_unique<FirstPaintWatcher>([&game] {
            // From the title screen through all three levels and back to the menu. Between a player's
            // clicks the event loop turns, and the windows of screens unloaded are deleted.
            harness::GamePlayer player(game);
            const auto settle = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); };
            player.openLevel(screens::Level::Easy);
            settle();
            player.playLevel(screens::Level::Easy, 6);
            player.click(shell::ScreenName::EasyAbout, QStringLiteral("Command1"));
            settle();
            player.playLevel(screens::Level::Medium, 6);
            player.click(shell::ScreenName::MediumAbout, QStringLiteral("Command1"));
            settle();
            player.playLevel(screens::Level::Hard, 6);
            player.click(shell::ScreenName::HardAbout, QStringLiteral("Command3"));
            settle();
            std::printf("rss_kib %ld\n", peakResidentKiB());
            std::fflush(stdout);
            _exit(0);
        });
        QCoreApplication::instance()->installEventFilter(watcher.get());
    });
}
