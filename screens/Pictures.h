// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pelmaroos::screens::pictures {

inline const QString applicationIcon = QStringLiteral(":/pictures/app.ico");
inline const QString extraIcon = QStringLiteral(":/pictures/zzzextra.ico");
inline const QString banner = QStringLiteral(":/pictures/banner.gif");
inline const QString titleLeft = QStringLiteral(":/pictures/title-left.gif");
inline const QString titleRight = QStringLiteral(":/pictures/title-right.gif");
inline const QString menuTitle = QStringLiteral(":/pictures/menu-title.gif");
inline const QString leftArrow = QStringLiteral(":/pictures/arrow-left.gif");
inline const QString rightArrow = QStringLiteral(":/pictures/arrow-right.gif");
inline const QString resultTop = QStringLiteral(":/pictures/result-top.gif");
inline const QString resultMiddle = QStringLiteral(":/pictures/result-middle.gif");
inline const QString resultLow = QStringLiteral(":/pictures/result-low.gif");

// Makes the pictures reachable under ":/pictures"; safe to call more than once.
void registerResources();

// The 32 x 32 question icons, numbered 1 to 36.
QString questionIcon(int number);

// What a question icon shows, as a screen reader reads it.
QString questionIconName(int number);

} // namespace pelmaroos::screens::pictures
