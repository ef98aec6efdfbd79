// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

namespace pelmaroos::shell {

// Lets assistive tools read a picture by its name and press the pictures that react to a click, as the
// page arrows do. Called once, as the program starts.
void installPictureAccessibility();

} // namespace pelmaroos::shell
