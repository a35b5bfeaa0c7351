#include "WaveformFigures.h"

#include "BenchApplication.h"
#include "Measures.h"
#include "SoundFiles.h"

#include "audio/WaveformPeaks.h"
#include "player/PlayerController.h"
#include "windows/WaveformStrip.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QStyle>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr qint64 OneHourMs = 3600000;
// The main window's width with the default font.
constexpr int StripWidth = 468;

// User and system CPU time of the process.
std::pair<double, double> cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return {seconds(usage.ru_utime), seconds(usage.ru_stime)};
}

// Writes a 440 Hz tone over the data of a WAV file of 16-bit stereo frames, so that it
// is read as a recording is, not as a hole.
bool fillWithTone(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    constexpr qint64 HeaderBytes = 44;
    constexpr int Frames = 44100; // a whole number of periods
    QByteArray second(Frames * 4, Qt::Uninitialized);
    auto* samples = reinterpret_cast<qint16*>(second.data());
    for (int i = 0; i < Frames; ++i)
        samples[2 * i] = samples[2 * i + 1] =
            qint16(std::lround(16000 * std::sin(2 * M_PI * 440 * i / Frames)));
    file.seek(HeaderBytes);
    for (qint64 left = file.size() - HeaderBytes; left > 0; left -= second.size())
        if (file.write(second.constData(), std::min<qint64>(left, second.size())) <= 0)
            return false;
    return true;
}

void measurePeaks(const QString& path, const char* what) {
    WaveformPeaks peaks;
    const double before = residentMiB();
    double highest = before;
    const auto [userBefore, systemBefore] = cpuSeconds();
    const auto start = Clock::now();
    peaks.start(path, OneHourMs);
    while (!peaks.complete()) {
        runEvents(20);
        highest = std::max(highest, residentMiB());
    }
    const auto [user, system] = cpuSeconds();
    std::printf("waveform peaks of a two-hour WAV (%s): %.2f s; CPU %.2f s in the program, %.2f s "
                "in the system (reading the file); memory growth %.2f MiB at the most\n",
                what, msBetween(start, Clock::now()) / 1000, user - userBefore,
                system - systemBefore, highest - before);
}

// What a frame costs at 200 %, the strip showing 30 s and 5 minutes.
void measurePaint(PlayerController& player, WaveformStrip& strip) {
    for (const int seconds : {30, 300}) {
        player.setWaveformSeconds(seconds);
        QImage image(strip.size() * 2, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(2);
        std::vector<double> frames;
        for (int i = 0; i < 200; ++i) {
            const auto start = Clock::now();
            strip.render(&image);
            frames.push_back(msBetween(start, Clock::now()));
        }
        std::printf("waveform strip paint, %d s shown, %dx%d at 200 %%: median %.3f ms, max %.3f "
                    "ms a frame\n",
                    seconds, strip.width(), strip.height(), median(frames), maximum(frames));
    }
    player.setWaveformSeconds(UserSettings{}.waveformSeconds);
}

// The longest event the GUI thread handled over ms, and how long it kept a 1 ms timer
// waiting beyond its interval: that also counts the time it was not given a core.
struct Busy {
    double longestEventMs = 0;
    double longestLateMs = 0;
    int lateOver10Ms = 0;
};

Busy busyStretches(int ms) {
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    auto last = Clock::now();
    Busy busy;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const auto now = Clock::now();
        const double late = msBetween(last, now) - ticker.interval();
        busy.longestLateMs = std::max(busy.longestLateMs, late);
        busy.lateOver10Ms += late > 10;
        last = now;
    });
    ticker.start(1);
    BenchApplication::instance().takeLongestEventMs();
    runEvents(ms);
    busy.longestEventMs = BenchApplication::instance().takeLongestEventMs();
    return busy;
}

// Counts the strip's paints.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// The same walk with the strip hidden, then shown: what the machine's load alone costs,
// then what the strip adds.
void measureWalk(PlayerController& player, WaveformStrip& strip) {
    PaintCounter counter;
    strip.installEventFilter(&counter);
    constexpr int WalkMs = 15000;
    for (const bool shown : {false, true}) {
        strip.setVisible(shown);
        player.seek(OneHourMs);
        runEvents(300);
        counter.paints = 0;
        player.walk();
        const Busy busy = busyStretches(WalkMs);
        const int walkPaints = counter.paints;
        player.stop();
        runEvents(500);
        counter.paints = 0;
        runEvents(2000);
        std::printf("GUI thread during a 15 s walk, strip %s: longest event %.2f ms; a 1 ms "
                    "timer late by %.2f ms at the most, %d times over 10 ms; %.0f paints/s; "
                    "idle: %d paints in 2 s\n",
                    shown ? "shown (peaks computed meanwhile)" : "hidden", busy.longestEventMs,
                    busy.longestLateMs, busy.lateOver10Ms, walkPaints * 1000.0 / WalkMs,
                    counter.paints);
    }
}

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(220, 220, 220));
    dark.setColor(QPalette::Mid, QColor(90, 90, 90));
    dark.setColor(QPalette::Highlight, QColor(61, 142, 230));
    return dark;
}

// The strip during a walk over the sample recording, early in its third step.
void writePictures(const QString& pictures) {
    PlayerController player;
    if (!player.openFile(QStringLiteral(SAMPLE_RECORDING)))
        return void(std::printf("waveform pictures: cannot open the sample recording\n"));
    WaveformStrip strip(player);
    strip.resize(StripWidth, strip.height());
    strip.show();
    player.setStep(4000);
    player.seek(20000);
    player.walk();
    runEvents(4000 + 600 + 4000 + 600 + 300);
    const struct {
        const char* name;
        QPalette palette;
        int scale;
    } shots[] = {{"waveform-light.png", QApplication::style()->standardPalette(), 1},
                 {"waveform-dark.png", darkPalette(), 1},
                 {"waveform-dark-200.png", darkPalette(), 2}};
    for (const auto& shot : shots) {
        strip.setPalette(shot.palette);
        QImage image(strip.size() * shot.scale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(shot.scale);
        strip.render(&image);
        const QString path = QDir(pictures).filePath(QLatin1String(shot.name));
        std::printf("waveform picture: %s %s\n", qPrintable(path),
                    image.save(path) ? "written" : "NOT written");
    }
    player.shutDown();
}

} // namespace

void printWaveformFigures(const QString& folder, const QString& pictures) {
    const QString path = folder + "/waveform-two-hours.wav";
    if (!writeTwoHourWav(path))
        return void(std::printf("waveform: cannot write %s\n", qPrintable(path)));
    // Reading a hole costs the system zeroing pages; a recording written to the disk costs
    // a copy out of the page cache.
    measurePeaks(path, "a hole in the file");
    if (fillWithTone(path))
        measurePeaks(path, "a tone written to the disk");
    PlayerController player;
    if (!player.openFile(path))
        return void(std::printf("waveform: cannot open %s\n", qPrintable(path)));
    WaveformStrip strip(player);
    strip.resize(StripWidth, strip.height());
    strip.show();
    runEvents(500);
    measurePaint(player, strip);
    measureWalk(player, strip);
    player.shutDown();
    if (!pictures.isEmpty())
        writePictures(pictures);
}
