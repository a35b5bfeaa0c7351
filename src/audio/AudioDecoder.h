#pragma once

#include <QString>

#include <memory>
#include <optional>

struct sf_private_tag;

// One audio file read through libsndfile: every WAV variant, RF64, W64, FLAC, Ogg and
// whatever else libsndfile reads. Frames are streamed from disk on demand; nothing is
// loaded whole. Not thread-safe: one thread at a time.
class AudioDecoder {
public:
    struct OpenResult {
        std::unique_ptr<AudioDecoder> decoder; // null when the file cannot be opened
        int error = 0;                         // an MciError number when it cannot
        QString message;                       // "Cannot open <path>: <reason>."
    };
    static OpenResult open(const QString& path);
    // Why path cannot be opened before its contents are read (missing, a folder, a pipe
    // or a device, unreadable, empty); nothing when it may be tried.
    static std::optional<OpenResult> checkFile(const QString& path);
    // Bits per sample stored by an encoding (a libsndfile format); 0 where it has no
    // fixed sample size (lossy codecs, variable-width DWVW).
    static int bitsPerSampleOf(int format);
    ~AudioDecoder();

    int sampleRate() const { return sampleRate_; }
    int channels() const { return channels_; }
    qint64 frames() const { return frames_; }
    // Bits per sample of the stored data (16 for PCM_16, 32 for float, 8 for A-law...);
    // 0 for compressed formats that have none.
    int bitsPerSample() const { return bitsPerSample_; }

    bool seek(qint64 frame);
    // Reads up to `count` interleaved float frames; returns the frames read.
    qint64 read(float* destination, qint64 count);

private:
    AudioDecoder(sf_private_tag* file, int sampleRate, int channels, qint64 frames, int bits);

    sf_private_tag* file_;
    int sampleRate_;
    int channels_;
    qint64 frames_;
    int bitsPerSample_;
};
