#include "audio/WaveformPeaks.h"

#include "audio/AudioDecoder.h"

#include <QMetaObject>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>

namespace {

// Peaks are reported a chunk at a time: about 2.5 s of sound.
constexpr qint64 ChunkBlocks = 512;
// Decoded at a time, at the most (unless a block is longer).
constexpr qint64 FramesPerRead = 16384;

constexpr int WorkerNiceness = 10;

std::atomic<int> workers{0};

struct StoredPeak {
    qint16 low = 0;
    qint16 high = 0;
};

qint16 stored(float sample) {
    return qint16(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767));
}

float sampleOf(qint16 value) {
    return float(value) / 32767;
}

qint64 divideRoundingUp(qint64 numerator, qint64 denominator) {
    return (numerator + denominator - 1) / denominator;
}

class WorkerCount {
public:
    WorkerCount() { ++workers; }
    ~WorkerCount() { --workers; }
    WorkerCount(const WorkerCount&) = delete;
    WorkerCount& operator=(const WorkerCount&) = delete;
};

} // namespace

// What the GUI thread and one worker share. The worker writes a chunk's peaks before it
// reports the chunk, and the GUI thread reads only reported chunks, so the report's
// queued call orders the two.
struct WaveformPeaks::Job {
    std::atomic<bool> stopped{false};
    std::atomic<qint64> preferredChunk{-1};
    std::mutex reportLock;
    WaveformPeaks* receiver = nullptr; // under reportLock; none once stopped
    std::vector<StoredPeak> peaks;

    // Runs call(receiver) on the receiver's thread, unless the job was stopped meanwhile.
    template <typename Call> void report(Call call) {
        const std::lock_guard lock(reportLock);
        if (receiver)
            QMetaObject::invokeMethod(
                receiver, [receiver = receiver, call = std::move(call)] { call(*receiver); },
                Qt::QueuedConnection);
    }
    void stop() {
        stopped = true;
        const std::lock_guard lock(reportLock);
        receiver = nullptr;
    }
};

namespace {

// Decodes the file block by block on the worker thread, the chunk around the start first.
class PeakWorker {
public:
    PeakWorker(WaveformPeaks::Job& job, AudioDecoder& decoder, qint64 blockFrames)
        : job(job), decoder(decoder), blockFrames(blockFrames),
          chunks(divideRoundingUp(qint64(job.peaks.size()), ChunkBlocks)),
          channels(decoder.channels()),
          blocksPerRead(std::max<qint64>(1, FramesPerRead / blockFrames)),
          done(std::size_t(chunks), false),
          samples(std::size_t(blocksPerRead * blockFrames * channels)) {
        decoder.setSeekInterruption(&job.stopped);
    }

    // The next chunk to compute, from cursor on; none when all are done.
    std::optional<qint64> nextChunk(qint64 cursor) {
        const qint64 preferred = job.preferredChunk.exchange(-1);
        if (preferred >= 0 && preferred < chunks && decoder.seeksQuickly())
            cursor = preferred;
        for (qint64 i = 0; i < chunks; ++i) {
            const qint64 chunk = (cursor + i) % chunks;
            if (!done[std::size_t(chunk)])
                return chunk;
        }
        return std::nullopt;
    }

    // False when the job was stopped before the chunk was complete. Runs of blocks are
    // decoded at once; the flag is checked at every block.
    bool compute(qint64 chunk) {
        const qint64 first = chunk * ChunkBlocks;
        const qint64 end = std::min(first + ChunkBlocks, qint64(job.peaks.size()));
        // A part that cannot be reached or decoded plays as silence, and shows as such.
        const bool reached = position == first * blockFrames || decoder.seek(first * blockFrames);
        position = reached ? first * blockFrames : -1;
        for (qint64 block = first; block < end; block += blocksPerRead) {
            const qint64 count = std::min(blocksPerRead, end - block);
            const qint64 frames =
                std::min(count * blockFrames, decoder.frames() - block * blockFrames);
            read(frames);
            for (qint64 i = 0; i < count; ++i) {
                if (job.stopped.load(std::memory_order_relaxed))
                    return false;
                const qint64 blockStart = i * blockFrames;
                job.peaks[std::size_t(block + i)] =
                    peakOf(samples.data() + blockStart * channels,
                           std::min(blockFrames, frames - blockStart) * channels);
            }
        }
        done[std::size_t(chunk)] = true;
        return true;
    }

private:
    // Frames the decoder cannot give (damage, a file cut short) are silence.
    void read(qint64 frames) {
        const qint64 got = position < 0 ? 0 : decoder.read(samples.data(), frames);
        position = got < frames ? -1 : position + got;
        std::fill(samples.begin() + got * channels, samples.begin() + frames * channels, 0.0f);
    }

    // Four lanes side by side, so that no comparison waits for the one before it.
    static StoredPeak peakOf(const float* samples, qint64 count) {
        constexpr int Lanes = 4;
        std::array<float, Lanes> low;
        low.fill(samples[0]);
        std::array<float, Lanes> high = low;
        qint64 i = 0;
        for (; i + Lanes <= count; i += Lanes) {
            for (int lane = 0; lane < Lanes; ++lane) {
                low[lane] = std::min(low[lane], samples[i + lane]);
                high[lane] = std::max(high[lane], samples[i + lane]);
            }
        }
        for (; i < count; ++i) {
            low[0] = std::min(low[0], samples[i]);
            high[0] = std::max(high[0], samples[i]);
        }
        return {stored(*std::min_element(low.begin(), low.end())),
                stored(*std::max_element(high.begin(), high.end()))};
    }

    WaveformPeaks::Job& job;
    AudioDecoder& decoder;
    const qint64 blockFrames;
    const qint64 chunks;
    const int channels;
    const qint64 blocksPerRead;
    std::vector<bool> done;
    std::vector<float> samples;
    qint64 position = 0; // the decoder's frame, -1 when unknown
};

} // namespace

WaveformPeaks::WaveformPeaks(QObject* parent) : QObject(parent) {}

WaveformPeaks::~WaveformPeaks() {
    clear();
}

int WaveformPeaks::runningWorkers() {
    return workers;
}

void WaveformPeaks::clear() {
    if (job)
        job->stop();
    job.reset();
    sampleRate = 0;
    blockFrames = 0;
    blocks = 0;
    chunkReady.clear();
    chunksReady = 0;
}

void WaveformPeaks::start(const QString& path, qint64 ms) {
    clear();
    job = std::make_shared<Job>();
    job->receiver = this;
    std::thread([job = job, path, ms] {
        const WorkerCount counted;
        // Background work: the GUI thread and the sound come first.
        setpriority(PRIO_PROCESS, id_t(gettid()), WorkerNiceness);
        work(job, path, ms);
    }).detach();
}

// On the worker thread. The decoder is opened here, so that a file slow to open (one
// whose length is found by decoding it) holds nobody up.
void WaveformPeaks::work(const std::shared_ptr<Job>& job, const QString& path, qint64 ms) {
    const std::unique_ptr<AudioDecoder> decoder = AudioDecoder::open(path).decoder;
    if (!decoder || job->stopped)
        return;
    const qint64 blockFrames = std::max(divideRoundingUp(decoder->sampleRate(), BlocksPerSecond),
                                        divideRoundingUp(decoder->frames(), MaxBlocks));
    const qint64 blocks = divideRoundingUp(decoder->frames(), blockFrames);
    job->peaks.resize(std::size_t(blocks));
    const int rate = decoder->sampleRate();
    job->report([job, rate, blockFrames, blocks](WaveformPeaks& receiver) {
        if (receiver.job == job)
            receiver.opened(rate, blockFrames, blocks);
    });
    PeakWorker worker(*job, *decoder, blockFrames);
    const qint64 startBlock = std::clamp<qint64>(ms * rate / 1000 / blockFrames, 0, blocks);
    for (std::optional<qint64> chunk = worker.nextChunk(startBlock / ChunkBlocks); chunk;
         chunk = worker.nextChunk(*chunk + 1)) {
        if (!worker.compute(*chunk))
            return;
        job->report([job, chunk = *chunk](WaveformPeaks& receiver) {
            if (receiver.job == job)
                receiver.chunkDone(chunk);
        });
    }
}

void WaveformPeaks::opened(int rate, qint64 framesPerBlock, qint64 count) {
    sampleRate = rate;
    blockFrames = framesPerBlock;
    blocks = count;
    chunkReady.assign(std::size_t(divideRoundingUp(blocks, ChunkBlocks)), false);
}

void WaveformPeaks::chunkDone(qint64 chunk) {
    chunkReady[std::size_t(chunk)] = true;
    ++chunksReady;
    const qint64 first = chunk * ChunkBlocks;
    emit computed(msAtBlock(first), msAtBlock(std::min(first + ChunkBlocks, blocks)));
}

void WaveformPeaks::prefer(qint64 ms) {
    if (!job || blocks == 0)
        return;
    const qint64 chunk = std::min(blockAt(ms), blocks - 1) / ChunkBlocks;
    if (!chunkReady[std::size_t(chunk)])
        job->preferredChunk = chunk;
}

bool WaveformPeaks::complete() const {
    return job && sampleRate > 0 && chunksReady == qint64(chunkReady.size());
}

qint64 WaveformPeaks::blockAt(qint64 ms) const {
    return std::max<qint64>(0, ms) * sampleRate / 1000 / blockFrames;
}

qint64 WaveformPeaks::msAtBlock(qint64 block) const {
    return block * blockFrames * 1000 / sampleRate;
}

std::optional<WaveformPeaks::Peak> WaveformPeaks::peak(qint64 fromMs, qint64 toMs) const {
    if (blocks == 0 || toMs <= 0 || blockAt(fromMs) >= blocks)
        return std::nullopt;
    const qint64 first = blockAt(fromMs);
    // The block that holds the last millisecond; at least one block.
    const qint64 end = std::clamp(blockAt(std::max(fromMs, toMs - 1)) + 1, first + 1, blocks);
    std::optional<StoredPeak> extremes;
    for (qint64 block = first; block < end; block = (block / ChunkBlocks + 1) * ChunkBlocks) {
        if (!chunkReady[std::size_t(block / ChunkBlocks)])
            continue;
        const auto from = job->peaks.begin() + block;
        const auto to = job->peaks.begin() + std::min(end, (block / ChunkBlocks + 1) * ChunkBlocks);
        StoredPeak found = extremes.value_or(*from);
        for (auto peak = from; peak != to; ++peak) {
            found.low = std::min(found.low, peak->low);
            found.high = std::max(found.high, peak->high);
        }
        extremes = found;
    }
    if (!extremes)
        return std::nullopt;
    return Peak{sampleOf(extremes->low), sampleOf(extremes->high)};
}
