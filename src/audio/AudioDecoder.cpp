#include "audio/AudioDecoder.h"

#include "audio/AudioFormats.h"
#include "audio/FfmpegDecoder.h"
#include "audio/MciErrors.h"

#include <QFile>
#include <QFileInfo>

#include <optional>
#include <sndfile.h>
#include <unistd.h>

namespace {

constexpr auto failure = &AudioDecoder::refusal;

int bitsPerSampleOf(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_ULAW:
    case SF_FORMAT_ALAW:
        return 8;
    case SF_FORMAT_PCM_16:
        return 16;
    case SF_FORMAT_PCM_24:
        return 24;
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
        return 32;
    case SF_FORMAT_DOUBLE:
        return 64;
    case SF_FORMAT_IMA_ADPCM:
    case SF_FORMAT_MS_ADPCM:
        return 4;
    default:
        return 0;
    }
}

// Reasons found before libsndfile is asked, so that the message says what is wrong
// in plain words rather than "format not recognised".
std::optional<AudioDecoder::OpenResult> checkFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return failure(path, MciError::FileNotFound, QStringLiteral("the file does not exist"));
    if (info.isDir())
        return failure(path, MciError::InvalidFile, QStringLiteral("it is a folder, not a file"));
    // A pipe or a device would block the read or never end.
    if (!info.isFile())
        return failure(path, MciError::InvalidFile,
                       QStringLiteral("it is a device or a pipe, not a file"));
    if (::access(QFile::encodeName(path).constData(), R_OK) != 0)
        return failure(path, MciError::FileRead,
                       QStringLiteral("you do not have permission to read it"));
    if (info.size() == 0)
        return failure(path, MciError::InvalidFile, QStringLiteral("the file is empty"));
    return std::nullopt;
}

QString sndfileReason(SNDFILE* file) {
    QString reason = QString::fromLocal8Bit(sf_strerror(file)).trimmed();
    while (reason.endsWith(u'.'))
        reason.chop(1);
    return QStringLiteral("it is not an audio file that can be played (%1)").arg(reason);
}

// A file read through libsndfile: every WAV variant, RF64, W64, FLAC, Ogg and whatever
// else libsndfile reads.
class SndfileDecoder : public AudioDecoder {
public:
    SndfileDecoder(SNDFILE* file, const SF_INFO& info)
        : AudioDecoder(info.samplerate, info.channels, info.frames, bitsPerSampleOf(info.format)),
          file_(file) {}
    ~SndfileDecoder() override { sf_close(file_); }

    bool seek(qint64 frame) override { return sf_seek(file_, frame, SEEK_SET) == frame; }
    qint64 read(float* destination, qint64 count) override {
        return sf_readf_float(file_, destination, count);
    }

private:
    SNDFILE* file_;
};

} // namespace

AudioDecoder::OpenResult AudioDecoder::open(const QString& path) {
    if (auto problem = checkFile(path))
        return std::move(*problem);
    if (!isLibsndfileContainer(path))
        return openWithFfmpeg(path);
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return failure(path, MciError::InvalidFile, sndfileReason(nullptr));
    if (info.channels < 1 || info.channels > MaxChannels || info.samplerate < 1 ||
        info.samplerate > MaxSampleRate || info.frames < 0) {
        sf_close(file);
        return failure(path, MciError::InvalidFile,
                       QStringLiteral("%1 channels at %2 Hz cannot be played")
                           .arg(info.channels)
                           .arg(info.samplerate));
    }
    // Integer data is scaled to -1..1 exactly, so that full-scale samples survive the trip.
    sf_command(file, SFC_SET_NORM_FLOAT, nullptr, SF_TRUE);
    return {std::make_unique<SndfileDecoder>(file, info), MciError::None, QString()};
}
