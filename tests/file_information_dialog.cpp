// File > Info: the three lines of the dialog for files of several formats, for files
// the dialog's own opening cannot read, and the command strings it is built on.
#include "files/frmInfo.h"
#include "platform/MciCommand.h"
#include "support/ManualClockWindow.h"
#include "support/TestWav.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString NoDetails = QStringLiteral("Unable to obtain recording information.");

QString lineOf(const QWidget& dialog, const char* label) {
    const auto* line = dialog.findChild<QLabel*>(QLatin1String(label));
    return line ? line->text() : QStringLiteral("<no %1>").arg(QLatin1String(label));
}

QStringList linesOf(const QWidget& dialog) {
    return {lineOf(dialog, "lblName"), lineOf(dialog, "lblLength"), lineOf(dialog, "lblStatus")};
}

// The reply to a status command, or "error <n>".
QString status(const QString& alias, const QString& item, int replyLength = 255) {
    QString reply;
    const int error =
        mciSendString(QStringLiteral("status %1 %2").arg(alias, item), &reply, replyLength);
    return error ? QStringLiteral("error %1").arg(error) : reply;
}

} // namespace

class FileInformationDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void recordingLineDescribesTheFile_data();
    void recordingLineDescribesTheFile();
    void unreadableFileKeepsNameAndLength_data();
    void unreadableFileKeepsNameAndLength();
    void aliasHeldElsewhereDescribesNoOtherFile();
    void infoCommandAsksAfreshEveryTime();
    void fileGoneSinceOpeningStillShowsNameAndLength();
    void commandStringReplies_data();
    void commandStringReplies();
    void commandStringErrors_data();
    void commandStringErrors();

private:
    // Runs File > Info, returns the lines of the dialog it showed and closes it by `close`.
    QStringList showInfo(frmMain& window, const std::function<void(QDialog&)>& close);

    QTemporaryDir files;
    QString folder; // with blanks in its name
};

void FileInformationDialog::initTestCase() {
    QVERIFY(files.isValid());
    folder = files.path() + QStringLiteral("/my recordings");
    QVERIFY(QDir().mkpath(folder));
}

void FileInformationDialog::recordingLineDescribesTheFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("sampleRate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QString>("recordingLine");
    const int wav = SF_FORMAT_WAV;
    QTest::newRow("11025 Hz mono 8-bit") << "tape one.wav" << (wav | SF_FORMAT_PCM_U8) << 11025 << 1
                                         << "11.0 kHz, mono, 8 bits per channel";
    QTest::newRow("44100 Hz stereo 16-bit") << "tape two.wav" << (wav | SF_FORMAT_PCM_16) << 44100
                                            << 2 << "44.1 kHz, stereo, 16 bits per channel";
    QTest::newRow("48000 Hz stereo 24-bit") << "t3.wav" << (wav | SF_FORMAT_PCM_24) << 48000 << 2
                                            << "48.0 kHz, stereo, 24 bits per channel";
    QTest::newRow("96000 Hz mono float") << "t4.wav" << (wav | SF_FORMAT_FLOAT) << 96000 << 1
                                         << "96.0 kHz, mono, 32 bits per channel";
    QTest::newRow("8000 Hz mono mu-law")
        << "t5.wav" << (wav | SF_FORMAT_ULAW) << 8000 << 1 << "8.0 kHz, mono, 8 bits per channel";
    QTest::newRow("16000 Hz mono IMA ADPCM") << "t6.wav" << (wav | SF_FORMAT_IMA_ADPCM) << 16000
                                             << 1 << "16.0 kHz, mono, 4 bits per channel";
    QTest::newRow("six channels") << "t7.wav" << (wav | SF_FORMAT_PCM_16) << 44100 << 6
                                  << NoDetails;
    QTest::newRow("Vorbis has no bits per sample")
        << "t8.ogg" << (SF_FORMAT_OGG | SF_FORMAT_VORBIS) << 44100 << 2 << NoDetails;
    QTest::newRow("quote and alias in the name")
        << "say \"alias\" x alias y.wav" << (wav | SF_FORMAT_PCM_16) << 22000 << 1
        << "22.0 kHz, mono, 16 bits per channel";
    QTest::newRow("blank at the end of the name") << "tape " << (wav | SF_FORMAT_PCM_16) << 8000
                                                  << 2 << "8.0 kHz, stereo, 16 bits per channel";
}

void FileInformationDialog::recordingLineDescribesTheFile() {
    QFETCH(QString, name);
    QFETCH(int, format);
    QFETCH(int, sampleRate);
    QFETCH(int, channels);
    QFETCH(QString, recordingLine);
    const QString path = folder + u'/' + name;
    ToneFile tone;
    tone.format = format;
    tone.sampleRate = sampleRate;
    tone.channels = channels;
    tone.frames = sampleRate / 2;
    QVERIFY(writeToneFile(path, tone));

    const frmInfo dialog(path, 500, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Audio File Information"));
    QCOMPARE(linesOf(dialog),
             QStringList({"File: " + path, "Length: 00:00:00:50 (0.5 seconds)", recordingLine}));
    // The dialog's own opening is closed again before it is shown.
    QCOMPARE(status("myWave", "channels"), QStringLiteral("error %1").arg(MciError::DeviceNotOpen));
}

void FileInformationDialog::unreadableFileKeepsNameAndLength_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("lengthMs");
    QTest::addColumn<QString>("lengthLine");
    QTest::newRow("missing file") << "gone away.wav" << 83400
                                  << "Length: 00:01:23:40 (83.4 seconds)";
    QTest::newRow("not a sound file, empty")
        << "notes.wav" << 0 << "Length: 00:00:00:00 (0.0 seconds)";
    QTest::newRow("folder") << "" << 3599990 << "Length: 00:59:59:99 (3600.0 seconds)";
}

void FileInformationDialog::unreadableFileKeepsNameAndLength() {
    QFETCH(QString, name);
    QFETCH(int, lengthMs);
    QFETCH(QString, lengthLine);
    QVERIFY(writeBadFile(folder + "/notes.wav", BadFile::RandomBytes));
    const QString path = name.isEmpty() ? folder : folder + u'/' + name;

    const frmInfo dialog(path, lengthMs, nullptr);
    QCOMPARE(linesOf(dialog), QStringList({"File: " + path, lengthLine, NoDetails}));
}

void FileInformationDialog::aliasHeldElsewhereDescribesNoOtherFile() {
    const QString other = folder + "/other.wav";
    const QString shown = folder + "/shown.wav";
    QVERIFY(writeToneFile(other, ToneFile{11025, 1}));
    QVERIFY(writeToneFile(shown, ToneFile{}));
    QCOMPARE(mciSendString("open waveaudio!" + other + " alias myWave", nullptr, 0), 0);

    const frmInfo dialog(shown, 1000, nullptr);
    QCOMPARE(lineOf(dialog, "lblStatus"), NoDetails);
    // The device the dialog did not open is left open.
    QCOMPARE(status("myWave", "samplespersec"), QStringLiteral("11025"));
    QCOMPARE(mciSendString("close myWave", nullptr, 0), 0);
}

QStringList FileInformationDialog::showInfo(frmMain& window,
                                            const std::function<void(QDialog&)>& close) {
    QStringList lines;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return; // the test fails below and hangs no longer than its timeout
        lines = linesOf(*dialog);
        close(*dialog);
    });
    window.mnuInfo_Click();
    return lines;
}

void FileInformationDialog::infoCommandAsksAfreshEveryTime() {
    ManualClockWindow fixture;
    QVERIFY(fixture.openFile(2500, "first tape.wav"));
    const QString first = fixture.folder() + "/first tape.wav";
    const QStringList firstLines = {"File: " + first, "Length: 00:00:02:50 (2.5 seconds)",
                                    "8.0 kHz, mono, 16 bits per channel"};
    QCOMPARE(showInfo(fixture.window(), [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }),
             firstLines);
    QCOMPARE(showInfo(fixture.window(),
                      [](QDialog& d) {
                          QTest::keyClick(d.findChild<QPushButton*>("OKButton"), Qt::Key_Return);
                      }),
             firstLines);

    ToneFile tone;
    tone.sampleRate = 44100;
    const QString second = fixture.folder() + "/second.wav";
    QVERIFY(writeToneFile(second, tone));
    fixture.prompts().queueOpenFile(second);
    fixture.window().mnuOpen_Click();
    QCOMPARE(fixture.device().fileName(), second);
    QCOMPARE(showInfo(fixture.window(),
                      [](QDialog& d) { d.findChild<QPushButton*>("OKButton")->click(); }),
             QStringList({"File: " + second, "Length: 00:00:01:00 (1.0 seconds)",
                          "44.1 kHz, stereo, 16 bits per channel"}));
    QVERIFY(!QApplication::activeModalWidget());
}

void FileInformationDialog::fileGoneSinceOpeningStillShowsNameAndLength() {
    ManualClockWindow fixture;
    QVERIFY(fixture.openFile(83400, "tape.wav"));
    const QString path = fixture.folder() + "/tape.wav";
    QVERIFY(QFile::remove(path));

    const QStringList lines = showInfo(fixture.window(), [](QDialog& d) { d.accept(); });
    QCOMPARE(lines,
             QStringList({"File: " + path, "Length: 00:01:23:40 (83.4 seconds)", NoDetails}));
    // The player's own device still has the file.
    QCOMPARE(fixture.device().length(), 83400);
}

void FileInformationDialog::commandStringReplies_data() {
    QTest::addColumn<QString>("fileInCommand");
    QTest::newRow("unquoted") << "%1";
    QTest::newRow("quoted") << "\"%1\"";
}

void FileInformationDialog::commandStringReplies() {
    QFETCH(QString, fileInCommand);
    // Blanks, and " alias " itself, inside the name.
    const QString path = folder + "/an alias of tape.wav";
    ToneFile tone;
    tone.format = SF_FORMAT_WAV | SF_FORMAT_PCM_24;
    tone.sampleRate = 48000;
    tone.frames = 24000 * 3 + 23; // 1500.48 ms
    QVERIFY(writeToneFile(path, tone));

    QString reply = "stale";
    QCOMPARE(
        mciSendString("OPEN WaveAudio!" + fileInCommand.arg(path) + " Alias Tape", &reply, 255), 0);
    QCOMPARE(reply, QString());
    QCOMPARE(status("tape", "channels"), QStringLiteral("2"));
    QCOMPARE(status("TAPE", "SamplesPerSec"), QStringLiteral("48000"));
    QCOMPARE(status("tape", "bitspersample"), QStringLiteral("24"));
    QCOMPARE(status("tape", "length"), QStringLiteral("1500"));
    // The reply and its terminating zero must fit the caller's buffer.
    QCOMPARE(status("tape", "samplespersec", 5),
             QStringLiteral("error %1").arg(MciError::ParameterOverflow));
    QCOMPARE(status("tape", "samplespersec", 6), QStringLiteral("48000"));
    QCOMPARE(mciSendString("status tape length", nullptr, 0), 0);
    QCOMPARE(mciSendString("close tape", nullptr, 0), 0);
    QCOMPARE(mciSendString("close tape", nullptr, 0), MciError::DeviceNotOpen);
}

void FileInformationDialog::commandStringErrors_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("error");
    // %1 is a readable file (with a blank in its name), %2 a file of noise, %3 a missing file.
    const QList<std::pair<const char*, int>> rows = {
        {"open waveaudio!%3 alias a", MciError::FileNotFound},
        {"open waveaudio!%2 alias a", MciError::InvalidFile},
        {"open waveaudio! alias a", MciError::InvalidFile},
        {"open waveaudio!\"\" alias a", MciError::InvalidFile},
        {"open cdaudio!%1 alias a", MciError::DeviceNotOpen},
        {"open waveaudio!%1", MciError::MissingDeviceName},
        {"open waveaudio!%1 alias ", MciError::MissingDeviceName},
        {"open waveaudio!\"%1 alias a", MciError::NoClosingQuote},
        {"open waveaudio!%1 alias a b", MciError::UnrecognizedKeyword},
        {"open waveaudio!%1 alias HELD", MciError::DuplicateAlias},
        {"status nobody channels", MciError::DeviceNotOpen},
        {"status", MciError::MissingDeviceName},
        {"status held", MciError::ParameterRequired},
        {"status held volume", MciError::UnrecognizedKeyword},
        {"status held length extra", MciError::UnrecognizedKeyword},
        {"close nobody", MciError::DeviceNotOpen},
        {"play held", MciError::UnrecognizedCommand},
        {"", MciError::UnrecognizedCommand},
    };
    for (const auto& [command, error] : rows)
        QTest::newRow(*command ? command : "empty command")
            << QString::fromLatin1(command) << error;
}

void FileInformationDialog::commandStringErrors() {
    QFETCH(QString, command);
    QFETCH(int, error);
    const QString good = folder + "/held tape.wav";
    const QString noise = folder + "/noise.wav";
    QVERIFY(writeToneFile(good, ToneFile{}));
    QVERIFY(writeBadFile(noise, BadFile::RandomBytes));
    QCOMPARE(mciSendString("open waveaudio!" + good + " alias held", nullptr, 0), 0);

    QString reply = "stale";
    command.replace("%1", good).replace("%2", noise).replace("%3", folder + "/missing.wav");
    QCOMPARE(mciSendString(command, &reply, 255), error);
    QCOMPARE(reply, QString());
    // A failed command leaves the devices as they were: "held" is still the good file.
    QCOMPARE(status("held", "samplespersec"), QStringLiteral("44100"));
    QCOMPARE(mciSendString("close a", nullptr, 0), MciError::DeviceNotOpen);
    QCOMPARE(mciSendString("close held", nullptr, 0), 0);
}

QTEST_MAIN(FileInformationDialog)
#include "file_information_dialog.moc"
