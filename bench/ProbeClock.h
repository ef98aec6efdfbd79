#pragma once

#include <QEvent>
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

// Calls back once, when the first window with the given title is about to be painted.
class FirstPaintWatcher final : public QObject
{
public:
    FirstPaintWatcher(QString title, std::function<void()> onFirstPaint)
        : m_title(std::move(title))
        , m_onFirstPaint(std::move(onFirstPaint))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_onFirstPaint && event->type() == QEvent::Paint) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isWindow() && widget->windowTitle() == m_title)
                std::exchange(m_onFirstPaint, {})();
        }
        return false;
    }

private:
    QString m_title;
    std::function<void()> m_onFirstPaint;
};

} // namespace pelmaroos::bench
