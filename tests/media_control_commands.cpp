// The media control on the null output's clock: its commands, done codes and Position,
// exact to the millisecond, and the files it and the command-string layer must refuse
// clearly, leaving no file open, never crashing or waiting.
#include "audio/MciCommand.h"
#include "audio/MediaControl.h"
#include "audio/NullAudioOutput.h"
#include "support/TestWav.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class MediaControlCommands : public QObject {
    Q_OBJECT

    static constexpr qint32 FileMs = 10000;
    QTemporaryDir folder;
    std::shared_ptr<ManualAudioClock> clock;
    std::unique_ptr<MediaControl> media;
    QStringList codes; // of the done notifications

    QString path(const QString& name) const { return folder.filePath(name); }

    void hear(qint64 ms) {
        clock->advance(ms);
        QCoreApplication::processEvents();
    }

    // "range:from:to", "stop", "seek:ms", "play", "pause" (toggled), "close" run the
    // command; "+ms" lets ms of sound be heard, and what it ended report.
    void run(const QString& script) {
        for (const QString& token : script.split(' ')) {
            const QStringList word = token.split(':');
            if (token.startsWith('+'))
                hear(token.toLongLong());
            else if (word[0] == "range")
                QVERIFY(media->playRange(word[1].toLongLong(), word[2].toLongLong(), true));
            else if (word[0] == "seek")
                media->seek(word[1].toLongLong());
            else if (word[0] == "stop")
                media->stop();
            else if (word[0] == "play")
                QVERIFY(media->play());
            else if (word[0] == "pause")
                media->togglePause();
            else
                media->close();
        }
    }

private slots:
    void init() {
        QVERIFY(QFile::exists(path("tape.wav")) ||
                writeIndexedWav(path("tape.wav"), FileMs * 8, 8000, 1)); // 8 frames per ms
        clock = std::make_shared<ManualAudioClock>();
        media = std::make_unique<MediaControl>(std::make_unique<NullAudioOutput>(clock));
        codes.clear();
        connect(media.get(), &MediaControl::done,
                [this](int code) { codes.append(QString::number(code)); });
        QVERIFY(media->open(path("tape.wav")));
        QCOMPARE(media->length(), FileMs);
    }

    // A range ends with success (1) exactly at its end clamped to the file, not a
    // millisecond early; ended by another command it never reports success: superseded
    // (2) by a seek or a play, aborted (4) by a stop or a close. Seek clamps to the file.
    void commandsLeavePositionAndDoneCodes() {
        // clang-format off
        const std::tuple<const char*, qint64, const char*> rows[] = { // script, position, codes
            {"range:1100:5100 +3999", 5099, ""}, {"range:1100:5100 +4000", 5100, "1"},
            {"range:-2000:500 +499", 499, ""}, {"range:-2000:500 +500", 500, "1"},
            {"range:9800:13000 +199", 9999, ""}, {"range:9800:13000 +200", FileMs, "1"},
            {"range:1000:3000 +1000 stop +5000", 2000, "4"},
            {"range:1000:3000 +1000 seek:1234 +5000", 1234, "2"},
            {"range:1000:3000 +1000 seek:-5 +5000", 0, "2"},
            {"range:1000:3000 +1000 seek:9223372036854775807 +5000", FileMs, "2"},
            {"range:1000:3000 +1000 play +5000", 7000, "2"},
            {"range:1000:3000 +1000 close +5000", 0, "4"},
            {"range:0:1000 +300 pause +5000", 300, ""},
            {"range:0:1000 +300 pause +5000 pause +699", 999, ""},
            {"range:0:1000 +300 pause +5000 pause +700 play +9000", FileMs, "1"}};
        // clang-format on
        for (const auto& [script, position, expected] : rows) {
            init();
            run(script);
            QTest::qWait(20); // for a notification that should not come
            const auto outcome = [&](const QString& done, qint64 ms) {
                return QString("%1: %2 at %3").arg(script, done).arg(ms);
            };
            QCOMPARE(outcome(codes.join(' '), media->position()), outcome(expected, position));
        }
    }

    void badFilesAreRefusedWithTheFileAndTheReason() {
        QCOMPARE(::mkdir(QFile::encodeName(path("folder.wav")).constData(), 0700), 0);
        QCOMPARE(::mkfifo(QFile::encodeName(path("pipe.wav")).constData(), 0600), 0);
        QVERIFY(writeBadFile(path("empty.wav"), BadFile::Empty));
        QVERIFY(writeBadFile(path("noise.wav"), BadFile::RandomBytes));
        QVERIFY(writeBadFile(path("cut.wav"), BadFile::TruncatedHeader));
        QVERIFY(writeBadFile(path("short.wav"), BadFile::ShortData)); // 11025 of 44100 frames
        QVERIFY(writeBadFile(path("fast.wav"), BadFile::HugeRate));
        // A pipe holding a whole WAV: read as a file, it would open; without a writer it
        // would hold the reader for ever.
        const int pipeEnds = ::open(QFile::encodeName(path("pipe.wav")).constData(), O_RDWR);
        const QByteArray wav = readBytes(path("short.wav"));
        QCOMPARE(::write(pipeEnds, wav.constData(), size_t(wav.size())), wav.size());
        QVERIFY(QFile::copy(path("short.wav"), path("locked.wav")) &&
                QFile::setPermissions(path("locked.wav"), {}));
        std::vector<std::tuple<QString, int, QString>> refusals = {
            {"gone.wav", 275, "does not exist"},
            {"folder.wav", 304, "is a folder"},
            {"empty.wav", 304, "is empty"},
            {"pipe.wav", 304, "device or a pipe"},
            {"noise.wav", 304, "not an audio"},
            {"cut.wav", 304, "not an audio"},
            {"fast.wav", 304, "1 channel at 2,147,483,647 Hz"}};
        if (!QFile(path("locked.wav")).open(QIODevice::ReadOnly)) // root reads it all the same
            refusals.emplace_back("locked.wav", 348, "permission");
        for (const auto& [name, error, reason] : refusals) {
            media->open(path("short.wav")); // a crashed recorder's file opens with what is there
            QCOMPARE(media->length(), 250);
            media->open(path(name));
            QCOMPARE(media->error(), error);
            QCOMPARE(media->errorMessage().section(": ", 0, 0), "Cannot open " + path(name));
            QVERIFY2(media->errorMessage().contains(reason), qPrintable(media->errorMessage()));
            QCOMPARE(media->mode(), MediaControl::ModeNotOpen);
            QCOMPARE(mciSendString("open waveaudio!" + path(name) + " alias bad", nullptr, 0),
                     error);
        }
        ::close(pipeEnds);
    }
};

QTEST_GUILESS_MAIN(MediaControlCommands)
#include "media_control_commands.moc"
