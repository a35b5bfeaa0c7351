// The recent file list in the store, the menu computed from it, and the window's menu.
#include "settings/RecentFiles.h"
#include "settings/SettingsStore.h"
#include "settings/modSettings.h"
#include "support/ManualClockWindow.h"

#include <QAction>
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

class RecentFileList : public QObject {
    Q_OBJECT
    QTemporaryDir config;

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }

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
};

QTEST_MAIN(RecentFileList)
#include "recent_file_list.moc"
