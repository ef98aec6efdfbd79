// SPDX-FileCopyrightText: 2026 The Pelmaroos Trivia developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <functional>
#include <utility>

namespace pelmaroos::bench {

// The monotonic clock shared by every process of the machine, in nanoseconds.
inline long long monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

// Peak resident memory of this process so far, in KiB.
inline long peakResidentKiB()
{
    long peak = -1;
    if (FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status)) {
            if (std::sscanf(line, "VmHWM: %ld kB", &peak) == 1)
                break;
        }
        std::fclose(status);
    }
    return peak;
}

// Calls back once, when the first top-level window has been painted. Its paint event starts the frame;
// the frame, every control's text and pictures included, is finished and handed to the display by the
// time the event loop turns again.
class FirstPaintWatcher final : public QObject
{
public:
    explicit FirstPaintWatcher(std::function<void()> onFirstPaint)
        : m_onFirstPaint(std::move(onFirstPaint))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_onFirstPaint && event->type() == QEvent::Paint) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isWindow())
                QTimer::singleShot(0, this, std::exchange(m_onFirstPaint, {}));
        }
        return false;
    }

private:
    std::function<void()> m_onFirstPaint;
};

} // namespace pelmaroos::bench
