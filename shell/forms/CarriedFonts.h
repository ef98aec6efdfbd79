// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pelmaroos::shell {

// Hands the faces the program carries to the toolkit and returns their family. The screens, laid out for
// "MS Sans Serif", are drawn in it alike on every system, whatever version of the face or stand-in for it the
// system has. Where the system lists its fonts through fontconfig, the program's font list holds these faces
// alone, drawn by fixed rules: nothing else is ever drawn, and reading the system's configuration and every
// installed font would cost the first paint several milliseconds.
QString useCarriedFonts();

} // namespace pelmaroos::shell
