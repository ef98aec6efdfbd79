// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/FormDescription.h"
#include "shell/ScreenName.h"

namespace pelmaroos::screens {

// The layout a screen starts from each time it loads, in twips.
shell::FormDescription layoutOf(shell::ScreenName screen);

shell::FormDescription titleScreenLayout();
shell::FormDescription levelMenuLayout();
shell::FormDescription extraScreenLayout();
shell::FormDescription questionPageLayout(shell::ScreenName page);
shell::FormDescription resultScreenLayout(shell::ScreenName screen);

} // namespace pelmaroos::screens
