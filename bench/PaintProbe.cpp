// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
// Preloaded into a Qt Widgets program (LD_PRELOAD), so that the program is timed exactly as it ships:
// when its first window has been painted, prints the moment and the peak memory so far, and ends it.
#include "ProbeClock.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace {

void watchFirstPaint()
{
    auto *watcher = new pelmaroos::bench::FirstPaintWatcher([] {
        std::printf("paint_ns %lld\nrss_kib %ld\n", pelmaroos::bench::monotonicNanoseconds(),
                    pelmaroos::bench::peakResidentKiB());
        std::fflush(stdout);
        _exit(0);
    });
    watcher->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
