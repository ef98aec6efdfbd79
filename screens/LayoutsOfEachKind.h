// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms/FormDescription.h"
#include "shell/forms/ScreenName.h"

// The layouts behind layoutOf, one kind of screen each; used inside this folder only.
namespace pelmaroos::screens {

shell::FormDescription titleScreenLayout();
shell::FormDescription levelMenuLayout();
shell::FormDescription extraScreenLayout();
shell::FormDescription questionPageLayout(shell::ScreenName page);
shell::FormDescription resultScreenLayout(shell::ScreenName screen);

} // namespace pelmaroos::screens
