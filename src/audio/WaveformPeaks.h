#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// The lowest and highest sample of every small block of a file, for drawing its
// waveform. A worker thread decodes the file with a decoder of its own: the part asked
// for first, then the rest, and reports each finished part through queued calls. The
// object lives on the GUI thread and never waits for the worker: stopping it sets a flag
// the worker checks at every block. Only blocks already reported are ever read.
class WaveformPeaks : public QObject {
    Q_OBJECT
public:
    // Samples of all channels, -1..1.
    struct Peak {
        float low = 0;
        float high = 0;
    };
    // About 5 ms a block, and never more blocks than this (6 MB of peaks), however long
    // the file.
    static constexpr int BlocksPerSecond = 200;
    static constexpr qint64 MaxBlocks = 1500000;

    explicit WaveformPeaks(QObject* parent = nullptr);
    ~WaveformPeaks() override;

    // Stops any earlier computation and computes path's peaks, those around ms first.
    void start(const QString& path, qint64 ms);
    // Stops the computation and forgets its peaks.
    void clear();
    // The worker turns to the part around ms next, when it can seek there quickly.
    void prefer(qint64 ms);

    // The extremes of the computed blocks that overlap fromMs..toMs; none when no such
    // block has been computed yet.
    std::optional<Peak> peak(qint64 fromMs, qint64 toMs) const;
    bool complete() const;
    // Workers still running, in this process: a stopped one ends within a block.
    static int runningWorkers();

signals:
    // The peaks of fromMs..toMs are ready.
    void computed(qint64 fromMs, qint64 toMs);

public:
    struct Job;

private:
    static void work(const std::shared_ptr<Job>& job, const QString& path, qint64 ms);
    void opened(int rate, qint64 framesPerBlock, qint64 count);
    void chunkDone(qint64 chunk);
    qint64 blockAt(qint64 ms) const;
    qint64 msAtBlock(qint64 block) const;

    std::shared_ptr<Job> job;
    int sampleRate = 0;
    qint64 blockFrames = 0;
    qint64 blocks = 0;
    std::vector<bool> chunkReady;
    qint64 chunksReady = 0;
};
