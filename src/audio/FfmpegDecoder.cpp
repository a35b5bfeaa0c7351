#include "audio/FfmpegDecoder.h"

#include "audio/MciErrors.h"
#include "audio/MpegAudioFrames.h"

#include <QFile>

#include <malloc.h>

#include <algorithm>
#include <cstring>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/intreadwrite.h>
#include <libswresample/swresample.h>
}

namespace {

template <typename T, void (*Free)(T**)> struct Freer {
    void operator()(T* p) const { Free(&p); }
};
using FormatPtr = std::unique_ptr<AVFormatContext, Freer<AVFormatContext, avformat_close_input>>;
using CodecPtr = std::unique_ptr<AVCodecContext, Freer<AVCodecContext, avcodec_free_context>>;
using SwrPtr = std::unique_ptr<SwrContext, Freer<SwrContext, swr_free>>;
using PacketPtr = std::unique_ptr<AVPacket, Freer<AVPacket, av_packet_free>>;
using FramePtr = std::unique_ptr<AVFrame, Freer<AVFrame, av_frame_free>>;

// Decoding from this far before a sought frame lets decoders settle (overlapping
// transforms, MP3's bit reservoir), so that the frames from the target on are the same
// as those of a decode from the start.
constexpr int PrerollDivisor = 4; // a quarter of a second
// ...and never fewer samples than this: after a seek into an MP3 at the half rates of
// speech (22 kHz), where the bit reservoir spans many small frames, a decode took up to
// 11000 samples to settle to the bit (10000 left one seek in forty off).
constexpr qint64 MinimumPreroll = 16384;
// Where the container has no exact index, the walk or packet scan at open notes one place
// this often.
constexpr int ScanIndexDivisor = 2; // every half second

QString ffmpegReason(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE]{};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

// An MP4 whose recording was cut off before its index (the "moov" box) was written
// starts like any other MP4, but FFmpeg cannot find its sound without the index.
bool startsLikeMp4(const QByteArray& fileName) {
    QFile file(QFile::decodeName(fileName));
    return file.open(QIODevice::ReadOnly) && file.read(8).mid(4) == "ftyp";
}

QString codecNameOf(const AVCodecParameters* parameters) {
    if (parameters->codec_id != AV_CODEC_ID_NONE)
        return QString::fromUtf8(avcodec_get_name(parameters->codec_id));
    if (parameters->codec_tag != 0) {
        char tag[AV_FOURCC_MAX_STRING_SIZE]{};
        return QString::fromUtf8(av_fourcc_make_string(tag, parameters->codec_tag));
    }
    return QStringLiteral("unknown");
}

// A decoder for `stream`; null with `error` set when it cannot be opened.
CodecPtr openCodec(const AVStream* stream, const AVCodec* type, int* error) {
    CodecPtr codec(avcodec_alloc_context3(type));
    int result =
        codec ? avcodec_parameters_to_context(codec.get(), stream->codecpar) : AVERROR(ENOMEM);
    if (result >= 0) {
        codec->pkt_timebase = stream->time_base;
        result = avcodec_open2(codec.get(), type, nullptr);
    }
    if (error)
        *error = result;
    return result < 0 ? nullptr : std::move(codec);
}

class FfmpegDecoder : public AudioDecoder {
public:
    FfmpegDecoder(FormatPtr format, CodecPtr codec, SwrPtr converter, int streamIndex)
        : AudioDecoder(codec->sample_rate, codec->ch_layout.nb_channels, 0,
                       av_get_bits_per_sample(codec->codec_id)),
          format_(std::move(format)), codec_(std::move(codec)), converter_(std::move(converter)),
          stream_(format_->streams[streamIndex]), packet_(av_packet_alloc()),
          frame_(av_frame_alloc()) {
        const AVRational tb = stream_->time_base;
        exactTimestamps_ = tb.den % (qint64(tb.num) * sampleRate()) == 0;
        const int flags = format_->iformat->flags;
        scanned_ = (flags & AVFMT_GENERIC_INDEX) ||
                   (stream_->duration == AV_NOPTS_VALUE && format_->duration == AV_NOPTS_VALUE);
    }

    // Reads the start of the file (named `fileName` on disk) for the place of its first
    // frame and its length. Returns false when no sound at all can be decoded.
    bool prepare(const QByteArray& fileName);
    // Packets carried encryption: what decodes from them is noise.
    bool encrypted() const { return encrypted_; }

    QString codecName() const override {
        if (bitsPerSample() > 0)
            return {}; // PCM and ADPCM, which their bits per sample describe
        const AVCodecDescriptor* descriptor = avcodec_descriptor_get(codec_->codec_id);
        return QString::fromUtf8(descriptor ? descriptor->long_name
                                            : avcodec_get_name(codec_->codec_id));
    }
    bool seek(qint64 frame) override;
    qint64 read(float* destination, qint64 count) override;

private:
    bool decodeFrame();
    bool sendNextPacket();
    bool readPacket();
    void noteScanned();
    bool seekBefore(qint64 frame);
    bool seekDemuxer(qint64 frame);
    qint64 frameIndexOf(int64_t timestamp) const;
    int64_t timestampOf(qint64 frameIndex) const;
    qint64 lengthByWalk(const QByteArray& fileName);
    qint64 lengthByScan();
    qint64 lengthByTailDecode();
    qint64 pendingEnd() const { return pendingStart_ + pendingFrames_; }

    FormatPtr format_;
    CodecPtr codec_;
    SwrPtr converter_;
    AVStream* stream_;
    PacketPtr packet_;
    FramePtr frame_;
    bool exactTimestamps_ = true; // the stream's time base counts whole samples
    bool scanned_ = false;        // found by a packet scan: sought by byte, stamped here

    // The whole decode's frame 0 is the first decoded frame, with this timestamp. Where the
    // time base is coarser than a sample, decoded frames lie on a grid: the first one is
    // `firstFrames_` long, each later one `frameSize_`.
    int64_t anchor_ = 0;
    qint64 firstFrames_ = 0;
    qint64 frameSize_ = 0;
    int64_t firstPacketTimestamp_ = AV_NOPTS_VALUE;
    int64_t firstPacketPosition_ = -1;

    struct Place {
        int64_t position; // byte offset of a packet
        int64_t timestamp;
    };
    std::vector<Place> scanIndex_; // scanned_ only
    int64_t nextStamp_ = AV_NOPTS_VALUE;
    // After a seek by timestamp, packets that end before this one are read but not
    // decoded: the demuxer lands on its index's last place before it (a Matroska cluster
    // up to seconds earlier), and only the pre-roll needs decoding.
    int64_t decodeFrom_ = AV_NOPTS_VALUE;
    int64_t lastTimestamp_ = AV_NOPTS_VALUE;
    int64_t lastDuration_ = 0;
    qint64 lastEndSkip_ = 0;
    bool scanning_ = false;
    bool encrypted_ = false;

    bool inputEnded_ = false;
    std::vector<float> pending_; // the last decoded frame, interleaved
    qint64 pendingStart_ = 0;
    qint64 pendingFrames_ = 0;
    qint64 position_ = 0;
    qint64 settledFrom_ = 0; // decoded frames before this one are not yet exact
};

bool FfmpegDecoder::prepare(const QByteArray& fileName) {
    scanning_ = scanned_;
    if (!decodeFrame())
        return false;
    anchor_ = frame_->best_effort_timestamp;
    pendingStart_ = 0;
    firstFrames_ = frameSize_ = pendingFrames_;
    if (decodeFrame())
        frameSize_ = pendingFrames_;
    qint64 length = scanned_ ? lengthByWalk(fileName) : lengthByTailDecode();
    if (scanned_ && length <= 0)
        length = lengthByScan();
    if (length <= 0)
        return false;
    setFrames(length);
    return seek(0);
}

qint64 FfmpegDecoder::frameIndexOf(int64_t timestamp) const {
    const qint64 estimate =
        av_rescale_q(timestamp - anchor_, stream_->time_base, AVRational{1, sampleRate()});
    if (exactTimestamps_)
        return estimate;
    // Milliseconds (Matroska, ASF) cannot name a sample, but decoded frames lie on a grid
    // that runs from the end of the first one (the encoder's delay is cut from the first
    // frame, so it may be shorter): the frame is the grid point nearest to its timestamp.
    const qint64 steps = std::llround(double(estimate - firstFrames_) / double(frameSize_));
    const qint64 onGrid = firstFrames_ + steps * frameSize_;
    return std::abs(estimate) < std::abs(estimate - onGrid) ? 0 : onGrid;
}

int64_t FfmpegDecoder::timestampOf(qint64 frameIndex) const {
    return anchor_ + av_rescale_q(frameIndex, AVRational{1, sampleRate()}, stream_->time_base);
}

// Notes where the packets are while the file is read from the start, so that a later
// seek can go to a packet by its byte offset and know its timestamp exactly.
void FfmpegDecoder::noteScanned() {
    const int64_t timestamp = packet_->pts != AV_NOPTS_VALUE ? packet_->pts : packet_->dts;
    if (timestamp == AV_NOPTS_VALUE)
        return;
    const int64_t spacing = av_rescale_q(sampleRate() / ScanIndexDivisor,
                                         AVRational{1, sampleRate()}, stream_->time_base);
    if (packet_->pos >= 0 &&
        (scanIndex_.empty() || timestamp - scanIndex_.back().timestamp >= spacing))
        scanIndex_.push_back({packet_->pos, timestamp});
    lastTimestamp_ = timestamp;
    lastDuration_ = packet_->duration;
    size_t size = 0;
    const uint8_t* skip = av_packet_get_side_data(packet_.get(), AV_PKT_DATA_SKIP_SAMPLES, &size);
    lastEndSkip_ = skip && size >= 8 ? AV_RL32(skip + 4) : 0;
}

bool FfmpegDecoder::readPacket() {
    for (;;) {
        av_packet_unref(packet_.get());
        if (av_read_frame(format_.get(), packet_.get()) < 0)
            return false;
        if (packet_->stream_index != stream_->index)
            continue;
        encrypted_ = encrypted_ ||
                     av_packet_get_side_data(packet_.get(), AV_PKT_DATA_ENCRYPTION_INFO, nullptr);
        if (firstPacketTimestamp_ == AV_NOPTS_VALUE) {
            firstPacketTimestamp_ = packet_->pts != AV_NOPTS_VALUE ? packet_->pts : packet_->dts;
            firstPacketPosition_ = packet_->pos;
        }
        if (scanning_)
            noteScanned();
        else if (nextStamp_ != AV_NOPTS_VALUE) {
            // After a byte seek the demuxer only guesses timestamps; the scan knows them.
            packet_->pts = packet_->dts = nextStamp_;
            nextStamp_ += packet_->duration;
        }
        return true;
    }
}

bool FfmpegDecoder::sendNextPacket() {
    while (readPacket()) {
        if (decodeFrom_ != AV_NOPTS_VALUE && packet_->pts != AV_NOPTS_VALUE &&
            packet_->duration > 0 && packet_->pts + packet_->duration <= decodeFrom_)
            continue;
        // A packet that does not decode leaves a gap in the timestamps: read() plays
        // silence there.
        if (avcodec_send_packet(codec_.get(), packet_.get()) == 0)
            return true;
    }
    inputEnded_ = true;
    return avcodec_send_packet(codec_.get(), nullptr) == 0;
}

// Decodes the next frame into `pending_`; false at the end of the stream.
bool FfmpegDecoder::decodeFrame() {
    for (;;) {
        const int result = avcodec_receive_frame(codec_.get(), frame_.get());
        if (result == AVERROR_EOF)
            return false;
        if (result == AVERROR(EAGAIN)) {
            if (inputEnded_ || !sendNextPacket())
                return false;
            continue;
        }
        if (result < 0 || frame_->ch_layout.nb_channels != channels() ||
            frame_->sample_rate != sampleRate())
            continue; // damaged: the gap it leaves plays as silence
        pending_.resize(size_t(frame_->nb_samples) * channels());
        auto* out = reinterpret_cast<uint8_t*>(pending_.data());
        const int converted =
            swr_convert(converter_.get(), &out, frame_->nb_samples,
                        const_cast<const uint8_t**>(frame_->extended_data), frame_->nb_samples);
        if (converted < 0)
            continue;
        const int64_t timestamp = frame_->best_effort_timestamp;
        pendingStart_ = timestamp == AV_NOPTS_VALUE ? pendingEnd() : frameIndexOf(timestamp);
        pendingFrames_ = converted;
        return true;
    }
}

// An MP3 whose frames lie end to end: their headers, read without the demuxer, give the
// place of every frame and the length. 0 where the walk does not reach the same frames as
// the demuxer.
qint64 FfmpegDecoder::lengthByWalk(const QByteArray& fileName) {
    if (std::strcmp(format_->iformat->name, "mp3") != 0 || frameSize_ <= 0)
        return 0;
    const qint64 stride = std::max<qint64>(1, sampleRate() / ScanIndexDivisor / frameSize_);
    const auto frames = walkMpegAudioFrames(fileName, stride);
    if (!frames || frames->sampleRate != sampleRate() || frames->samplesPerFrame != frameSize_ ||
        frames->offsets.front() != firstPacketPosition_)
        return 0;
    scanning_ = false;
    scanIndex_.clear();
    const AVRational sample{1, sampleRate()};
    for (size_t i = 0; i < frames->offsets.size(); ++i)
        scanIndex_.push_back({frames->offsets[i],
                              firstPacketTimestamp_ + av_rescale_q(qint64(i) * stride * frameSize_,
                                                                   sample, stream_->time_base)});
    return frames->decodedSamples();
}

// The container holds no exact length (MP3, ADTS AAC, AMR...): the scan that read every
// packet for the seek index has seen the last one.
qint64 FfmpegDecoder::lengthByScan() {
    while (readPacket()) {
    }
    scanning_ = false;
    if (lastTimestamp_ == AV_NOPTS_VALUE)
        return 0;
    const qint64 lastSamples =
        av_rescale_q(lastDuration_, stream_->time_base, AVRational{1, sampleRate()});
    return frameIndexOf(lastTimestamp_) + lastSamples - lastEndSkip_;
}

// The container says how long the stream is, but not to the frame a decode gives:
// decode its last seconds.
qint64 FfmpegDecoder::lengthByTailDecode() {
    int64_t duration = stream_->duration;
    if (duration == AV_NOPTS_VALUE)
        duration = av_rescale_q(format_->duration, AV_TIME_BASE_Q, stream_->time_base);
    const qint64 roughLength =
        av_rescale_q(duration, stream_->time_base, AVRational{1, sampleRate()});
    if (roughLength > 2 * sampleRate() && !seekDemuxer(roughLength - 2 * sampleRate()))
        return 0;
    qint64 end = pendingEnd();
    while (decodeFrame())
        end = std::max(end, pendingEnd());
    return end;
}

bool FfmpegDecoder::seekDemuxer(qint64 frame) {
    int result = -1;
    const int64_t timestamp = timestampOf(frame);
    if (scanned_ && !scanIndex_.empty()) {
        auto place = std::upper_bound(scanIndex_.begin(), scanIndex_.end(), timestamp,
                                      [](int64_t t, const Place& p) { return t < p.timestamp; });
        if (place != scanIndex_.begin())
            --place;
        result = av_seek_frame(format_.get(), -1, place->position, AVSEEK_FLAG_BYTE);
        nextStamp_ = place->timestamp;
    } else if (!scanned_) {
        const int64_t target = frame <= 0 && firstPacketTimestamp_ != AV_NOPTS_VALUE
                                   ? firstPacketTimestamp_
                                   : timestamp;
        result = av_seek_frame(format_.get(), stream_->index, target, AVSEEK_FLAG_BACKWARD);
    }
    decodeFrom_ = frame > 0 ? timestamp : AV_NOPTS_VALUE;
    // A flushed decoder keeps some state (AAC's noise generator): only a new one decodes
    // from the start exactly as a whole decode does.
    if (frame <= 0) {
        if (CodecPtr fresh = openCodec(stream_, codec_->codec, nullptr))
            codec_ = std::move(fresh);
    } else
        avcodec_flush_buffers(codec_.get());
    inputEnded_ = false;
    pendingFrames_ = 0;
    pendingStart_ = 0;
    return result >= 0 && (decodeFrame() || frame <= 0);
}

// Starts decoding early enough before `frame` for the decoder to have settled there.
bool FfmpegDecoder::seekBefore(qint64 frame) {
    // Opus's own pre-roll (80 ms) leaves its prediction close to, but not the same as, a
    // decode from the start; a second is enough for it to be the same to the bit.
    const qint64 firstPreroll =
        codec_->seek_preroll > 0 ? sampleRate()
                                 : std::max<qint64>(sampleRate() / PrerollDivisor, MinimumPreroll);
    for (qint64 preroll = firstPreroll;; preroll *= 4) {
        const qint64 from = std::max<qint64>(0, frame - preroll);
        if (!seekDemuxer(from))
            return false;
        // A coarse index may land after the target: go further back.
        if (from == 0 || pendingStart_ + preroll / 2 <= frame) {
            settledFrom_ = from == 0 ? 0 : frame;
            return true;
        }
    }
}

bool FfmpegDecoder::seek(qint64 frame) {
    if (frame < 0 || frame > frames())
        return false;
    const bool nearAhead =
        frame >= std::max(pendingStart_, settledFrom_) && frame <= pendingEnd() + sampleRate() / 8;
    position_ = frame;
    if (nearAhead)
        return true; // decoding on from here is quicker than seeking
    return seekBefore(frame);
}

qint64 FfmpegDecoder::read(float* destination, qint64 count) {
    count = std::min(count, frames() - position_);
    const int channels = this->channels();
    qint64 done = 0;
    while (done < count) {
        if (position_ >= pendingEnd()) {
            if (!decodeFrame())
                break;
            continue;
        }
        const qint64 want = count - done;
        float* out = destination + done * channels;
        if (position_ < pendingStart_) {
            // Packets that did not decode: silence in their place keeps every later frame
            // where it belongs.
            reportDamage(position_);
            const qint64 gap = std::min(want, pendingStart_ - position_);
            std::fill_n(out, gap * channels, 0.0f);
            done += gap, position_ += gap;
            continue;
        }
        const qint64 run = std::min(want, pendingEnd() - position_);
        std::memcpy(out, pending_.data() + (position_ - pendingStart_) * channels,
                    size_t(run * channels) * sizeof(float));
        done += run, position_ += run;
    }
    return done;
}

AudioDecoder::OpenResult ffmpegFailure(const QString& path, const QString& reason) {
    return AudioDecoder::refusal(path, MciError::InvalidFile, reason);
}

AudioDecoder::OpenResult openStream(const QString& path, const QByteArray& fileName,
                                    FormatPtr format) {
    const int index = av_find_best_stream(format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (index < 0)
        return ffmpegFailure(path, AudioDecoder::tr("it holds no sound"));
    const AVCodecParameters* parameters = format->streams[index]->codecpar;
    const AVCodec* codecType = avcodec_find_decoder(parameters->codec_id);
    if (!codecType)
        return ffmpegFailure(path, AudioDecoder::tr("its sound is coded in a format that cannot be "
                                                    "decoded (%1)")
                                       .arg(codecNameOf(parameters)));
    AVStream* stream = format->streams[index];
    int error = 0;
    CodecPtr codec = openCodec(stream, codecType, &error);
    if (!codec)
        return ffmpegFailure(
            path, AudioDecoder::tr("its sound cannot be decoded (%1)").arg(ffmpegReason(error)));
    const int channels = codec->ch_layout.nb_channels;
    if (channels < 1 || channels > AudioDecoder::MaxChannels || codec->sample_rate < 1 ||
        codec->sample_rate > AudioDecoder::MaxSampleRate)
        return ffmpegFailure(path, AudioDecoder::tr("%1 channels at %2 Hz cannot be played")
                                       .arg(channels)
                                       .arg(codec->sample_rate));
    SwrContext* converter = nullptr;
    if (swr_alloc_set_opts2(&converter, &codec->ch_layout, AV_SAMPLE_FMT_FLT, codec->sample_rate,
                            &codec->ch_layout, codec->sample_fmt, codec->sample_rate, 0,
                            nullptr) < 0 ||
        swr_init(converter) < 0) {
        swr_free(&converter);
        return ffmpegFailure(path, AudioDecoder::tr("its samples cannot be converted"));
    }
    auto decoder = std::make_unique<FfmpegDecoder>(std::move(format), std::move(codec),
                                                   SwrPtr(converter), index);
    const bool decodes = decoder->prepare(fileName);
    if (decoder->encrypted())
        return ffmpegFailure(path, AudioDecoder::tr("its sound is encrypted"));
    if (!decodes)
        return ffmpegFailure(path, AudioDecoder::tr("no sound in it can be decoded"));
    return {std::move(decoder), MciError::None, QString()};
}

} // namespace

AudioDecoder::OpenResult openWithFfmpeg(const QString& path, const QByteArray& fileName) {
    // The libraries' own messages would go to the terminal; problems are reported in
    // the program's words instead.
    av_log_set_level(AV_LOG_QUIET);
    AVFormatContext* opened = nullptr;
    if (const int error = avformat_open_input(&opened, fileName.constData(), nullptr, nullptr);
        error < 0) {
        if (startsLikeMp4(fileName))
            return ffmpegFailure(path, AudioDecoder::tr("its index is missing: the recording was "
                                                        "cut off before it was finished"));
        return ffmpegFailure(path, AudioDecoder::tr("it is not an audio file that can be played "
                                                    "(%1)")
                                       .arg(ffmpegReason(error)));
    }
    FormatPtr format(opened);
    if (const int error = avformat_find_stream_info(format.get(), nullptr); error < 0)
        return ffmpegFailure(
            path, AudioDecoder::tr("its streams cannot be read (%1)").arg(ffmpegReason(error)));
    AudioDecoder::OpenResult result = openStream(path, fileName, std::move(format));
    // The demuxer grows its index (MP4's holds every packet: 7 MiB for two hours of AAC)
    // by copying it to ever larger blocks; give the heap pages the old copies held back to
    // the system rather than keeping twice the index resident.
    malloc_trim(0);
    return result;
}
