// The main window as it starts: its menu tree, the no-file layout, the Update Time check
// mark, and the two layouts EnableControls switches between.
#include "support/ManualClockWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

// A menu item as the user meets it: caption, shortcut, check mark, hidden.
static QString describe(const QAction* item) {
    QStringList parts{item->isSeparator() ? "-" : item->text(), item->shortcut().toString(),
                      item->isChecked() ? "[x]" : "", item->isVisible() ? "" : "[hidden]"};
    parts.removeAll(QString());
    return parts.join(' ');
}

// The names of the controls and items EnableControls switches that are not in `state`,
// and of those that stay enabled in both layouts but are not.
static QStringList outOfLayout(frmMain& w, bool state) {
    QStringList wrong;
    const auto check = [&](const QString& name, bool expected) {
        const QObject* control = w.findChild<QObject*>(name);
        if (!control || control->property("enabled") != expected)
            wrong << name;
    };
    for (const char* name : {"txtTime", "hsbSlider", "mnuPlayMenu", "mnuInfo", "mnuGoToTime"})
        check(name, state);
    for (const char* array : {"cmdLoop", "cmdPlay", "mnuLoop", "mnuPlay"})
        for (int i = 0; i < 4; ++i)
            check(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i), state);
    for (const char* name : {"mnuOpen", "mnuLoops", "mnuTools", "mnuHelp"})
        check(name, true);
    return wrong;
}

class MainWindowControlsAndMenus : public QObject {
    Q_OBJECT

private slots:
    // No file: the switched controls off, the field locked at zero, Update Time on. Setting
    // AutoUpdate moves the check mark; F12 (the item) switches both together.
    void startsWithoutFile() {
        ManualClockWindow fixture;
        frmMain& w = fixture.window();
        QCOMPARE(outOfLayout(w, false), QStringList());
        QCOMPARE(w.findChild<QLineEdit*>("txtTime")->text(), "00:00:00:00");
        QVERIFY(w.findChild<QLineEdit*>("txtTime")->isReadOnly());
        QCOMPARE(w.findChild<QLabel*>("statusText")->text(), "No audio file");
        QVERIFY(fixture.player().autoUpdate());
        auto* updateTime = w.findChild<QAction*>("mnuUpdateTime");
        for (bool value : {false, true}) {
            fixture.player().setAutoUpdate(value);
            QCOMPARE(updateTime->isChecked(), value);
            updateTime->trigger();
            QCOMPARE(fixture.player().autoUpdate(), !value);
            QCOMPARE(updateTime->isChecked(), !value);
        }
    }

    // Items joined with " | " in menu order; "-" is a separator.
    void menusAtStart_data() {
        QTest::addColumn<QString>("items");
        QTest::newRow("&File") << "&Open... Ctrl+O | - | Info | - | E&xit Ctrl+Q | - [hidden]" +
                                      QString(" | [hidden]").repeated(9); // the recent files
        QTest::newRow("&Play")
            << "Jump &Back F9 | &Stop F3 | &Play F4 | Jump &Forward | - | &Walk F5"
               " | &Previous Step F6 | &Current Step F7 | &Next Step F8";
        QTest::newRow("&Looping") << "Disable F2 | - | &1 [x] | &2 | &3 | &4 | &5";
        QTest::newRow("&Tools") << "&Options | &Clear File List | - | &Go To Time F11"
                                   " | &Update Time F12 [x] | &Time Stamp [hidden]";
        QTest::newRow("&Help")
            << "Contents.. | Index.. | Search.. [hidden] | - | &About Parlanda..";
    }

    void menusAtStart() {
        QFETCH(QString, items);
        ManualClockWindow fixture;
        QStringList found;
        for (const QAction* menu : fixture.window().menuBar()->actions())
            if (menu->text() == QLatin1String(QTest::currentDataTag()))
                for (const QAction* item : menu->menu()->actions())
                    found << describe(item);
        QCOMPARE(found.join(" | "), items);
    }

    // An open switches to the file layout, a failed one back; both reset the time field
    // and the slider.
    void openingSwitchesTheLayout() {
        ManualClockWindow fixture;
        frmMain& w = fixture.window();
        auto* time = w.findChild<QLineEdit*>("txtTime");
        auto* slider = w.findChild<QScrollBar*>("hsbSlider");
        for (bool state : {true, false}) {
            time->setText("00:00:06:00");
            slider->setValue(60);
            const bool opened = state ? fixture.openFile(10000)
                                      : fixture.player().openFile(fixture.folder() + "/none.wav");
            QCOMPARE(opened, state);
            QCOMPARE(outOfLayout(w, state), QStringList());
            QCOMPARE(time->text(), "00:00:00:00");
            QCOMPARE(slider->value(), 0);
        }
    }
};

QTEST_MAIN(MainWindowControlsAndMenus)
#include "main_window_controls_and_menus.moc"
