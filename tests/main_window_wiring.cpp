// The main window as the view of the player: its menus and layouts, and real key and mouse
// events on its controls reaching the player's commands; closing ends all sound. Tools >
// Controls... and the inputs wired at start-up: global keys and pedals reach the player.
// The waveform: peaks computed off the GUI thread that match the file's samples, and the
// strip under the mouse and during a walk.
#include "SoundFiles.h"
#include "app/Inputs.h"
#include "audio/WaveformPeaks.h"
#include "inputs/FootPedals.h"
#include "inputs/GlobalShortcuts.h"
#include "settings/SettingsStore.h"
#include "support/ManualClockWindow.h"
#include "support/Rows.h"
#include "support/Widgets.h"
#include "windows/WaveformStrip.h"
#include "windows/frmControls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <cmath>

using State = PlayerController::State;
using enum PlayerController::State;
// Name, steps from 5 s into a 100 s file, stopped (\r is Enter; see act()); the state then,
// and the field's text followed by the messages shown. Keys go to a focused line edit, which
// gets those the window does not take.
const std::tuple<const char*, const char*, State, const char*> windowSteps[] = {
    // The end is sent as one millisecond past it, where the player stops at the end.
    {"past the end", "left 200\r", Idle, "00:01:40:00"},
    {"letters", "left abc\r", Idle, "00:00:00:00"},
    {"overflow", "left 999:00:00:00\r", Idle,
     "00:00:00:00 Overflow: the time 999:00:00:00 is too large."},
    {"right click", "play right 40\r", Playing, "00:00:05:00"},
    // What is typed during playback is kept until committed; then playback is followed.
    {"typing", "play left 1:3 tick \r play tick", Playing, "00:01:03:25"},
    {"typed, left", "play left 45 leave play tick", Playing, "00:00:45:25"},
    // Passing the focus through, or leaving after Enter, does not disturb playback.
    {"never clicked", "play tick tab leave", Playing, "00:00:05:25"},
    {"Enter, left", "left 10\r play tick leave", Playing, "00:00:10:25"},
    {"Go To Time, walk", "walk tick goto:1:00", Idle, "00:01:00:00"},
    {"Go To Time cancelled", "play tick goto:", Idle, "00:00:05:25"},
    // A time stamp copied with Ctrl+T, or pasted from a transcript.
    {"stamp copied and pasted back", "copy left 1:30\r left paste \r", Idle, "00:00:05:00"},
    {"slider: playback stays stopped", "play slider:25", Idle, "00:00:25:00"},
    {"slider: 14.7 ms is 15", "file:1470 slider:1", Idle, "00:00:00:02"},
    {"slider in a walk restarts it", "walk slider:50", Stepping, "00:00:50:00"},
    // Only the left button focuses and presses a walk or transport button; a slider press of
    // any button takes the focus and commits a typed time first, and offers no menu.
    {"other buttons", "left 12 click:cmdLoop_3:right click:cmdPlay_2:middle", Idle, "12"},
    {"slider, right button", "left 12 click:hsbSlider:right play tick", Playing, "00:00:12:25"},
    {"slider menu", "menu", Idle, "00:00:05:00"},
    // Transport buttons act as the left button goes down, not on Space; Space pressing a
    // focused walk button only pauses, and a key passed up the parents acts once. The step
    // after the one ending at 5 s ends at 6.1 s, shown as it plays.
    {"transport", "click:cmdPlay_3:right space:cmdPlay_3 down:cmdPlay_3:left", Idle, "00:00:09:00"},
    {"walk button, Space", "click:cmdLoop_2:left space:cmdLoop_2", Paused, "00:00:05:00"},
    {"next step shown as it plays", "click:cmdLoop_3:left", Stepping, "00:00:06:10"},
    {"Space passed up", "click:cmdPlay_2:left space:statusText", Paused, "00:00:05:00"},
    {"F9 jumps back", "key:F9", Idle, "00:00:01:00"},
    {"Ctrl+Shift+F9: start", "play key:Ctrl+Shift+F9", Idle, "00:00:00:00"},
    {"Shift+F9 passes on", "pass:Shift+F9", Idle, "00:00:05:00"},
    {"F10 jumps forward", "key:F10", Idle, "00:00:09:00"},
    {"Ctrl+F10: end", "play key:Ctrl+F10", Idle, "00:01:40:00"},
    {"F5 walks", "key:F5", Stepping, "00:00:05:00"},
    // Recent files b.wav (20 s, open at 0), a.wav (30 s), tape.wav; Ctrl+F10 shows the length.
    {"Ctrl+3 opens file 3", "recent key:Ctrl+3 key:Ctrl+F10", Idle, "00:01:40:00"},
    {"Ctrl+Shift+1 opens file 1", "recent key:Ctrl+3 key:Ctrl+Shift+! key:Ctrl+F10", Idle,
     "00:00:20:00"},
    {"AZERTY Ctrl+& opens file 1", "recent key:Ctrl+3 key:Ctrl+& key:Ctrl+F10", Idle,
     "00:00:20:00"},
    {"Ctrl+pad3", "recent pass:Ctrl+Num+3", Idle, "00:00:00:00"},
    {"Shift+Space: pause", "play pass:Shift+Space", Paused, "00:00:05:00"},
    {"no file: F9 passes on", "unopened pass:F9", Idle,
     "00:00:00:00 Cannot open none.wav: the file does not exist."},
    {"no file: Ctrl+2 opens file 2", "recent unopened key:Ctrl+2 key:Ctrl+F10", Idle,
     "00:00:30:00 Cannot open none.wav: the file does not exist."},
};

// Name, input, ms the middle pedal is held to play, the player's rewind (after Stop or a pause
// of Play); then state and position.
const std::tuple<const char*, std::string_view, qint64, qint32, State, qint64> inputCases[] = {
    {"global key", "key", 0, 0, Stepping, 0},
    {"pedal", "pedal", 0, 0, Stepping, 0},
    {"held 2.5 s", "hold", 2500, 0, Idle, 1500},
    {"held 0.4 s", "hold", 400, 0, Idle, 0},
    {"held 2.5 s, rewind 0.5 s", "hold", 2500, 500, Idle, 2000},
};

// The waveform strip with the view at 60 s (30 s shown), zoomed by wheel notches (each by a
// quarter, to whole seconds), clicked at x (a fraction of its width) goes to the time there;
// during a walk the view centres on the step (56-60 s) and the walk restarts there. Name,
// notches, walk, x; then the time in ms.
const std::tuple<const char*, int, bool, double, qint64> clickCases[] = {
    {"left edge", 0, false, 0.0, 45000},           {"three quarters", 0, false, 0.75, 67500},
    {"zoomed in", 1, false, 0.0, 48000},           {"zoomed out", -1, false, 0.1, 44800},
    {"walk restarts there", 0, true, 0.75, 65500},
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

// 10 s, mono: silence, a burst of half scale at 4.0-4.5 s, silence, a full-scale square
// at 6-8 s, silence.
QString writeLandmarks(const QString& path) {
    runFfmpeg({"-f", "lavfi", "-i",
               "aevalsrc=if(between(t\\,4\\,4.5)\\,0.5*sin(2*PI*440*t))"
               "+if(between(t\\,6\\,7.999)\\,2*mod(floor(t*200)\\,2)-1):s=8000:d=10",
               "-c:a", "pcm_s16le", path});
    return path;
}

class MainWindowWiring : public QObject {
    Q_OBJECT
    std::unique_ptr<ManualClockWindow> fixture;
    QTemporaryDir devices; // an empty device tree: no pedal, no input device
    GlobalShortcuts* keys = nullptr;
    FootPedals* pedals = nullptr;
    QList<int> received; // the keys pressed that reached the focused control

    frmMain& window() { return fixture->window(); }
    PlayerController& player() { return fixture->player(); }
    QLineEdit& field() { return *window().findChild<QLineEdit*>("txtTime"); }
    QString file(const char* name) { return fixture->folder() + '/' + name; }
    // The strip shown through its menu item, on a two-minute file at 60 s.
    WaveformStrip& shownStrip() {
        fixture->trigger("mnuShowWaveform");
        showWindow();
        fixture->openFile(120000);
        player().seek(60000);
        return child<WaveformStrip>(window(), "waveformStrip");
    }
    frmControls& openControls() {
        fixture->trigger("mnuControls");
        return child<frmControls>(window(), "frmControls");
    }

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
    // (Ctrl+V), "file:" + length (another file) opened, "recent" (a.wav, then b.wav
    // opened), "unopened" (a file that fails), a step onControl() takes, "menu" (asked of
    // the slider: none), "key:" or "pass:" + keys (taken by the window, or passed on); else
    // text typed.
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
            } else if (step == "recent") {
                QVERIFY(fixture->openFile(30000, "a.wav") && fixture->openFile(20000, "b.wav"));
            } else if (step == "unopened") {
                QVERIFY(!player().openFile(file("none.wav")));
            } else if (step.startsWith("key:") || step.startsWith("pass:")) {
                QCOMPARE(keyPassedOn(step.section(':', 1)), step.startsWith("pass:"));
            } else if (step.startsWith("file:")) {
                QVERIFY(fixture->openFile(step.mid(5).toLongLong(), "other.wav"));
            } else if (step.startsWith("slider:")) {
                dragSlider(step.mid(7).toInt());
            } else if (step.contains(QRegularExpression("^(click|down|space):"))) {
                onControl(step.split(':'));
            } else if (step == "menu") {
                QVERIFY(!offersMenu(child<QScrollBar>(window(), "hsbSlider")));
            } else if (step == "copy" || step == "paste") {
                QTest::keyClick(&field(), step == "copy" ? Qt::Key_T : Qt::Key_V,
                                Qt::ControlModifier);
            } else {
                QTest::keyClicks(&field(), step);
            }
        }
    }

    // Keys typed into a line edit that has the focus: whether it got them.
    bool keyPassedOn(const QString& keys) {
        const QKeyCombination typed = QKeySequence(keys)[0];
        auto* focused = new QLineEdit(window().centralWidget());
        focused->installEventFilter(this);
        received.clear();
        focused->setFocus();
        if (typed.key() == Qt::Key_Exclam || typed.key() == Qt::Key_Ampersand) { // on the 1 key
            QKeyEvent press(QEvent::KeyPress, typed.key(), typed.keyboardModifiers(), 10, 0, 0,
                            "!");
            QApplication::sendEvent(focused, &press);
        } else {
            QTest::keyClick(focused, typed.key(), typed.keyboardModifiers());
        }
        return received.contains(typed.key());
    }

    // "click:name:button", "down:name:button" (pressed, not released) or "space:name"
    // (focused) on the control of that name.
    void onControl(const QStringList& word) {
        auto& target = child(window(), word[1]);
        const auto button = QMap<QString, Qt::MouseButton>{
            {"left", Qt::LeftButton}, {"right", Qt::RightButton}, {"middle", Qt::MiddleButton}};
        if (word[0] == "space") {
            target.setFocus();
            QTest::keyClick(&target, Qt::Key_Space);
        } else if (word[0] == "click") {
            QTest::mouseClick(&target, button[word[2]]);
        } else {
            QTest::mousePress(&target, button[word[2]]);
        }
    }

    // A flag, not a pointer to the menu: the scroll bar deletes its menu once closed.
    static bool offersMenu(QScrollBar& slider) {
        bool shown = false;
        QTimer::singleShot(100, &slider, [&] {
            if (QWidget* menu = QApplication::activePopupWidget())
                shown = menu->close();
        });
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, thumbCentre(slider),
                                     slider.mapToGlobal(thumbCentre(slider)));
        QApplication::sendEvent(&slider, &rightClick);
        QTest::qWait(150);
        return shown;
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
    void init() {
        fixture = std::make_unique<ManualClockWindow>();
        // No session bus and no X display: nothing delivers global keys.
        keys = new GlobalShortcuts({QDBusConnection(QStringLiteral("none")), {}, true}, &window());
        pedals = new FootPedals({devices.path(), devices.path()}, &window());
        connectInputs(window(), *keys, *pedals);
    }
    void cleanup() { fixture.reset(); } // before the next one installs its dialogs

    // Each menu as its title and items joined with " | " in order; "-" is a separator.
    void menusAtStart() {
        QStringList found;
        for (const QAction* menu : window().menuBar()->actions()) {
            QStringList items(menu->text());
            for (const QAction* item : menu->menu()->actions())
                items << describe(item);
            found << items.join(" | ");
        }
        QCOMPARE(
            found,
            QStringList(
                {"&File | &Open... Ctrl+O | - | Info | - | E&xit Ctrl+Q | - [hidden]" +
                     QString(" | [hidden]").repeated(9), // the recent files
                 "&Play | Jump &Back F9 | &Stop F3 | &Play F4 | Jump &Forward | - | &Walk F5"
                 " | &Previous Step F6 | &Current Step F7 | &Next Step F8"
                 " | - | Slo&wer Ctrl+- | &Faster Ctrl+=; Ctrl++ | Normal &Speed Ctrl+0",
                 "&Looping | Disable F2 | - | &1 [x] | &2 | &3 | &4 | &5",
                 "&Tools | &Options | &Clear File List | - | &Go To Time F11"
                 " | &Update Time F12 [x] | &Time Stamp Ctrl+T | - | Co&ntrols... | Show &Waveform"
                 " | Always on &Top",
                 "&Help | Contents.. | Index.. | Search.. [hidden] | - | &About Parlanda.. | - | "
                 "&Start Here"}));
    }

    // The speed moves in 10 % steps within 50 to 200 %, also set on the Controls page with
    // the rewind; the status bar names any speed but 100 %. The fourth pedal set to Walk
    // and hold to play switched on reach the pedals and the settings file on OK.
    void speedItemsControlsPageAndStatus() {
        QVERIFY(fixture->openFile(1000));
        const auto shown = [this] {
            const auto& label = child<QLabel>(window(), "speedStatus");
            return label.isVisibleTo(&window()) ? label.text() : QString("-");
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
        frmControls& controls = openControls();
        child<QDoubleSpinBox>(controls, "spnRewind").setValue(1.25);
        child<QSpinBox>(controls, "spnSpeed").setValue(130);
        child<QCheckBox>(controls, "chkResume").setChecked(false);
        child<QComboBox>(controls, "cboTimeStampFormat").setCurrentIndex(2);
        QTest::keyClick(&child<QComboBox>(controls, "cboPedal_3"), Qt::Key_Down);
        QTest::keyClick(&child<QCheckBox>(controls, "chkHoldToPlay"), Qt::Key_Space);
        QTest::mouseClick(&child<QPushButton>(controls, "cmdOK"), Qt::LeftButton);
        QCOMPARE(player().settings().rewind, 1250);
        QVERIFY(!player().settings().resume);
        QCOMPARE(player().copyTimeStamp(), "#00:00:00-0#");
        QCOMPARE(shown(), "Speed 130 %");
        QCOMPARE(pedals->actions().mapping().command(Pedal::Fourth), "Walk");
        QVERIFY(pedals->actions().mapping().holdsToPlay(Pedal::Middle));
        QCOMPARE(GetSetting("Parlanda", "Foot Pedal", "Fourth", ""), "Walk");
        QCOMPARE(GetSetting("Parlanda", "Foot Pedal", "Hold To Play", ""), "1");
    }

    // A key typed (twice: one chord, still bound) into the Walk field is bound at once
    // and its status shown; OK stores it, Cancel binds the stored (no) key again.
    void globalKeyTyped_data() {
        QTest::addColumn<bool>("ok");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void globalKeyTyped() {
        QFETCH(bool, ok);
        const QString kept = ok ? "Ctrl+Alt+W" : "";
        frmControls& dialog = openControls();
        QVERIFY(child<QLabel>(dialog, "lblKeyService").text().contains("parlanda --walk"));
        for (int typed = 0; typed < 2; ++typed)
            QTest::keyClick(&child<QKeySequenceEdit>(dialog, "txtKey_0"), Qt::Key_W,
                            Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(keys->keys("Walk"), QKeySequence("Ctrl+Alt+W"));
        QVERIFY(child<QLabel>(dialog, "lblKeyStatus_0").text().startsWith("Unsupported: "));
        QTest::mouseClick(&child<QPushButton>(dialog, ok ? "cmdOK" : "cmdCancel"), Qt::LeftButton);
        QCOMPARE(keys->keys("Walk").toString(), kept);
        QCOMPARE(GetSetting("Parlanda", "Global Keys", "Walk", "-"), ok ? kept : "-");
    }

    // A global key or a pedal starts the walk; the middle pedal held to play plays, and
    // let go stops and goes back by the rewind (never before the start).
    void inputsDriveThePlayer_data() { addRowNumbers(inputCases); }
    void inputsDriveThePlayer() {
        QFETCH(int, row);
        const auto& [name, input, heldMs, rewindMs, state, position] = inputCases[row];
        QVERIFY(fixture->openFile(10000));
        player().setRewind(rewindMs);
        PedalMapping mapping;
        mapping.setMiddleHoldsToPlay(input == "hold");
        pedals->actions().setMapping(mapping);
        if (input == "key")
            emit keys->activated("Walk");
        else
            pedals->actions().handle({Pedal::Middle, true});
        if (input == "hold") {
            QCOMPARE(player().state(), Playing);
            fixture->clock().advance(heldMs);
            pedals->actions().handle({Pedal::Middle, false});
        }
        QCOMPARE(player().state(), state);
        QCOMPARE(player().position(), position);
        emit pedals->statusMessage("Foot pedal gone.");
        QCOMPARE(window().statusBar()->currentMessage(), "Foot pedal gone.");
    }

    // No file: the switched controls off, the field locked at zero; the Update Time check
    // mark follows the player, and F12 (the item) switches it. An open switches to the
    // file layout, a failed one back; both reset the time field and the slider.
    void layoutsAndUpdateTime() {
        QCOMPARE(outOfLayout(window(), false), QStringList());
        QVERIFY(field().isReadOnly());
        QCOMPARE(window().findChild<QLabel*>("statusText")->text(), "No audio file");
        QAction* updateTime = &fixture->item("mnuUpdateTime");
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
            const bool opened =
                state ? fixture->openFile(10000) : player().openFile(file("none.wav"));
            QCOMPARE(opened, state);
            QCOMPARE(outOfLayout(window(), state), QStringList());
            QCOMPARE(field().text(), "00:00:00:00");
            QCOMPARE(slider->value(), 0);
        }
    }

    void keysMouseAndTimeField_data() { addRowNumbers(windowSteps); }
    void keysMouseAndTimeField() {
        QFETCH(int, row);
        const auto& [name, steps, state, shown] = windowSteps[row];
        showWindow();
        QVERIFY(fixture->openFile(100000));
        player().seek(5000);
        act(QString::fromLatin1(steps));
        QCOMPARE((QStringList(field().text()) + fixture->prompts().messageTexts())
                     .join(' ')
                     .remove(fixture->folder() + '/'),
                 shown);
        QCOMPARE(player().state(), state);
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

    void peaksMatchTheSamples() {
        const QString path = writeLandmarks(file("landmarks.wav"));
        const struct {
            qint64 fromMs, toMs;
            float low, high;
        } rows[] = {{0, 4000, 0, 0},         {3900, 4000, 0, 0},  {4000, 4500, -0.5, 0.5},
                    {4100, 4101, -0.5, 0.5}, {4500, 6000, 0, 0},  {5000, 7000, -1, 1},
                    {6000, 8000, -1, 1},     {8000, 10000, 0, 0}, {9990, 20000, 0, 0}};
        WaveformPeaks peaks;
        peaks.start(path, 5000);
        QVERIFY(!peaks.peak(0, 1000)); // nothing yet, while the worker opens the file
        QTRY_VERIFY(peaks.complete());
        for (const auto& row : rows) {
            const auto peak = peaks.peak(row.fromMs, row.toMs);
            const QString where = QStringLiteral("%1-%2 ms").arg(row.fromMs).arg(row.toMs);
            QVERIFY2(peak, qPrintable(where));
            QVERIFY2(std::abs(peak->low - row.low) < 0.01 && std::abs(peak->high - row.high) < 0.01,
                     qPrintable(where + QStringLiteral(": %1..%2").arg(peak->low).arg(peak->high)));
        }
        QVERIFY(!peaks.peak(10000, 11000)); // past the end
    }

    // The part asked for comes first, off the GUI thread; opening another file midway stops
    // the first worker within a block.
    void longFileIsComputedInTheBackgroundAndStops() {
        const QString longFile = file("two-hours.wav");
        QVERIFY(writeTwoHourWav(longFile));
        WaveformPeaks peaks;
        QSignalSpy computed(&peaks, &WaveformPeaks::computed);
        peaks.start(longFile, 3600000);
        QVERIFY(computed.wait(5000));
        QVERIFY(computed[0][0].toLongLong() <= 3600000 && computed[0][1].toLongLong() > 3600000);
        QVERIFY(peaks.peak(3600000, 3601000) && !peaks.peak(0, 1000));
        QVERIFY(!peaks.complete());
        peaks.start(writeLandmarks(file("short.wav")), 0);
        QTRY_VERIFY_WITH_TIMEOUT(peaks.complete() && WaveformPeaks::runningWorkers() == 0, 1000);
        QVERIFY(!peaks.peak(3600000, 3601000));
    }

    // The window keeps its width and grows by the strip's height; the choice is stored.
    void menuItemShowsTheStripUnderTheControls() {
        showWindow();
        const QSize without = window().size();
        fixture->trigger("mnuShowWaveform");
        auto& strip = child<WaveformStrip>(window(), "waveformStrip");
        QTRY_COMPARE(window().size(), without + QSize(0, strip.height()));
        QCOMPARE(strip.width(), window().width());
        fixture->trigger("mnuShowWaveform");
        QTRY_COMPARE(window().size(), without);
        fixture->trigger("mnuShowWaveform");
        window().close();
        QCOMPARE(GetSetting(AppName, "Waveform", "Show", ""), "1");
    }

    void clickGoesToTheTimeUnderIt_data() { addRowNumbers(clickCases); }
    void clickGoesToTheTimeUnderIt() {
        QFETCH(int, row);
        const auto& [name, notches, walk, fraction, expectedMs] = clickCases[row];
        WaveformStrip& strip = shownStrip();
        for (int i = 0; i < std::abs(notches); ++i) {
            QWheelEvent wheel(QPointF(10, 10), strip.mapToGlobal(QPointF(10, 10)), {},
                              {0, notches > 0 ? 120 : -120}, Qt::NoButton, Qt::ControlModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(&strip, &wheel);
        }
        if (walk)
            player().walk();
        QTest::mouseClick(&strip, Qt::LeftButton, {}, QPoint(int(fraction * strip.width()), 10));
        const qint64 reached = walk ? player().stepWindow()->to : player().position();
        QVERIFY2(std::abs(reached - expectedMs) <= 40000.0 / strip.width(), // one pixel's time
                 qPrintable(QString::number(reached)));
        QCOMPARE(player().walking(), walk);
    }

    // The shaded columns are the step's window, as the walk moves on.
    void shadedStepIsTheWalksStep() {
        WaveformStrip& strip = shownStrip();
        player().walk();
        const std::array<PlayerController::StepWindow, 2> steps{
            {{56000, 60000, 57100}, {57100, 61100, 58200}}};
        for (const PlayerController::StepWindow& step : steps) {
            QTRY_COMPARE(player().state(), PlayerController::State::Stepping);
            fixture->clock().advance(1000);
            QTest::qWait(300);
            const QImage image = strip.grab().toImage();
            const int bottom = image.height() - 1;
            QList<int> shaded;
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, bottom) != image.pixel(0, bottom))
                    shaded << x;
            QVERIFY(!shaded.isEmpty());
            const auto window = player().stepWindow();
            QVERIFY(window == step); // with the next step's start, which the strip marks
            const double pixelMs = 30000.0 / strip.width();
            QVERIFY(std::abs(strip.msAt(shaded.first()) - window->from) <= pixelMs);
            QVERIFY(std::abs(strip.msAt(shaded.last() + 1) - window->to) <= pixelMs);
            fixture->clock().advance(3000);
            QTRY_VERIFY(player().state() != PlayerController::State::Stepping);
        }
    }
};

QTEST_MAIN(MainWindowWiring)
#include "main_window_wiring.moc"
