// The settings file: the sections "Settings", "Playback", "Time Stamps" and "Waveform" (defaults,
// conversions, limits, the round trip, the window), the store's file hand-written, corrupt,
// unwritable and killed while written, and the recent file list in the store, the menu computed
// from it and the window's menu; opening files: File > Open's starting folder and filters, a
// cancel, a file the device refuses, a file dropped on the window.
#include "SoundFiles.h"
#include "audio/AudioFormats.h"
#include "settings/RecentFiles.h"
#include "settings/SettingsStore.h"
#include "settings/modSettings.h"
#include "support/ManualClockWindow.h"
#include "support/TestWav.h"
#include "windows/FileDialogFilter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

constexpr int BigValueLength = 200000;

static QStringList storedForm(const UserSettings& s) {
    const auto n = [](qint32 number) { return QString::number(number); };
    return QString("Step=%1|Offset=%2|Pause=%3|Jump=%4|Loop Repetitions=%5,%6|Max Files=%7|"
                   "Recent File List=%8|Default Audio Folder=%9|")
        .arg(n(s.step), n(s.offset), n(s.pause), n(s.jump), n(s.loopCount),
             s.looping ? "Disable" : "Enable", n(s.maxFiles), n(s.recentFileList),
             s.defaultAudioFolder)
        .append(
            QString("Playback/Speed=%1|Playback/Rewind=%2|Playback/Resume=%3|Time Stamps/Format=%4|"
                    "Waveform/Show=%5|Waveform/Seconds=%6")
                .arg(n(s.speed), n(s.rewind), n(s.resume), TimeStampPattern(s.timeStampFormat),
                     n(s.waveformShown), n(s.waveformSeconds)))
        .split('|');
}

static QStringList readSettings() {
    UserSettings settings;
    settings.step = 1;           // presets replace whatever the player held
    settings.recentFileList = 0; // kept when the stored flag is malformed
    ReadUserSettings(settings);
    return storedForm(settings);
}

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

class SettingsAndOpeningFiles : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> config;

private slots:
    void init() {
        config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config->path()));
    }

    // Nothing stored gives the defaults; a stored text reads converted (halves to even) and
    // limited, or as the default when malformed (a list flag: the starting value, off).
    void storedValuesConvertAndAreLimited() {
        // clang-format off
        QCOMPARE(readSettings(), storedForm({4000, 1100, 600, 4000, 1, true,
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), 9, 1}));
        const std::pair<QString, QString> rows[] = { // stored, read (under the same key)
            {"Step=200", "500"}, {"Offset=0", "100"}, {"Pause=-5", "10"}, {"Jump=1000", "4000"},
            {"Step=6000", "Jump=6000"}, {"Offset=", "1100"}, {"Step=99999999999", "4000"},
            {"Step=2500.5", "2500"}, {"Pause= 7e2 ", "700"}, {"Pause=0x20", "600"},
            {"Max Files=15", "15"}, {"Max Files=40000", "9"}, {"Recent File List=x", "0"},
            {"Loop Repetitions=0,Disable", "1,Disable"}, {"Loop Repetitions=2,enable", "2,Disable"},
            {"Loop Repetitions=4,Enable,1", "4,Disable"}, {"Playback/Speed=49", "100"},
            {"Playback/Speed=201", "100"}, {"Playback/Speed=fast", "100"},
            {"Playback/Speed=75", "75"}, {"Playback/Rewind=-3", "0"},
            {"Playback/Rewind=20000", "10000"}, {"Playback/Rewind=1x", "0"},
            {"Playback/Resume=0", "0"}, {"Playback/Resume=off", "1"},
            {"Time Stamps/Format=[hh:mm]", "[hh:mm:ss]"},
            {"Waveform/Show=1", "1"}, {"Waveform/Show=on", "0"},
            {"Waveform/Seconds=300", "300"}, {"Waveform/Seconds=4", "30"},
            {"Waveform/Seconds=301", "30"}, {"Waveform/Seconds=", "30"}};
        // clang-format on
        for (const auto& [stored, read] : rows) {
            const QString key = stored.section('=', 0, 0); // "Section/Key" outside "Settings"
            const QString section = key.contains('/') ? key.section('/', 0, 0) : "Settings";
            QVERIFY(SaveSetting(AppName, section, key.section('/', -1), stored.section('=', 1)));
            QVERIFY2(readSettings().contains(read.contains('=') ? read : key + '=' + read),
                     qPrintable(stored + " read: " + readSettings().join(' ')));
            QVERIFY(DeleteSetting(AppName, section));
        }
    }

    // Values within limits come back; a step below its limit is stored, raised when read.
    void roundTripThroughTheFile() {
        // clang-format off
        UserSettings written{2500, 900, 250, 7000, 4, false, "/home/ann/Tapes & Notes", 3, 1,
                             60, 2500, false, TimeStampFormat::HashTenths, true, 45};
        // clang-format on
        WriteUserSettings(written);
        QCOMPARE(readSettings(), storedForm(written));
        written.step = 200;
        WriteUserSettings(written);
        QCOMPARE(GetSetting(AppName, "Settings", "Step", ""), "200");
        QVERIFY(readSettings().contains("Step=500"));
    }

    // The Looping menu shows the stored state and changes it; closing stores it.
    void loopingMenuFollowsThePlayer() {
        ManualClockWindow fixture;
        QVERIFY(SaveSetting(AppName, "Settings", "Loop Repetitions", "3,Enable"));
        fixture.player().loadSettings();
        const auto menu = [&] {
            return QStringLiteral("%1 %2%3")
                .arg(fixture.item("mnuToggleLooping").text())
                .arg(fixture.item("mnuLoopItem_3").isChecked() ? "3" : "-",
                     fixture.item("mnuLoopItem_4").isEnabled() ? " enabled" : "");
        };
        QCOMPARE(menu(), "Enable 3");
        fixture.trigger("mnuToggleLooping");
        QCOMPARE(menu(), "Disable 3 enabled");
        fixture.trigger("mnuLoopItem_3"); // the checked item stays checked
        QCOMPARE(menu(), "Disable 3 enabled");
        QCOMPARE(fixture.player().loopRepetitionCount(), 3);
        fixture.trigger("mnuLoopItem_4");
        fixture.window().close();
        QCOMPARE(GetSetting(AppName, "Settings", "Loop Repetitions", ""), "4,Disable");
    }

    // A file where the settings folder should be (root ignores permission bits) fails every
    // write and stays; the window says so once, and still ends.
    void unwritableStoreIsReportedOnceAtShutdown() {
        ManualClockWindow fixture;
        QTemporaryDir blocked;
        QVERIFY(writeBytes(blocked.filePath("Parlanda"), "not a folder"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocked.path()));
        QVERIFY(!SaveSetting(AppName, "Settings", "Step", "2500"));
        fixture.window().close();
        fixture.window().close();
        QCOMPARE(fixture.prompts().messageTexts().filter(SettingsFilePath(AppName)).size(), 1);
        QCOMPARE(readBytes(blocked.filePath("Parlanda")), "not a folder");
    }

    // What a file holds is used, a list value written by hand without quotes as the text it
    // was; the first write keeps a corrupt file as a copy beside it.
    void existingFileIsReadAndACorruptOneKept() {
        const std::tuple<QByteArray, QString, QString, bool> rows[] = {
            // file, key, read, corrupt
            {"[Settings]\nLoop%20Repetitions=2,Enable\n", "Loop Repetitions", "2,Enable", false},
            {QByteArray("\x00\x01\xff junk", 9), "Step", "-", true},
            {"[Settings]\nStep=2500\nnot a setting\n", "Step", "2500", true}};
        for (const auto& [contents, key, read, corrupt] : rows) {
            init();
            QVERIFY(writeBytes(SettingsFilePath(AppName), contents));
            QVERIFY(SaveSetting(AppName, "Settings", "Pause", "700"));
            QCOMPARE(readBytes(SettingsFilePath(AppName) + ".corrupt"), corrupt ? contents : "");
            QCOMPARE(GetSetting(AppName, "Settings", key, "-"), read);
        }
    }

    // A writer killed halfway through a write (by a file size limit) leaves the old value
    // whole, and no lock.
    void killedWriterLeavesAWholeFile() {
        QVERIFY(SaveSetting(AppName, "Settings", "Big", "old"));
        QProcess writer;
        writer.setEnvironment(QProcess::systemEnvironment() << "SETTINGS_STORE_WRITER=1");
        writer.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(writer.waitForFinished() && writer.exitStatus() == QProcess::CrashExit);
        QCOMPARE(GetSetting(AppName, "Settings", "Big", ""), "old");
        QVERIFY(SaveSetting(AppName, "Settings", "Step", "2500"));
    }

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

    // A listed file opens where it was left, less the rewind, and says so; with Resume off,
    // or at or past the end of a file that has become shorter, at 0. Closing keeps the
    // position reached.
    void resumeWhereLeft() {
        const std::tuple<bool, qint64, QString> rows[] = {
            // resume, stored, field and message
            {true, 6000, "00:00:04:50 Resumed at 00:00:04:50"},
            {false, 6000, "00:00:00:00 "},
            {true, 10000, "00:00:00:00 "},
            {true, 12000, "00:00:00:00 "}};
        for (const auto& [resume, stored, shown] : rows) {
            ManualClockWindow fixture;
            const QString path = fixture.folder() + "/tape.wav";
            AddRecentFile(path, 9);
            SaveFilePosition(path, stored, 9);
            fixture.player().setRewind(1500);
            fixture.player().setResume(resume);
            QVERIFY(fixture.openFile(10000));
            QCOMPARE(fixture.window().findChild<QLineEdit*>("txtTime")->text() + ' ' +
                         fixture.window().statusBar()->currentMessage(),
                     shown);
            fixture.player().seek(7000);
            fixture.window().close();
            QCOMPARE(entriesText(1), QStringList(path + "@7000"));
        }
    }

    // Through the window: a file deleted since leaves the list with a message; opening files
    // fills it with the positions left behind, a file opened again keeping its place;
    // Ctrl+digit reaches shown items only; the open file alone is checked, also after Clear.
    void windowMenu() {
        ManualClockWindow fixture;
        frmMain& window = fixture.window();
        const auto item = [&](int index) {
            return &fixture.item(QString("mnuRecentFiles_%1").arg(index));
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
        QCOMPARE(entriesText(2), QStringList({second + "@700", "-@-"})); // resumed at 700
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
        QVERIFY(writeNoise(failed));
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
            return std::pair(enter.isAccepted(), dropped.isAccepted());
        };
        QCOMPARE(drop({web}), std::pair(false, false));
        QVERIFY(!fixture.player().isOpen());
        QCOMPARE(drop({web, QUrl::fromLocalFile(mp3), QUrl::fromLocalFile(fixture.folder())}),
                 std::pair(true, true));
        QCOMPARE(fixture.player().fileName(), mp3);
        QCOMPARE(FindRecentFile(mp3, 9), 1);
    }
};

int main(int argc, char** argv) {
    // The killed-writer test's writer: no file of it may grow past half the value it writes.
    if (qEnvironmentVariableIsSet("SETTINGS_STORE_WRITER")) {
        QCoreApplication writer(argc, argv);
        const rlimit halfway{BigValueLength / 2, BigValueLength / 2};
        setrlimit(RLIMIT_FSIZE, &halfway);
        return SaveSetting(AppName, "Settings", "Big", QString(BigValueLength, 'z')) ? 0 : 1;
    }
    QApplication app(argc, argv);
    SettingsAndOpeningFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "settings_and_opening_files.moc"
