#pragma once

#include <QString>

#include <sndfile.h>

#include <optional>

// Writers of sound files for tests.
//
// Indexed WAV files carry their own frame index in every frame, so that what the null
// sink's monitor records (s16le, stereo, 44100 Hz) decodes back to the frames heard:
//   left  = index % 32767 + 1   (1..32767, never 0)
//   right = index / 32767       (0..32767)
// which covers 32767 * 32768 frames (about 6.7 hours at 44100 Hz). Digital silence
// (0, 0) is no frame's code; a frame with left <= 0 or right < 0 is no code at all.
// The code survives playback exactly only at 44100 Hz with 2 channels and 100 % volume.

constexpr int IndexedCodeModulus = 32767;
constexpr qint64 MaxIndexedFrames = qint64(IndexedCodeModulus) * 32768;

// The 16-bit samples that carry frame index in an indexed file.
struct IndexedFrame {
    qint16 left;
    qint16 right;
};
IndexedFrame indexedFrameFor(qint64 index);
// The frame index a pair of 16-bit samples encodes; no value for silence or a pair that
// is no code.
std::optional<qint64> frameIndexOf(qint16 left, qint16 right);

// 16-bit PCM WAV whose frame i encodes i. With one channel only the left code is
// written; channels beyond two are silent. Returns false (with a warning) on failure.
bool writeIndexedWav(const QString& path, qint64 frames, int sampleRate = 44100, int channels = 2);

// A sine tone in any format libsndfile writes, for files that need not be indexed.
struct ToneFile {
    int sampleRate = 44100;
    int channels = 2;
    int format = SF_FORMAT_WAV | SF_FORMAT_PCM_16; // major type | subtype
    qint64 frames = 44100;
    double frequency = 440.0;
    double amplitude = 0.5; // of full scale
};
bool writeToneFile(const QString& path, const ToneFile& tone);

// Files a player must refuse without crashing.
enum class BadFile {
    Empty,           // zero bytes
    RandomBytes,     // 4096 bytes of noise, no header
    TruncatedHeader, // the first 20 bytes of a WAV header
    ShortData,       // header promises 44100 frames, the data chunk holds 11025
    HugeRate,        // a mono WAV whose header gives 2147483647 frames per second
};
bool writeBadFile(const QString& path, BadFile kind);
