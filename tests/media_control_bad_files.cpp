// Files the media control and the command-string layer must refuse clearly, leaving no
// file open, never crashing or waiting.
#include "audio/MciCommand.h"
#include "audio/MediaControl.h"
#include "audio/NullAudioOutput.h"
#include "support/TestWav.h"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class MediaControlBadFiles : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    MediaControl media{std::make_unique<NullAudioOutput>(std::make_shared<ManualAudioClock>())};

    QString path(const QString& name) const { return folder.filePath(name); }
    void open(const QString& name) { media.open(path(name)); }

private slots:
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
        QFile shortWav(path("short.wav"));
        QVERIFY(shortWav.open(QIODevice::ReadOnly));
        const QByteArray wav = shortWav.readAll();
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
            open("short.wav"); // a crashed recorder's file opens with the data that is there
            QCOMPARE(media.length(), 250);
            open(name);
            QCOMPARE(media.error(), error);
            QCOMPARE(media.errorMessage().section(": ", 0, 0), "Cannot open " + path(name));
            QVERIFY2(media.errorMessage().contains(reason), qPrintable(media.errorMessage()));
            QCOMPARE(media.mode(), MediaControl::ModeNotOpen);
            QCOMPARE(mciSendString("open waveaudio!" + path(name) + " alias bad", nullptr, 0),
                     error);
        }
        ::close(pipeEnds);
    }
};

QTEST_GUILESS_MAIN(MediaControlBadFiles)
#include "media_control_bad_files.moc"
