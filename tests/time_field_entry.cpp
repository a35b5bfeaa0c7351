// Typing a time into the time field, Go To Time and Update Time, on the null output with
// a clock the test drives: where the device goes and what the field shows afterwards.
#include "support/ManualClockWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace {

constexpr int PlayButton = 2;
constexpr int WalkCommand = 0;

} // namespace

class TimeFieldEntry : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { fixture.reset(); }
    void enterSeeksToTheTypedTime_data();
    void enterSeeksToTheTypedTime();
    void rightClickLeavesTheFieldLocked();
    void leavingTheFieldCommitsOnlyATypedTime_data();
    void leavingTheFieldCommitsOnlyATypedTime();
    void playbackDoesNotOverwriteWhatIsTyped();
    void goToTimeStopsAndSeeks_data();
    void goToTimeStopsAndSeeks();

private:
    frmMain& window() { return fixture->window(); }
    MediaControl& device() { return fixture->device(); }
    QLineEdit& field() { return *window().findChild<QLineEdit*>(QStringLiteral("txtTime")); }
    void play() { window().PressPlayButton(PlayButton); }
    // Clicks into the field and replaces its text by typing, as the user does.
    void typeIntoField(const QString& text);
    void moveFocusOutOfField();

    std::unique_ptr<ManualClockWindow> fixture;
};

void TimeFieldEntry::init() {
    fixture = std::make_unique<ManualClockWindow>();
    window().show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
}

void TimeFieldEntry::typeIntoField(const QString& text) {
    QTest::mouseClick(&field(), Qt::LeftButton);
    QVERIFY(!field().isReadOnly());
    field().selectAll();
    QTest::keyClicks(&field(), text);
}

void TimeFieldEntry::moveFocusOutOfField() {
    QVERIFY(field().hasFocus());
    window().findChild<QToolButton*>(QStringLiteral("cmdLoop_0"))->setFocus(Qt::TabFocusReason);
    QVERIFY(!field().hasFocus());
}

void TimeFieldEntry::enterSeeksToTheTypedTime_data() {
    QTest::addColumn<qint32>("length");
    QTest::addColumn<qint32>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint32>("position");
    QTest::addColumn<QString>("shown");

    // The end of the file is sent as one millisecond past it; the device stops at the
    // end, which is all that can be seen of that.
    QTest::newRow("seconds past the end stop at the end")
        << 10000 << 3000 << "20" << 10000 << "00:00:10:00";
    QTest::newRow("minutes and seconds") << 120000 << 0 << "1:30" << 90000 << "00:01:30:00";
    QTest::newRow("letters go to the start") << 120000 << 50000 << "abc" << 0 << "00:00:00:00";
}

void TimeFieldEntry::enterSeeksToTheTypedTime() {
    QFETCH(qint32, length);
    QFETCH(qint32, start);
    QFETCH(QString, typed);
    QFETCH(qint32, position);
    QFETCH(QString, shown);
    QVERIFY(fixture->openFile(length));
    fixture->seekTo(start);

    typeIntoField(typed);
    QTest::keyClick(&field(), Qt::Key_Return);

    QCOMPARE(device().position(), position);
    QCOMPARE(field().text(), shown);
    QVERIFY(field().isReadOnly());
    QVERIFY(field().hasFocus());
}

void TimeFieldEntry::rightClickLeavesTheFieldLocked() {
    QVERIFY(fixture->openFile(60000));
    fixture->seekTo(5000);
    window().UpdateTimeField();

    QTest::mouseClick(&field(), Qt::RightButton);
    QVERIFY(field().isReadOnly());
    QTest::keyClicks(&field(), "40");
    QTest::keyClick(&field(), Qt::Key_Return);

    QCOMPARE(field().text(), QStringLiteral("00:00:05:00"));
    QCOMPARE(device().position(), 5000);
}

void TimeFieldEntry::leavingTheFieldCommitsOnlyATypedTime_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enterFirst");
    QTest::addColumn<bool>("stillPlaying");
    QTest::addColumn<qint32>("position");

    // A field that was never clicked only shows the position: passing the focus through
    // it must not disturb playback.
    QTest::newRow("never clicked") << QString() << false << true << 11000;
    QTest::newRow("typed, then left") << "45" << false << false << 45000;
    // Enter already committed; playback started afterwards goes on.
    QTest::newRow("committed with Enter") << "10" << true << true << 11000;
}

void TimeFieldEntry::leavingTheFieldCommitsOnlyATypedTime() {
    QFETCH(QString, typed);
    QFETCH(bool, enterFirst);
    QFETCH(bool, stillPlaying);
    QFETCH(qint32, position);
    QVERIFY(fixture->openFile(60000));
    fixture->seekTo(10000);
    if (enterFirst) {
        typeIntoField(typed);
        QTest::keyClick(&field(), Qt::Key_Return);
    }
    play();
    fixture->clock().advance(1000);
    if (typed.isEmpty())
        field().setFocus(Qt::TabFocusReason);
    else if (!enterFirst)
        typeIntoField(typed);

    moveFocusOutOfField();

    QCOMPARE(device().mode() == MediaControl::ModePlaying, stillPlaying);
    QCOMPARE(device().position(), position);
    QVERIFY(field().isReadOnly());
}

void TimeFieldEntry::playbackDoesNotOverwriteWhatIsTyped() {
    QVERIFY(fixture->openFile(120000));
    play();
    fixture->clock().advance(1000);
    emit device().statusUpdate();
    QCOMPARE(field().text(), QStringLiteral("00:00:01:00"));

    typeIntoField(QStringLiteral("1:3"));
    fixture->clock().advance(500);
    emit device().statusUpdate();
    QCOMPARE(field().text(), QStringLiteral("1:3"));

    // Once committed the field follows playback again.
    QTest::keyClick(&field(), Qt::Key_Return);
    QCOMPARE(field().text(), QStringLiteral("00:01:03:00"));
    play();
    fixture->clock().advance(250);
    emit device().statusUpdate();
    QCOMPARE(field().text(), QStringLiteral("00:01:03:25"));
}

void TimeFieldEntry::goToTimeStopsAndSeeks_data() {
    QTest::addColumn<bool>("walk");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<qint32>("position");

    // The walk's step 26-30 s is interrupted; Stop returns to the step's end first.
    QTest::newRow("a time during a walk ends it") << true << "00:01:00:00"
                                                  << "00:00:30:00" << 60000;
    QTest::newRow("cancelled: stopped where playback was")
        << false << QString() << "00:00:32:00" << 32000;
}

void TimeFieldEntry::goToTimeStopsAndSeeks() {
    QFETCH(bool, walk);
    QFETCH(QString, answer);
    QFETCH(QString, offered);
    QFETCH(qint32, position);
    QVERIFY(fixture->openFile(120000));
    fixture->seekTo(30000);
    if (walk)
        window().cmdLoop_Click(WalkCommand);
    else
        play();
    fixture->clock().advance(2000);
    fixture->prompts().queueInput(answer);

    window().findChild<QAction*>(QStringLiteral("mnuGoToTime"))->trigger();

    const auto prompts = fixture->prompts().callsOf(ScriptedDialogs::Kind::Input);
    QCOMPARE(prompts.size(), 1);
    QCOMPARE(prompts[0].text, QStringLiteral("Enter new time:"));
    QCOMPARE(prompts[0].title, QStringLiteral("Go to new time"));
    QCOMPARE(prompts[0].defaultText, offered);
    QCOMPARE(device().mode(), int(MediaControl::ModeStopped));
    QVERIFY(!window().walking());
    QCOMPARE(device().position(), position);
}

QTEST_MAIN(TimeFieldEntry)
#include "time_field_entry.moc"
