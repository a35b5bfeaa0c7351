#include "support/TestWav.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtDebug>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace {

// libsndfile writes a 16-bit PCM WAV with the 44-byte canonical header.
constexpr int CanonicalWavHeaderBytes = 44;
constexpr int WavSampleRateOffset = 24;

struct SndFileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndFilePtr = std::unique_ptr<SNDFILE, SndFileCloser>;

SndFilePtr createSoundFile(const QString& path, int sampleRate, int channels, int format) {
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = channels;
    info.format = format;
    SndFilePtr file(sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info));
    if (!file)
        qWarning() << "cannot write" << path << ":" << sf_strerror(nullptr);
    return file;
}

// Writes frames in blocks produced by fill(first frame, frame count, interleaved block).
template <typename Sample, typename Fill>
bool writeBlocks(SNDFILE* file, qint64 frames, int channels, Fill fill) {
    constexpr qint64 blockFrames = 8192;
    std::vector<Sample> block;
    for (qint64 first = 0; first < frames; first += blockFrames) {
        const qint64 count = std::min(blockFrames, frames - first);
        block.assign(count * channels, Sample{});
        fill(first, count, block.data());
        sf_count_t written;
        if constexpr (std::is_same_v<Sample, short>)
            written = sf_writef_short(file, block.data(), count);
        else
            written = sf_writef_double(file, block.data(), count);
        if (written != count) {
            qWarning() << "short write:" << sf_strerror(file);
            return false;
        }
    }
    return true;
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

IndexedFrame indexedFrameFor(qint64 index) {
    return {qint16(index % IndexedCodeModulus + 1), qint16(index / IndexedCodeModulus)};
}

std::optional<qint64> frameIndexOf(qint16 left, qint16 right) {
    if (left <= 0 || right < 0)
        return std::nullopt;
    return qint64(right) * IndexedCodeModulus + (left - 1);
}

bool writeIndexedWav(const QString& path, qint64 frames, int sampleRate, int channels) {
    if (frames < 0 || frames > MaxIndexedFrames || channels < 1)
        return false;
    const SndFilePtr file =
        createSoundFile(path, sampleRate, channels, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    return file && writeBlocks<short>(file.get(), frames, channels,
                                      [channels](qint64 first, qint64 count, short* out) {
                                          for (qint64 i = 0; i < count; ++i) {
                                              const IndexedFrame code = indexedFrameFor(first + i);
                                              short* frame = out + i * channels;
                                              frame[0] = code.left;
                                              if (channels > 1)
                                                  frame[1] = code.right;
                                          }
                                      });
}

bool writeToneFile(const QString& path, const ToneFile& tone) {
    const SndFilePtr file = createSoundFile(path, tone.sampleRate, tone.channels, tone.format);
    const double step = 2 * std::numbers::pi * tone.frequency / tone.sampleRate;
    return file &&
           writeBlocks<double>(file.get(), tone.frames, tone.channels,
                               [&tone, step](qint64 first, qint64 count, double* out) {
                                   for (qint64 i = 0; i < count * tone.channels; ++i)
                                       out[i] = tone.amplitude *
                                                std::sin(step * double(first + i / tone.channels));
                               });
}

bool writeBadFile(const QString& path, BadFile kind) {
    switch (kind) {
    case BadFile::Empty:
        return writeBytes(path, {});
    case BadFile::RandomBytes: {
        QByteArray noise(4096, Qt::Uninitialized);
        QRandomGenerator generator(20260101);
        for (char& byte : noise)
            byte = char(generator.bounded(256));
        return writeBytes(path, noise);
    }
    case BadFile::TruncatedHeader:
        return writeIndexedWav(path, 100) && writeBytes(path, readBytes(path).left(20));
    case BadFile::ShortData:
        return writeIndexedWav(path, 44100) &&
               writeBytes(path, readBytes(path).left(CanonicalWavHeaderBytes + 11025 * 4));
    case BadFile::HugeRate:
        return writeIndexedWav(path, 100, 8000, 1) &&
               writeBytes(path,
                          readBytes(path).replace(WavSampleRateOffset, 4, "\xff\xff\xff\x7f"));
    }
    return false;
}
