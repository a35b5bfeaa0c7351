// The position slider: the thumb's time, and what pressing and releasing it do to playback.
#include "support/ManualClockWindow.h"
#include "support/TestWav.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

class SliderSeek : public QObject {
    Q_OBJECT

private slots:
    void releaseSeeksToTheThumb_data() {
        QTest::addColumn<qint32>("length"); // ms
        QTest::addColumn<int>("value");     // of 100
        QTest::addColumn<qint32>("heard");  // of a walk started at 5 s, or -1 for playback
        QTest::addColumn<qint32>("position");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a quarter") << 60000 << 25 << -1 << 15000 << "00:00:15:00";
        QTest::newRow("599.99 ms") << 59999 << 1 << -1 << 600 << "00:00:00:60";
        QTest::newRow("0.5 ms, to even") << 50 << 1 << -1 << 0 << "00:00:00:00";
        // 36,000,000 ms, whose product with 100 exceeds 32 bits.
        QTest::newRow("ten hours") << 36000000 << 100 << -1 << 36000000 << "10:00:00:00";
        // The walk starts again with the step that ends at the thumb (Step is 4 s).
        QTest::newRow("walk, in a step") << 60000 << 50 << 1000 << 26000 << "00:00:30:00";
        QTest::newRow("walk, in the rest") << 60000 << 50 << 4000 << 26000 << "00:00:30:00";
    }

    // Any button stops playback and the display; the field shows the thumb's time.
    void releaseSeeksToTheThumb() {
        QFETCH(qint32, length);
        QFETCH(int, value);
        QFETCH(qint32, heard);
        QFETCH(qint32, position);
        QFETCH(QString, shown);
        ManualClockWindow fixture;
        frmMain& window = fixture.window();
        const QString path = fixture.folder() + "/slider.wav";
        QVERIFY(writeToneFile(path, {1000, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_U8, length, 100}));
        QVERIFY(window.OpenAudioFile(path) != 0);
        fixture.seekTo(5000);
        heard < 0 ? window.PressPlayButton(2) : window.cmdLoop_Click(0);
        fixture.clock().advance(std::max(heard, 0));
        QTRY_COMPARE(window.resting(), heard == window.Step());
        window.hsbSlider_MouseDown(Qt::RightButton, 0);
        QTest::qWait(heard < 0 ? 0 : 2 * window.Pause()); // no step may start while held
        QVERIFY(fixture.device().mode() != MediaControl::ModePlaying && !window.AutoUpdate());
        window.findChild<QScrollBar*>("hsbSlider")->setValue(value);
        window.hsbSlider_Scroll();
        emit fixture.device().statusUpdate();
        QCOMPARE(window.findChild<QLineEdit*>("txtTime")->text(), shown);
        window.hsbSlider_MouseUp(Qt::RightButton, 0);
        QCOMPARE(fixture.device().mode() == MediaControl::ModePlaying, heard >= 0);
        QVERIFY(window.AutoUpdate());
        QCOMPARE(fixture.device().position(), position);
    }
};

QTEST_MAIN(SliderSeek)
#include "slider_seek.moc"
