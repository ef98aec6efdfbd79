// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/x11/Display.h"

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace pelmaroos::shell {

namespace {

// Qt's choice of platform as far as it concerns X11. A list of platforms is left to Qt's own fallbacks,
// and a Wayland session to Qt's own choice.
bool usesX11()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || !*platform) {
        const char *session = std::getenv("XDG_SESSION_TYPE");
        return !session || std::string_view(session) != "wayland";
    }
    const std::string_view name = platform;
    return name == "xcb" || name.starts_with("xcb:");
}

} // namespace

DisplayCheck::DisplayCheck()
{
    if (!usesX11())
        return;
    m_connection = xcb_connect(nullptr, nullptr);
    m_passed = xcb_connection_has_error(m_connection) == 0;
    if (!m_passed) {
        const char *display = std::getenv("DISPLAY");
        std::fprintf(stderr, "Pelmaroos Trivia needs a graphical desktop: cannot open display %s\n",
                     display && *display ? display : "(DISPLAY is not set)");
    }
}

DisplayCheck::~DisplayCheck()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

} // namespace pelmaroos::shell
