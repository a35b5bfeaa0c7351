// File > Open: the dialog it asks for, where that dialog starts, and what a cancelled
// dialog or a file the device refuses leave behind.
#include "files/RecentFiles.h"
#include "platform/SettingsStore.h"
#include "support/ManualClockWindow.h"
#include "support/TestWav.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QTest>

class OpenFileCommand : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { fixture.reset(); }
    void dialogStartsInDefaultFolderThenInLastFolder();
    void cancelChangesNothing();
    void refusedFileLeavesNoFileOpen_data();
    void refusedFileLeavesNoFileOpen();

private:
    frmMain& window() { return fixture->window(); }
    MediaControl& device() { return fixture->device(); }
    ScriptedDialogs& prompts() { return fixture->prompts(); }
    // Writes an indexed file of one second under the fixture's folder.
    QString writeFile(const QString& relativePath);

    std::unique_ptr<ManualClockWindow> fixture;
};

void OpenFileCommand::init() {
    fixture = std::make_unique<ManualClockWindow>();
}

QString OpenFileCommand::writeFile(const QString& relativePath) {
    const QString path = fixture->folder() + "/" + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    return writeIndexedWav(path, 8000, 8000, 1) ? path : QString();
}

void OpenFileCommand::dialogStartsInDefaultFolderThenInLastFolder() {
    const QString defaultFolder = fixture->folder() + "/Default/";
    window().setDefaultAudioFolder(defaultFolder);
    // Capitals stay: file names are case-sensitive here.
    const QString first = writeFile("Interviews/Tape.WAV");
    const QString second = writeFile("Other/b.wav");
    prompts().queueOpenFile(first);
    prompts().queueOpenFile(second);
    window().mnuOpen_Click();
    QCOMPARE(device().fileName(), first);
    window().PressPlayButton(2);
    fixture->clock().advance(750);
    window().mnuOpen_Click();
    QCOMPARE(device().fileName(), second);
    QCOMPARE(device().mode(), MediaControl::ModeStopped);
    QCOMPARE(device().position(), 0);
    // The file left behind is listed second, with the position reached in it.
    QCOMPARE(FindRecentFile(second, 9), 1);
    QCOMPARE(FindRecentFile(first, 9), 2);
    QCOMPARE(GetSetting("Parlanda", "Recent File List\\2", "Position", ""), "750");
    window().mnuOpen_Click(); // cancelled

    const QList<ScriptedDialogs::Call> calls = prompts().callsOf(ScriptedDialogs::Kind::OpenFile);
    QCOMPARE(calls.size(), 3);
    const Dialogs::OpenFileRequest& request = calls[0].request;
    QCOMPARE(request.filter, QStringLiteral("Wave (*.wav)|*.wav|All files (*.*)|*.*"));
    QCOMPARE(request.selectedFilter, 1);
    QCOMPARE(request.fileName, QString());
    QVERIFY(request.fileMustExist && request.hideReadOnly && request.readOnlyChecked);
    QCOMPARE(request.initialFolder, defaultFolder);
    QCOMPARE(calls[1].request.initialFolder, fixture->folder() + "/Interviews/");
    QCOMPARE(calls[2].request.initialFolder, fixture->folder() + "/Other/");
    QVERIFY(prompts().callsOf(ScriptedDialogs::Kind::Message).isEmpty());
}

void OpenFileCommand::cancelChangesNothing() {
    QVERIFY(fixture->openFile(30000));
    const QString open = device().fileName();
    window().PressPlayButton(2);
    window().mnuOpen_Click();
    QCOMPARE(device().fileName(), open);
    QCOMPARE(device().mode(), MediaControl::ModePlaying);
    QCOMPARE(device().updateInterval(), 0);
    QCOMPARE(prompts().calls().size(), 1);
}

void OpenFileCommand::refusedFileLeavesNoFileOpen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("not a sound file") << "noise.wav"
                                      << "Cannot Open Audio File";
    QTest::newRow("missing") << "missing.wav"
                             << "Cannot Open Audio File";
    QTest::newRow("empty name") << ""
                                << "";
}

void OpenFileCommand::refusedFileLeavesNoFileOpen() {
    QFETCH(QString, name);
    QFETCH(QString, title);
    prompts().queueOpenFile(writeFile("Good/a.wav"));
    window().mnuOpen_Click();
    QCOMPARE(device().mode(), MediaControl::ModeStopped);
    QVERIFY(writeBadFile(fixture->folder() + "/noise.wav", BadFile::RandomBytes));
    prompts().queueOpenFile(name.isEmpty() ? name : fixture->folder() + "/" + name);
    window().mnuOpen_Click();

    QCOMPARE(device().mode(), MediaControl::ModeNotOpen);
    QVERIFY(!window().findChild<QAbstractButton*>("cmdPlay_2")->isEnabled());
    QCOMPARE(window().findChild<QLineEdit*>("txtTime")->text(), QStringLiteral("00:00:00:00"));
    const QList<ScriptedDialogs::Call> messages = prompts().callsOf(ScriptedDialogs::Kind::Message);
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].title, title);
    QCOMPARE(messages[0].icon, Dialogs::Icon::Exclamation);
    if (name.isEmpty())
        QCOMPARE(messages[0].text, QStringLiteral("Invalid filename."));
    else
        QVERIFY2(messages[0].text.contains(name), qPrintable(messages[0].text));

    // A failed open leaves the dialog's starting folder where the last good open put it.
    // Nothing is open now, so the next open stores no position for the file that failed,
    // which may be listed with a position of its own.
    const QString failed = fixture->folder() + "/" + name;
    AddRecentFile(failed, 9);
    SaveFilePosition(failed, 400, 9);
    prompts().queueOpenFile(fixture->folder() + "/Good/a.wav");
    window().mnuOpen_Click();
    QCOMPARE(prompts().callsOf(ScriptedDialogs::Kind::OpenFile).last().request.initialFolder,
             fixture->folder() + "/Good/");
    const QString failedEntry = "Recent File List\\" + QString::number(FindRecentFile(failed, 9));
    QCOMPARE(GetSetting("Parlanda", failedEntry, "Position", ""), "400");
}

QTEST_MAIN(OpenFileCommand)
#include "open_file_command.moc"
