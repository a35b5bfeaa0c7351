// The recent file list in the store, the menu computed from it, and the window's
// recent file menu: reopening a listed file, a file deleted since, clearing the list.
#include "files/RecentFiles.h"
#include "platform/SettingsStore.h"
#include "settings/modSettings.h"
#include "support/ManualClockWindow.h"
#include "support/TestWav.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The shift argument of the window's key handler with Ctrl held.
constexpr int CtrlState = 2;

QString section(int entry) {
    return "Recent File List\\" + QString::number(entry);
}

void writeEntry(int entry, const QString& audio, const QString& position) {
    QVERIFY(SaveSetting(AppName, section(entry), "Audio", audio));
    QVERIFY(SaveSetting(AppName, section(entry), "Position", position));
}

// Entry n as "path@position"; "-" for a section that does not exist.
QString entryText(int entry) {
    const QString audio = GetSetting(AppName, section(entry), "Audio", "-");
    return audio == "-" ? audio
                        : audio + '@' + GetSetting(AppName, section(entry), "Position", "-");
}

QStringList entriesText(int count) {
    QStringList entries;
    for (int entry = 1; entry <= count; ++entry)
        entries << entryText(entry);
    return entries;
}

QStringList captionsOf(const QList<RecentFileItem>& items) {
    QStringList captions;
    for (const RecentFileItem& item : items)
        captions << item.caption;
    return captions;
}

} // namespace

class RecentFileList : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> config;

private slots:
    void init() {
        config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config->path()));
    }

    void newFileOnAFullListPushesTheLastOut() {
        for (int entry = 1; entry <= 9; ++entry)
            writeEntry(entry, QString("/t/%1.wav").arg(entry), QString::number(entry * 100));
        AddRecentFile("/t/New.wav", 9);
        QCOMPARE(entriesText(10),
                 QStringList({"/t/New.wav@0", "/t/1.wav@100", "/t/2.wav@200", "/t/3.wav@300",
                              "/t/4.wav@400", "/t/5.wav@500", "/t/6.wav@600", "/t/7.wav@700",
                              "/t/8.wav@800", "-"}));
        QCOMPARE(RecentFileMenuItems(9, "").first().caption, "&1 /t/New.wav");
    }

    // A listed file keeps its place and position; a path that differs in case is
    // another file.
    void listedFileKeepsItsPlace() {
        for (int entry = 1; entry <= 4; ++entry)
            writeEntry(entry, QString("/t/%1.wav").arg(entry), QString::number(entry));
        AddRecentFile("/t/4.wav", 9);
        QCOMPARE(entriesText(5),
                 QStringList({"/t/1.wav@1", "/t/2.wav@2", "/t/3.wav@3", "/t/4.wav@4", "-"}));
        QCOMPARE(FindRecentFile("/T/4.wav", 9), -1);
        AddRecentFile("/T/4.wav", 9);
        QCOMPARE(FindRecentFile("/T/4.wav", 9), 1);
        QCOMPARE(FindRecentFile("/t/4.wav", 9), 5);
    }

    void removedEntryClosesTheGap() {
        for (int entry = 1; entry <= 4; ++entry)
            writeEntry(entry, QString("/t/%1.wav").arg(entry), QString::number(entry));
        RemoveRecentFile("/t/2.wav", 5);
        QCOMPARE(entriesText(6),
                 QStringList({"/t/1.wav@1", "/t/3.wav@3", "/t/4.wav@4", "@0", "-", "-"}));
        RemoveRecentFile("/t/absent.wav", 5);
        QCOMPARE(entriesText(3), QStringList({"/t/1.wav@1", "/t/3.wav@3", "/t/4.wav@4"}));
    }

    // Positions are exact milliseconds; an empty or unlisted path stores nothing.
    void positionsAreRememberedForListedFilesOnly() {
        writeEntry(1, "/t/long.wav", "0");
        SaveFilePosition("/t/long.wav", 7199999, 9);
        SaveFilePosition("/t/other.wav", 5, 9);
        SaveFilePosition("", 5, 9);
        QCOMPARE(entriesText(3), QStringList({"/t/long.wav@7199999", "-", "-"}));
        AddRecentFile("/t/next.wav", 9);
        QCOMPARE(entryText(2), "/t/long.wav@7199999");
    }

    void menuItems_data() {
        const QString path47 = "/home/ann/interviews/2026/december/" + QString("x").repeated(8) +
                               ".wav"; // 47 characters
        const QString path48 =
            "/home/ann/interviews/2026/december/" + QString("x").repeated(9) + ".wav";
        QTest::addColumn<QStringList>("audio"); // entries 1, 2, ...
        QTest::addColumn<int>("maxFiles");
        QTest::addColumn<QString>("openFile");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<int>("checkedItem");
        QTest::newRow("empty store")
            << QStringList() << 9 << "" << QStringList() << QStringList() << -1;
        QTest::newRow("empty slot skipped")
            << QStringList({"/a.wav", "", "/c.wav"}) << 9 << "/c.wav"
            << QStringList({"&1 /a.wav", "&2 /c.wav"}) << QStringList({"", ""}) << 1;
        QTest::newRow("47 and 48 characters")
            << QStringList({path47, path48}) << 9 << path48
            << QStringList({"&1 " + path47, "&2 xxxxxxxxx.wav"}) << QStringList({"", path48}) << 1;
        QTest::newRow("ampersand shown as such")
            << QStringList({"/Tom & Jerry.wav"}) << 9 << "" << QStringList({"&1 /Tom && Jerry.wav"})
            << QStringList({""}) << -1;
        QTest::newRow("max files below 1 counts as 1")
            << QStringList({"/a.wav", "/b.wav"}) << 0 << "/b.wav" << QStringList({"&1 /a.wav"})
            << QStringList({""}) << -1;
        QTest::newRow("max files above 9 counts as 9")
            << QStringList({"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/10"}) << 15
            << "/9"
            << QStringList({"&1 /1", "&2 /2", "&3 /3", "&4 /4", "&5 /5", "&6 /6", "&7 /7", "&8 /8",
                            "&9 /9"})
            << QStringList(9, "") << 8;
        QTest::newRow("one check mark for a path listed twice")
            << QStringList({"/a.wav", "/a.wav"}) << 9 << "/a.wav"
            << QStringList({"&1 /a.wav", "&2 /a.wav"}) << QStringList({"", ""}) << 0;
    }

    void menuItems() {
        QFETCH(QStringList, audio);
        QFETCH(int, maxFiles);
        QFETCH(QString, openFile);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, tags);
        QFETCH(int, checkedItem);
        for (int entry = 1; entry <= audio.size(); ++entry)
            writeEntry(entry, audio[entry - 1], "0");

        QStringList shown = audio;
        shown.removeAll("");
        const QList<RecentFileItem> items = RecentFileMenuItems(qint16(maxFiles), openFile);
        QCOMPARE(captionsOf(items), captions);
        for (int index = 0; index < items.size(); ++index) {
            QCOMPARE(items[index].tag, tags[index]);
            QCOMPARE(items[index].checked, index == checkedItem);
            QCOMPARE(RecentFileItemPath(items[index].caption, items[index].tag), shown[index]);
        }
    }

    void clearingKeepsTheOpenFileOnly() {
        writeEntry(1, "/t/1.wav", "1");
        writeEntry(2, "/t/2.wav", "2");
        ClearRecentFiles(true, "/t/Open.wav", 3500);
        QCOMPARE(entriesText(3), QStringList({"/t/Open.wav@3500", "-", "-"}));
        ClearRecentFiles(false, "/t/Open.wav", 3500);
        QCOMPARE(entriesText(1), QStringList({"-"}));
    }

    // The window's menu: a file deleted since leaves the list with a message, a listed
    // file reopens with the check mark on its item, and clearing keeps the open file.
    void windowReopensAndDropsListedFiles() {
        ManualClockWindow fixture;
        frmMain& window = fixture.window();
        const QString kept = fixture.folder() + "/Kept Tape.wav";
        const QString other = fixture.folder() + "/other.wav";
        QVERIFY(writeIndexedWav(kept, 8000, ManualClockWindow::SampleRate, 1));
        QVERIFY(writeIndexedWav(other, 8000, ManualClockWindow::SampleRate, 1));
        writeEntry(1, kept, "10");
        writeEntry(2, fixture.folder() + "/deleted.wav", "20");
        writeEntry(3, other, "30");
        window.BuildRecentFileMenu();
        auto item = [&](int index) {
            return window.findChild<QAction*>(QString("mnuRecentFiles_%1").arg(index));
        };

        item(1)->trigger();
        QCOMPARE(fixture.prompts().callsOf(ScriptedDialogs::Kind::Message).size(), 1);
        QCOMPARE(entriesText(3), QStringList({kept + "@10", other + "@30", "@0"}));
        QCOMPARE(item(1)->text(), "&2 " + other);
        QVERIFY(item(1)->isVisible());
        QVERIFY(!item(2)->isVisible());
        QCOMPARE(window.findChild<QLabel*>("statusText")->text(), "No audio file");

        // Ctrl+3 reaches no hidden item; Ctrl+2 opens the second.
        QVERIFY(window.Form_KeyDown('3', CtrlState));
        QCOMPARE(fixture.prompts().calls().size(), 1);
        QVERIFY(window.Form_KeyDown('2', CtrlState));
        QCOMPARE(window.mciWave().fileName(), other);
        QVERIFY(item(1)->isChecked());
        QVERIFY(!item(0)->isChecked());

        window.mnuClearFiles_Click();
        QCOMPARE(item(0)->text(), "&1 " + other);
        QVERIFY(item(0)->isChecked());
        QVERIFY(!item(1)->isVisible());
        QVERIFY(window.findChild<QAction*>("mnuRecentFileSeparator")->isVisible());
    }

    // Opening files fills the list: the file left keeps the position reached in it, a
    // file opened again keeps its place, and only the open file's item is checked.
    void openingFilesFillsTheList() {
        ManualClockWindow fixture;
        frmMain& window = fixture.window();
        const QString first = fixture.folder() + "/First.wav";
        const QString second = fixture.folder() + "/second.wav";
        QVERIFY(fixture.openFile(2000, "First.wav"));
        fixture.seekTo(1500);
        QVERIFY(fixture.openFile(2000, "second.wav"));
        QCOMPARE(entriesText(3), QStringList({second + "@0", first + "@1500", "@0"}));

        fixture.seekTo(700);
        QVERIFY(window.OpenAudioFile(first));
        QCOMPARE(entriesText(3), QStringList({second + "@700", first + "@1500", "@0"}));
        auto item = [&](int index) {
            return window.findChild<QAction*>(QString("mnuRecentFiles_%1").arg(index));
        };
        QCOMPARE(item(0)->text(), "&1 " + second);
        QCOMPARE(item(1)->text(), "&2 " + first);
        QVERIFY(!item(0)->isChecked());
        QVERIFY(item(1)->isChecked());
    }
};

QTEST_MAIN(RecentFileList)
#include "recent_file_list.moc"
