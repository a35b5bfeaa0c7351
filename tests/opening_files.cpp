// Opening files: File > Open's starting folder and filters, a cancel, a file the device
// refuses, a file dropped on the window; the recent file list in the store, the menu
// computed from it, and the window's menu.
#include "audio/AudioFormats.h"
#include "settings/RecentFiles.h"
#include "settings/SettingsStore.h"
#include "settings/modSettings.h"
#include "support/Ffmpeg.h"
#include "support/ManualClockWindow.h"
#include "support/TestWav.h"
#include "windows/FileDialogFilter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

static QString section(int entry) {
    return "Recent File List\\" + QString::number(entry);
}

static void writeEntries(const QStringList& paths) {
    for (int entry = 1; entry <= paths.size(); ++entry)
        QVERIFY(SaveSetting(AppName, section(entry), "Audio", paths[entry - 1]));
}

// Entries 1 to count as "path@position"; "-@-" for a section that does not exist.
static QStringList entriesText(int count) {
    QStringList entries;
    for (int entry = 1; entry <= count; ++entry)
        entries << GetSetting(AppName, section(entry), "Audio", "-") + '@' +
                       GetSetting(AppName, section(entry), "Position", "-");
    return entries;
}

// The menu items as "path it stands for = caption", " *" marking the checked one.
static QStringList menuText(qint16 maxFiles, const QString& openFile) {
    QStringList items;
    for (const RecentFileItem& i : RecentFileMenuItems(maxFiles, openFile))
        items << RecentFileItemPath(i.caption, i.tag) + " = " + i.caption + (i.checked ? " *" : "");
    return items;
}

class OpeningFiles : public QObject {
    Q_OBJECT
    QTemporaryDir config;

private slots:
    void init() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }

    // A new file on a full list pushes the last out; a listed file keeps its place (case
    // counts); a removal moves the followers up with their exact positions, the last
    // section going; only listed files keep a position. The menu skips empty slots and
    // doubles "&", names alone from 48 characters, clamps MaxFiles to 1..9, checks once.
    void storeAndMenu() {
        for (int n = 9; n >= 1; --n)
            AddRecentFile(QString("/t%1").arg(n), 9);
        for (const char* path : {"/New", "/t4", "/T4"})
            AddRecentFile(path, 9);
        SaveFilePosition("/t5", 7199999, 9);
        SaveFilePosition("/t8", 5, 9);
        RemoveRecentFile("/t2", 9);
        QCOMPARE(entriesText(10), QStringList({"/T4@0", "/New@0", "/t1@0", "/t3@0", "/t4@0",
                                               "/t5@7199999", "/t6@0", "/t7@0", "-@-", "-@-"}));

        const QString path47 = "/home/ann/" + QString(33, 'x') + ".wav";
        const QString path48 = QString(path47).insert(10, 'x');
        ClearRecentFiles(false, "", 0);
        writeEntries({path47, "", "/a&b", path48, "/a&b"});
        QCOMPARE(menuText(9, path48),
                 QStringList({path47 + " = &1 " + path47, "/a&b = &2 /a&&b",
                              path48 + " = &3 " + path48.mid(10) + " *", "/a&b = &4 /a&&b"}));
        QCOMPARE(menuText(9, "/a&b").filter(" *"), QStringList({"/a&b = &2 /a&&b *"}));
        QCOMPARE(menuText(0, ""), QStringList({path47 + " = &1 " + path47}));
        writeEntries({"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10"});
        QCOMPARE(menuText(15, "/9").mid(8), QStringList({"/9 = &9 /9 *"}));
    }

    // Through the window: a file deleted since leaves the list with a message; opening files
    // fills it with the positions left behind, a file opened again keeping its place;
    // Ctrl+digit reaches shown items only; the open file alone is checked, also after Clear.
    void windowMenu() {
        ManualClockWindow fixture;
        frmMain& window = fixture.window();
        const auto item = [&](int index) {
            return window.findChild<QAction*>(QString("mnuRecentFiles_%1").arg(index));
        };
        const QString dir = fixture.folder(), first = dir + "/First.wav",
                      second = dir + "/second.wav";
        writeEntries({dir + "/deleted.wav"});
        emit fixture.player().recentFilesChanged();
        item(0)->trigger();
        QCOMPARE(fixture.prompts().messageTexts().size(), 1);
        QCOMPARE(FindRecentFile(dir + "/deleted.wav", 9), -1);

        QVERIFY(fixture.openFile(2000, "First.wav"));
        fixture.player().seek(1500);
        QVERIFY(fixture.openFile(2000, "second.wav"));
        fixture.player().seek(700);
        QVERIFY(fixture.player().openFile(first));
        QCOMPARE(entriesText(3), QStringList({second + "@700", first + "@1500", "@0"}));
        QTest::keyClick(&window, Qt::Key_3, Qt::ControlModifier); // a hidden item
        QCOMPARE(fixture.player().fileName(), first);
        QTest::keyClick(&window, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(fixture.player().fileName(), second);
        QVERIFY(item(0)->isChecked() && !item(1)->isChecked());
        fixture.trigger("mnuClearFiles");
        QCOMPARE(entriesText(2), QStringList({second + "@0", "-@-"}));
        QVERIFY(item(0)->isChecked() && !item(1)->isVisible());
    }

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
        QCOMPARE(GetSetting(AppName, section(FindRecentFile(failed, 9)), "Position", ""), "400");
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

QTEST_MAIN(OpeningFiles)
#include "opening_files.moc"
