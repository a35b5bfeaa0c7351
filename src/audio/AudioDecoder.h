#pragma once

#include <QString>

#include <memory>

// One audio file, decoded to interleaved float frames on demand; nothing is loaded
// whole. open() picks the library that reads the file. Not thread-safe: one thread at
// a time.
class AudioDecoder {
public:
    struct OpenResult {
        std::unique_ptr<AudioDecoder> decoder; // null when the file cannot be opened
        int error = 0;                         // an MciError number when it cannot
        QString message;                       // "Cannot open <path>: <reason>."
    };
    static OpenResult open(const QString& path);
    virtual ~AudioDecoder() = default;

    int sampleRate() const { return sampleRate_; }
    int channels() const { return channels_; }
    // The frames that can be decoded, whatever the file's header claims; small enough
    // that frames * 1000 (milliseconds) cannot overflow.
    qint64 frames() const { return frames_; }
    // Bits per sample of the stored data (16 for PCM_16, 32 for float, 8 for A-law...);
    // 0 for compressed formats that have none.
    int bitsPerSample() const { return bitsPerSample_; }

    // Moves to `frame`; false when the decoder cannot get there.
    virtual bool seek(qint64 frame) = 0;
    // Reads up to `count` interleaved float frames; returns the frames read.
    virtual qint64 read(float* destination, qint64 count) = 0;

protected:
    AudioDecoder(int sampleRate, int channels, qint64 frames, int bitsPerSample)
        : sampleRate_(sampleRate), channels_(channels), frames_(frames),
          bitsPerSample_(bitsPerSample) {}

private:
    int sampleRate_;
    int channels_;
    qint64 frames_;
    int bitsPerSample_;
};
