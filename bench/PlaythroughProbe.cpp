// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
// The game started as its program starts it, played through every level from its first paint on;
// reports the peak memory.
#include "harness/GamePlayer.h"
#include "ProbeClock.h"
#include "app/Version.h"
#include "screens/Pictures.h"
#include "shell/Look.h"
#include "shell/QtMessageBox.h"
#include "shell/SoundModule.h"

#include <QApplication>
#include <QIcon>

#include <unistd.h>

using namespace pelmaroos;
using namespace pelmaroos::bench;

int main(int argc, char *argv[])
{
    shell::SoundModule sound;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("The Pelmaroos Trivia"));
    QApplication::setApplicationVersion(QLatin1String(app::version));
    QApplication::setQuitOnLastWindowClosed(false);
    shell::applyLook();

    shell::QtMessageBox messageBoxes;
    app::Game game(messageBoxes, sound, QStringLiteral(PELMAROOS_PROGRAM_DIR));
    QApplication::setWindowIcon(QIcon(screens::pictures::applicationIcon));

    FirstPaintWatcher watcher([&] {
        // From the title screen through all three levels and back to the menu.
        harness::GamePlayer player(game);
        player.openLevel(screens::Level::Easy);
        player.playLevel(screens::Level::Easy, 6);
        player.click(shell::ScreenName::EasyAbout, QStringLiteral("Command1"));
        player.playLevel(screens::Level::Medium, 6);
        player.click(shell::ScreenName::MediumAbout, QStringLiteral("Command1"));
        player.playLevel(screens::Level::Hard, 6);
        player.click(shell::ScreenName::HardAbout, QStringLiteral("Command3"));
        std::printf("rss_kib %ld\n", peakResidentKiB());
        std::fflush(stdout);
        _exit(0);
    });
    application.installEventFilter(&watcher);
    game.start();
    return QApplication::exec();
}
