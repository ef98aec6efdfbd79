// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "app/Program.h"

#include "app/Game.h"
#include "screens/Pictures.h"
#include "shell/controls/PictureAccessibility.h"
#include "shell/controls/Pixels.h"
#include "shell/forms/Look.h"
#include "shell/forms/QtMessageBox.h"
#include "shell/forms/WindowAccessibility.h"
#include "shell/sound/PlatformSound.h"

#include <QApplication>

#ifndef _WIN32
#include "app/CharacterType.h"
#include "shell/x11/BareSession.h"
#include "shell/x11/Display.h"
#endif

using namespace std::chrono_literals;

namespace pelmaroos::app {

int runProgram(int argc, char *argv[], const QString &cueFolder, const std::function<void(Game &)> &beforeStart)
{
#ifndef _WIN32
    const shell::DisplayCheck display;
    if (!display.passed())
        return 1;
    shell::settleBareSession(display.connection());
    useUtf8CharacterType();
#endif
    // Created first, so that the sound device opens while the toolkit starts.
    shell::PlatformSound sound;
    // The program has no command line: the toolkit is handed the program's name alone, so that none of its
    // own options (-platform, -display, -qwindowtitle...) reaches it.
    char defaultName[] = "pelmaroos-trivia";
    char *toolkitArgv[] = {argc > 0 && argv[0] ? argv[0] : defaultName, nullptr};
    int toolkitArgc = 1;
    QApplication application(toolkitArgc, toolkitArgv);
    QApplication::setApplicationName(QStringLiteral("The Pelmaroos Trivia"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.pelmaroos.trivia"));
    // Hidden screens that are still loaded keep the game running; it ends when none is left.
    QApplication::setQuitOnLastWindowClosed(false);
    shell::applyLook();
    shell::installWindowAccessibility();
    shell::installPictureAccessibility();

    shell::QtMessageBox messageBoxes(screens::pictures::boxQuestion);
    Game game(messageBoxes, sound, cueFolder.isEmpty() ? QCoreApplication::applicationDirPath() : cueFolder);
    QApplication::setWindowIcon(shell::pixelsIcon(screens::pictures::applicationIcon));
    QObject::connect(&game.runtime().screens(), &shell::ScreenRegistry::programEnded, &application,
                     [] { QCoreApplication::exit(0); });

    if (beforeStart)
        beforeStart(game);
    game.start();
    const int status = QApplication::exec();
    // The farewell may finish with no window left on screen.
    sound.finishPlaying(3s);
    return status;
}

} // namespace pelmaroos::app
