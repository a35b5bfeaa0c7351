// Transport, slider and Looping menu on the null output; its clock stands still here.
#include "support/ManualClockWindow.h"

#include <QAction>
#include <QScrollBar>
#include <QTest>

// From start, a press of transport button index (0 Jump Back, 2 Play, 3 Jump Forward) with
// shift (2 = Ctrl) leaves the device at position; whether it plays before and after.
struct Press {
    qint32 start, position;
    int index, shift;
    bool playingBefore, playingAfter;
};
Q_DECLARE_METATYPE(Press)

class TransportAndLoopingMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<ManualClockWindow> fixture;
    frmMain& window() { return fixture->window(); }

private slots:
    void init() {
        fixture = std::make_unique<ManualClockWindow>();
        QVERIFY(fixture->openFile(30000)); // Jump 4000
    }
    void cleanup() { fixture.reset(); }

    void transportCommands_data() {
        QTest::addColumn<Press>("press");
        QTest::newRow("Jump Back stops at the start") << Press{3000, 0, 0, 0, false, false};
        QTest::newRow("Jump Back plays on") << Press{10000, 6000, 0, 0, true, true};
        QTest::newRow("Jump Forward stops at the end") << Press{28000, 30000, 3, 0, false, false};
        QTest::newRow("Ctrl+Jump Forward ends playing") << Press{10000, 30000, 3, 2, true, false};
        QTest::newRow("Play at the end starts from 0") << Press{30000, 0, 2, 0, false, true};
    }

    void transportCommands() {
        QFETCH(Press, press);
        fixture->seekTo(press.start);
        if (press.playingBefore)
            window().PressPlayButton(2);
        window().cmdPlay_MouseDown(press.index, Qt::LeftButton, press.shift);
        QCOMPARE(fixture->device().position(), press.position);
        QCOMPARE(fixture->device().mode() == MediaControl::ModePlaying, press.playingAfter);
    }

    void sliderRoundsHalfToEven() {
        QVERIFY(fixture->openFile(1000, QStringLiteral("short.wav")));
        for (auto [position, value] : {std::pair{125, 12}, {135, 14}}) {
            fixture->seekTo(position);
            window().UpdateSlider();
            QCOMPARE(window().findChild<QScrollBar*>("hsbSlider")->value(), value);
        }
    }

    void loopingMenuKeepsItsStateInItsItems() {
        auto* toggle = window().findChild<QAction*>("mnuToggleLooping");
        auto* item3 = window().findChild<QAction*>("mnuLoopItem_3");
        item3->trigger();
        item3->trigger(); // choosing the checked item again keeps it checked
        QCOMPARE(window().LoopRepetitionCount(), 3);
        toggle->trigger();
        QCOMPARE(window().LoopRepetitionCount(), 1);
        QVERIFY(!item3->isEnabled());
        toggle->trigger();
        QCOMPARE(window().LoopRepetitionCount(), 3);
        toggle->setText(QStringLiteral("disable")); // only "Disable" exactly means looping on
        QCOMPARE(window().LoopRepetitionCount(), 1);
    }
};

QTEST_MAIN(TransportAndLoopingMenu)
#include "transport_and_looping_menu.moc"
