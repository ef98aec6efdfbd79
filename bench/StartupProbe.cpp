// The game started as its program starts it; reports the title screen's first paint and, with
// --playthrough, the peak memory after playing every level.
#include "GameDriver.h"
#include "ProbeClock.h"
#include "app/Version.h"
#include "screens/Pictures.h"
#include "shell/Look.h"
#include "shell/QtMessageBox.h"
#include "shell/SoundModule.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <unistd.h>

using namespace pelmaroos;
using namespace pelmaroos::bench;

int main(int argc, char *argv[])
{
    shell::SoundModule sound;
    QApplication application(argc, argv);
    const bool playthrough = application.arguments().contains(QStringLiteral("--playthrough"));
    QApplication::setApplicationName(QStringLiteral("The Pelmaroos Trivia"));
    QApplication::setApplicationVersion(QLatin1String(app::version));
    QApplication::setQuitOnLastWindowClosed(false);
    shell::applyLook();

    shell::QtMessageBox messageBoxes;
    app::Game game(messageBoxes, sound, QStringLiteral(PELMAROOS_PROGRAM_DIR));
    QApplication::setWindowIcon(QIcon(screens::pictures::applicationIcon));

    FirstPaintWatcher watcher(QStringLiteral("Ardo's Pelmaroos Trivia!!!"), [&] {
        const long long paint = monotonicNanoseconds();
        QTimer::singleShot(0, [&, paint] {
            if (playthrough)
                GameDriver(game).playEverything();
            std::printf("paint_ns %lld\nrss_kib %ld\n", paint, peakResidentKiB());
            std::fflush(stdout);
            _exit(0);
        });
    });
    application.installEventFilter(&watcher);
    game.start();
    return QApplication::exec();
}
