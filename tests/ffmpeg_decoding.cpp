// Files FFmpeg decodes: ranges through the engine are exactly the frames of a whole
// decode by the ffmpeg command; bad files are refused in plain words.
#include "SoundFiles.h"
#include "audio/AudioDecoder.h"
#include "audio/AudioEngine.h"
#include "audio/AudioFormats.h"
#include "support/DrainRange.h"
#include "support/ManualClockWindow.h"
#include "support/TestWav.h"
#include "timecode/modSMPTE.h"

#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <random>

namespace {

// A chirp on the left and a tone on the right, so that no two frames look alike.
const QStringList Signal = {"-f", "lavfi", "-i",
                            "aevalsrc=0.5*sin(2*PI*(150+40*t)*t)|0.3*sin(2*PI*330*t):s=44100:d=12"};
const QStringList Video = {"-f", "lavfi", "-i", "testsrc=size=32x24:rate=5:duration=12"};
// AAC's noise substitution draws on a random sequence that runs through the whole file:
// after a seek its noise differs in the last bits, so the exact comparisons go without it.
const QStringList Aac = {"-c:a", "aac", "-aac_pns", "0"};

} // namespace

class FfmpegDecoding : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    QString make(const QString& name, const QStringList& arguments) {
        const QString path = folder.filePath(name);
        runFfmpeg(arguments + QStringList{path});
        return path;
    }

private slots:
    void rangesAreTheFramesOfAWholeDecode_data() {
        QTest::addColumn<QStringList>("arguments"); // of ffmpeg; the file's name comes last
        const QStringList mp3 = Signal + QStringList{"-c:a", "libmp3lame"};
        QTest::newRow("AAC in M4A") << Signal + Aac + QStringList{"aac.m4a"};
        QTest::newRow("MP3") << mp3 + QStringList{"tone.mp3"};
        // Length and places by counting frames: with no Info frame to give the encoder's
        // delay, and with a tag after the last frame.
        QTest::newRow("MP3 without an Info frame")
            << mp3 + QStringList{"-write_xing", "0", "-write_id3v1", "1", "bare.mp3"};
        // Half-rate MPEG-2 frames, whose bit reservoir reaches far back after a seek.
        QTest::newRow("MP3 at 22 kHz, mono, VBR")
            << mp3 + QStringList{"-ac", "1", "-ar", "22050", "-q:a", "6", "speech.mp3"};
        QTest::newRow("Opus in WebM") << Signal + QStringList{"-c:a", "libopus", "opus.webm"};
        QTest::newRow("WMA") << Signal + QStringList{"-c:a", "wmav2", "tone.wma"};
        QTest::newRow("sound of an MP4 video")
            << Video + Signal + Aac + QStringList{"-c:v", "libx264", "video.mp4"};
        // Named as what it is not: the content decides.
        QTest::newRow("M4A named .wav") << Signal + Aac + QStringList{"-f", "ipod", "named.wav"};
    }

    void rangesAreTheFramesOfAWholeDecode() {
        QFETCH(QStringList, arguments);
        const QString path = make(arguments.takeLast(), arguments);
        const QByteArray decoded =
            runFfmpeg({"-i", path, "-f", "f32le", "-"}).value_or(""); // the whole file
        std::vector<float> whole(size_t(decoded.size()) / sizeof(float));
        std::memcpy(whole.data(), decoded.constData(), whole.size() * sizeof(float));
        auto opened = AudioDecoder::open(path);
        QVERIFY2(opened.decoder, qPrintable(opened.message));
        const int channels = opened.decoder->channels();
        const qint64 length = opened.decoder->frames();
        QCOMPARE(length, qint64(whole.size()) / channels);
        AudioEngine engine(std::move(opened.decoder));
        std::mt19937 random(13);
        for (int i = 0; i < 12; ++i) {
            // Jumps back and forth, the last one to the end of the file.
            const qint64 from = i == 0 ? 0 : qint64(random() % quint64(length));
            const qint64 to =
                i == 11 ? length : std::min<qint64>(length, from + 1 + random() % 30000);
            const std::vector<float> played = drain(*engine.startRange(from, to));
            const auto expected = whole.begin() + from * channels;
            QVERIFY2(std::equal(played.begin(), played.end(), expected,
                                expected + (to - from) * channels),
                     qPrintable(QStringLiteral("frames %1 to %2").arg(from).arg(to)));
        }
    }

    void badFilesAreRefusedWithTheReason() {
        const QStringList aac = Signal + QStringList{"-c:a", "aac", "-t", "2"};
        // The index is written last: a recording cut off has none.
        const QByteArray whole = readBytes(make("whole.m4a", aac));
        QVERIFY(writeBytes(folder.filePath("cut.m4a"), whole.left(whole.size() / 2)));
        // A codec no decoder knows.
        const QByteArray opus =
            readBytes(make("opus.mka", Signal + QStringList{"-c:a", "libopus", "-t", "2"}));
        QVERIFY(writeBytes(folder.filePath("unknown.mka"),
                           QByteArray(opus).replace("A_OPUS", "A_ZZZZ")));
        make("silent.mp4", Video + QStringList{"-c:v", "libx264"});
        make("locked.m4a",
             aac + QStringList{"-encryption_scheme", "cenc-aes-ctr", "-encryption_key",
                               "00112233445566778899aabbccddeeff", "-encryption_kid",
                               "ffeeddccbbaa99887766554433221100"});
        const std::pair<const char*, const char*> files[] = {{"cut.m4a", "index is missing"},
                                                             {"unknown.mka", "cannot be decoded"},
                                                             {"silent.mp4", "holds no sound"},
                                                             {"locked.m4a", "encrypted"}};
        for (const auto& [name, reason] : files) {
            const QString path = folder.filePath(name);
            const auto opened = AudioDecoder::open(path);
            QVERIFY2(!opened.decoder && opened.message.contains(path) &&
                         opened.message.contains(reason),
                     qPrintable(opened.message));
        }
    }

    void desktopFilesListTheTypesThatOpen() {
        QStringList types;
        for (const AudioFileType& type : openableFileTypes())
            types << type.mimeType;
        const QString entry = readBytes(RESOURCES_DIR "/org.parlanda.Parlanda.desktop");
        QCOMPARE(entry.section("MimeType=", 1).section('\n', 0, 0), types.join(';') + ';');
        QStringList listed;
        const QString xml = readBytes(RESOURCES_DIR "/org.parlanda.Parlanda.metainfo.xml");
        for (const auto& match : QRegularExpression("<mediatype>(.*)</mediatype>").globalMatch(xml))
            listed << match.captured(1);
        QCOMPARE(listed, types);
    }

    // Garbage in the middle of an MP3 plays as silence there and is reported once, near
    // where it is; the frames keep their places and the length. Played in the window, the
    // status bar says so at that time.
    void damageIsSilenceAndReported() {
        const QString path = make("damaged.mp3", Signal + QStringList{"-c:a", "libmp3lame"});
        QByteArray bytes = readBytes(path);
        QVERIFY(writeBytes(path, bytes.replace(bytes.size() / 2, 4000, QByteArray(4000, '\xff'))));
        auto opened = AudioDecoder::open(path);
        QVERIFY2(opened.decoder, qPrintable(opened.message));
        std::vector<qint64> reports;
        opened.decoder->setDamageHandler([&](qint64 frame) { reports.push_back(frame); });
        const qint64 length = opened.decoder->frames();
        AudioEngine engine(std::move(opened.decoder));
        const std::vector<float> played = drain(*engine.startRange(0, length));
        QCOMPARE(reports.size(), size_t(1));
        QVERIFY2(std::abs(reports[0] - length / 2) < length / 10,
                 qPrintable(QString::number(reports[0])));
        QCOMPARE(played[size_t(reports[0]) * 2], 0.0f);

        ManualClockWindow fixture;
        QVERIFY(fixture.player().openFile(path));
        const qint64 damagedMs = (reports[0] * 1000 + 22050) / 44100;
        fixture.player().seek(damagedMs - 1000); // the reader reads 2 s ahead of the start
        fixture.player().play();
        QTRY_COMPARE(fixture.window().statusBar()->currentMessage(),
                     "The file is damaged at " + MsToTimeCode(damagedMs) +
                         "; it plays as silence there.");
    }
};

QTEST_MAIN(FfmpegDecoding)
#include "ffmpeg_decoding.moc"
