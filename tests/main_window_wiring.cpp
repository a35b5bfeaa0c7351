// The main window as the view of the player: its menus and layouts, and real key and mouse
// events on its controls reaching the player's commands; closing ends all sound.
#include "settings/SettingsStore.h"
#include "support/ManualClockWindow.h"
#include "windows/frmChooseFolder.h"
#include "windows/frmControls.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using State = PlayerController::State;
using enum PlayerController::State;
enum Start { Stopped, Played, NoFile };
constexpr Qt::KeyboardModifiers none, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;

// Name, key, modifiers, start; then state, position and file ("" for none), and whether the
// focused control got the key. Recent files c, b, a.wav; c.wav (30 s) is open at 10 s, and
// opened again resumes there.
using KeyCase = std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers, Start, State, qint64,
                           const char*, bool>;
const KeyCase keyCases[] = {
    {"F9 jumps back", Qt::Key_F9, none, Stopped, Idle, 6000, "c.wav", false},
    {"Ctrl+Shift+F9: start", Qt::Key_F9, ctrl | shift, Played, Idle, 0, "c.wav", false},
    {"Shift+F9 passes on", Qt::Key_F9, shift, Stopped, Idle, 10000, "c.wav", true},
    {"F10 jumps forward", Qt::Key_F10, none, Stopped, Idle, 14000, "c.wav", false},
    {"Ctrl+F10: end", Qt::Key_F10, ctrl, Played, Idle, 30000, "c.wav", false},
    {"F5 walks", Qt::Key_F5, none, Stopped, Stepping, 6000, "c.wav", false},
    {"Ctrl+3 opens file 3", Qt::Key_3, ctrl, Stopped, Idle, 0, "a.wav", false},
    {"Ctrl+Shift+1 opens file 1", Qt::Key_Exclam, ctrl | shift, Stopped, Idle, 10000, "c.wav",
     false},
    {"AZERTY Ctrl+& opens file 1", Qt::Key_Ampersand, ctrl, Stopped, Idle, 10000, "c.wav", false},
    {"Ctrl+pad3", Qt::Key_3, ctrl | Qt::KeypadModifier, Stopped, Idle, 10000, "c.wav", true},
    {"Shift+Space: pause", Qt::Key_Space, shift, Played, Paused, 10000, "c.wav", true},
    {"no file: F9 passes on", Qt::Key_F9, none, NoFile, Idle, 0, "", true},
    {"no file: Ctrl+2 opens file 2", Qt::Key_2, ctrl, NoFile, Idle, 0, "b.wav", false},
};

// A menu item as the user meets it: caption, shortcut, check mark, hidden.
static QString describe(const QAction* item) {
    QStringList parts{item->isSeparator() ? "-" : item->text(),
                      QKeySequence::listToString(item->shortcuts()), item->isChecked() ? "[x]" : "",
                      item->isVisible() ? "" : "[hidden]"};
    parts.removeAll(QString());
    return parts.join(' ');
}

// The names of the controls and items the layouts switch that are not in `state`, and of
// those that stay enabled in both but are not.
static QStringList outOfLayout(frmMain& w, bool state) {
    QStringList wrong;
    const auto check = [&](const QString& name, bool expected) {
        const QObject* control = w.findChild<QObject*>(name);
        if (!control || control->property("enabled") != expected)
            wrong << name;
    };
    for (const char* name :
         {"txtTime", "hsbSlider", "mnuPlayMenu", "mnuInfo", "mnuGoToTime", "mnuTimeStamp"})
        check(name, state);
    for (const char* array : {"cmdLoop", "cmdPlay", "mnuLoop", "mnuPlay"})
        for (int i = 0; i < 4; ++i)
            check(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(i), state);
    for (const char* name : {"mnuOpen", "mnuLoops", "mnuTools", "mnuHelp"})
        check(name, true);
    return wrong;
}

static QPoint thumbCentre(QScrollBar& slider) {
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = slider.orientation();
    option.maximum = slider.maximum();
    option.sliderPosition = option.sliderValue = slider.value();
    option.pageStep = slider.pageStep();
    return slider.style()
        ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &slider)
        .center();
}

class MainWindowWiring : public QObject {
    Q_OBJECT
    std::unique_ptr<ManualClockWindow> fixture;
    QList<int> received; // the keys pressed that reached the focused control

    frmMain& window() { return fixture->window(); }
    PlayerController& player() { return fixture->player(); }
    QLineEdit& field() { return *window().findChild<QLineEdit*>("txtTime"); }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            received << static_cast<QKeyEvent*>(event)->key();
        return false;
    }

    void showWindow() {
        window().show();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }

    // A "left"/"right" click into the time field (selecting its text), "tab" into it,
    // "leave" it, "play", "walk", "tick" (250 ms played), "goto:" + answer, "slider:v"
    // (the thumb pressed, dragged to v of 100 and released), "copy" (Ctrl+T), "paste"
    // (Ctrl+V), "paste:" + text put into the clipboard first; else text typed.
    void act(const QString& steps) {
        for (const QString& step : steps.split(' ')) {
            if (step == "left" || step == "right") {
                QTest::mouseClick(&field(), step == "left" ? Qt::LeftButton : Qt::RightButton);
                field().selectAll();
            } else if (step == "tab") {
                field().setFocus(Qt::TabFocusReason);
            } else if (step == "leave") {
                QVERIFY(field().hasFocus());
                window().findChild<QWidget*>("cmdLoop_0")->setFocus(Qt::TabFocusReason);
            } else if (step == "tick") {
                const QString before = field().text();
                fixture->clock().advance(250);
                // A position update follows within 50 ms where the field follows playback.
                (void)QTest::qWaitFor([&] { return field().text() != before; }, 500);
            } else if (step.startsWith("goto:")) {
                fixture->prompts().queueInput(step.mid(5));
                fixture->trigger("mnuGoToTime");
            } else if (step == "play" || step == "walk") {
                step == "play" ? player().play() : player().walk();
            } else if (step.startsWith("slider:")) {
                dragSlider(step.mid(7).toInt());
            } else if (step == "copy" || step.startsWith("paste")) {
                if (step.startsWith("paste:"))
                    QGuiApplication::clipboard()->setText(step.mid(6));
                QTest::keyClick(&field(), step == "copy" ? Qt::Key_T : Qt::Key_V, ctrl);
            } else {
                QTest::keyClicks(&field(), step);
            }
        }
    }

    // While the thumb is held nothing plays and the field shows the thumb's time.
    void dragSlider(int value) {
        auto& slider = *window().findChild<QScrollBar*>("hsbSlider");
        QTest::mousePress(&slider, Qt::LeftButton, {}, thumbCentre(slider));
        QVERIFY(player().state() == Idle && !player().autoUpdate());
        slider.setValue(value);
        const QString thumbTime = field().text();
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, thumbCentre(slider));
        QCOMPARE(field().text(), thumbTime);
    }

private slots:
    void init() { fixture = std::make_unique<ManualClockWindow>(); }
    void cleanup() { fixture.reset(); } // before the next one installs its dialogs

    // Items joined with " | " in menu order; "-" is a separator.
    void menusAtStart_data() {
        QTest::addColumn<QString>("items");
        QTest::newRow("&File") << "&Open... Ctrl+O | - | Info | - | E&xit Ctrl+Q | - [hidden]" +
                                      QString(" | [hidden]").repeated(9); // the recent files
        QTest::newRow("&Play")
            << "Jump &Back F9 | &Stop F3 | &Play F4 | Jump &Forward | - | &Walk F5"
               " | &Previous Step F6 | &Current Step F7 | &Next Step F8"
               " | - | Slo&wer Ctrl+- | &Faster Ctrl+=; Ctrl++ | Normal &Speed Ctrl+0";
        QTest::newRow("&Looping") << "Disable F2 | - | &1 [x] | &2 | &3 | &4 | &5";
        QTest::newRow("&Tools")
            << "&Options | &Clear File List | - | &Go To Time F11"
               " | &Update Time F12 [x] | &Time Stamp Ctrl+T | - | Co&ntrols... | Show &Waveform"
               " | Always on &Top";
        QTest::newRow("&Help")
            << "Contents.. | Index.. | Search.. [hidden] | - | &About Parlanda.. | - | &Start Here";
    }

    void menusAtStart() {
        QFETCH(QString, items);
        QStringList found;
        for (const QAction* menu : window().menuBar()->actions())
            if (menu->text() == QLatin1String(QTest::currentDataTag()))
                for (const QAction* item : menu->menu()->actions())
                    found << describe(item);
        QCOMPARE(found.join(" | "), items);
    }

    // The speed moves in 10 % steps within 50 to 200 %, also set on the Controls page with
    // the rewind; the status bar names any speed but 100 %.
    void speedItemsControlsPageAndStatus() {
        QVERIFY(fixture->openFile(1000));
        const auto shown = [this] {
            const auto* label = window().findChild<QLabel*>("speedStatus");
            return label->isVisibleTo(&window()) ? label->text() : QString("-");
        };
        const std::tuple<const char*, int, QString> rows[] = {{"mnuSlower", 1, "Speed 90 %"},
                                                              {"mnuFaster", 12, "Speed 200 %"},
                                                              {"mnuSlower", 16, "Speed 50 %"},
                                                              {"mnuNormalSpeed", 1, "-"}};
        for (const auto& [item, times, expected] : rows) {
            for (int i = 0; i < times; ++i)
                fixture->trigger(item);
            QCOMPARE(shown(), expected);
        }
        fixture->trigger("mnuControls");
        auto* controls = window().findChild<frmControls*>("frmControls");
        QVERIFY(controls);
        controls->findChild<QDoubleSpinBox*>("spnRewind")->setValue(1.25);
        controls->findChild<QSpinBox*>("spnSpeed")->setValue(130);
        controls->findChild<QCheckBox*>("chkResume")->setChecked(false);
        controls->findChild<QComboBox*>("cboTimeStampFormat")->setCurrentIndex(2);
        controls->findChild<QPushButton*>("cmdOK")->click();
        QCOMPARE(player().settings().rewind, 1250);
        QVERIFY(!player().settings().resume);
        QCOMPARE(player().copyTimeStamp(), "#00:00:00-0#");
        QCOMPARE(shown(), "Speed 130 %");
    }

    // No file: the switched controls off, the field locked at zero; the Update Time check
    // mark follows the player, and F12 (the item) switches it. An open switches to the
    // file layout, a failed one back; both reset the time field and the slider.
    void layoutsAndUpdateTime() {
        QCOMPARE(outOfLayout(window(), false), QStringList());
        QVERIFY(field().isReadOnly());
        QCOMPARE(window().findChild<QLabel*>("statusText")->text(), "No audio file");
        auto* updateTime = window().findChild<QAction*>("mnuUpdateTime");
        for (bool value : {false, true}) {
            player().setAutoUpdate(value);
            QCOMPARE(updateTime->isChecked(), value);
            updateTime->trigger();
            QCOMPARE(player().autoUpdate(), !value);
            QCOMPARE(updateTime->isChecked(), !value);
        }
        auto* slider = window().findChild<QScrollBar*>("hsbSlider");
        for (bool state : {true, false}) {
            field().setText("00:00:06:00");
            slider->setValue(60);
            const bool opened = state ? fixture->openFile(10000)
                                      : player().openFile(fixture->folder() + "/none.wav");
            QCOMPARE(opened, state);
            QCOMPARE(outOfLayout(window(), state), QStringList());
            QCOMPARE(field().text(), "00:00:00:00");
            QCOMPARE(slider->value(), 0);
        }
    }

    void keysActAndAreConsumedOrPassedOn_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(keyCases)); ++row)
            QTest::newRow(std::get<0>(keyCases[row])) << row;
    }

    void keysActAndAreConsumedOrPassedOn() {
        QFETCH(int, row);
        const auto& [name, key, modifiers, start, state, position, file, passedOn] = keyCases[row];
        for (const char* recent : {"a.wav", "b.wav", "c.wav"})
            QVERIFY(fixture->openFile(30000, QString::fromLatin1(recent)));
        player().seek(10000);
        if (start == Played)
            player().play();
        if (start == NoFile)
            player().openFile(fixture->folder() + "/none.wav");
        auto* focused = new QLineEdit(window().centralWidget()); // whatever control has the focus
        focused->installEventFilter(this);
        received.clear();
        showWindow();
        focused->setFocus();
        if (key == Qt::Key_Exclam || key == Qt::Key_Ampersand) { // typed on the key of 1
            QKeyEvent press(QEvent::KeyPress, key, modifiers, 10, 0, 0, "!");
            QApplication::sendEvent(focused, &press);
        } else {
            QTest::keyClick(focused, key, modifiers);
        }
        QCOMPARE(player().state(), state);
        QCOMPARE(player().isOpen(), *file != 0);
        if (player().isOpen()) {
            QCOMPARE(player().fileName(), fixture->folder() + '/' + file);
            QCOMPARE(player().position(), position);
        }
        QCOMPARE(received.contains(key), passedOn);
    }

    void timeFieldAndSlider_data() {
        QTest::addColumn<qint64>("length");
        QTest::addColumn<QString>("steps"); // from 5 s, stopped; \r is Enter
        QTest::addColumn<bool>("playing");
        QTest::addColumn<QString>("shown"); // and the messages shown
        // The end is sent as one millisecond past it, where the player stops at the end.
        QTest::newRow("past the end") << 100000ll << "left 200\r" << false << "00:01:40:00";
        QTest::newRow("m:ss") << 100000ll << "left 1:30\r" << false << "00:01:30:00";
        QTest::newRow("letters") << 100000ll << "left abc\r" << false << "00:00:00:00";
        QTest::newRow("overflow") << 100000ll << "left 999:00:00:00\r" << false
                                  << "00:00:00:00 Overflow: the time 999:00:00:00 is too large.";
        QTest::newRow("right click") << 100000ll << "play right 40\r" << true << "00:00:05:00";
        // What is typed during playback is kept until committed; then playback is followed.
        QTest::newRow("typing") << 100000ll << "play left 1:3 tick \r play tick" << true
                                << "00:01:03:25";
        QTest::newRow("typed, left")
            << 100000ll << "play left 45 leave play tick" << true << "00:00:45:25";
        // Passing the focus through, or leaving after Enter, does not disturb playback.
        QTest::newRow("never clicked")
            << 100000ll << "play tick tab leave" << true << "00:00:05:25";
        QTest::newRow("Enter, left")
            << 100000ll << "left 10\r play tick leave" << true << "00:00:10:25";
        QTest::newRow("Go To Time, walk")
            << 100000ll << "walk tick goto:1:00" << false << "00:01:00:00";
        QTest::newRow("Go To Time cancelled")
            << 100000ll << "play tick goto:" << false << "00:00:05:25";
        // A time stamp copied with Ctrl+T, or pasted from a transcript in any form.
        QTest::newRow("stamp copied and pasted back")
            << 100000ll << "copy left 1:30\r left paste \r" << false << "00:00:05:00";
        QTest::newRow("[hh:mm:ss.d]")
            << 100000ll << "left paste:[00:01:02.5] \r" << false << "00:01:02:50";
        QTest::newRow("#hh:mm:ss-d#")
            << 100000ll << "left paste:#00:01:02-5# \r" << false << "00:01:02:50";
        QTest::newRow("hh:mm:ss:cc")
            << 100000ll << "left paste:00:01:02:53 \r" << false << "00:01:02:53";
        QTest::newRow("Go To Time, stamp")
            << 100000ll << "goto:[00:01:02]" << false << "00:01:02:00";
        QTest::newRow("slider: playback stays stopped")
            << 100000ll << "play slider:25" << false << "00:00:25:00";
        QTest::newRow("slider: 14.7 ms is 15") << 1470ll << "slider:1" << false << "00:00:00:02";
        QTest::newRow("slider in a walk restarts it")
            << 100000ll << "walk slider:50" << true << "00:00:50:00";
    }

    void timeFieldAndSlider() {
        QFETCH(qint64, length);
        QFETCH(QString, steps);
        QFETCH(bool, playing);
        QFETCH(QString, shown);
        showWindow();
        QVERIFY(fixture->openFile(length));
        player().seek(5000);
        act(steps);
        QCOMPARE((QStringList(field().text()) + fixture->prompts().messageTexts()).join(' '),
                 shown);
        QCOMPARE(player().state() != Idle, playing);
    }

    // Only the left button focuses and presses a walk or transport button; a slider press
    // of any button takes the focus and commits a typed time first. Transport buttons act
    // as the left button goes down, not on Space, and Space pressing a focused walk button
    // only pauses. A key passed up through the parents reaches the key handler once.
    void mouseButtonsFocusAndSpace() {
        showWindow();
        QVERIFY(fixture->openFile(20000));
        act("left 12");
        QTest::mouseClick(window().findChild<QToolButton*>("cmdLoop_3"), Qt::RightButton);
        QTest::mouseClick(window().findChild<QToolButton*>("cmdPlay_2"), Qt::MiddleButton);
        QVERIFY(field().hasFocus() && player().state() == Idle && player().position() == 0);
        auto& slider = *window().findChild<QScrollBar*>("hsbSlider");
        QTest::mousePress(&slider, Qt::RightButton, {}, thumbCentre(slider));
        QTest::mouseRelease(&slider, Qt::RightButton, {}, thumbCentre(slider));
        QVERIFY(field().isReadOnly() && player().autoUpdate());
        QCOMPARE(player().position(), 12000);
        QPointer<QWidget> menu; // the slider has none to offer
        QTimer::singleShot(100, this, [&] {
            if ((menu = QApplication::activePopupWidget()))
                menu->close();
        });
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, thumbCentre(slider),
                                     slider.mapToGlobal(thumbCentre(slider)));
        QApplication::sendEvent(&slider, &rightClick);
        QTest::qWait(150);
        QVERIFY(!menu);
        QTest::mouseClick(window().findChild<QToolButton*>("cmdLoop_2"), Qt::LeftButton);
        QTest::keyClick(window().findChild<QToolButton*>("cmdLoop_2"), Qt::Key_Space);
        QCOMPARE(player().state(), Paused);
        player().stop();
        player().seek(0);
        auto* jumpForward = window().findChild<QToolButton*>("cmdPlay_3");
        QTest::mouseClick(jumpForward, Qt::RightButton);
        jumpForward->setFocus();
        QTest::keyClick(jumpForward, Qt::Key_Space);
        QCOMPARE(player().position(), 0);
        QTest::mousePress(jumpForward, Qt::LeftButton);
        QCOMPARE(player().position(), player().settings().jump);
        QTest::mouseRelease(jumpForward, Qt::LeftButton);
        QTest::mouseClick(window().findChild<QToolButton*>("cmdLoop_3"), Qt::LeftButton);
        QCOMPARE(field().text(), "00:00:05:10"); // the end of the next step, shown as it plays
        QTest::mouseClick(window().findChild<QToolButton*>("cmdPlay_2"), Qt::LeftButton);
        for (State state : {Paused, Playing}) {
            QTest::keyClick(window().findChild<QWidget*>("statusText"), Qt::Key_Space);
            QCOMPARE(player().state(), state);
        }
    }

    void closingSavesAndEndsAllSound_data() {
        QTest::addColumn<QString>("activity");
        for (const char* activity : {"no file", "stopped", "playing", "walk step", "walk rest"})
            QTest::newRow(activity) << QString::fromLatin1(activity);
    }

    // Nothing sounds after closing, not even at a rest's end.
    void closingSavesAndEndsAllSound() {
        QFETCH(QString, activity);
        player().setStep(2500);
        player().setPause(100);
        if (activity != "no file")
            QVERIFY(fixture->openFile(20000));
        if (activity == "playing")
            player().play();
        if (activity.startsWith("walk"))
            player().walk();
        if (activity == "walk rest") {
            fixture->clock().advance(2500);
            QTRY_COMPARE(player().state(), Resting);
        }
        QVERIFY(window().close());
        QCOMPARE(GetSetting("Parlanda", "Settings", "Step", ""), "2500");
        fixture->clock().advance(20000);
        QTest::qWait(200);
        QVERIFY(!player().isOpen() && !player().walking());
        QCOMPARE(player().state(), Idle);
    }

    // The window stays shown, above the others; the choice is stored at the end and taken
    // up at the next start.
    void alwaysOnTop() {
        showWindow();
        fixture->trigger("mnuAlwaysOnTop");
        QVERIFY(window().windowFlags().testFlag(Qt::WindowStaysOnTopHint) && window().isVisible());
        QVERIFY(window().close());
        frmMain next(std::make_unique<NullAudioOutput>(std::make_shared<ManualAudioClock>()));
        QVERIFY(next.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(next.findChild<QAction*>("mnuAlwaysOnTop")->isChecked());
    }

    // The options dialog and the folder chooser go with the window; an open About box stays.
    void closingUnloadsDialogsButLeavesAboutOpen() {
        QPointer<QDialog> options;
        QTimer::singleShot(0, this, [&] {
            options = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QTest::mouseClick(options->findChild<QWidget*>("cmdOK"), Qt::LeftButton);
        });
        fixture->trigger("mnuOptions");
        QVERIFY(options);
        QPointer<QDialog> chooser = new frmChooseFolder(&window());
        fixture->trigger("mnuAbout");
        QPointer<QWidget> about = QApplication::activeWindow();
        QVERIFY(window().close());
        QVERIFY(options.isNull() && chooser.isNull());
        QVERIFY(about && about != &window() && about->isVisible());
        about->close();
    }
};

QTEST_MAIN(MainWindowWiring)
#include "main_window_wiring.moc"
