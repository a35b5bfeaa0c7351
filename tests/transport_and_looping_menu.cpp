// The transport commands, the position display and the Looping menu, through the null
// output on a clock the test drives (the clock never moves here, so a playing device
// stays where it started).
#include "support/ManualClockWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace {
enum Transport { JumpBack = 0, Stop = 1, Play = 2, JumpForward = 3 };
constexpr int Ctrl = 2;
} // namespace

class TransportAndLoopingMenu : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { fixture.reset(); }
    void transportCommands_data();
    void transportCommands();
    void sliderRoundsHalfToEven_data();
    void sliderRoundsHalfToEven();
    void positionNotificationSparesTheTypedTime();
    void loopingMenuKeepsItsStateInItsItems();

private:
    frmMain& window() { return fixture->window(); }
    bool playing() { return fixture->device().mode() == MediaControl::ModePlaying; }
    template <typename T> T* child(const char* name) {
        return window().findChild<T*>(QString::fromLatin1(name));
    }

    std::unique_ptr<ManualClockWindow> fixture;
};

void TransportAndLoopingMenu::init() {
    fixture = std::make_unique<ManualClockWindow>();
    QVERIFY(fixture->openFile(30000));
}

void TransportAndLoopingMenu::transportCommands_data() {
    QTest::addColumn<qint32>("start");
    QTest::addColumn<bool>("playingBefore");
    QTest::addColumn<int>("index");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("shift");
    QTest::addColumn<qint32>("expectedPosition");
    QTest::addColumn<bool>("playingAfter");

    QTest::newRow("Jump Back past the start")
        << 3000 << false << int(JumpBack) << Qt::LeftButton << 0 << 0 << false;
    QTest::newRow("Ctrl+Jump Back")
        << 20000 << false << int(JumpBack) << Qt::LeftButton << Ctrl << 0 << false;
    QTest::newRow("Jump Back while playing plays on")
        << 10000 << true << int(JumpBack) << Qt::LeftButton << 0 << 6000 << true;
    QTest::newRow("Jump Forward past the end")
        << 28000 << false << int(JumpForward) << Qt::LeftButton << 0 << 30000 << false;
    QTest::newRow("Ctrl+Jump Forward stops at the end")
        << 10000 << true << int(JumpForward) << Qt::LeftButton << Ctrl << 30000 << false;
    QTest::newRow("Play at the end starts again from 0")
        << 30000 << false << int(Play) << Qt::LeftButton << 0 << 0 << true;
    QTest::newRow("Stop while playing")
        << 10000 << true << int(Stop) << Qt::LeftButton << 0 << 10000 << false;
    QTest::newRow("a right-button press does nothing")
        << 10000 << true << int(Stop) << Qt::RightButton << 0 << 10000 << true;
}

void TransportAndLoopingMenu::transportCommands() {
    QFETCH(qint32, start);
    QFETCH(bool, playingBefore);
    QFETCH(int, index);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, shift);
    QFETCH(qint32, expectedPosition);
    QFETCH(bool, playingAfter);
    window().setJump(4000);
    fixture->seekTo(start);
    if (playingBefore)
        window().PressPlayButton(Play);
    QCOMPARE(playing(), playingBefore);

    window().cmdPlay_MouseDown(index, button, shift);
    QCOMPARE(fixture->device().position(), expectedPosition);
    QCOMPARE(playing(), playingAfter);
}

void TransportAndLoopingMenu::sliderRoundsHalfToEven_data() {
    QTest::addColumn<qint32>("length");
    QTest::addColumn<qint32>("position");
    QTest::addColumn<int>("expected");
    QTest::newRow("12.5 rounds down to even") << 1000 << 125 << 12;
    QTest::newRow("13.5 rounds up to even") << 1000 << 135 << 14;
    QTest::newRow("12.34") << 10000 << 1234 << 12;
    QTest::newRow("the end") << 10000 << 10000 << 100;
}

void TransportAndLoopingMenu::sliderRoundsHalfToEven() {
    QFETCH(qint32, length);
    QFETCH(qint32, position);
    QFETCH(int, expected);
    QVERIFY(fixture->openFile(length, QStringLiteral("short.wav")));
    fixture->seekTo(position);
    window().UpdateSlider();
    QCOMPARE(child<QScrollBar>("hsbSlider")->value(), expected);
}

void TransportAndLoopingMenu::positionNotificationSparesTheTypedTime() {
    auto* field = child<QLineEdit>("txtTime");
    fixture->seekTo(1500);
    field->setReadOnly(false);
    field->setText(QStringLiteral("1:3"));
    window().mciWave_StatusUpdate();
    QCOMPARE(field->text(), QStringLiteral("1:3"));
    field->setReadOnly(true);
    window().mciWave_StatusUpdate();
    QCOMPARE(field->text(), QStringLiteral("00:00:01:50"));
}

void TransportAndLoopingMenu::loopingMenuKeepsItsStateInItsItems() {
    QAction* toggle = child<QAction>("mnuToggleLooping");
    QAction* item3 = child<QAction>("mnuLoopItem_3");
    QAction* item4 = child<QAction>("mnuLoopItem_4");
    toggle->setText(QStringLiteral("Disable"));

    item4->trigger();
    QCOMPARE(window().LoopRepetitionCount(), 4);
    toggle->trigger();
    QCOMPARE(toggle->text(), QStringLiteral("Enable"));
    QCOMPARE(window().LoopRepetitionCount(), 1);
    QVERIFY(!item4->isEnabled());
    toggle->trigger();
    QCOMPARE(window().LoopRepetitionCount(), 4);
    QVERIFY(item3->isEnabled());

    // Choosing the checked item again keeps it the only checked one.
    item3->trigger();
    item3->trigger();
    QVERIFY(item3->isChecked());
    QVERIFY(!item4->isChecked());
    QCOMPARE(window().LoopRepetitionCount(), 3);

    // Only "Disable" exactly means looping on; a click turns anything but "Enable" into it.
    toggle->setText(QStringLiteral("disable"));
    QCOMPARE(window().LoopRepetitionCount(), 1);
    toggle->trigger();
    QCOMPARE(toggle->text(), QStringLiteral("Enable"));
}

QTEST_MAIN(TransportAndLoopingMenu)
#include "transport_and_looping_menu.moc"
