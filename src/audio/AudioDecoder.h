#pragma once

#include <QCoreApplication>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <utility>

// One audio file, decoded to interleaved float frames on demand; nothing is loaded
// whole. open() picks the library that reads the file. Not thread-safe: one thread at
// a time.
class AudioDecoder {
    Q_DECLARE_TR_FUNCTIONS(AudioDecoder)

public:
    struct OpenResult {
        std::unique_ptr<AudioDecoder> decoder; // null when the file cannot be opened
        int error = 0;                         // an MciError number when it cannot
        QString message;                       // "Cannot open <path>: <reason>."
    };
    static OpenResult open(const QString& path);
    // What open() returns for a file it cannot open.
    static OpenResult refusal(const QString& path, int error, const QString& reason) {
        return {nullptr, error, tr("Cannot open %1: %2.").arg(path, reason)};
    }
    // Limits of what the sound server can play (PA_CHANNELS_MAX, PA_RATE_MAX).
    static constexpr int MaxChannels = 32;
    static constexpr int MaxSampleRate = 384000;
    virtual ~AudioDecoder() = default;

    int sampleRate() const { return sampleRate_; }
    int channels() const { return channels_; }
    // The frames that can be decoded, whatever the file's header claims; small enough
    // that frames * 1000 (milliseconds) cannot overflow.
    qint64 frames() const { return frames_; }
    // Bits per sample of the stored data (16 for PCM_16, 32 for float, 8 for A-law...);
    // 0 for compressed formats that have none.
    int bitsPerSample() const { return bitsPerSample_; }
    // The codec's name for compressed data ("AAC (Advanced Audio Coding)"); empty for
    // the PCM files that bitsPerSample() describes.
    virtual QString codecName() const { return {}; }

    // Called on the thread that reads, once per decoder, with the first frame of a part
    // of the file that could not be decoded (it plays as silence).
    using DamageHandler = std::function<void(qint64 frame)>;
    void setDamageHandler(DamageHandler handler) { onDamage_ = std::move(handler); }

    // Moves to `frame`; false when the decoder cannot get there.
    virtual bool seek(qint64 frame) = 0;
    // False where a seek decodes every frame before its target (GSM 6.10, G.721...), which
    // takes seconds in a long file: the engine then seeks on its reader thread only.
    virtual bool seeksQuickly() const { return true; }
    // While *flag is set, a seek that decodes its way to its target gives up and fails;
    // null for none.
    void setSeekInterruption(const std::atomic<bool>* flag) { seekInterruption_ = flag; }
    // Reads up to `count` interleaved float frames; returns the frames read.
    virtual qint64 read(float* destination, qint64 count) = 0;

protected:
    AudioDecoder(int sampleRate, int channels, qint64 frames, int bitsPerSample)
        : sampleRate_(sampleRate), channels_(channels), frames_(frames),
          bitsPerSample_(bitsPerSample) {}
    void setFrames(qint64 frames) { frames_ = frames; }
    const std::atomic<bool>* seekInterruption() const { return seekInterruption_; }
    void reportDamage(qint64 frame) {
        if (onDamage_ && !std::exchange(damageReported_, true))
            onDamage_(frame);
    }

private:
    int sampleRate_;
    int channels_;
    qint64 frames_;
    int bitsPerSample_;
    DamageHandler onDamage_;
    const std::atomic<bool>* seekInterruption_ = nullptr;
    bool damageReported_ = false;
};
