#pragma once

#include <QByteArray>
#include <QEventLoop>
#include <QFile>
#include <QList>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <vector>

// Small helpers the figures share: times, medians, the process's resident memory and
// the event loop run for a while.
using Clock = std::chrono::steady_clock;

inline double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

inline double maximum(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

enum class Pages {
    All,
    Private, // not backed by a file: no library's code or data read from disk
};

inline double residentMiB(Pages pages = Pages::All) {
    QFile statm("/proc/self/statm");
    statm.open(QIODevice::ReadOnly);
    const QList<QByteArray> fields = statm.readAll().split(' ');
    const double resident =
        fields.value(1).toDouble() - (pages == Pages::Private ? fields.value(2).toDouble() : 0);
    return resident * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Lets the event loop run for ms milliseconds.
inline void runEvents(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
