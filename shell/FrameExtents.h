// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>

#include <optional>

class QWidget;

namespace pelmaroos::shell {

// The frame the window manager is going to put round a window that is not on view yet, where it says so
// beforehand: an X11 window manager that answers _NET_REQUEST_FRAME_EXTENTS. Nothing elsewhere, nor when
// the manager keeps silent.
std::optional<QMargins> frameBeforeShow(QWidget &window);

} // namespace pelmaroos::shell
