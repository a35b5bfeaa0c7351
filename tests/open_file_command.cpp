// File > Open: the dialog's starting folder and filters, a cancel, a file the device
// refuses, and a file dropped on the window.
#include "audio/AudioFormats.h"
#include "settings/RecentFiles.h"
#include "settings/SettingsStore.h"
#include "support/Ffmpeg.h"
#include "support/ManualClockWindow.h"
#include "support/TestWav.h"
#include "windows/FileDialogFilter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMimeData>
#include <QTest>

class OpenFileCommand : public QObject {
    Q_OBJECT

private slots:
    // A cancel keeps the file playing; a file the device refuses, or an empty name, leaves
    // nothing open, with a message that names it.
    void cancelAndRefusalKeepWhatTheyShould() {
        ManualClockWindow fixture;
        ScriptedDialogs& prompts = fixture.prompts();
        const QString folder = fixture.folder();
        const QString good = folder + "/Tape.WAV"; // capitals stay
        QVERIFY(writeIndexedWav(good, 8000, 8000, 1));
        const QString failed = folder + "/noise.wav";
        QVERIFY(writeBadFile(failed, BadFile::RandomBytes));
        fixture.player().setDefaultAudioFolder(folder + "/Default/");
        const std::tuple<QString, QString, QString> rows[] = {
            // chosen, title, text
            {failed, "Cannot Open Audio File", failed},
            {"", "", "Invalid filename."}};
        for (const auto& [chosen, title, text] : rows) {
            prompts.queueOpenFile(good);
            fixture.trigger("mnuOpen");
            fixture.player().play();
            fixture.trigger("mnuOpen"); // cancelled: the file plays on
            QCOMPARE(fixture.player().fileName(), good);
            QCOMPARE(fixture.player().state(), PlayerController::State::Playing);
            prompts.queueOpenFile(chosen);
            fixture.trigger("mnuOpen");
            QVERIFY(!fixture.player().isOpen());
            QVERIFY(!fixture.window().findChild<QAbstractButton*>("cmdPlay_2")->isEnabled());
            QCOMPARE(prompts.calls().last().title, title);
            QVERIFY(prompts.calls().last().text.contains(text));
        }

        // As nothing is open, the file that failed keeps the position listed for it. The
        // dialog starts in the default folder, then where the last good open put it, not a
        // failed one.
        AddRecentFile(failed, 9);
        SaveFilePosition(failed, 400, 9);
        prompts.queueOpenFile(good);
        fixture.trigger("mnuOpen");
        const QString entry = "Recent File List\\" + QString::number(FindRecentFile(failed, 9));
        QCOMPARE(GetSetting("Parlanda", entry, "Position", ""), "400");
        QCOMPARE(prompts.calls()[0].request.initialFolder, folder + "/Default/");
        QCOMPARE(prompts.calls().last().request.initialFolder, folder + "/");
        // First, and chosen, the files the player opens, named in the one list of them; the
        // "*.*" of all files matches names without a dot too.
        const QStringList filters = QtNameFilters(prompts.calls()[0].request.filter);
        QCOMPARE(filters.mid(1), QStringList({"Wave (*.wav)", "All files (*)"}));
        QCOMPARE(prompts.calls()[0].request.selectedFilter, 1);
        QVERIFY(filters[0].startsWith("Audio files (*.wav ") && filters[0].contains(" *.mp3 "));
        for (const QString& extension : openableExtensions())
            QVERIFY2(filters[0].contains("*." + extension + ' ') ||
                         filters[0].endsWith("*." + extension + ')'),
                     qPrintable(extension));
    }

    // A local file dropped anywhere on the window opens as File > Open opens it, whatever its
    // kind; of several URLs the first local file counts, and one of none is passed over.
    void droppedFileOpens() {
        ManualClockWindow fixture;
        const QString mp3 = fixture.folder() + "/dropped.mp3";
        runFfmpeg({"-f", "lavfi", "-i", "sine=r=8000:d=1", mp3});
        const QUrl web("https://example.org/talk.mp3");
        const auto drop = [&](const QList<QUrl>& urls) {
            QMimeData data;
            data.setUrls(urls);
            auto* target = fixture.window().findChild<QWidget*>("hsbSlider");
            QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &enter);
            QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &dropped);
            return enter.isAccepted() && dropped.isAccepted();
        };
        QVERIFY(!drop({web}));
        QVERIFY(!fixture.player().isOpen());
        QVERIFY(drop({web, QUrl::fromLocalFile(mp3), QUrl::fromLocalFile(fixture.folder())}));
        QCOMPARE(fixture.player().fileName(), mp3);
        QCOMPARE(FindRecentFile(mp3, 9), 1);
    }
};

QTEST_MAIN(OpenFileCommand)
#include "open_file_command.moc"
