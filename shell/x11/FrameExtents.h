// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>

#include <optional>

class QWidget;

namespace pelmaroos::shell {

// The frame that is going to be put round a window that is not on view yet, where it is known beforehand: on
// X11, what a window manager that answers _NET_REQUEST_FRAME_EXTENTS says; elsewhere, the system's frame for
// the window's style, as the toolkit works it out. Nothing when an X11 manager does not say.
std::optional<QMargins> frameBeforeShow(QWidget &window);

} // namespace pelmaroos::shell
