// The section "Settings": defaults, conversions, lower limits, the Looping menu's text,
// the round trip through the file, and the window that loads and saves it.
#include "platform/SettingsStore.h"
#include "settings/modSettings.h"
#include "support/ManualClockWindow.h"

#include <QAction>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

qint32 fieldOf(const UserSettings& settings, const QString& field) {
    const QHash<QString, qint32> fields{
        {"Step", settings.step},          {"Offset", settings.offset},
        {"Pause", settings.pause},        {"Jump", settings.jump},
        {"Max Files", settings.maxFiles}, {"Recent File List", settings.recentFileList}};
    return fields.value(field, -12345);
}

void store(const QString& key, const QString& text) {
    QVERIFY(SaveSetting(AppName, "Settings", key, text));
}

} // namespace

class UserSettingsLoadSave : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> config;

private slots:
    void init() {
        config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config->path()));
    }

    void emptyStoreGivesDefaults() {
        UserSettings settings;
        ReadUserSettings(settings);
        for (const auto& [field, value] :
             QList<std::pair<QString, qint32>>{{"Step", 4000},
                                               {"Offset", 1100},
                                               {"Pause", 600},
                                               {"Jump", 4000},
                                               {"Max Files", 9},
                                               {"Recent File List", 1}})
            QCOMPARE(fieldOf(settings, field), value);
        QCOMPARE(settings.loopCount, 1);
        QCOMPARE(settings.loopCaption, "Disable");
        QCOMPARE(settings.defaultAudioFolder,
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    }

    void storedValuesConvertAndAreLimited_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::addColumn<qint32>("expected");
        QTest::newRow("step below 500") << "Step"
                                        << "200"
                                        << "Step" << 500;
        QTest::newRow("offset 0") << "Offset"
                                  << "0"
                                  << "Offset" << 100;
        QTest::newRow("negative pause") << "Pause"
                                        << "-5"
                                        << "Pause" << 10;
        QTest::newRow("jump below step") << "Jump"
                                         << "1000"
                                         << "Jump" << 4000;
        QTest::newRow("step raises jump") << "Step"
                                          << "6000"
                                          << "Jump" << 6000;
        QTest::newRow("not a number") << "Step"
                                      << "fast"
                                      << "Step" << 4000;
        QTest::newRow("empty text") << "Offset"
                                    << ""
                                    << "Offset" << 1100;
        QTest::newRow("beyond 32 bits") << "Step"
                                        << "99999999999"
                                        << "Step" << 4000;
        QTest::newRow("half to even, down") << "Step"
                                            << "2500.5"
                                            << "Step" << 2500;
        QTest::newRow("half to even, up") << "Step"
                                          << "2501.5"
                                          << "Step" << 2502;
        QTest::newRow("blanks and exponent") << "Pause"
                                             << " 7e2 "
                                             << "Pause" << 700;
        QTest::newRow("hexadecimal") << "Pause"
                                     << "0x20"
                                     << "Pause" << 600;
        QTest::newRow("max files unlimited") << "Max Files"
                                             << "15"
                                             << "Max Files" << 15;
        QTest::newRow("max files beyond 16 bits") << "Max Files"
                                                  << "40000"
                                                  << "Max Files" << 9;
        QTest::newRow("list flag any number") << "Recent File List"
                                              << "-3"
                                              << "Recent File List" << -3;
        // A flag that does not convert keeps the window's starting value: list off.
        QTest::newRow("list flag malformed") << "Recent File List"
                                             << "x"
                                             << "Recent File List" << 0;
    }

    void storedValuesConvertAndAreLimited() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, field);
        QFETCH(qint32, expected);
        store(key, text);
        UserSettings settings;
        settings.step = 1; // presets replace whatever the window held
        ReadUserSettings(settings);
        QCOMPARE(fieldOf(settings, field), expected);
    }

    void loopRepetitionsText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("caption");
        QTest::newRow("3,Enable") << "3,Enable" << 3 << "Enable";
        QTest::newRow("5,Disable") << "5,Disable" << 5 << "Disable";
        QTest::newRow("0,Disable") << "0,Disable" << 1 << "Disable";
        QTest::newRow("6,Disable") << "6,Disable" << 1 << "Disable";
        QTest::newRow("2,enable") << "2,enable" << 2 << "Disable";
        QTest::newRow("no comma") << "Enable" << 1 << "Enable";
        QTest::newRow("empty") << "" << 1 << "Disable";
        QTest::newRow("count not a number") << "x,Enable" << 1 << "Enable";
        QTest::newRow("second comma") << "4,Enable,1" << 4 << "Disable";
    }

    void loopRepetitionsText() {
        QFETCH(QString, text);
        QFETCH(int, count);
        QFETCH(QString, caption);
        const LoopRepetitions loop = ParseLoopRepetitions(text);
        QCOMPARE(loop.count, count);
        QCOMPARE(loop.caption, caption);
    }

    // Values within the limits come back unchanged; a step set below its limit during
    // the run is stored as it is and raised at the next start.
    void roundTripThroughTheFile() {
        const UserSettings written{2500, 900, 250, 7000, 4, "Enable", "/home/ann/Tapes & Notes",
                                   3,    1};
        WriteUserSettings(written);
        UserSettings read;
        ReadUserSettings(read);
        QCOMPARE(std::tie(read.step, read.offset, read.pause, read.jump, read.loopCount,
                          read.loopCaption, read.defaultAudioFolder, read.maxFiles,
                          read.recentFileList),
                 std::tie(written.step, written.offset, written.pause, written.jump,
                          written.loopCount, written.loopCaption, written.defaultAudioFolder,
                          written.maxFiles, written.recentFileList));
        QCOMPARE(GetSetting(AppName, "Settings", "Loop Repetitions", ""), "4,Enable");

        UserSettings shortStep = written;
        shortStep.step = 200;
        WriteUserSettings(shortStep);
        QCOMPARE(GetSetting(AppName, "Settings", "Step", ""), "200");
        ReadUserSettings(read);
        QCOMPARE(read.step, 500);
        QVERIFY(!SettingsWriteFailed(AppName));
    }

    void windowShowsAndSavesTheLoopingMenu() {
        ManualClockWindow fixture;
        frmMain& window = fixture.window();
        store("Loop Repetitions", "3,Enable");
        store("Step", "3000");
        window.LoadSettings();
        QCOMPARE(window.Step(), 3000);
        QCOMPARE(window.findChild<QAction*>("mnuToggleLooping")->text(), "Enable");
        for (int item = 1; item <= 5; ++item) {
            const auto* action = window.findChild<QAction*>(QString("mnuLoopItem_%1").arg(item));
            QCOMPARE(action->isChecked(), item == 3);
            QVERIFY(!action->isEnabled());
        }

        // With no item checked, the count is stored as 1.
        window.findChild<QAction*>("mnuLoopItem_3")->setChecked(false);
        window.setJump(12000);
        window.close();
        QCOMPARE(GetSetting(AppName, "Settings", "Loop Repetitions", ""), "1,Enable");
        QCOMPARE(GetSetting(AppName, "Settings", "Jump", ""), "12000");
        QVERIFY(fixture.prompts().calls().isEmpty());
    }

    // A regular file where the settings folder should be: the program still ends, and
    // says once that the settings are lost.
    void unwritableStoreIsReportedOnceAtShutdown() {
        ManualClockWindow fixture;
        QTemporaryDir blocked;
        QFile folderInTheWay(blocked.filePath("Parlanda"));
        QVERIFY(folderInTheWay.open(QIODevice::WriteOnly));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocked.path()));

        fixture.window().close();
        fixture.window().close();
        const QList<ScriptedDialogs::Call> messages =
            fixture.prompts().callsOf(ScriptedDialogs::Kind::Message);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].icon, Dialogs::Icon::Exclamation);
        QVERIFY2(messages[0].text.contains(blocked.filePath("Parlanda/Parlanda.conf")),
                 qPrintable(messages[0].text));
    }
};

QTEST_MAIN(UserSettingsLoadSave)
#include "user_settings_load_save.moc"
