// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

namespace pelmaroos::app {

// The toolkit reads and writes text as UTF-8. Under a locale of another encoding (LANG=C, say) it switches
// the character type to UTF-8 itself and says so on the error output, which a player should never read.
// This makes the same switch first, quietly, through the environment the toolkit reads: only the character
// type changes, so messages, numbers and dates follow the player's locale as before. Called before the
// toolkit starts.
void useUtf8CharacterType();

} // namespace pelmaroos::app
