// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>

namespace pelmaroos::shell {

// A picture the build turned into colour indices (tools/pixels.py), drawn from where they lie in the
// program's read-only data: nothing is decoded or copied, and every screen that shows it shares the one copy.
QImage pixelsImage(const QString &resource);

// Once no screen shows a picture, the pages of the program file under its pixels leave the process's memory;
// the system keeps them in its file cache, and a screen that shows the picture again reads them from there.
// Only a picture drawn from where it lies in the program file is affected.
void releasePixels(const QImage &picture);

// The same as a window icon, with its drawing at twice the size (resource@2x) on a screen scaled up.
QIcon pixelsIcon(const QString &resource);

} // namespace pelmaroos::shell
