// The window's own keys and the menu keys that share them, sent as real key presses to
// the focused control: what each does, and whether that control still gets the key.
#include "support/ManualClockWindow.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

using enum PlayerController::State;
enum Start { Stopped, Played, NoFile };
constexpr Qt::KeyboardModifiers none, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;

// Name, key, modifiers, start; then state, position and file ("" for none), and whether the
// focused control got the key. Recent files c, b, a.wav, each left at 0; c.wav (30 s) is
// open at 10 s; Jump 4 s.
using KeyCase = std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers, Start,
                           PlayerController::State, qint64, const char*, bool>;
const KeyCase cases[] = {
    {"F9 jumps back", Qt::Key_F9, none, Stopped, Idle, 6000, "c.wav", false},
    {"Ctrl+Shift+F9: start", Qt::Key_F9, ctrl | shift, Played, Idle, 0, "c.wav", false},
    {"Shift+F9 passes on", Qt::Key_F9, shift, Stopped, Idle, 10000, "c.wav", true},
    {"F10 jumps forward", Qt::Key_F10, none, Stopped, Idle, 14000, "c.wav", false},
    {"Ctrl+F10: end", Qt::Key_F10, ctrl, Played, Idle, 30000, "c.wav", false},
    {"Ctrl+3 opens file 3", Qt::Key_3, ctrl, Stopped, Idle, 0, "a.wav", false},
    {"Ctrl+pad3", Qt::Key_3, ctrl | Qt::KeypadModifier, Stopped, Idle, 10000, "c.wav", true},
    {"Shift+Space: pause", Qt::Key_Space, shift, Played, Paused, 10000, "c.wav", true},
    {"no file: F9 passes on", Qt::Key_F9, none, NoFile, Idle, 0, "", true},
    {"no file: Ctrl+2 opens file 2", Qt::Key_2, ctrl, NoFile, Idle, 0, "b.wav", false},
};

class WindowKeys : public QObject {
    Q_OBJECT
    QList<int> received; // the keys pressed that reached the focused control

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            received << static_cast<QKeyEvent*>(event)->key();
        return false;
    }

private slots:
    void keyActsAndIsConsumedOrPassedOn_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(cases)); ++row)
            QTest::newRow(std::get<0>(cases[row])) << row;
    }

    void keyActsAndIsConsumedOrPassedOn() {
        QFETCH(int, row);
        const auto& [name, key, modifiers, start, state, position, file, passedOn] = cases[row];
        ManualClockWindow fixture;
        frmMain& window = fixture.window();
        for (const char* recent : {"a.wav", "b.wav", "c.wav"})
            QVERIFY(fixture.openFile(30000, QString::fromLatin1(recent)));
        fixture.player().seek(10000);
        if (start == Played)
            fixture.player().play();
        if (start == NoFile)
            fixture.player().openFile(fixture.folder() + "/none.wav");
        auto* focused = new QLineEdit(window.centralWidget()); // whatever control has the focus
        focused->installEventFilter(this);
        received.clear();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        focused->setFocus();

        QTest::keyClick(focused, key, modifiers);

        QCOMPARE(fixture.player().state(), state);
        QCOMPARE(fixture.player().isOpen(), *file != 0);
        if (fixture.player().isOpen()) {
            QCOMPARE(fixture.player().fileName(), fixture.folder() + '/' + file);
            QCOMPARE(fixture.player().position(), position);
        }
        QCOMPARE(received.contains(key), passedOn);
    }
};

QTEST_MAIN(WindowKeys)
#include "window_keys.moc"
