// The game started as its program starts it, played through every level from its first paint on;
// reports the peak memory.
#include "GameDriver.h"
#include "ProbeClock.h"
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
    QApplication::setApplicationVersion(QStringLiteral("6.01.0002"));
    QApplication::setQuitOnLastWindowClosed(false);
    shell::applyLook();

    shell::QtMessageBox messageBoxes;
    app::Game game(messageBoxes, sound, QStringLiteral(PELMAROOS_PROGRAM_DIR));
    QApplication::setWindowIcon(QIcon(screens::pictures::applicationIcon));

    FirstPaintWatcher watcher([&] {
        GameDriver(game).playEverything();
        std::printf("rss_kib %ld\n", peakResidentKiB());
        std::fflush(stdout);
        _exit(0);
    });
    application.installEventFilter(&watcher);
    game.start();
    return QApplication::exec();
}
