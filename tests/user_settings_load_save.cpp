// The sections "Settings" and "Playback": defaults, conversions, limits, the round trip, and the
// window.
#include "settings/SettingsStore.h"
#include "settings/modSettings.h"
#include "support/ManualClockWindow.h"

#include <QAction>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

static QStringList storedForm(const UserSettings& s) {
    const auto n = [](qint32 number) { return QString::number(number); };
    return QString("Step=%1|Offset=%2|Pause=%3|Jump=%4|Loop Repetitions=%5,%6|Max Files=%7|"
                   "Recent File List=%8|Default Audio Folder=%9|")
        .arg(n(s.step), n(s.offset), n(s.pause), n(s.jump), n(s.loopCount),
             s.looping ? "Disable" : "Enable", n(s.maxFiles), n(s.recentFileList),
             s.defaultAudioFolder)
        .append(QString("Playback/Speed=%1|Playback/Rewind=%2|Waveform/Show=%3|Waveform/Seconds=%4")
                    .arg(s.speed)
                    .arg(s.rewind)
                    .arg(int(s.waveformShown))
                    .arg(s.waveformSeconds))
        .split('|');
}

static QStringList readSettings() {
    UserSettings settings;
    settings.step = 1;           // presets replace whatever the player held
    settings.recentFileList = 0; // kept when the stored flag is malformed
    ReadUserSettings(settings);
    return storedForm(settings);
}

class UserSettingsLoadSave : public QObject {
    Q_OBJECT
    QTemporaryDir config;

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path())); }

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
            {"Waveform/Show=1", "1"}, {"Waveform/Show=2", "0"}, {"Waveform/Show=on", "0"},
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
        UserSettings written{2500, 900, 250, 7000, 4,    false, "/home/ann/Tapes & Notes",
                             3,    1,   60,  2500, true, 45};
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
        const auto item = [&](const char* name) {
            return fixture.window().findChild<QAction*>(QLatin1String(name));
        };
        const auto menu = [&] {
            return QStringLiteral("%1 %2%3")
                .arg(item("mnuToggleLooping")->text())
                .arg(item("mnuLoopItem_3")->isChecked() ? "3" : "-",
                     item("mnuLoopItem_4")->isEnabled() ? " enabled" : "");
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

    // A file where the settings folder should be: the window says once, and still ends.
    void unwritableStoreIsReportedOnceAtShutdown() {
        ManualClockWindow fixture;
        QTemporaryDir blocked;
        QVERIFY(QFile(blocked.filePath("Parlanda")).open(QIODevice::WriteOnly));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocked.path()));
        fixture.window().close();
        fixture.window().close();
        QCOMPARE(fixture.prompts().messageTexts().filter(SettingsFilePath(AppName)).size(), 1);
    }
};

QTEST_MAIN(UserSettingsLoadSave)
#include "user_settings_load_save.moc"
