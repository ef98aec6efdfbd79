// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace pelmaroos::shell {

// Shows a window whose frame is not known beforehand so that an X11 window manager puts the middle of the frame
// where the middle of the window was asked to be: the window's gravity, as X11 calls it, is its centre. A
// manager that draws no frame or ignores the gravity leaves the window itself where it was asked to be, and so
// does every other platform.
void showWithCentreGravity(QWidget &window);

} // namespace pelmaroos::shell
