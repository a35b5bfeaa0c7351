// The time field and Go To Time: what the field shows afterwards, and whether playback goes on.
#include "support/ManualClockWindow.h"

#include <QLineEdit>
#include <QTest>

class TimeFieldEntry : public QObject {
    Q_OBJECT
    std::unique_ptr<ManualClockWindow> fixture;

    frmMain& window() { return fixture->window(); }
    QLineEdit& field() { return *window().findChild<QLineEdit*>("txtTime"); }

    // Steps: a "left"/"right" click into the field (selecting its text), "tab" into it, "leave"
    // it, "play", "walk", "tick" (250 ms played, reported), "goto:" + answer; else typed text.
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
                QTest::qWaitFor([&] { return field().text() != before; }, 500);
            } else if (step.startsWith("goto:")) {
                fixture->prompts().queueInput(step.mid(5));
                fixture->trigger("mnuGoToTime");
            } else if (step == "play" || step == "walk") {
                step == "play" ? fixture->player().play() : fixture->player().walk();
            } else {
                QTest::keyClicks(&field(), step);
            }
        }
    }

private slots:
    void cleanup() { fixture.reset(); } // before the next one installs its dialogs

    void stepsEndAtTheTime_data() {
        QTest::addColumn<QString>("steps"); // in a 100 s file from 5 s, stopped; \r is Enter
        QTest::addColumn<bool>("playing");
        QTest::addColumn<QString>("shown");
        // The end is sent as one millisecond past it, where the device stops at the end.
        QTest::newRow("past the end") << "left 200\r" << false << "00:01:40:00";
        QTest::newRow("m:ss") << "left 1:30\r" << false << "00:01:30:00";
        QTest::newRow("letters") << "left abc\r" << false << "00:00:00:00";
        QTest::newRow("right click") << "play right 40\r" << true << "00:00:05:00";
        // What is typed during playback is kept until committed; then playback is followed.
        QTest::newRow("typing") << "play left 1:3 tick \r play tick" << true << "00:01:03:25";
        QTest::newRow("typed, left") << "play left 45 leave play tick" << true << "00:00:45:25";
        // Passing the focus through, or leaving after Enter, does not disturb playback.
        QTest::newRow("never clicked") << "play tick tab leave" << true << "00:00:05:25";
        QTest::newRow("Enter, left") << "left 10\r play tick leave" << true << "00:00:10:25";
        QTest::newRow("Go To Time, walk") << "walk tick goto:1:00" << false << "00:01:00:00";
        QTest::newRow("Go To Time cancelled") << "play tick goto:" << false << "00:00:05:25";
    }

    void stepsEndAtTheTime() {
        QFETCH(QString, steps);
        QFETCH(bool, playing);
        QFETCH(QString, shown);
        fixture = std::make_unique<ManualClockWindow>();
        window().show();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QVERIFY(fixture->openFile(100000));
        fixture->player().seek(5000);
        act(steps);
        QCOMPARE(field().text(), shown);
        QCOMPARE(fixture->player().state() == PlayerController::State::Playing, playing);
    }
};

QTEST_MAIN(TimeFieldEntry)
#include "time_field_entry.moc"
