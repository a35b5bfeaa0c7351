#include "audio/MpegAudioFrames.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace {

// What a decode of the first frames holds back: the decoder's own delay, which the LAME
// tag's encoder delay does not include.
constexpr qint64 DecoderDelay = 529;
constexpr qint64 Id3v1Size = 128;
constexpr qint64 ChunkBytes = 1 << 20;

// Reads the file a chunk at a time; bytes() gives `count` bytes from `position` on.
class ChunkedFile {
public:
    explicit ChunkedFile(const QByteArray& fileName) : file_(QFile::decodeName(fileName)) {
        if (file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            size_ = file_.size();
    }
    qint64 size() const { return size_; }
    // Null past the end of the file or when it cannot be read.
    const uchar* bytes(qint64 position, qint64 count) {
        if (position < 0 || position + count > size_)
            return nullptr;
        if (position < start_ || position + count > start_ + chunk_.size()) {
            if (!file_.seek(position))
                return nullptr;
            chunk_ = file_.read(std::max(count, ChunkBytes));
            start_ = position;
            if (chunk_.size() < count)
                return nullptr;
        }
        return reinterpret_cast<const uchar*>(chunk_.constData()) + (position - start_);
    }
    quint32 bigEndian(qint64 position, int count) {
        const uchar* data = bytes(position, count);
        quint32 value = 0;
        for (int i = 0; data && i < count; ++i)
            value = value << 8 | data[i];
        return value;
    }

private:
    QFile file_;
    qint64 size_ = 0;
    QByteArray chunk_;
    qint64 start_ = 0;
};

struct FrameHeader {
    quint32 format; // the bits every frame of a stream shares: version, layer, rate, mono
    int bytes;
    int samples;
    int sampleRate;
    bool mpeg1;
    bool mono;
};

// A layer III frame header; none for anything else (free format included).
std::optional<FrameHeader> parseHeader(quint32 header) {
    static constexpr int Kbps[2][15] = {
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}};
    static constexpr int Rates[3] = {44100, 48000, 32000};
    const int version = (header >> 19) & 3; // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
    const int layer = (header >> 17) & 3;   // 1 is layer III
    const int bitrate = (header >> 12) & 15;
    const int rate = (header >> 10) & 3;
    if ((header & 0xffe00000) != 0xffe00000 || version == 1 || layer != 1 || bitrate == 0 ||
        bitrate == 15 || rate == 3)
        return std::nullopt;
    FrameHeader frame{};
    frame.mpeg1 = version == 3;
    frame.mono = ((header >> 6) & 3) == 3;
    frame.format = (header & 0xfffe0c00) | (frame.mono ? 1 : 0);
    frame.sampleRate = Rates[rate] >> (frame.mpeg1 ? 0 : version == 2 ? 1 : 2);
    frame.samples = frame.mpeg1 ? 1152 : 576;
    frame.bytes = frame.samples / 8 * Kbps[frame.mpeg1 ? 0 : 1][bitrate] * 1000 / frame.sampleRate +
                  int((header >> 9) & 1);
    return frame;
}

qint64 afterId3v2Tags(ChunkedFile& file) {
    qint64 position = 0;
    while (const uchar* tag = file.bytes(position, 10)) {
        if (std::memcmp(tag, "ID3", 3) != 0)
            break;
        const qint64 size = qint64(tag[6] & 0x7f) << 21 | (tag[7] & 0x7f) << 14 |
                            (tag[8] & 0x7f) << 7 | (tag[9] & 0x7f);
        position += 10 + size + ((tag[5] & 0x10) ? 10 : 0); // a footer follows the tag
    }
    return position;
}

// The Xing/Info frame that encoders put first: not sound, and the demuxer does not pass
// it on when it gives a frame count or a size. Its LAME tag tells how many samples of the
// decode are the encoder's delay and padding. No value where the demuxer decodes the frame
// as sound or the tag is one this walk does not follow (VBRI).
struct InfoFrame {
    bool present = false;
    qint64 frames = 0;
    qint64 startPadding = -1; // -1: no LAME tag
    qint64 endPadding = 0;
};
std::optional<InfoFrame> readInfoFrame(ChunkedFile& file, qint64 position,
                                       const FrameHeader& frame) {
    InfoFrame info;
    if (file.bigEndian(position + 4 + 32, 4) == 0x56425249) // "VBRI": not followed
        return std::nullopt;
    qint64 at = position + 4 + (frame.mpeg1 ? (frame.mono ? 17 : 32) : (frame.mono ? 9 : 17));
    const quint32 tag = file.bigEndian(at, 4);
    if (tag != 0x58696e67 && tag != 0x496e666f) // "Xing", "Info"
        return info;
    const quint32 flags = file.bigEndian(at + 4, 4);
    at += 8;
    qint64 size = 0;
    if (flags & 1)
        info.frames = file.bigEndian(at, 4), at += 4;
    if (flags & 2)
        size = file.bigEndian(at, 4), at += 4;
    if (info.frames == 0 && size == 0)
        return std::nullopt; // the demuxer decodes this frame as sound
    info.present = true;
    at += (flags & 4 ? 100 : 0) + (flags & 8 ? 4 : 0);
    const uchar* encoder = file.bytes(at, 4);
    if (encoder && (std::memcmp(encoder, "LAME", 4) == 0 || std::memcmp(encoder, "Lavf", 4) == 0 ||
                    std::memcmp(encoder, "Lavc", 4) == 0)) {
        const quint32 delays = file.bigEndian(at + 9 + 12, 3);
        info.startPadding = delays >> 12;
        info.endPadding = delays & 0xfff;
    }
    return info;
}

// What the demuxer cuts from the frames that reach into the padding the tag names:
// everything from `frames` frames minus the padding (shifted by the decoder's delay) on.
qint64 trimmedAtEnd(const InfoFrame& info, qint64 samplesPerFrame) {
    const qint64 last = info.frames * samplesPerFrame;
    const qint64 first = last - info.endPadding + DecoderDelay;
    qint64 trimmed = 0;
    for (qint64 frame = std::max<qint64>(0, first / samplesPerFrame - 1); frame < info.frames;
         ++frame) {
        const qint64 start = frame * samplesPerFrame, end = start + samplesPerFrame;
        if (end >= first && start < last)
            trimmed += std::min(end - first, samplesPerFrame);
    }
    return trimmed;
}

} // namespace

std::optional<MpegAudioFrames> walkMpegAudioFrames(const QByteArray& fileName, qint64 stride) {
    ChunkedFile file(fileName);
    qint64 position = afterId3v2Tags(file);
    const auto first = parseHeader(file.bigEndian(position, 4));
    if (!first)
        return std::nullopt;
    const auto info = readInfoFrame(file, position, *first);
    if (!info)
        return std::nullopt;
    if (info->present)
        position += first->bytes;
    MpegAudioFrames frames;
    frames.samplesPerFrame = first->samples;
    frames.sampleRate = first->sampleRate;
    while (const uchar* bytes = file.bytes(position, 4)) {
        const auto frame =
            parseHeader(quint32(bytes[0]) << 24 | bytes[1] << 16 | bytes[2] << 8 | bytes[3]);
        if (!frame || frame->format != first->format || position + frame->bytes > file.size())
            break;
        if (frames.count % stride == 0)
            frames.offsets.push_back(position);
        ++frames.count;
        position += frame->bytes;
    }
    const qint64 rest = file.size() - position;
    const uchar* tail = rest == Id3v1Size ? file.bytes(position, rest) : nullptr;
    if (rest != 0 && !(tail && std::memcmp(tail, "TAG", 3) == 0))
        return std::nullopt;
    if (info->startPadding >= 0) {
        // The demuxer places the padding by the count the tag gives: follow it only where
        // that count is the frames found.
        if (info->frames != frames.count)
            return std::nullopt;
        frames.skippedAtStart = info->startPadding + DecoderDelay;
        frames.trimmedAtEnd = trimmedAtEnd(*info, frames.samplesPerFrame);
    }
    if (frames.count == 0 || frames.decodedSamples() <= 0)
        return std::nullopt;
    return frames;
}
