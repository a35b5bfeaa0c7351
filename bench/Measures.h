#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <vector>

// Small helpers the figures share: times, medians and the process's resident memory.
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

// A two-hour 16-bit stereo WAV at 44.1 kHz whose data is a hole in the file: written in
// an instant, and like any long recording on disk only the pages read are ever touched.
inline bool writeTwoHourWav(const QString& path) {
    constexpr quint32 Rate = 44100;
    const quint32 frames = 2u * 3600u * Rate;
    const quint32 dataBytes = frames * 4;
    QByteArray header("RIFF");
    auto add32 = [&](quint32 v) { header.append(reinterpret_cast<const char*>(&v), 4); };
    auto add16 = [&](quint16 v) { header.append(reinterpret_cast<const char*>(&v), 2); };
    add32(36 + dataBytes);
    header.append("WAVEfmt ");
    add32(16), add16(1), add16(2), add32(Rate), add32(Rate * 4), add16(4), add16(16);
    header.append("data");
    add32(dataBytes);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(header) == header.size() &&
           file.resize(header.size() + qint64(dataBytes));
}
