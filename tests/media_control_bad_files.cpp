// Files the media control must refuse: each gives an error number, a message naming the
// file and the reason, and leaves no file open — never a crash.
#include "platform/MediaControl.h"
#include "platform/NullAudioOutput.h"
#include "support/TestWav.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

class MediaControlBadFiles : public QObject {
    Q_OBJECT

private slots:
    void badFilesAreRefusedClearly_data();
    void badFilesAreRefusedClearly();
    void unreadableFileIsRefusedUnlessReadable();
    void wavShorterThanItsHeaderPlaysWhatIsThere();
};

namespace {

struct Opened {
    int error;
    QString message;
    qint32 mode;
};

Opened openAfterAGoodFile(const QString& path, const QTemporaryDir& folder) {
    MediaControl media(std::make_unique<NullAudioOutput>(std::make_shared<ManualAudioClock>()));
    const QString good = folder.filePath("good.wav");
    if (!QFile::exists(good))
        writeIndexedWav(good, 8000, 8000, 1);
    media.setFileName(good);
    media.setCommand("Open");
    media.setFileName(path);
    media.setCommand("Open");
    return {media.error(), media.errorMessage(), media.mode()};
}

} // namespace

void MediaControlBadFiles::badFilesAreRefusedClearly_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "gone.wav" << 275 << "the file does not exist.";
    QTest::newRow("folder") << "folder.wav" << 304 << "it is a folder, not a file.";
    QTest::newRow("empty") << "empty.wav" << 304 << "the file is empty.";
    QTest::newRow("pipe") << "pipe.wav" << 304 << "it is a device or a pipe, not a file.";
    QTest::newRow("random bytes") << "noise.wav" << 304 << "it is not an audio file";
    QTest::newRow("truncated header") << "cut.wav" << 304 << "it is not an audio file";
}

void MediaControlBadFiles::badFilesAreRefusedClearly() {
    QFETCH(QString, name);
    QFETCH(int, error);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QVERIFY(QDir(folder.path()).mkdir("folder.wav"));
    QCOMPARE(::mkfifo(QFile::encodeName(folder.filePath("pipe.wav")).constData(), 0600), 0);
    QVERIFY(writeBadFile(folder.filePath("empty.wav"), BadFile::Empty));
    QVERIFY(writeBadFile(folder.filePath("noise.wav"), BadFile::RandomBytes));
    QVERIFY(writeBadFile(folder.filePath("cut.wav"), BadFile::TruncatedHeader));

    const Opened opened = openAfterAGoodFile(path, folder);
    QCOMPARE(opened.error, error);
    QVERIFY2(opened.message.startsWith("Cannot open " + path + ": " + reason),
             qPrintable(opened.message));
    QVERIFY(opened.message.endsWith('.'));
    QCOMPARE(opened.mode, MediaControl::ModeNotOpen);
}

// Tests may run as root, who reads any file: then the file must simply open.
void MediaControlBadFiles::unreadableFileIsRefusedUnlessReadable() {
    QTemporaryDir folder;
    const QString path = folder.filePath("locked.wav");
    QVERIFY(writeIndexedWav(path, 8000, 8000, 1));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    const bool readable = ::access(QFile::encodeName(path).constData(), R_OK) == 0;
    const Opened opened = openAfterAGoodFile(path, folder);
    if (readable) {
        QCOMPARE(opened.error, 0);
        QCOMPARE(opened.mode, MediaControl::ModeStopped);
    } else {
        QCOMPARE(opened.error, 348);
        QCOMPARE(opened.message,
                 "Cannot open " + path + ": you do not have permission to read it.");
        QCOMPARE(opened.mode, MediaControl::ModeNotOpen);
    }
}

// A recording cut off before its header was finished (a recorder that crashed) is
// still worth transcribing: it opens with the length of the data that is there.
void MediaControlBadFiles::wavShorterThanItsHeaderPlaysWhatIsThere() {
    QTemporaryDir folder;
    const QString path = folder.filePath("short.wav");
    QVERIFY(writeBadFile(path, BadFile::ShortData)); // 11025 of 44100 frames
    auto clock = std::make_shared<ManualAudioClock>();
    MediaControl media(std::make_unique<NullAudioOutput>(clock));
    media.setFileName(path);
    media.setCommand("Open");
    QCOMPARE(media.error(), 0);
    QCOMPARE(media.length(), 250);
    media.setFrom(0);
    media.setTo(1000);
    media.setNotify(true);
    media.setCommand("Play");
    QSignalSpy done(&media, &MediaControl::done);
    clock->advance(250);
    QTRY_COMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(0).toInt(), int(MediaControl::NotifySuccessful));
    QCOMPARE(media.position(), 250);
}

QTEST_GUILESS_MAIN(MediaControlBadFiles)
#include "media_control_bad_files.moc"
