// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms/FormDescription.h"
#include "shell/forms/ScreenName.h"

namespace pelmaroos::screens {

// The layout a screen starts from each time it loads, in twips, with the view its procedures reach its
// controls through.
shell::FormDescription layoutOf(shell::ScreenName screen);

} // namespace pelmaroos::screens
