// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#include "shell/forms/Conversions.h"

namespace pelmaroos::shell {

QString numberToText(std::int16_t number)
{
    return QString::number(number);
}

QString numberToText(double number)
{
    return QString::number(number, 'g', 15);
}

double textToNumber(const QString &text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok)
        qFatal("Run-time error '13': Type mismatch (\"%s\" is not a number)", qPrintable(text));
    return number;
}

} // namespace pelmaroos::shell
