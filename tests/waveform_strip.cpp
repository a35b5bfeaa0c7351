// The waveform: peaks computed off the GUI thread that match the file's samples, and the
// strip under the mouse and during a walk.
#include "audio/WaveformPeaks.h"
#include "settings/SettingsStore.h"
#include "support/Ffmpeg.h"
#include "support/ManualClockWindow.h"
#include "windows/WaveformStrip.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <sndfile.h>

#include <cmath>

namespace {

constexpr int Rate = 8000;

// 10 s, mono: silence, a burst of half scale at 4.0-4.5 s, silence, a full-scale square
// at 6-8 s, silence.
bool writeLandmarks(const QString& path) {
    SF_INFO info{};
    info.samplerate = Rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info);
    std::vector<short> samples(10 * Rate, 0);
    for (int i = 4 * Rate; i < 4 * Rate + Rate / 2; ++i)
        samples[size_t(i)] = short(std::lround(16384 * std::sin(2 * M_PI * 440 * i / Rate)));
    for (int i = 6 * Rate; i < 8 * Rate; ++i)
        samples[size_t(i)] = (i / 20) % 2 ? 32767 : -32767;
    const bool written =
        file && sf_writef_short(file, samples.data(), sf_count_t(samples.size())) ==
                    sf_count_t(samples.size());
    sf_close(file);
    return written;
}

// A two-hour 16-bit stereo WAV at 44.1 kHz whose data is a hole: written in an instant.
bool writeTwoHours(const QString& path) {
    const quint32 frames = 2u * 3600u * 44100u;
    QByteArray header("RIFF....WAVEfmt ");
    const auto add = [&](quint32 value, int bytes) {
        header.append(reinterpret_cast<const char*>(&value), bytes);
    };
    add(16, 4), add(1, 2), add(2, 2), add(44100, 4), add(44100 * 4, 4), add(4, 2), add(16, 2);
    header.append("data");
    add(frames * 4, 4);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(header) == header.size() &&
           file.resize(header.size() + qint64(frames) * 4);
}

} // namespace

class WaveformStripTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder;

private slots:
    // The same sound read by libsndfile (WAV) and by FFmpeg (lossless ALAC in M4A).
    void peaksMatchTheSamples() {
        const QString wav = folder.filePath("landmarks.wav");
        QVERIFY(writeLandmarks(wav));
        const QString m4a = folder.filePath("landmarks.m4a");
        runFfmpeg({"-i", wav, "-c:a", "alac", m4a});
        const struct {
            qint64 fromMs, toMs;
            float low, high;
        } rows[] = {{0, 4000, 0, 0},         {3900, 4000, 0, 0},  {4000, 4500, -0.5, 0.5},
                    {4100, 4101, -0.5, 0.5}, {4500, 6000, 0, 0},  {5000, 7000, -1, 1},
                    {6000, 8000, -1, 1},     {8000, 10000, 0, 0}, {9990, 20000, 0, 0}};
        for (const QString& path : {wav, m4a}) {
            WaveformPeaks peaks;
            peaks.start(path, 5000);
            QVERIFY(!peaks.peak(0, 1000)); // nothing yet, while the worker opens the file
            QTRY_VERIFY(peaks.complete());
            for (const auto& row : rows) {
                const auto peak = peaks.peak(row.fromMs, row.toMs);
                const QString where =
                    QStringLiteral("%1 %2-%3 ms").arg(path).arg(row.fromMs).arg(row.toMs);
                QVERIFY2(peak, qPrintable(where));
                QVERIFY2(
                    std::abs(peak->low - row.low) < 0.01 && std::abs(peak->high - row.high) < 0.01,
                    qPrintable(where + QStringLiteral(": %1..%2").arg(peak->low).arg(peak->high)));
            }
            QVERIFY(!peaks.peak(10000, 11000)); // past the end
        }
    }

    // The part asked for comes first while the event loop turns; opening another file
    // midway stops the first worker within a block.
    void longFileIsComputedInTheBackgroundAndStops() {
        const QString longFile = folder.filePath("two-hours.wav");
        QVERIFY(writeTwoHours(longFile));
        QVERIFY(writeLandmarks(folder.filePath("short.wav")));
        int turns = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++turns; });
        ticker.start(1);
        WaveformPeaks peaks;
        QSignalSpy computed(&peaks, &WaveformPeaks::computed);
        peaks.start(longFile, 3600000);
        QVERIFY(computed.wait(5000));
        QVERIFY(computed[0][0].toLongLong() <= 3600000 && computed[0][1].toLongLong() > 3600000);
        QVERIFY(peaks.peak(3600000, 3601000) && !peaks.peak(0, 1000));
        QVERIFY(turns > 0 && !peaks.complete());
        peaks.start(folder.filePath("short.wav"), 0);
        QTRY_VERIFY_WITH_TIMEOUT(peaks.complete() && WaveformPeaks::runningWorkers() == 0, 1000);
        QVERIFY(!peaks.peak(3600000, 3601000));
    }

    // The window keeps its width and grows by the strip's height; the choice is stored.
    void menuItemShowsTheStripUnderTheControls() {
        ManualClockWindow fixture;
        fixture.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&fixture.window()));
        const QSize without = fixture.window().size();
        fixture.trigger("mnuShowWaveform");
        auto* strip = fixture.window().findChild<WaveformStrip*>("waveformStrip");
        QTRY_COMPARE(fixture.window().size(), without + QSize(0, strip->height()));
        QCOMPARE(strip->width(), fixture.window().width());
        fixture.trigger("mnuShowWaveform");
        QTRY_COMPARE(fixture.window().size(), without);
        fixture.trigger("mnuShowWaveform");
        fixture.window().close();
        QCOMPARE(GetSetting(AppName, "Waveform", "Show", ""), "1");
    }

    // x (a fraction of the width) clicked with the view at 60 s, zoomed by wheel notches,
    // goes there; during a walk the view centres on the step and the walk restarts there.
    void clickGoesToTheTimeUnderIt_data() {
        QTest::addColumn<int>("notches");
        QTest::addColumn<bool>("walk");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<double>("spanMs");
        QTest::addColumn<double>("centreMs");
        QTest::newRow("middle") << 0 << false << 0.5 << 30000.0 << 60000.0;
        QTest::newRow("left edge") << 0 << false << 0.0 << 30000.0 << 60000.0;
        QTest::newRow("three quarters") << 0 << false << 0.75 << 30000.0 << 60000.0;
        QTest::newRow("zoomed in") << 1 << false << 0.0 << 24000.0 << 60000.0;
        QTest::newRow("zoomed out") << -1 << false << 0.1 << 38000.0 << 60000.0;
        QTest::newRow("walk restarts there") << 0 << true << 0.75 << 30000.0 << 58000.0;
    }

    void clickGoesToTheTimeUnderIt() {
        QFETCH(int, notches);
        QFETCH(bool, walk);
        QFETCH(double, fraction);
        QFETCH(double, spanMs);
        QFETCH(double, centreMs);
        ManualClockWindow fixture;
        WaveformStrip& strip = shownStrip(fixture);
        for (int i = 0; i < std::abs(notches); ++i) {
            QWheelEvent wheel(QPointF(10, 10), strip.mapToGlobal(QPointF(10, 10)), {},
                              {0, notches > 0 ? 120 : -120}, Qt::NoButton, Qt::ControlModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(&strip, &wheel);
        }
        if (walk)
            fixture.player().walk();
        const int x = int(fraction * strip.width());
        QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(x, 10));
        const qint64 expected = std::llround(centreMs - spanMs / 2 + x * spanMs / strip.width());
        QCOMPARE(walk ? fixture.player().stepWindow()->to : fixture.player().position(), expected);
        QCOMPARE(fixture.player().walking(), walk);
    }

    // The shaded columns are the step's window, as the walk moves on.
    void shadedStepIsTheWalksStep() {
        ManualClockWindow fixture;
        WaveformStrip& strip = shownStrip(fixture);
        fixture.player().walk();
        const std::array<PlayerController::StepWindow, 2> steps{
            {{56000, 60000, 57100}, {57100, 61100, 58200}}};
        for (const PlayerController::StepWindow& step : steps) {
            QTRY_COMPARE(fixture.player().state(), PlayerController::State::Stepping);
            fixture.clock().advance(1000);
            QTest::qWait(300);
            const QImage image = strip.grab().toImage();
            const int bottom = image.height() - 1;
            QList<int> shaded;
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, bottom) != image.pixel(0, bottom))
                    shaded << x;
            QVERIFY(!shaded.isEmpty());
            const auto window = fixture.player().stepWindow();
            QVERIFY(window == step);
            const double pixelMs = 30000.0 / strip.width();
            QVERIFY2(std::abs(strip.msAt(shaded.first()) - window->from) <= pixelMs &&
                         std::abs(strip.msAt(shaded.last() + 1) - window->to) <= pixelMs,
                     qPrintable(QStringLiteral("%1-%2 shaded %3-%4")
                                    .arg(window->from)
                                    .arg(window->to)
                                    .arg(strip.msAt(shaded.first()))
                                    .arg(strip.msAt(shaded.last() + 1))));
            fixture.clock().advance(3000);
            QTRY_VERIFY(fixture.player().state() != PlayerController::State::Stepping);
        }
    }

private:
    // The strip shown through its menu item, on a two-minute file at 60 s.
    static WaveformStrip& shownStrip(ManualClockWindow& fixture) {
        fixture.trigger("mnuShowWaveform");
        fixture.window().show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&fixture.window());
        fixture.openFile(120000);
        fixture.player().seek(60000);
        return *fixture.window().findChild<WaveformStrip*>("waveformStrip");
    }
};

QTEST_MAIN(WaveformStripTest)
#include "waveform_strip.moc"
