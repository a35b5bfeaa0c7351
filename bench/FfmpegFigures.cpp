#include "FfmpegFigures.h"

#include "Measures.h"
#include "MonitorRecorder.h"
#include "SoundFiles.h"

#include "audio/AudioDecoder.h"
#include "audio/MediaControl.h"

#include <QEventLoop>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr int PieceSeconds = 60;
constexpr int TwoHoursOfPieces = 2 * 3600 / PieceSeconds;
constexpr int RangeMs = 200;
constexpr int SeekRanges = 21;

struct LongFile {
    const char* label;
    const char* extension;
    QStringList codec;
    QStringList muxer = {}; // options for writing the two-hour file
};

// A minute of a tone (sine left, cosine right: never both zero, so every frame played is
// heard as sound) encoded once and copied end to end for two hours.
QString writeTwoHours(const QString& folder, const LongFile& file) {
    const QString piece = folder + "/piece." + file.extension;
    const QString whole = folder + "/two-hours." + file.extension;
    const QString tone = QStringLiteral("aevalsrc=0.5*sin(2*PI*440*t)|0.5*cos(2*PI*440*t):"
                                        "s=44100:d=%1")
                             .arg(PieceSeconds);
    const bool written =
        runFfmpeg(QStringList{"-f", "lavfi", "-i", tone} + file.codec + QStringList{piece}) &&
        runFfmpeg(QStringList{"-stream_loop", QString::number(TwoHoursOfPieces - 1), "-i", piece,
                              "-c", "copy"} +
                  file.muxer + QStringList{whole});
    return written ? whole : QString();
}

struct Played {
    qint64 captureAt, first, count;
    Clock::time_point command;
};

// Plays short ranges around the middle, each after a seek of up to ten minutes.
std::vector<Played> playAroundTheMiddle(MediaControl& media, MonitorRecorder& recorder, int rate) {
    std::mt19937 random(11);
    std::vector<Played> played;
    for (int i = 0; i < SeekRanges; ++i) {
        const qint64 fromMs = media.length() / 2 - 600000 + qint64(random() % 1200000);
        QEventLoop loop;
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        auto connection = QObject::connect(&media, &MediaControl::done, &loop, &QEventLoop::quit);
        const qint64 first = (qint64(fromMs) * rate + 500) / 1000;
        played.push_back({recorder.capturedFrames(), first,
                          (qint64(fromMs + RangeMs) * rate + 500) / 1000 - first, Clock::now()});
        media.playRange(fromMs, fromMs + RangeMs, true);
        loop.exec();
        QObject::disconnect(connection);
        runEvents(100);
    }
    runEvents(200);
    return played;
}

// The sink heard the range's frames, no more and no fewer, and they are the decoder's
// (to a step of the 16-bit conversion).
bool heardExactly(const MonitorRecorder& recorder, qint64 start, const Played& range,
                  AudioDecoder& decoder) {
    if (recorder.silenceFrom(start) - start != range.count || !decoder.seek(range.first))
        return false;
    std::vector<float> expected(size_t(range.count) * 2);
    if (decoder.read(expected.data(), range.count) != range.count)
        return false;
    const std::vector<qint16> heard = recorder.samples(start, range.count);
    for (size_t i = 0; i < expected.size(); ++i)
        if (std::abs(std::lround(expected[i] * 32768.0f) - heard[i]) > 1)
            return false;
    return true;
}

void measure(const QString& folder, const LongFile& file) {
    const QString path = writeTwoHours(folder, file);
    if (path.isEmpty())
        return void(std::printf("%s: the ffmpeg command could not write it\n", file.label));
    MediaControl media;
    media.setUpdateInterval(0);
    const double before = residentMiB(), privateBefore = residentMiB(Pages::Private);
    const auto start = Clock::now();
    media.open(path);
    const double openMs = msBetween(start, Clock::now());
    const double addedMiB = residentMiB() - before;
    const double privateMiB = residentMiB(Pages::Private) - privateBefore;
    auto reference = AudioDecoder::open(path).decoder;
    if (media.error() != 0 || !reference)
        return void(std::printf("%s: cannot open: error %d\n", file.label, media.error()));
    MonitorRecorder recorder;
    if (!recorder.start())
        return;
    runEvents(300);
    const int rate = reference->sampleRate();
    const std::vector<Played> played = playAroundTheMiddle(media, recorder, rate);
    recorder.stop();
    std::vector<double> firstSoundMs;
    int exact = 0;
    for (const Played& range : played) {
        const auto sound = recorder.firstSoundFrom(range.captureAt);
        if (!sound)
            continue;
        firstSoundMs.push_back(msBetween(range.command, recorder.renderTime(*sound)));
        exact += heardExactly(recorder, *sound, range, *reference);
    }
    std::printf("%s, two hours (%lld ms): open %.2f ms, memory added %.2f MiB (%.2f MiB of it "
                "private, the rest pages of libraries read on first use); Play to first sound "
                "after a seek into the middle: median %.2f ms, max %.2f ms (%zu ranges); ",
                file.label, static_cast<long long>(media.length()), openMs, addedMiB, privateMiB,
                median(firstSoundMs), maximum(firstSoundMs), firstSoundMs.size());
    if (rate == MonitorRecorder::SampleRate)
        std::printf("heard exactly (length and samples): %d of %zu\n", exact, played.size());
    else
        std::printf("exactness not measured: the sink resamples %d Hz\n", rate);
}

} // namespace

void printFfmpegFigures(const QString& folder) {
    const LongFile files[] = {
        {"WAV", "wav", {"-c:a", "pcm_s16le"}},
        {"M4A (AAC)", "m4a", {"-c:a", "aac"}},
        {"MP3", "mp3", {"-c:a", "libmp3lame"}},
        {"MP3 without an Info frame", "mp3", {"-c:a", "libmp3lame"}, {"-write_xing", "0"}},
        {"Opus in WebM", "webm", {"-c:a", "libopus"}}};
    for (const LongFile& file : files)
        measure(folder, file);
}
