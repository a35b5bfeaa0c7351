// Speed through PulseAudio, recorded off the null sink: a 1 kHz tone that is louder for
// 10 ms on either side of every tenth of a second of source time (a marker), so that a
// range on that grid begins and ends with one.
#include "MonitorRecorder.h"
#include "SoundFiles.h"
#include "audio/MediaControl.h"
#include "audio/PulseAudioOutput.h"
#include "player/PlayerController.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

constexpr int Rate = MonitorRecorder::SampleRate;
constexpr qint64 FileMs = 4000;
using Codes = QList<QVariantList>;

bool writeMarkedTone(const QString& path) {
    return writeToneFile(path, {Rate, 1, SF_FORMAT_WAV | SF_FORMAT_FLOAT, FileMs * Rate / 1000,
                                1000.0, 0, [](qint64 frame) {
                                    const qint64 msInTenth = frame * 1000 / Rate % 100;
                                    return msInTenth < 10 || msInTenth >= 90 ? 0.8 : 0.2;
                                }});
}

constexpr auto msOf = MonitorRecorder::framesToMs;

// One step of sound in the capture, its markers and its pitch.
struct Sound {
    qint64 begin = 0;                         // first frame of sound
    qint64 end = 0;                           // one past the last
    int dryMs = 0;                            // silent milliseconds between
    QList<std::pair<qint64, qint64>> markers; // loud stretches [begin, end)
    double hertz = 0;                         // from the median cycle
    // The sink may run dry for a moment on a busy machine: the frames come late, and
    // its silence is no part of the range.
    double ms() const { return msOf(end - begin) - dryMs; }
};

double medianCycleHertz(const std::vector<float>& left, qint64 begin, qint64 end) {
    std::vector<double> cycles;
    double lastRise = -1;
    for (qint64 i = begin + 1; i < end; ++i) {
        if (left[size_t(i - 1)] >= 0 || left[size_t(i)] < 0)
            continue;
        const double rise = double(i) - left[size_t(i)] / (left[size_t(i)] - left[size_t(i - 1)]);
        if (lastRise >= 0)
            cycles.push_back(rise - lastRise);
        lastRise = rise;
    }
    std::nth_element(cycles.begin(), cycles.begin() + cycles.size() / 2, cycles.end());
    return cycles.empty() ? 0 : Rate / cycles[cycles.size() / 2];
}

// The steps heard, their markers found per millisecond (44 frames, about one cycle of the
// tone): a peak above 0.5 is a marker, whose dips of up to 15 ms (the stretcher's) do not
// split it.
QList<Sound> soundsIn(const MonitorRecorder& capture) {
    constexpr qint64 Block = Rate / 1000;
    const std::vector<float> left = capture.leftChannel();
    QList<Sound> sounds;
    for (const MonitorRecorder::HeardStep& step : capture.heardSteps()) {
        Sound sound{step.first, step.last + 1, step.silentBlocks, {}, 0};
        sound.hertz = medianCycleHertz(left, sound.begin, sound.end);
        for (qint64 at = sound.begin, lastLoud = -Rate; at + Block <= sound.end; at += Block) {
            const auto block = left.begin() + at;
            if (std::none_of(block, block + Block, [](float x) { return std::abs(x) > 0.5f; }))
                continue;
            if (at - lastLoud <= 15 * Block)
                sound.markers.last().second = at + Block;
            else
                sound.markers.append({at, at + Block});
            lastLoud = at;
        }
        sounds.append(sound);
    }
    return sounds;
}

// The largest change of slope from one frame to the next, away from the sound's ends and
// its markers' edges: under 0.07 in the stretched tone, 0.2 to 0.9 where two waves meet.
double largestBend(const std::vector<float>& left, const Sound& sound) {
    const qint64 margin = 2 * Rate / 1000;
    const auto nearEdge = [&](qint64 i) {
        return std::any_of(sound.markers.begin(), sound.markers.end(), [&](const auto& marker) {
            return std::abs(i - marker.first) < margin || std::abs(i - marker.second) < margin;
        });
    };
    double largest = 0;
    for (qint64 i = sound.begin + margin; i < sound.end - margin; ++i) {
        if (!nearEdge(i))
            largest = std::max(largest, double(std::abs(left[size_t(i)] - 2 * left[size_t(i - 1)] +
                                                        left[size_t(i - 2)])));
    }
    return largest;
}

} // namespace

class StretchedPlaybackHeard : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    MonitorRecorder capture;
    std::unique_ptr<MediaControl> media;
    std::unique_ptr<QSignalSpy> done;

    // The tone from 1 s to toMs at that speed, through the real output.
    void playRange(int speed, qint32 toMs) {
        media = std::make_unique<MediaControl>(std::make_unique<PulseAudioOutput>());
        done = std::make_unique<QSignalSpy>(media.get(), &MediaControl::done);
        QVERIFY(media->open(folder.filePath("tone.wav")));
        media->setSpeed(speed);
        media->playRange(1000, toMs, true);
    }

    QList<Sound> stopListening() {
        capture.stop();
        return soundsIn(capture);
    }

    // Lasts (to - from) / speed, opens and closes with a marker (faded by the stretcher's
    // window for a few ms) and holds one for every tenth of a second between, at 1 kHz.
    static void checkRange(const Sound& sound, qint64 sourceMs, int speed) {
        QVERIFY2(std::abs(sound.ms() - sourceMs * 100.0 / speed) <= 10,
                 qPrintable(QString::number(sound.ms())));
        QCOMPARE(sound.markers.size(), sourceMs / 100 + 1);
        QCOMPARE_LE(msOf(sound.markers.first().first - sound.begin), 15.0);
        QCOMPARE_LE(msOf(sound.end - sound.markers.last().second), 15.0);
        QVERIFY2(std::abs(sound.hertz - 1000) <= 10, qPrintable(QString::number(sound.hertz)));
    }

private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.filePath("config")));
        QVERIFY(writeMarkedTone(folder.filePath("tone.wav")));
    }

    void init() { QVERIFY2(capture.start(), qPrintable(capture.errorString())); }
    void cleanup() {
        done.reset();
        media.reset();
    }

    // At one speed, or changed while the range sounds: every marker is heard once, with no
    // jump in the wave where the new speed joins, and the range ends on its last frame.
    void rangeKeepsItsFramesAndPitch_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        for (auto [before, after] : {std::pair{50, 50},
                                     {75, 75},
                                     {150, 150},
                                     {200, 200},
                                     {100, 75},
                                     {75, 150},
                                     {150, 100}})
            QTest::addRow("%d to %d %%", before, after) << before << after;
    }

    void rangeKeepsItsFramesAndPitch() {
        QFETCH(int, before);
        QFETCH(int, after);
        playRange(before, 3000);
        QTest::qWait(520);
        if (after != before)
            media->setSpeed(after);
        QTRY_COMPARE_WITH_TIMEOUT(done->count(), 1, 8000);
        QTest::qWait(200); // nothing after the last frame
        const QList<Sound> sounds = stopListening();
        QCOMPARE(sounds.size(), 1);
        if (after == before)
            checkRange(sounds.first(), 2000, before);
        else
            QCOMPARE_LE(largestBend(capture.leftChannel(), sounds.first()), 0.1);
        QCOMPARE(sounds.first().markers.size(), 21);
        QCOMPARE(Codes(*done), Codes{{MediaControl::NotifySuccessful}});
        QCOMPARE(media->position(), 3000);
    }

    // Position is the source frame heard when the sound was cut. The range starts right
    // after the file opens, mostly while the output's stream is still being made: the
    // frames the stream asks for as it becomes ready are heard and count too.
    void stopMidwayKeepsTheSourcePosition() {
        playRange(75, 3000);
        QTest::qWait(1000);
        media->stop();
        const QList<Sound> sounds = stopListening();
        QCOMPARE(sounds.size(), 1);
        QCOMPARE_LE(std::abs(1000 + sounds.first().ms() * 0.75 - media->position()), 10.0);
        QTest::qWait(100);
        QCOMPARE(Codes(*done), Codes{{MediaControl::NotifyAborted}});
    }

    // Steps are source windows heard at half speed; the rests between are Pause long.
    void walkAtHalfSpeed() {
        PlayerController player;
        QVERIFY(player.openFile(folder.filePath("tone.wav")));
        player.setStep(1000);
        player.setOffset(1000);
        player.setPause(300);
        player.setSpeed(50);
        player.walk();
        QTRY_COMPARE_WITH_TIMEOUT(player.position(), 3000, 10000);
        QTest::qWait(1000);
        player.stop();
        const QList<Sound> sounds = stopListening();
        QCOMPARE_GE(sounds.size(), 3);
        for (qsizetype i = 0; i < 2; ++i) {
            checkRange(sounds[i], 1000, 50);
            const double rest = msOf(sounds[i + 1].begin - sounds[i].end);
            QVERIFY2(std::abs(rest - 325) < 75, qPrintable(QString::number(rest)));
        }
    }
};

QTEST_MAIN(StretchedPlaybackHeard)
#include "stretched_playback_heard.moc"
