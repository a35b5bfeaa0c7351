// The window's own keys and the menu keys that share them (F9, F10, Ctrl+1..9, Space),
// sent as real key presses to the focused control: what each does, and whether the
// focused control still receives the key afterwards.
#include "files/RecentFiles.h"
#include "support/ManualClockWindow.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

namespace {

constexpr int PlayButton = 2;
constexpr qint32 NotChecked = -1;

enum class Start { Stopped, Playing, Paused, NoFile };

// Counts the presses of one key that reach the control it watches.
class KeyRecorder : public QObject {
public:
    explicit KeyRecorder(int key) : key(key) {}
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == key)
            ++presses;
        return false;
    }

private:
    int key;
};

} // namespace

Q_DECLARE_METATYPE(Start)

class WindowKeys : public QObject {
    Q_OBJECT

private slots:
    void keyActsAndIsConsumedOrPassedOn_data();
    void keyActsAndIsConsumedOrPassedOn();
};

void WindowKeys::keyActsAndIsConsumedOrPassedOn_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Start>("start");
    QTest::addColumn<QString>("openFile");
    QTest::addColumn<int>("mode");
    QTest::addColumn<qint32>("position");
    QTest::addColumn<bool>("passedOn");

    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const int stopped = MediaControl::ModeStopped;
    const int notOpen = MediaControl::ModeNotOpen;
    // Recent files c.wav, b.wav, a.wav (most recent first); c.wav is open at 10 s of 30 s
    // and Jump is 4 s.
    QTest::newRow("F9 jumps back")
        << int(Qt::Key_F9) << none << Start::Stopped << "c.wav" << stopped << 6000 << false;
    QTest::newRow("Ctrl+F9 goes to the start while playing")
        << int(Qt::Key_F9) << ctrl << Start::Playing << "c.wav" << stopped << 0 << false;
    QTest::newRow("Ctrl+Shift+F9 goes to the start")
        << int(Qt::Key_F9) << (ctrl | Qt::ShiftModifier) << Start::Stopped << "c.wav" << stopped
        << 0 << false;
    QTest::newRow("Shift+F9 passes on")
        << int(Qt::Key_F9) << Qt::KeyboardModifiers(Qt::ShiftModifier) << Start::Stopped << "c.wav"
        << stopped << 10000 << true;
    QTest::newRow("Alt+F9 passes on") << int(Qt::Key_F9) << Qt::KeyboardModifiers(Qt::AltModifier)
                                      << Start::Stopped << "c.wav" << stopped << 10000 << true;
    QTest::newRow("F10 jumps forward")
        << int(Qt::Key_F10) << none << Start::Stopped << "c.wav" << stopped << 14000 << false;
    QTest::newRow("Ctrl+F10 goes to the end while playing")
        << int(Qt::Key_F10) << ctrl << Start::Playing << "c.wav" << stopped << 30000 << false;
    QTest::newRow("Shift+F10 passes on")
        << int(Qt::Key_F10) << Qt::KeyboardModifiers(Qt::ShiftModifier) << Start::Stopped << "c.wav"
        << stopped << 10000 << true;
    QTest::newRow("Ctrl+3 opens the third recent file")
        << int(Qt::Key_3) << ctrl << Start::Stopped << "a.wav" << stopped << NotChecked << false;
    QTest::newRow("Ctrl+5 without a fifth file is consumed")
        << int(Qt::Key_5) << ctrl << Start::Stopped << "c.wav" << stopped << 10000 << false;
    QTest::newRow("3 alone passes on")
        << int(Qt::Key_3) << none << Start::Stopped << "c.wav" << stopped << 10000 << true;
    QTest::newRow("Ctrl with a keypad digit passes on")
        << int(Qt::Key_3) << (ctrl | Qt::KeypadModifier) << Start::Stopped << "c.wav" << stopped
        << 10000 << true;
    QTest::newRow("Space pauses and passes on")
        << int(Qt::Key_Space) << none << Start::Playing << "c.wav" << int(MediaControl::ModePaused)
        << 10000 << true;
    QTest::newRow("Shift+Space pauses too")
        << int(Qt::Key_Space) << Qt::KeyboardModifiers(Qt::ShiftModifier) << Start::Playing
        << "c.wav" << int(MediaControl::ModePaused) << 10000 << true;
    QTest::newRow("Space resumes") << int(Qt::Key_Space) << none << Start::Paused << "c.wav"
                                   << int(MediaControl::ModePlaying) << 10000 << true;
    QTest::newRow("no file: F9 does nothing")
        << int(Qt::Key_F9) << none << Start::NoFile << "" << notOpen << NotChecked << true;
    QTest::newRow("no file: Ctrl+F10 does nothing")
        << int(Qt::Key_F10) << ctrl << Start::NoFile << "" << notOpen << NotChecked << true;
    QTest::newRow("no file: Ctrl+2 opens the second recent file")
        << int(Qt::Key_2) << ctrl << Start::NoFile << "b.wav" << stopped << NotChecked << false;
}

void WindowKeys::keyActsAndIsConsumedOrPassedOn() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Start, start);
    QFETCH(QString, openFile);
    QFETCH(int, mode);
    QFETCH(qint32, position);
    QFETCH(bool, passedOn);

    ManualClockWindow fixture;
    frmMain& window = fixture.window();
    MediaControl& device = fixture.device();
    for (const char* name : {"a.wav", "b.wav", "c.wav"}) {
        QVERIFY(fixture.openFile(30000, QString::fromLatin1(name)));
        AddRecentFile(device.fileName(), window.MaxFiles());
    }
    window.BuildRecentFileMenu();
    window.setJump(4000);
    fixture.seekTo(10000);
    if (start == Start::Playing || start == Start::Paused)
        window.PressPlayButton(PlayButton);
    if (start == Start::Paused)
        device.setCommand(QStringLiteral("pause"));
    if (start == Start::NoFile) {
        device.setCommand(QStringLiteral("Close"));
        window.EnableControls(false);
    }

    // Stands for whatever control has the focus in the window.
    auto* focused = new QLineEdit(window.centralWidget());
    KeyRecorder recorder(key);
    focused->installEventFilter(&recorder);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    focused->setFocus();
    QVERIFY(focused->hasFocus());

    QTest::keyClick(focused, Qt::Key(key), modifiers);

    QCOMPARE(device.mode(), mode);
    if (mode != MediaControl::ModeNotOpen)
        QCOMPARE(QFileInfo(device.fileName()).fileName(), openFile);
    if (position != NotChecked)
        QCOMPARE(device.position(), position);
    QCOMPARE(recorder.presses, passedOn ? 1 : 0);
}

QTEST_MAIN(WindowKeys)
#include "window_keys.moc"
