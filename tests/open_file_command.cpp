// File > Open: the dialog's starting folder, a cancel, and a file the device refuses.
#include "settings/RecentFiles.h"
#include "settings/SettingsStore.h"
#include "support/ManualClockWindow.h"
#include "support/TestWav.h"
#include "windows/FileDialogFilter.h"

#include <QAbstractButton>
#include <QTest>

class OpenFileCommand : public QObject {
    Q_OBJECT

private slots:
    void cancelAndRefusalKeepWhatTheyShould_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title"); // of the message box
        QTest::newRow("not a sound file")
            << QString("noise.wav") << QString("Cannot Open Audio File");
        QTest::newRow("empty name") << QString() << QString();
    }

    void cancelAndRefusalKeepWhatTheyShould() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        ManualClockWindow fixture;
        ScriptedDialogs& prompts = fixture.prompts();
        const QString folder = fixture.folder();
        const QString good = folder + "/Tape.WAV"; // capitals stay
        QVERIFY(writeIndexedWav(good, 8000, 8000, 1));
        QVERIFY(writeBadFile(folder + "/noise.wav", BadFile::RandomBytes));
        const QString failed = folder + "/" + name;
        fixture.player().setDefaultAudioFolder(folder + "/Default/");

        prompts.queueOpenFile(good);
        fixture.trigger("mnuOpen");
        fixture.player().play();
        fixture.trigger("mnuOpen"); // cancelled: the file plays on
        QCOMPARE(fixture.player().fileName(), good);
        QCOMPARE(fixture.player().state(), PlayerController::State::Playing);

        prompts.queueOpenFile(name.isEmpty() ? name : failed);
        fixture.trigger("mnuOpen");
        QVERIFY(!fixture.player().isOpen());
        QVERIFY(!fixture.window().findChild<QAbstractButton*>("cmdPlay_2")->isEnabled());
        const ScriptedDialogs::Call message = prompts.calls().value(3); // after three dialogs
        QCOMPARE(message.title, title);
        QVERIFY(message.text.contains(name.isEmpty() ? QStringLiteral("Invalid filename.") : name));

        // As nothing is open, the file that failed keeps the position listed for it. The
        // dialog starts in the default folder, then where the last good open put it, and
        // its "*.*" matches names without a dot too.
        AddRecentFile(failed, 9);
        SaveFilePosition(failed, 400, 9);
        prompts.queueOpenFile(good);
        fixture.trigger("mnuOpen");
        const QString entry = "Recent File List\\" + QString::number(FindRecentFile(failed, 9));
        QCOMPARE(GetSetting("Parlanda", entry, "Position", ""), "400");
        QCOMPARE(prompts.calls()[0].request.initialFolder, folder + "/Default/");
        QCOMPARE(prompts.calls().value(4).request.initialFolder, folder + "/");
        QCOMPARE(QtNameFilters(prompts.calls()[0].request.filter),
                 QStringList({"Wave (*.wav)", "All files (*)"}));
    }
};

QTEST_MAIN(OpenFileCommand)
#include "open_file_command.moc"
