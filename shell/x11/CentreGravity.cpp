// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/x11/CentreGravity.h"

#include <QWidget>

#if QT_CONFIG(xcb)
#include "shell/x11/Xcb.h"

#include <array>
#include <cstring>
#endif

namespace pelmaroos::shell {

#if QT_CONFIG(xcb)

namespace {

// WM_NORMAL_HINTS: a flags word and seventeen fields, the gravity last; a flag says the gravity is given.
constexpr std::size_t hintCount = 18;
constexpr std::size_t gravityField = 17;
constexpr std::uint32_t gravityGiven = 1U << 9;

void setCentreGravity(xcb_connection_t *display, xcb_window_t window)
{
    const auto reply = xcb::owned(xcb_get_property_reply(
        display, xcb_get_property(display, 0, window, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 0, hintCount),
        nullptr));
    if (!reply || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) != hintCount * sizeof(std::uint32_t))
        return;
    std::array<std::uint32_t, hintCount> hints {};
    std::memcpy(hints.data(), xcb_get_property_value(reply.get()), sizeof(hints));
    hints[0] |= gravityGiven;
    hints[gravityField] = XCB_GRAVITY_CENTER;
    xcb_change_property(display, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 32,
                        hintCount, hints.data());
}

} // namespace

#endif

void showWithCentreGravity(QWidget &window)
{
#if QT_CONFIG(xcb)
    if (xcb_connection_t *display = xcb::toolkitDisplay()) {
        const auto id = xcb_window_t(window.winId());
        // The toolkit writes the window's hints, with a gravity of its own, as it maps the window, and the manager
        // reads them as it frames the window. Holding the other clients off until the gravity is changed makes
        // sure the manager reads the change.
        xcb_grab_server(display);
        window.show();
        setCentreGravity(display, id);
        xcb_ungrab_server(display);
        xcb_flush(display);
        return;
    }
#endif
    window.show();
}

} // namespace pelmaroos::shell
