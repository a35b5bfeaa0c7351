// The main window as it starts: its controls in their row, its menu tree with captions,
// shortcuts and states, and the two layouts EnableControls switches between.
#include "app/frmMain.h"
#include "platform/MediaControl.h"
#include "platform/NullAudioOutput.h"
#include "support/ScriptedDialogs.h"
#include "support/TestWav.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <algorithm>

namespace {

std::unique_ptr<frmMain> newWindow() {
    return std::make_unique<frmMain>(
        std::make_unique<NullAudioOutput>(std::make_shared<ManualAudioClock>()));
}

QString memberName(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QList<QWidget*> rowInOrder(frmMain& w) {
    QList<QWidget*> row;
    for (const char* name : {"cmdLoop", "cmdPlay"})
        for (int i = 0; i < 4; ++i)
            row << w.findChild<QToolButton*>(memberName(name, i));
    row << w.findChild<QLineEdit*>("txtTime");
    return row;
}

QList<QAction*> playMenuItems(frmMain& w) {
    QList<QAction*> items;
    for (int i = 0; i < 4; ++i)
        items << w.findChild<QAction*>(memberName("mnuPlay", i))
              << w.findChild<QAction*>(memberName("mnuLoop", i));
    return items;
}

} // namespace

class MainWindowControlsAndMenus : public QObject {
    Q_OBJECT
    QTemporaryDir config;
    ScriptedDialogs prompts;
    ScopedDialogs promptsInUse{prompts};

private slots:
    void initTestCase() {
        QVERIFY(config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    }

    void startsWithoutFile() {
        auto w = newWindow();
        w->show();
        for (QWidget* control : rowInOrder(*w)) {
            QVERIFY(control);
            QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
        }
        QVERIFY(!w->findChild<QScrollBar*>("hsbSlider")->isEnabled());
        QVERIFY(!w->findChild<QMenu*>("mnuPlayMenu")->isEnabled());
        for (QAction* item : playMenuItems(*w))
            QVERIFY2(!item->isEnabled(), qPrintable(item->objectName()));
        auto* time = w->findChild<QLineEdit*>("txtTime");
        QCOMPARE(time->text(), "00:00:00:00");
        QVERIFY(time->isReadOnly());
        QCOMPARE(w->findChild<QLabel*>("statusText")->text(), "No audio file");
        QVERIFY(w->findChild<QLabel*>("outputStatus")->isHidden());
        QCOMPARE(w->windowTitle(), "Parlanda");
        QVERIFY(w->AutoUpdate());
        QVERIFY(!w->walking());
        QVERIFY(!w->stepIsPending());
        QCOMPARE(w->currentStepEnd(), 0);
        QCOMPARE(w->HelpFile(), QCoreApplication::applicationName() + ".hlp");
    }

    void buttonsStandInOneRowWithTooltipsAndIcons() {
        auto w = newWindow();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const QStringList tooltips{"Walk",      "Previous Step", "Current Step", "Next Step",
                                   "Jump Back", "Stop",          "Play",         "Jump Forward"};
        const QList<QWidget*> row = rowInOrder(*w);
        for (int i = 0; i < row.size() - 1; ++i) {
            QVERIFY2(row[i]->x() + row[i]->width() <= row[i + 1]->x(),
                     qPrintable(row[i]->objectName()));
            QCOMPARE(row[i]->geometry().center().y(), row[i + 1]->geometry().center().y());
        }
        for (int i = 0; i < tooltips.size(); ++i) {
            auto* button = static_cast<QToolButton*>(row[i]);
            QCOMPARE(button->toolTip(), tooltips[i]);
            QCOMPARE(button->accessibleName(), tooltips[i]);
            QVERIFY(button->text().isEmpty());
            QVERIFY(!button->icon().pixmap(24).isNull());
        }
        auto* slider = w->findChild<QScrollBar*>("hsbSlider");
        QCOMPARE(slider->orientation(), Qt::Horizontal);
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), 100);
        QCOMPARE(slider->pageStep(), 5);
        QCOMPARE(slider->singleStep(), 1);
        QCOMPARE(slider->toolTip(), "Click to adjust time");
        QVERIFY(slider->y() >= row[0]->y() + row[0]->height());

        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(!w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    }

    void menuItems_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("items");    // object names in menu order
        QTest::addColumn<QStringList>("captions"); // "-" for a separator
        QTest::addColumn<QStringList>("shortcuts");
        QTest::addColumn<QStringList>("hidden");

        QStringList recentNames, recentCaptions, recentShortcuts;
        for (int i = 0; i < 9; ++i) {
            recentNames << memberName("mnuRecentFiles", i);
            recentCaptions << "";
            recentShortcuts << "";
        }
        QTest::newRow("File") << "&File"
                              << (QStringList{"mnuOpen", "AI_Separator1", "mnuInfo",
                                              "AI_Separator15", "mnuExit", "mnuRecentFileSeparator"}
                                  << recentNames)
                              << (QStringList{"&Open...", "-", "Info", "-", "E&xit", "-"}
                                  << recentCaptions)
                              << (QStringList{"Ctrl+O", "", "", "", "Ctrl+Q", ""}
                                  << recentShortcuts)
                              << (QStringList{"mnuRecentFileSeparator"} << recentNames);
        QTest::newRow("Play")
            << "&Play"
            << QStringList{"mnuPlay_0", "mnuPlay_1", "mnuPlay_2", "mnuPlay_3", "AI_Separato13",
                           "mnuLoop_0", "mnuLoop_1", "mnuLoop_2", "mnuLoop_3"}
            << QStringList{"Jump &Back", "&Stop",          "&Play",         "Jump &Forward", "-",
                           "&Walk",      "&Previous Step", "&Current Step", "&Next Step"}
            << QStringList{"F9", "F3", "F4", "", "", "F5", "F6", "F7", "F8"} << QStringList{};
        QTest::newRow("Looping") << "&Looping" << QStringList{"mnuToggleLooping", "mnuSeparator12",
                                                              "mnuLoopItem_1",    "mnuLoopItem_2",
                                                              "mnuLoopItem_3",    "mnuLoopItem_4",
                                                              "mnuLoopItem_5"}
                                 << QStringList{"Disable", "-", "&1", "&2", "&3", "&4", "&5"}
                                 << QStringList{"F2", "", "", "", "", "", ""} << QStringList{};
        QTest::newRow("Tools") << "&Tools"
                               << QStringList{"mnuOptions",  "mnuClearFiles", "AI_SEPARATOR3",
                                              "mnuGoToTime", "mnuUpdateTime", "mnuTimeStamp"}
                               << QStringList{"&Options",    "&Clear File List", "-",
                                              "&Go To Time", "&Update Time",     "&Time Stamp"}
                               << QStringList{"", "", "", "F11", "F12", ""}
                               << QStringList{"mnuTimeStamp"};
        QTest::newRow("Help") << "&Help"
                              << QStringList{"mnuConents", "mnuIndex", "mnuSearch",
                                             "AI_Separator13", "mnuAbout"}
                              << QStringList{"Contents..", "Index..", "Search..", "-",
                                             "&About Parlanda.."}
                              << QStringList{"", "", "", "", ""} << QStringList{"mnuSearch"};
    }

    void menuItems() {
        QFETCH(QString, menu);
        QFETCH(QStringList, items);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, shortcuts);
        QFETCH(QStringList, hidden);
        auto w = newWindow();
        const QList<QAction*> bar = w->menuBar()->actions();
        const auto found =
            std::find_if(bar.begin(), bar.end(), [&](QAction* a) { return a->text() == menu; });
        QVERIFY2(found != bar.end(), qPrintable(menu));
        const QList<QAction*> actions = (*found)->menu()->actions();
        QCOMPARE(actions.size(), items.size());
        for (int i = 0; i < items.size(); ++i) {
            QAction* item = actions[i];
            QCOMPARE(item->objectName(), items[i]);
            QCOMPARE(w->findChild<QAction*>(items[i]), item);
            QCOMPARE(item->isSeparator(), captions[i] == "-");
            if (!item->isSeparator())
                QCOMPARE(item->text(), captions[i]);
            QCOMPARE(item->shortcut().toString(), shortcuts[i]);
            QCOMPARE(item->isVisible(), !hidden.contains(items[i]));
        }
    }

    void menuStatesAtStart() {
        auto w = newWindow();
        const auto item = [&](const char* name) { return w->findChild<QAction*>(name); };
        for (const char* name : {"mnuInfo", "mnuGoToTime", "mnuTimeStamp"})
            QVERIFY2(!item(name)->isEnabled(), name);
        for (const char* name :
             {"mnuOpen", "mnuExit", "mnuToggleLooping", "mnuOptions", "mnuClearFiles",
              "mnuUpdateTime", "mnuConents", "mnuIndex", "mnuAbout"})
            QVERIFY2(item(name)->isEnabled(), name);
        QVERIFY(item("mnuUpdateTime")->isCheckable());
        QVERIFY(item("mnuUpdateTime")->isChecked());
        int checkedLoopItems = 0;
        for (int i = 1; i <= 5; ++i) {
            QAction* loopItem = w->findChild<QAction*>(memberName("mnuLoopItem", i));
            QVERIFY(loopItem->isCheckable());
            checkedLoopItems += loopItem->isChecked() ? 1 : 0;
        }
        QCOMPARE(checkedLoopItems, 1);
    }

    void autoUpdateSetsCheckMark() {
        auto w = newWindow();
        auto* updateTime = w->findChild<QAction*>("mnuUpdateTime");
        for (bool value : {false, false, true, false, true}) {
            w->setAutoUpdate(value);
            QCOMPARE(w->AutoUpdate(), value);
            QCOMPARE(updateTime->isChecked(), value);
        }
    }

    // Both layouts reset the time field and the slider, wherever the device stands.
    void enableControlsBothWays() {
        QTemporaryDir files;
        const QString path = files.filePath("ten-seconds.wav");
        QVERIFY(writeIndexedWav(path, 80000, 8000, 1));
        auto w = newWindow();
        MediaControl& device = w->mciWave();
        device.setFileName(path);
        device.setCommand("Open");
        QCOMPARE(device.mode(), int(MediaControl::ModeStopped));
        device.setWait(true);
        device.setTo(6000);
        device.setCommand("Seek");
        QCOMPARE(device.position(), 6000);

        auto* time = w->findChild<QLineEdit*>("txtTime");
        auto* slider = w->findChild<QScrollBar*>("hsbSlider");
        for (bool state : {true, false, true}) {
            time->setText("00:00:06:00");
            slider->setValue(60);
            w->EnableControls(state);
            QCOMPARE(time->text(), "00:00:00:00");
            QCOMPARE(slider->value(), 0);
            for (QWidget* control : rowInOrder(*w))
                QCOMPARE(control->isEnabled(), state);
            QCOMPARE(slider->isEnabled(), state);
            QCOMPARE(w->findChild<QMenu*>("mnuPlayMenu")->isEnabled(), state);
            for (QAction* item : playMenuItems(*w))
                QCOMPARE(item->isEnabled(), state);
            // A hidden item (Time Stamp) always reads as disabled, so it is not checked.
            for (const char* name : {"mnuInfo", "mnuGoToTime"})
                QCOMPARE(w->findChild<QAction*>(name)->isEnabled(), state);
            QVERIFY(w->findChild<QAction*>("mnuOpen")->isEnabled());
            QVERIFY(w->findChild<QMenu*>("mnuTools")->isEnabled());
            QCOMPARE(device.position(), 6000);
        }
        w->UpdateStatusBar();
        QCOMPARE(w->findChild<QLabel*>("statusText")->text(), path);
    }
};

QTEST_MAIN(MainWindowControlsAndMenus)
#include "main_window_controls_and_menus.moc"
