// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace pelmaroos::shell {

// Truth values as an option button reports them: a 16-bit -1 for true, 0 for false.
using TruthValue = std::int16_t;
inline constexpr TruthValue True = -1;
inline constexpr TruthValue False = 0;

} // namespace pelmaroos::shell
