#include "audio/AudioDecoder.h"

#include "audio/MciErrors.h"

#include <QFile>
#include <QFileInfo>

#include <optional>
#include <sndfile.h>
#include <unistd.h>

namespace {

// Limits of what the sound server can play (PA_CHANNELS_MAX, PA_RATE_MAX).
constexpr int MaxChannels = 32;
constexpr int MaxSampleRate = 384000;

AudioDecoder::OpenResult failure(const QString& path, int error, const QString& reason) {
    return {nullptr, error, QStringLiteral("Cannot open %1: %2.").arg(path, reason)};
}

} // namespace

// Reasons found before libsndfile is asked, so that the message says what is wrong
// in plain words rather than "format not recognised".
std::optional<AudioDecoder::OpenResult> AudioDecoder::checkFile(const QString& path) {
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

namespace {

QString sndfileReason(SNDFILE* file) {
    QString reason = QString::fromLocal8Bit(sf_strerror(file)).trimmed();
    while (reason.endsWith(u'.'))
        reason.chop(1);
    return QStringLiteral("it is not an audio file that can be played (%1)").arg(reason);
}

} // namespace

int AudioDecoder::bitsPerSampleOf(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_NMS_ADPCM_16:
        return 2;
    case SF_FORMAT_G723_24:
    case SF_FORMAT_NMS_ADPCM_24:
        return 3;
    case SF_FORMAT_IMA_ADPCM:
    case SF_FORMAT_MS_ADPCM:
    case SF_FORMAT_VOX_ADPCM:
    case SF_FORMAT_G721_32:
    case SF_FORMAT_NMS_ADPCM_32:
        return 4;
    case SF_FORMAT_G723_40:
        return 5;
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_ULAW:
    case SF_FORMAT_ALAW:
    case SF_FORMAT_DPCM_8:
        return 8;
    case SF_FORMAT_DWVW_12:
        return 12;
    case SF_FORMAT_PCM_16:
    case SF_FORMAT_DWVW_16:
    case SF_FORMAT_DPCM_16:
    case SF_FORMAT_ALAC_16:
        return 16;
    case SF_FORMAT_ALAC_20:
        return 20;
    case SF_FORMAT_PCM_24:
    case SF_FORMAT_DWVW_24:
    case SF_FORMAT_ALAC_24:
        return 24;
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_ALAC_32:
        return 32;
    case SF_FORMAT_DOUBLE:
        return 64;
    default:
        return 0;
    }
}

AudioDecoder::OpenResult AudioDecoder::open(const QString& path) {
    if (auto problem = checkFile(path))
        return std::move(*problem);
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
    return {std::unique_ptr<AudioDecoder>(new AudioDecoder(
                file, info.samplerate, info.channels, info.frames, bitsPerSampleOf(info.format))),
            MciError::None, QString()};
}

AudioDecoder::AudioDecoder(sf_private_tag* file, int sampleRate, int channels, qint64 frames,
                           int bits)
    : file_(file), sampleRate_(sampleRate), channels_(channels), frames_(frames),
      bitsPerSample_(bits) {}

AudioDecoder::~AudioDecoder() {
    sf_close(file_);
}

bool AudioDecoder::seek(qint64 frame) {
    return sf_seek(file_, frame, SEEK_SET) == frame;
}

qint64 AudioDecoder::read(float* destination, qint64 count) {
    return sf_readf_float(file_, destination, count);
}
