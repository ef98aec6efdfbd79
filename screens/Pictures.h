// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace pelmaroos::screens::pictures {

inline const QString applicationIcon = QStringLiteral(":/pictures/app");
inline const QString extraIcon = QStringLiteral(":/pictures/zzzextra");
inline const QString banner = QStringLiteral(":/pictures/banner");
inline const QString titleLeft = QStringLiteral(":/pictures/title-left");
inline const QString titleRight = QStringLiteral(":/pictures/title-right");
inline const QString menuTitle = QStringLiteral(":/pictures/menu-title");
inline const QString leftArrow = QStringLiteral(":/pictures/arrow-left");
inline const QString rightArrow = QStringLiteral(":/pictures/arrow-right");
inline const QString resultTop = QStringLiteral(":/pictures/result-top");
inline const QString resultMiddle = QStringLiteral(":/pictures/result-middle");
inline const QString resultLow = QStringLiteral(":/pictures/result-low");
// The question message box's icon.
inline const QString boxQuestion = QStringLiteral(":/pictures/box-question");

// Makes the pictures reachable under ":/pictures"; safe to call more than once.
void registerResources();

// The 32 x 32 question icons, numbered 1 to 36.
QString questionIcon(int number);

// What a question icon shows, as a screen reader reads it.
QString questionIconName(int number);

} // namespace pelmaroos::screens::pictures
