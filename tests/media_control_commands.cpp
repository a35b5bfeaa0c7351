// The media control's commands, done codes and Position, exact on the null output's clock.
#include "audio/MediaControl.h"
#include "audio/NullAudioOutput.h"
#include "support/TestWav.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class MediaControlCommands : public QObject {
    Q_OBJECT

    static constexpr qint32 FileMs = 10000;
    QTemporaryDir folder;
    std::shared_ptr<ManualAudioClock> clock;
    std::unique_ptr<MediaControl> media;
    std::unique_ptr<QSignalSpy> done;

    void playRange(qint32 fromMs, qint32 toMs) {
        media->setFrom(fromMs);
        media->setTo(toMs);
        media->setNotify(true);
        media->setCommand("Play");
    }

    // Nothing ends a millisecond early; the range ends with success exactly at `endMs`.
    void hearToTheEnd(qint32 aheadMs, qint32 endMs) {
        clock->advance(aheadMs - 1);
        QCOMPARE(media->position(), endMs - 1);
        QCoreApplication::processEvents();
        QCOMPARE(done->count(), 0);
        clock->advance(1);
        QTRY_COMPARE(done->count(), 1);
        QCOMPARE(done->last().at(0).toInt(), int(MediaControl::NotifySuccessful));
        QCOMPARE(media->position(), endMs);
    }

private slots:
    void init() {
        const QString path = folder.filePath("tape.wav");
        QVERIFY(QFile::exists(path) || writeIndexedWav(path, FileMs * 8, 8000, 1)); // 8 per ms
        clock = std::make_shared<ManualAudioClock>();
        media = std::make_unique<MediaControl>(std::make_unique<NullAudioOutput>(clock));
        done = std::make_unique<QSignalSpy>(media.get(), &MediaControl::done);
        media->setFileName(path);
        media->setCommand("Open");
        QCOMPARE(media->length(), FileMs);
    }

    void refusedCommandsReportTheirError() {
        media->setCommand("Seek"); // no target
        QCOMPARE(media->error(), 417);
        media->setFrom(3000);
        media->setTo(2000);
        media->setCommand("Play");
        QCOMPARE(media->error(), 282);
        media->setCommand("Close");
        for (const char* command : {"Play", "stop", "Seek", "pause"}) {
            media->setTo(500);
            media->setCommand(command);
            QCOMPARE(media->error(), 263);
        }
        media->setFileName("");
        try {
            media->setCommand("Open");
            QFAIL("an empty file name must raise an error");
        } catch (const MediaError& error) {
            QCOMPARE(error.number(), 30304);
        }
    }

    void rangesEndWithSuccessExactlyAtTheirClampedEnd() {
        const std::array<qint32, 3> ranges[] = {
            {1100, 5100, 5100}, {-2000, 500, 500}, {FileMs - 200, FileMs + 3000, FileMs}};
        for (const auto& [from, to, end] : ranges) {
            init();
            playRange(from, to);
            hearToTheEnd(end - std::max(from, 0), end);
        }
    }

    // Ended by another command, a range never reports success; Seek clamps to the file.
    void endedRangesReportHowTheyEnded() {
        using enum MediaControl::NotifyCode;
        const std::tuple<const char*, qint32, int, qint32> endings[] = {
            {"Stop", 7000, NotifyAborted, 2000},    {"Seek", 1234, NotifySuperseded, 1234},
            {"Seek", -5, NotifySuperseded, 0},      {"Seek", INT32_MAX, NotifySuperseded, FileMs},
            {"Play", 7000, NotifySuperseded, 2000}, {"Close", 7000, NotifyAborted, 0}};
        for (const auto& [command, to, code, position] : endings) {
            init();
            playRange(1000, 3000);
            clock->advance(1000);
            media->setTo(to);
            media->setWait(command != QLatin1String("Play")); // it would wait for the clock
            media->setCommand(command);
            QCOMPARE(media->position(), position);
            clock->advance(5000); // far past the end of the first range
            QTest::qWait(20);
            QCOMPARE(done->count(), 1);
            QCOMPARE(done->last().at(0).toInt(), code);
        }
    }

    void pausedRangeResumesAndEndsExactly() {
        playRange(0, 1000);
        clock->advance(300);
        media->setCommand("pause");
        clock->advance(5000);
        QCOMPARE(media->position(), 300);
        media->setCommand("PAUSE");
        hearToTheEnd(700, 1000);
        media->setCommand("Play"); // From, To and Notify were used up: to the end, silently
        clock->advance(FileMs - 1000);
        QTRY_COMPARE(media->position(), FileMs);
        QTest::qWait(20);
        QCOMPARE(done->count(), 1);
    }
};

QTEST_GUILESS_MAIN(MediaControlCommands)
#include "media_control_commands.moc"
