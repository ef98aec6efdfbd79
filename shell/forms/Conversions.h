// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>

namespace pelmaroos::shell {

// Decimal digits, a minus sign for negatives, no leading blank; a whole double has no decimal point.
QString numberToText(std::int16_t number);
QString numberToText(double number);

// A double parsed from decimal text. Text that is not a number is a fatal run-time error.
double textToNumber(const QString &text);

} // namespace pelmaroos::shell
