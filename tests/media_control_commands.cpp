// The media control's commands, notifications and Position, driven through the null
// output on a clock the test moves, so that every expectation is exact and fast.
#include "platform/MediaControl.h"
#include "platform/NullAudioOutput.h"
#include "support/TestWav.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class MediaControlCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void commandsWithoutAFileDoNothing_data();
    void commandsWithoutAFileDoNothing();
    void emptyFileNameRaisesInvalidFilename();
    void openSetsLengthAndStartsAtZero();
    void rangeHeardToItsEndReportsSuccessOnce();
    void endedRangesReportHowTheyEnded_data();
    void endedRangesReportHowTheyEnded();
    void seekGoesExactlyToTheClampedTarget_data();
    void seekGoesExactlyToTheClampedTarget();
    void rangeIsClampedToTheFile();
    void pauseHoldsThePositionAndResumes();
    void oneShotValuesApplyToOneCommandOnly();
    void playWithWaitReturnsWhenTheRangeEnded();
    void closeLeavesNoFileOpen();

private:
    void playRange(qint32 fromMs, qint32 toMs);
    int lastDone() const { return done->last().at(0).toInt(); }

    static constexpr int Rate = 8000; // every millisecond is a whole number of frames
    static constexpr qint32 FileMs = 10000;
    QTemporaryDir folder;
    std::shared_ptr<ManualAudioClock> clock;
    std::unique_ptr<MediaControl> media;
    std::unique_ptr<QSignalSpy> done;
};

void MediaControlCommands::init() {
    clock = std::make_shared<ManualAudioClock>();
    media = std::make_unique<MediaControl>(std::make_unique<NullAudioOutput>(clock));
    done = std::make_unique<QSignalSpy>(media.get(), &MediaControl::done);
}

void MediaControlCommands::playRange(qint32 fromMs, qint32 toMs) {
    const QString path = folder.filePath("tape.wav");
    if (media->mode() == MediaControl::ModeNotOpen) {
        QVERIFY(QFile::exists(path) ||
                writeIndexedWav(path, qint64(FileMs) * Rate / 1000, Rate, 1));
        media->setFileName(path);
        media->setCommand("Open");
        QCOMPARE(media->error(), 0);
    }
    media->setFrom(fromMs);
    media->setTo(toMs);
    media->setNotify(true);
    media->setCommand("Play");
    QCOMPARE(media->error(), 0);
}

void MediaControlCommands::commandsWithoutAFileDoNothing_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("error");
    for (const char* command : {"Play", "play", "Stop", "stop", "Seek", "pause"})
        QTest::newRow(command) << QString(command) << 263;
    QTest::newRow("unknown") << QStringLiteral("rewind") << 261;
}

void MediaControlCommands::commandsWithoutAFileDoNothing() {
    QFETCH(QString, command);
    QFETCH(int, error);
    media->setTo(500);
    media->setCommand(command);
    QCOMPARE(media->error(), error);
    QVERIFY(!media->errorMessage().isEmpty());
    QCOMPARE(media->mode(), MediaControl::ModeNotOpen);
    QCOMPARE(media->position(), 0);
    QCOMPARE(media->length(), 0);
    media->setCommand("Close"); // closing what is not open is no error
    QCOMPARE(media->error(), 0);
}

void MediaControlCommands::emptyFileNameRaisesInvalidFilename() {
    playRange(0, 100);
    media->setFileName("");
    try {
        media->setCommand("Open");
        QFAIL("an empty file name must raise an error");
    } catch (const MediaError& error) {
        QCOMPARE(error.number(), 30304);
    }
    QCOMPARE(media->mode(), MediaControl::ModeNotOpen);
    QTRY_COMPARE(done->count(), 1);
    QCOMPARE(lastDone(), int(MediaControl::NotifyAborted));
}

void MediaControlCommands::openSetsLengthAndStartsAtZero() {
    playRange(0, 0);
    QCOMPARE(media->length(), FileMs);
    QCOMPARE(media->position(), 0);
    QCOMPARE(media->fileName(), folder.filePath("tape.wav"));
}

void MediaControlCommands::rangeHeardToItsEndReportsSuccessOnce() {
    playRange(1100, 5100);
    QCOMPARE(media->mode(), MediaControl::ModePlaying);
    clock->advance(1500);
    QCOMPARE(media->position(), 2600);
    clock->advance(2499);
    QCOMPARE(media->position(), 5099);
    QCoreApplication::processEvents();
    QCOMPARE(done->count(), 0);
    clock->advance(1);
    QTRY_COMPARE(done->count(), 1);
    QCOMPARE(lastDone(), int(MediaControl::NotifySuccessful));
    QCOMPARE(media->position(), 5100);
    QCOMPARE(media->mode(), MediaControl::ModeStopped);
    clock->advance(10000);
    QTest::qWait(20);
    QCOMPARE(done->count(), 1);
    QCOMPARE(media->position(), 5100);
}

void MediaControlCommands::endedRangesReportHowTheyEnded_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("code");
    QTest::addColumn<qint32>("position");
    QTest::newRow("stop") << QStringLiteral("Stop") << int(MediaControl::NotifyAborted) << 2000;
    QTest::newRow("seek") << QStringLiteral("Seek") << int(MediaControl::NotifySuperseded) << 7000;
    QTest::newRow("play") << QStringLiteral("Play") << int(MediaControl::NotifySuperseded) << 2000;
    QTest::newRow("close") << QStringLiteral("Close") << int(MediaControl::NotifyAborted) << 0;
}

void MediaControlCommands::endedRangesReportHowTheyEnded() {
    QFETCH(QString, command);
    QFETCH(int, code);
    QFETCH(qint32, position);
    playRange(1000, 3000);
    clock->advance(1000);
    media->setTo(7000);
    media->setWait(command != u"Play"); // a waiting play would wait for the test's clock
    media->setCommand(command);
    QCOMPARE(media->error(), 0);
    if (command != u"Play")
        QCOMPARE(media->position(), position);
    clock->advance(5000); // far past the end of the first range
    QTRY_COMPARE(done->count(), 1);
    QCOMPARE(lastDone(), code);
    QTest::qWait(20);
    QCOMPARE(done->count(), 1); // the ended range never reports success as well
}

void MediaControlCommands::seekGoesExactlyToTheClampedTarget_data() {
    QTest::addColumn<qint32>("target");
    QTest::addColumn<qint32>("position");
    QTest::newRow("inside") << 1234 << 1234;
    QTest::newRow("start") << 0 << 0;
    QTest::newRow("negative") << -5 << 0;
    QTest::newRow("end") << FileMs << FileMs;
    QTest::newRow("one past the end") << FileMs + 1 << FileMs;
    QTest::newRow("far past the end") << std::numeric_limits<qint32>::max() << FileMs;
}

void MediaControlCommands::seekGoesExactlyToTheClampedTarget() {
    QFETCH(qint32, target);
    QFETCH(qint32, position);
    playRange(0, 0);
    media->setTo(target);
    media->setWait(true);
    media->setCommand("seek");
    QCOMPARE(media->error(), 0);
    QCOMPARE(media->position(), position);
    QCOMPARE(media->mode(), MediaControl::ModeStopped);
    // Play with no range goes on from there to the end of the file.
    media->setCommand("play");
    clock->advance(FileMs - position);
    QTRY_COMPARE(media->mode(), MediaControl::ModeStopped);
    QCOMPARE(media->position(), FileMs);
}

void MediaControlCommands::rangeIsClampedToTheFile() {
    playRange(-2000, 500);
    clock->advance(499);
    QCOMPARE(media->position(), 499);
    clock->advance(1);
    QTRY_COMPARE(done->count(), 1);
    QCOMPARE(media->position(), 500);

    playRange(FileMs - 200, FileMs + 3000);
    clock->advance(200);
    QTRY_COMPARE(done->count(), 2);
    QCOMPARE(lastDone(), int(MediaControl::NotifySuccessful));
    QCOMPARE(media->position(), FileMs);

    media->setFrom(3000);
    media->setTo(2000);
    media->setCommand("Play");
    QCOMPARE(media->error(), 282);
    QCOMPARE(media->mode(), MediaControl::ModeStopped);
}

void MediaControlCommands::pauseHoldsThePositionAndResumes() {
    playRange(0, 1000);
    clock->advance(300);
    media->setCommand("pause");
    QCOMPARE(media->mode(), MediaControl::ModePaused);
    clock->advance(5000);
    QCOMPARE(media->position(), 300);
    media->setCommand("PAUSE");
    QCOMPARE(media->mode(), MediaControl::ModePlaying);
    clock->advance(699);
    QCOMPARE(media->position(), 999);
    QCoreApplication::processEvents();
    QCOMPARE(done->count(), 0);
    clock->advance(1);
    QTRY_COMPARE(done->count(), 1);
    QCOMPARE(lastDone(), int(MediaControl::NotifySuccessful));
    media->setCommand("pause"); // stopped: nothing to pause
    QCOMPARE(media->mode(), MediaControl::ModeStopped);
}

void MediaControlCommands::oneShotValuesApplyToOneCommandOnly() {
    playRange(0, 400);
    QVERIFY(!media->notify());
    QVERIFY(!media->wait());
    clock->advance(400);
    QTRY_COMPARE(done->count(), 1);
    // Without From, To and Notify the next play runs from Position to the end, silently.
    media->setCommand("Play");
    clock->advance(FileMs);
    QTRY_COMPARE(media->mode(), MediaControl::ModeStopped);
    QCOMPARE(media->position(), FileMs);
    QTest::qWait(20);
    QCOMPARE(done->count(), 1);
    // Seek without a target is refused and moves nothing.
    media->setCommand("Seek");
    QCOMPARE(media->error(), 417);
    QCOMPARE(media->position(), FileMs);
}

void MediaControlCommands::playWithWaitReturnsWhenTheRangeEnded() {
    playRange(0, 0);
    QTimer::singleShot(0, this, [this] { clock->advance(600); });
    media->setFrom(100);
    media->setTo(700);
    media->setWait(true);
    media->setNotify(true);
    media->setCommand("Play");
    QCOMPARE(media->mode(), MediaControl::ModeStopped);
    QCOMPARE(media->position(), 700);
}

void MediaControlCommands::closeLeavesNoFileOpen() {
    playRange(0, 5000);
    media->setCommand("Close");
    QCOMPARE(media->mode(), MediaControl::ModeNotOpen);
    QCOMPARE(media->length(), 0);
    media->setCommand("Play");
    QCOMPARE(media->error(), 263);
}

QTEST_GUILESS_MAIN(MediaControlCommands)
#include "media_control_commands.moc"
