#include "support/DrainRange.h"

#include <chrono>
#include <thread>

std::vector<float> drain(PlayRange& range, qint64 piece, int pauseUs) {
    std::vector<float> frames, buffer(size_t(piece) * range.channels());
    while (!range.fullyRead()) {
        const qint64 got = range.read(buffer.data(), piece);
        frames.insert(frames.end(), buffer.begin(), buffer.begin() + got * range.channels());
        std::this_thread::sleep_for(std::chrono::microseconds(got == 0 ? 50 : pauseUs));
    }
    return frames;
}
