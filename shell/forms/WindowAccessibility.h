// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

namespace pelmaroos::shell {

// Lets assistive tools read each screen as a window and each message box as a dialog, both named by their
// title, so that a screen reader announces them when they come up. Called once, as the program starts.
void installWindowAccessibility();

} // namespace pelmaroos::shell
