// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace pelmaroos::shell::xcb {

// Replies from xcb are the caller's to free.
template<typename Reply>
std::unique_ptr<Reply, decltype(&std::free)> owned(Reply *reply)
{
    return {reply, &std::free};
}

// The atom by that name, or none when no client of the display has made it: then nobody uses it either.
inline xcb_atom_t existingAtom(xcb_connection_t *display, std::string_view name)
{
    const auto reply = owned(
        xcb_intern_atom_reply(display, xcb_intern_atom(display, 1, std::uint16_t(name.size()), name.data()), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The toolkit's own connection to the X server, or none when the toolkit is not on X11.
inline xcb_connection_t *toolkitDisplay()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection() : nullptr;
}

} // namespace pelmaroos::shell::xcb
