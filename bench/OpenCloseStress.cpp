#include "OpenCloseStress.h"
#include "MonitorRecorder.h"
#include "SoundFiles.h"

#include "audio/MediaControl.h"
#include "audio/NullAudioOutput.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto StallLimit = std::chrono::seconds(10);

// Ends the program with a report when the round count stops moving for StallLimit.
class Watchdog {
public:
    explicit Watchdog(const std::atomic<int>& round)
        : round_(round), thread_([this] { watch(); }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        changed_.notify_one();
        thread_.join();
    }

private:
    void watch() {
        std::unique_lock lock(mutex_);
        for (int seen = -1; !done_;) {
            const int now = round_.load();
            if (now == seen) {
                std::printf("open/play/close: round %d has not ended after %lld s: hung\n", now,
                            (long long)StallLimit.count());
                std::fflush(stdout);
                std::_Exit(2);
            }
            seen = now;
            changed_.wait_for(lock, StallLimit, [this] { return done_; });
        }
    }

    const std::atomic<int>& round_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool done_ = false;
    std::thread thread_;
};

} // namespace

void printOpenCloseStress(const QString& folder, int rounds) {
    const QString path = folder + "/stress.wav";
    if (!writeIndexedWav(path, MonitorRecorder::SampleRate * 3))
        return void(std::printf("open/play/close: cannot write %s\n", qPrintable(path)));
    MediaControl media(std::make_unique<NullAudioOutput>());
    media.setUpdateInterval(0);
    std::atomic<int> round{0};
    int failures = 0;
    const auto start = Clock::now();
    {
        Watchdog watchdog(round);
        for (; round < rounds; ++round) {
            failures += !media.open(path);
            media.playRange(round % 2000, media.length(), false);
            media.close();
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("open/play/close: %d rounds in %.1f s (%.0f rounds/s), %d failed, none hung\n",
                rounds, seconds, rounds / seconds, failures);
}
