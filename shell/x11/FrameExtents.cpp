// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/x11/FrameExtents.h"

#include <QWidget>
#include <QWindow>

#if QT_CONFIG(xcb)
#include "shell/x11/Xcb.h"

#include <algorithm>
#include <chrono>
#include <thread>
#endif

namespace pelmaroos::shell {

#if QT_CONFIG(xcb)

namespace {

using namespace std::chrono_literals;

// A manager that answers does so within a tenth of a second on an idle machine, and takes longer on a busy one,
// where an answer missed would cost the manager's own placement by gravity, which not every manager gets right.
// One that offers to answer and keeps silent costs a player this, and only once.
constexpr auto answerTime = 1s;

bool supports(xcb_connection_t *display, xcb_window_t root, xcb_atom_t hint)
{
    const xcb_atom_t supported = xcb::existingAtom(display, "_NET_SUPPORTED");
    if (supported == XCB_ATOM_NONE)
        return false;
    const auto reply = xcb::owned(xcb_get_property_reply(
        display, xcb_get_property(display, 0, root, supported, XCB_ATOM_ATOM, 0, 1024), nullptr));
    if (!reply || reply->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
    const auto *end = atoms + xcb_get_property_value_length(reply.get()) / sizeof(xcb_atom_t);
    return std::find(atoms, end, hint) != end;
}

// The frame in the property's order: left, right, top, bottom.
std::optional<QMargins> extents(xcb_connection_t *display, xcb_window_t window, xcb_atom_t property)
{
    constexpr int sideCount = 4;
    const auto reply = xcb::owned(xcb_get_property_reply(
        display, xcb_get_property(display, 0, window, property, XCB_ATOM_CARDINAL, 0, sideCount), nullptr));
    if (!reply || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) != sideCount * sizeof(std::uint32_t))
        return std::nullopt;
    const auto *sides = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return QMargins(int(sides[0]), int(sides[2]), int(sides[1]), int(sides[3]));
}

// What the window manager answers, if it does.
std::optional<QMargins> announcedFrame(xcb_connection_t *display, QWidget &window)
{
    const xcb_atom_t request = xcb::existingAtom(display, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t property = xcb::existingAtom(display, "_NET_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || property == XCB_ATOM_NONE)
        return std::nullopt;
    const auto id = xcb_window_t(window.winId());
    const auto tree = xcb::owned(xcb_query_tree_reply(display, xcb_query_tree(display, id), nullptr));
    if (!tree || !supports(display, tree->root, request))
        return std::nullopt;

    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(display, 0, tree->root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    // The manager answers by setting the property on the window. Asking for it, rather than waiting for
    // the toolkit's events, leaves every other event, a player's click too, for after the procedure.
    const auto deadline = std::chrono::steady_clock::now() + answerTime;
    do {
        if (const std::optional<QMargins> frame = extents(display, id, property)) {
            const qreal scale = window.devicePixelRatioF();
            return QMargins(qRound(frame->left() / scale), qRound(frame->top() / scale), qRound(frame->right() / scale),
                            qRound(frame->bottom() / scale));
        }
        std::this_thread::sleep_for(2ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

} // namespace

#endif

std::optional<QMargins> frameBeforeShow(QWidget &window)
{
#if QT_CONFIG(xcb)
    if (xcb_connection_t *display = xcb::toolkitDisplay())
        return announcedFrame(display, window);
#endif
    // Elsewhere the system's frame follows from the window's style, which the toolkit knows once the window is made.
    window.winId();
    return window.windowHandle()->frameMargins();
}

} // namespace pelmaroos::shell
