// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

struct xcb_connection_t;

namespace pelmaroos::shell {

// A desktop session tells its programs where their runtime folder and their session bus are. Where a bare
// session (a plain X server, xinit) leaves them out, the toolkit makes a runtime folder in the temporary
// folder, and the first use of the bus starts a bus that outlives the game. This points the toolkit where
// it can make nothing, keeps its warnings about that off the error output, and points the bus libraries at
// the bus an earlier program started for this display, or at none. Called before the toolkit or the sound
// library starts; display is null when the game is not on X11.
void settleBareSession(xcb_connection_t *display);

} // namespace pelmaroos::shell
