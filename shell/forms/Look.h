// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include "shell/forms/FormDescription.h"

#include <QColor>
#include <QFont>

namespace pelmaroos::shell {

// The toolkit settings every screen is drawn with; called once before the first screen loads.
void applyLook();

QColor resolve(const Colour &colour);
QFont screenFont(const Font &font);
int pixels(int twips);

} // namespace pelmaroos::shell
