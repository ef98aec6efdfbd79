#include "app/Display.h"

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace pelmaroos::app {

namespace {

// The value after one of Qt's own options, which Qt also takes with two dashes.
const char *optionValue(int argc, char *argv[], std::string_view option)
{
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument.starts_with("--"))
            argument.remove_prefix(1);
        if (argument == option)
            return argv[i + 1];
    }
    return nullptr;
}

// Qt's choice of platform as far as it concerns X11. A list of platforms is left to Qt's own fallbacks,
// and a Wayland session to Qt's own choice.
bool usesX11(int argc, char *argv[])
{
    const char *platform = optionValue(argc, argv, "-platform");
    if (!platform)
        platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || !*platform) {
        const char *session = std::getenv("XDG_SESSION_TYPE");
        return !session || std::string_view(session) != "wayland";
    }
    const std::string_view name = platform;
    return name == "xcb" || name.starts_with("xcb:");
}

} // namespace

DisplayCheck::DisplayCheck(int argc, char *argv[])
{
    if (!usesX11(argc, argv))
        return;
    const char *display = optionValue(argc, argv, "-display");
    m_connection = xcb_connect(display, nullptr);
    m_passed = xcb_connection_has_error(m_connection) == 0;
    if (!m_passed) {
        if (!display)
            display = std::getenv("DISPLAY");
        std::fprintf(stderr, "Pelmaroos Trivia needs a graphical desktop: cannot open display %s\n",
                     display && *display ? display : "(DISPLAY is not set)");
    }
}

DisplayCheck::~DisplayCheck()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

} // namespace pelmaroos::app
