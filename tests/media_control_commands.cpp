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

    // Nothing ends a millisecond early; the range ends with success exactly at `endMs`.
    void hearToTheEnd(qint64 aheadMs, qint64 endMs) {
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
        QVERIFY(media->open(path));
        QCOMPARE(media->length(), FileMs);
    }

    void rangesEndWithSuccessExactlyAtTheirClampedEnd() {
        const std::array<qint32, 3> ranges[] = {
            {1100, 5100, 5100}, {-2000, 500, 500}, {FileMs - 200, FileMs + 3000, FileMs}};
        for (const auto& [from, to, end] : ranges) {
            init();
            QVERIFY(media->playRange(from, to, true));
            hearToTheEnd(end - std::max(from, 0), end);
        }
    }

    // Ended by another command, a range never reports success; Seek clamps to the file.
    void endedRangesReportHowTheyEnded() {
        using enum MediaControl::NotifyCode;
        const std::tuple<const char*, qint64, int, qint64> endings[] = {
            {"Stop", 7000, NotifyAborted, 2000},    {"Seek", 1234, NotifySuperseded, 1234},
            {"Seek", -5, NotifySuperseded, 0},      {"Seek", INT64_MAX, NotifySuperseded, FileMs},
            {"Play", 7000, NotifySuperseded, 2000}, {"Close", 7000, NotifyAborted, 0}};
        for (const auto& [command, to, code, position] : endings) {
            init();
            QVERIFY(media->playRange(1000, 3000, true));
            clock->advance(1000);
            const QLatin1String name(command);
            if (name == "Stop")
                media->stop();
            else if (name == "Seek")
                media->seek(to);
            else if (name == "Play")
                media->play();
            else
                media->close();
            QCOMPARE(media->position(), position);
            clock->advance(5000); // far past the end of the first range
            QTest::qWait(20);
            QCOMPARE(done->count(), 1);
            QCOMPARE(done->last().at(0).toInt(), code);
        }
    }

    void pausedRangeResumesAndEndsExactly() {
        QVERIFY(media->playRange(0, 1000, true));
        clock->advance(300);
        media->togglePause();
        clock->advance(5000);
        QCOMPARE(media->position(), 300);
        media->togglePause();
        hearToTheEnd(700, 1000);
        QVERIFY(media->play()); // to the end, silently
        clock->advance(FileMs - 1000);
        QTRY_COMPARE(media->position(), FileMs);
        QTest::qWait(20);
        QCOMPARE(done->count(), 1);
    }
};

QTEST_GUILESS_MAIN(MediaControlCommands)
#include "media_control_commands.moc"
