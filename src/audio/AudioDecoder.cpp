#include "audio/AudioDecoder.h"

#include "audio/AudioFormats.h"
#include "audio/FfmpegDecoder.h"
#include "audio/MciErrors.h"

#include <QFile>
#include <QLocale>

#include <dirent.h>
#include <fcntl.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Any length up to this converts to milliseconds (frames * 1000) without overflow.
constexpr qint64 MaxFrames = std::numeric_limits<qint64>::max() / 1000;
// Frames decoded at a time while skipping or counting.
constexpr qint64 ScratchFrames = 4096;
// Where the search for the end of a file of unknown length starts: about a second.
constexpr qint64 FirstLengthProbe = 1 << 16;

constexpr auto failure = &AudioDecoder::refusal;

// Qt reads file names as UTF-8 and turns bytes that are not UTF-8 into U+FFFD, so such a
// name no longer encodes back to the bytes on disk. The folder's entry shown under the
// same name is the file meant; the name is kept as written when none or several match.
QByteArray entryBytes(const QByteArray& folder, const QString& name) {
    const QByteArray written = QFile::encodeName(name);
    if (!name.contains(QChar::ReplacementCharacter))
        return written;
    DIR* entries = ::opendir(folder.isEmpty() ? "." : folder.constData());
    if (!entries)
        return written;
    std::optional<QByteArray> match;
    bool ambiguous = false;
    while (const dirent* entry = ::readdir(entries)) {
        if (QFile::decodeName(entry->d_name) == name) {
            ambiguous = match.has_value();
            match = QByteArray(entry->d_name);
        }
    }
    ::closedir(entries);
    return match && !ambiguous ? *match : written;
}

// The bytes that name `path` on disk, found part by part.
QByteArray fileSystemName(const QString& path) {
    QByteArray name;
    const QStringList parts = path.split(u'/');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            name += '/';
        name += entryBytes(name, parts[i]);
    }
    return name;
}

// Owns a file descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

// Reasons found before libsndfile is asked, so that the message says what is wrong in
// plain words rather than "format not recognised". The checks look at the file opened,
// not at its name, so that nothing can swap it for a pipe in between.
std::optional<AudioDecoder::OpenResult> checkFile(const QString& path, const Descriptor& file,
                                                  int openError) {
    if (file.get() < 0) {
        if (openError == ENOENT || openError == ENOTDIR)
            return failure(path, MciError::FileNotFound,
                           AudioDecoder::tr("the file does not exist"));
        if (openError == EACCES || openError == EPERM)
            return failure(path, MciError::FileRead,
                           AudioDecoder::tr("you do not have permission to read it"));
        return failure(path, MciError::FileRead, QString::fromLocal8Bit(strerror(openError)));
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        return failure(path, MciError::FileRead, QString::fromLocal8Bit(strerror(errno)));
    if (S_ISDIR(status.st_mode))
        return failure(path, MciError::InvalidFile, AudioDecoder::tr("it is a folder, not a file"));
    // A pipe or a device would block the read or never end.
    if (!S_ISREG(status.st_mode))
        return failure(path, MciError::InvalidFile,
                       AudioDecoder::tr("it is a device or a pipe, not a file"));
    if (status.st_size == 0)
        return failure(path, MciError::InvalidFile, AudioDecoder::tr("the file is empty"));
    return std::nullopt;
}

// The first bytes of the file, which tell its container.
QByteArray fileHead(int file) {
    QByteArray head(12, '\0');
    const ssize_t got = ::pread(file, head.data(), size_t(head.size()), 0);
    head.truncate(std::max<ssize_t>(0, got));
    return head;
}

// A name for the opened file that reaches the same file whatever its own name's bytes,
// for a library that opens files by name.
QByteArray procPathOf(int file) {
    return "/proc/self/fd/" + QByteArray::number(file);
}

// Opened without waiting (a pipe would wait for a writer); reads then block as usual.
Descriptor openForReading(const QByteArray& name) {
    Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() >= 0)
        ::fcntl(file.get(), F_SETFL, ::fcntl(file.get(), F_GETFL) & ~O_NONBLOCK);
    return file;
}

QString sndfileReason(SNDFILE* file) {
    QString reason = QString::fromLocal8Bit(sf_strerror(file)).trimmed();
    while (reason.endsWith(u'.'))
        reason.chop(1);
    return AudioDecoder::tr("it is not an audio file that can be played (%1)").arg(reason);
}

QString unplayableReason(int channels, int sampleRate) {
    QLocale numbers;
    numbers.setNumberOptions(numbers.numberOptions() & ~QLocale::OmitGroupSeparator);
    const QString count = channels == 1 ? AudioDecoder::tr("1 channel")
                                        : AudioDecoder::tr("%1 channels").arg(channels);
    return AudioDecoder::tr("%1 at %2 Hz cannot be played")
        .arg(count, numbers.toString(sampleRate));
}

// Bits per sample as stored, by the encoding; 0 where the encoding has no fixed sample
// size (lossy codecs such as Vorbis, Opus, MPEG and GSM).
int bitsPerSampleOf(int format) {
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

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

// A libsndfile handle on the descriptor, reading from the start; the descriptor stays
// open when the handle is closed, so the same file can be read again from its start.
SndfileHandle openHandle(int file, SF_INFO& info) {
    ::lseek(file, 0, SEEK_SET);
    info = {};
    SndfileHandle handle(sf_open_fd(file, SFM_READ, &info, SF_FALSE));
    // Integer data is scaled to -1..1 exactly, so that full-scale samples survive the trip.
    if (handle)
        sf_command(handle.get(), SFC_SET_NORM_FLOAT, nullptr, SF_TRUE);
    return handle;
}

// A handle and the frame it reads next. Where libsndfile cannot seek (GSM 6.10, G.721,
// NMS ADPCM, XI, VOX, and DWVW, which it calls seekable but takes to frame 0 only) a
// frame is reached by decoding from the start.
class Reader {
public:
    Reader(int file, SndfileHandle handle, const SF_INFO& info)
        : file_(file), handle_(std::move(handle)), scratch_(size_t(ScratchFrames) * info.channels),
          seekable_(info.seekable && jump(1)) {}

    qint64 position() const { return position_; }
    bool seekable() const { return seekable_; }

    qint64 read(float* destination, qint64 count) {
        const qint64 got = handle_ ? sf_readf_float(handle_.get(), destination, count) : 0;
        position_ += got;
        return got;
    }
    // Decodes and drops up to `count` frames, fewer once *stop is set; returns the frames
    // passed.
    qint64 skip(qint64 count, const std::atomic<bool>* stop = nullptr) {
        qint64 done = 0;
        for (qint64 got = 1; done < count && got > 0 && !(stop && *stop); done += got)
            got = read(scratch_.data(), std::min(ScratchFrames, count - done));
        return done;
    }
    bool seek(qint64 frame, const std::atomic<bool>* stop) {
        if (seekable_ && jump(frame))
            return true;
        if (frame < position_ && !rewind())
            return false;
        const qint64 gap = frame - position_;
        return skip(gap, stop) == gap;
    }
    // Moves by libsndfile's seek alone.
    bool jump(qint64 frame) {
        if (handle_ && sf_seek(handle_.get(), frame, SEEK_SET) == frame) {
            position_ = frame;
            return true;
        }
        // A failed seek leaves some decoders (FLAC) unable to seek again.
        rewind();
        return false;
    }
    // Starts again from frame 0 on a new handle.
    bool rewind() {
        handle_.reset();
        SF_INFO info;
        handle_ = openHandle(file_, info);
        position_ = 0;
        return handle_ != nullptr;
    }
    // Frame `frame` exists: libsndfile's seek reaches it and it decodes.
    bool decodes(qint64 frame) { return jump(frame) && read(scratch_.data(), 1) == 1; }

private:
    int file_; // owned by the decoder
    SndfileHandle handle_;
    qint64 position_ = 0;
    std::vector<float> scratch_;
    bool seekable_;
};

// The frames that can really be decoded, which the header may not tell: a FLAC written
// through a pipe has no length in it (libsndfile reports its largest count), and a file
// cut short or still being written has less than its header says. The end is found by
// seeking, so a long file costs a few dozen seeks, not a decoding of the whole. No value
// when no frame decodes or the file is longer than any length can be.
std::optional<qint64> seekableLength(Reader& reader, qint64 reported) {
    if (reported == 0)
        return 0; // a recording with no frames yet
    if (!reader.decodes(0))
        return std::nullopt;
    qint64 good = 0;           // a frame that decodes
    std::optional<qint64> bad; // a frame after `good` that does not
    if (reported > 0 && reported <= MaxFrames) {
        (reader.decodes(reported - 1) ? good : bad.emplace()) = reported - 1;
    } else {
        for (qint64 probe = FirstLengthProbe; !bad; probe *= 2) {
            if (probe > MaxFrames)
                return std::nullopt;
            (reader.decodes(probe) ? good : bad.emplace()) = probe;
        }
    }
    while (bad && *bad - good > 1) {
        const qint64 middle = good + (*bad - good) / 2;
        (reader.decodes(middle) ? good : *bad) = middle;
    }
    // Some decoders seek only to some frames (Vorbis pages): decoding on from the last
    // frame reached counts the rest.
    if (!reader.jump(good))
        return std::nullopt;
    return good + reader.skip(MaxFrames - good);
}

// Encodings that cannot seek keep the length their header gives; without one the
// frames are counted by decoding them all.
std::optional<qint64> sequentialLength(Reader& reader, qint64 reported) {
    if (reported >= 0 && reported <= MaxFrames)
        return reported;
    const qint64 counted = reader.skip(MaxFrames);
    return counted < MaxFrames ? std::optional(counted) : std::nullopt;
}

// A file read through libsndfile: every WAV variant, RF64, W64, FLAC, Ogg and whatever
// else libsndfile reads. Reads never pass the length found at open.
class SndfileDecoder : public AudioDecoder {
public:
    SndfileDecoder(Descriptor file, Reader reader, const SF_INFO& info, qint64 frames)
        : AudioDecoder(info.samplerate, info.channels, frames, bitsPerSampleOf(info.format)),
          file_(std::move(file)), reader_(std::move(reader)) {}

    bool seek(qint64 frame) override {
        if (frame < 0 || frame > frames())
            return false;
        if (frame == frames() && frame > 0) // not every decoder seeks to the very end
            return reader_.seek(frame - 1, seekInterruption()) && reader_.skip(1) == 1;
        return frame == reader_.position() || reader_.seek(frame, seekInterruption());
    }
    bool seeksQuickly() const override { return reader_.seekable(); }
    qint64 read(float* destination, qint64 count) override {
        return reader_.read(destination,
                            std::clamp<qint64>(count, 0, frames() - reader_.position()));
    }

private:
    Descriptor file_; // read by reader_, declared first so that it outlives it
    Reader reader_;
};

} // namespace

AudioDecoder::OpenResult AudioDecoder::open(const QString& path) {
    Descriptor file = openForReading(fileSystemName(path));
    if (auto problem = checkFile(path, file, errno))
        return std::move(*problem);
    if (!isLibsndfileContainer(fileHead(file.get())))
        return openWithFfmpeg(path, procPathOf(file.get()));
    SF_INFO info;
    SndfileHandle handle = openHandle(file.get(), info);
    if (!handle)
        return failure(path, MciError::InvalidFile, sndfileReason(nullptr));
    if (info.channels < 1 || info.channels > MaxChannels || info.samplerate < 1 ||
        info.samplerate > MaxSampleRate)
        return failure(path, MciError::InvalidFile,
                       unplayableReason(info.channels, info.samplerate));
    Reader reader(file.get(), std::move(handle), info);
    const auto frames = reader.seekable() ? seekableLength(reader, info.frames)
                                          : sequentialLength(reader, info.frames);
    if (!frames || !reader.seek(0, nullptr))
        return failure(path, MciError::InvalidFile,
                       AudioDecoder::tr("no sound in it can be decoded, so it has no length"));
    return {std::make_unique<SndfileDecoder>(std::move(file), std::move(reader), info, *frames),
            MciError::None, QString()};
}
