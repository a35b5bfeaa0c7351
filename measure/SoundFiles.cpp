#include "SoundFiles.h"

#include <QFile>
#include <QProcess>
#include <QtDebug>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

namespace {

// Writes a sound file in blocks, each sample being sampleOf(frame, channel): full scale
// is 1.0, or, unscaled, the integer sample value itself.
template <typename SampleOf>
bool writeSoundFile(const QString& path, SF_INFO info, qint64 frames, bool unscaled,
                    SampleOf sampleOf) {
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(
        sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info), sf_close);
    if (!file) {
        qWarning() << "cannot write" << path << ":" << sf_strerror(nullptr);
        return false;
    }
    sf_command(file.get(), SFC_SET_NORM_DOUBLE, nullptr, unscaled ? SF_FALSE : SF_TRUE);
    constexpr qint64 blockFrames = 8192;
    std::vector<double> block;
    for (qint64 first = 0; first < frames; first += blockFrames) {
        const qint64 count = std::min(blockFrames, frames - first);
        block.resize(size_t(count * info.channels));
        for (qint64 i = 0; i < count * info.channels; ++i)
            block[size_t(i)] = sampleOf(first + i / info.channels, int(i % info.channels));
        if (sf_writef_double(file.get(), block.data(), count) != count) {
            qWarning() << "short write:" << sf_strerror(file.get());
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<qint64> frameIndexOf(qint16 left, qint16 right) {
    if (left <= 0 || right < 0)
        return std::nullopt;
    return qint64(right) * IndexedCodeModulus + (left - 1);
}

bool writeIndexedWav(const QString& path, qint64 frames, int sampleRate, int channels) {
    if (frames < 0 || frames > qint64(IndexedCodeModulus) * 32768 || channels < 1)
        return false;
    const SF_INFO info{0, sampleRate, channels, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
    return writeSoundFile(path, info, frames, true, [](qint64 frame, int channel) {
        return double(channel == 0   ? frame % IndexedCodeModulus + 1
                      : channel == 1 ? frame / IndexedCodeModulus
                                     : 0);
    });
}

bool writeToneFile(const QString& path, const ToneFile& tone) {
    const double step = 2 * std::numbers::pi * tone.frequency / tone.sampleRate;
    const SF_INFO info{0, tone.sampleRate, tone.channels, tone.format, 0, 0};
    return writeSoundFile(path, info, tone.frames, false, [&tone, step](qint64 frame, int) {
        return (tone.amplitudeAt ? tone.amplitudeAt(frame) : tone.amplitude) *
               std::sin(step * double(frame));
    });
}

bool writeTwoHourWav(const QString& path) {
    constexpr quint32 Rate = 44100;
    const quint32 dataBytes = 2u * 3600u * Rate * 4;
    QByteArray header("RIFF");
    const auto add = [&](quint32 value, int bytes) {
        header.append(reinterpret_cast<const char*>(&value), bytes);
    };
    add(36 + dataBytes, 4);
    header.append("WAVEfmt ");
    add(16, 4), add(1, 2), add(2, 2), add(Rate, 4), add(Rate * 4, 4), add(4, 2), add(16, 2);
    header.append("data");
    add(dataBytes, 4);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(header) == header.size() &&
           file.resize(header.size() + qint64(dataBytes));
}

std::optional<QByteArray> runFfmpeg(const QStringList& arguments) {
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", QStringList{"-v", "error", "-y"} + arguments);
    if (ffmpeg.waitForFinished(600000) && ffmpeg.exitCode() == 0)
        return ffmpeg.readAllStandardOutput();
    qWarning() << "ffmpeg" << arguments << ffmpeg.readAllStandardError();
    return std::nullopt;
}
