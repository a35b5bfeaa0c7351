// The sentences for the media control's error numbers, shown in an exclamation box with
// no title; and PumpEvents, which lets pending events run a given number of times.
#include "messages/modErrorHandlers.h"
#include "support/ScriptedDialogs.h"

#include <QTest>

class MediaErrorMessages : public QObject {
    Q_OBJECT

private slots:
    void messageForEachNumber_data();
    void messageForEachNumber();
    void pumpEventsRunsOnePassPerCount_data();
    void pumpEventsRunsOnePassPerCount();
};

void MediaErrorMessages::messageForEachNumber_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("30257") << 30257 << "Invalid device id.";
    QTest::newRow("30263") << 30263 << "The device is not open or is not known.";
    QTest::newRow("30266") << 30266 << "Error load media device driver.";
    QTest::newRow("30274") << 30274 << "Action not available for this device.";
    QTest::newRow("30304") << 30304 << "Invalid filename.";
    QTest::newRow("overflow") << 6 << "Unknown error (6).";
    QTest::newRow("another device error") << 30258 << "Unknown error (30258).";
    QTest::newRow("negative") << -1 << "Unknown error (-1).";
}

void MediaErrorMessages::messageForEachNumber() {
    QFETCH(int, number);
    QFETCH(QString, text);
    ScriptedDialogs scripted;
    ScopedDialogs installed(scripted);
    MediaErrorMessage(number);
    QCOMPARE(scripted.calls().size(), 1);
    const ScriptedDialogs::Call& call = scripted.calls().first();
    QCOMPARE(call.kind, ScriptedDialogs::Kind::Message);
    QCOMPARE(call.text, text);
    QCOMPARE(call.title, QString());
    QCOMPARE(call.icon, Dialogs::Icon::Exclamation);
    QCOMPARE(MediaErrorText(number), text);
}

namespace {

// Counts the events it receives and posts itself another each time: a chain that
// advances one link per pass of the event loop. Its pending event dies with it.
class EventChain : public QObject {
public:
    EventChain() { post(); }
    int linksRun = 0;

protected:
    void customEvent(QEvent*) override {
        ++linksRun;
        post();
    }

private:
    void post() { QCoreApplication::postEvent(this, new QEvent(QEvent::User)); }
};

} // namespace

void MediaErrorMessages::pumpEventsRunsOnePassPerCount_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("linksRun");
    QTest::newRow("negative") << -5 << 0;
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("three") << 3 << 3;
}

void MediaErrorMessages::pumpEventsRunsOnePassPerCount() {
    QFETCH(int, count);
    QFETCH(int, linksRun);
    EventChain chain;
    PumpEvents(count);
    QCOMPARE(chain.linksRun, linksRun);
}

QTEST_MAIN(MediaErrorMessages)
#include "media_error_messages.moc"
