// The position slider on the null output with a clock the test drives: the time of the
// thumb, what pressing and releasing it does to playback and to a running walk.
#include "support/ManualClockWindow.h"
#include "support/TestWav.h"

#include <QAction>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace {

constexpr int PlayButton = 2;
constexpr int WalkCommand = 0;

} // namespace

class SliderSeek : public QObject {
    Q_OBJECT

private slots:
    void init() { fixture = std::make_unique<ManualClockWindow>(); }
    void cleanup() { fixture.reset(); }
    void releaseSeeksToTheThumb_data();
    void releaseSeeksToTheThumb();
    void pressStopsPlaybackAndTheDisplay();
    void releaseDuringWalkRestartsItFromTheThumb_data();
    void releaseDuringWalkRestartsItFromTheThumb();

private:
    frmMain& window() { return fixture->window(); }
    MediaControl& device() { return fixture->device(); }
    QLineEdit& field() { return *window().findChild<QLineEdit*>(QStringLiteral("txtTime")); }
    QScrollBar& slider() { return *window().findChild<QScrollBar*>(QStringLiteral("hsbSlider")); }
    bool playing() { return device().mode() == MediaControl::ModePlaying; }

    std::unique_ptr<ManualClockWindow> fixture;
};

void SliderSeek::releaseSeeksToTheThumb_data() {
    QTest::addColumn<int>("sampleRate");
    QTest::addColumn<qint64>("frames");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<qint32>("position");
    QTest::addColumn<QString>("shown");

    QTest::newRow("a quarter of a minute")
        << 1000 << qint64(60000) << 100 << 25 << 15000 << "00:00:15:00";
    QTest::newRow("599.99 ms rounds to 600")
        << 1000 << qint64(59999) << 100 << 1 << 600 << "00:00:00:60";
    QTest::newRow("half a millisecond rounds down to even")
        << 1000 << qint64(50) << 100 << 1 << 0 << "00:00:00:00";
    QTest::newRow("the maximum is read when needed")
        << 1000 << qint64(60000) << 1000 << 250 << 15000 << "00:00:15:00";
    // Ten hours at 100 Hz: 36,000,000 ms, whose product with 100 exceeds 32 bits.
    QTest::newRow("ten hours, at the end")
        << 100 << qint64(3600000) << 100 << 100 << 36000000 << "10:00:00:00";
}

void SliderSeek::releaseSeeksToTheThumb() {
    QFETCH(int, sampleRate);
    QFETCH(qint64, frames);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(qint32, position);
    QFETCH(QString, shown);
    ToneFile tone;
    tone.sampleRate = sampleRate;
    tone.channels = 1;
    tone.format = SF_FORMAT_WAV | SF_FORMAT_PCM_U8;
    tone.frames = frames;
    tone.frequency = sampleRate / 10.0;
    const QString path = fixture->folder() + QStringLiteral("/slider.wav");
    QVERIFY(writeToneFile(path, tone));
    QVERIFY(window().OpenAudioFile(path) != 0);
    slider().setMaximum(maximum);

    window().hsbSlider_MouseDown(Qt::LeftButton, 0);
    slider().setValue(value);
    window().hsbSlider_Scroll();
    QCOMPARE(field().text(), shown);
    window().hsbSlider_MouseUp(Qt::LeftButton, 0);

    QCOMPARE(device().position(), position);
    QCOMPARE(field().text(), shown);
    QCOMPARE(slider().value(), value);
}

void SliderSeek::pressStopsPlaybackAndTheDisplay() {
    QVERIFY(fixture->openFile(60000));
    const auto* updateTime = window().findChild<QAction*>(QStringLiteral("mnuUpdateTime"));
    window().PressPlayButton(PlayButton);
    fixture->clock().advance(2000);

    window().hsbSlider_MouseDown(Qt::RightButton, 0);
    QVERIFY(!playing());
    QVERIFY(!window().AutoUpdate());
    QVERIFY(!updateTime->isChecked());
    slider().setValue(50);
    window().hsbSlider_Scroll();
    emit device().statusUpdate();
    QCOMPARE(slider().value(), 50);
    QCOMPARE(field().text(), QStringLiteral("00:00:30:00"));

    window().hsbSlider_MouseUp(Qt::RightButton, 0);
    QVERIFY(window().AutoUpdate());
    QVERIFY(updateTime->isChecked());
    QCOMPARE(device().position(), 30000);
    QVERIFY(!playing());
}

void SliderSeek::releaseDuringWalkRestartsItFromTheThumb_data() {
    QTest::addColumn<qint32>("heard");

    QTest::newRow("during a step") << 1000;
    QTest::newRow("during the rest") << 4000;
}

void SliderSeek::releaseDuringWalkRestartsItFromTheThumb() {
    QFETCH(qint32, heard);
    QVERIFY(fixture->openFile(60000));
    window().setStep(4000);
    window().setOffset(1100);
    window().setPause(200);
    window().mnuLoopItem_Click(1);
    window().cmdLoop_Click(WalkCommand);
    fixture->clock().advance(heard);
    QTRY_COMPARE(window().resting(), heard == window().Step());

    window().hsbSlider_MouseDown(Qt::LeftButton, 0);
    // Held longer than the rest: no step may start during the drag.
    QTest::qWait(window().Pause() * 2);
    QVERIFY(!playing());
    slider().setValue(50);
    window().hsbSlider_Scroll();
    window().hsbSlider_MouseUp(Qt::LeftButton, 0);

    QVERIFY(window().walking());
    QVERIFY(playing());
    QCOMPARE(window().currentStepEnd(), 30000);
    QCOMPARE(device().position(), 26000);
    QCOMPARE(field().text(), QStringLiteral("00:00:30:00"));
    // The walk goes on from there: after the step and its rest comes the next window.
    fixture->clock().advance(4000);
    QTRY_COMPARE(window().currentStepEnd(), 31100);
    QVERIFY(playing());
}

QTEST_MAIN(SliderSeek)
#include "slider_seek.moc"
