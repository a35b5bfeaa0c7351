// The position slider pressed and released with the mouse: the thumb's time, and what
// pressing and releasing it do to playback.
#include "support/ManualClockWindow.h"
#include "support/TestWav.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

class SliderSeek : public QObject {
    Q_OBJECT

    static QPoint thumbCentre(QScrollBar& slider) {
        QStyleOptionSlider option;
        option.initFrom(&slider);
        option.orientation = slider.orientation();
        option.minimum = slider.minimum();
        option.maximum = slider.maximum();
        option.sliderPosition = option.sliderValue = slider.value();
        option.pageStep = slider.pageStep();
        option.singleStep = slider.singleStep();
        return slider.style()
            ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &slider)
            .center();
    }

private slots:
    void releaseSeeksToTheThumb_data() {
        QTest::addColumn<qint64>("length"); // ms
        QTest::addColumn<int>("value");     // of 100
        QTest::addColumn<qint64>("position");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a quarter") << 60000ll << 25 << 15000ll << "00:00:15:00";
        QTest::newRow("599.99 ms") << 59999ll << 1 << 600ll << "00:00:00:60";
        QTest::newRow("0.5 ms, to even") << 50ll << 1 << 0ll << "00:00:00:00";
        // 36,000,000 ms, whose product with 100 exceeds 32 bits.
        QTest::newRow("ten hours") << 36000000ll << 100 << 36000000ll << "10:00:00:00";
    }

    // Pressing stops playback and the display; the field shows the thumb's time while it
    // is dragged; releasing goes there, playback staying stopped.
    void releaseSeeksToTheThumb() {
        QFETCH(qint64, length);
        QFETCH(int, value);
        QFETCH(qint64, position);
        QFETCH(QString, shown);
        ManualClockWindow fixture;
        frmMain& window = fixture.window();
        const QString path = fixture.folder() + "/slider.wav";
        QVERIFY(writeToneFile(path, {1000, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_U8, length, 100}));
        QVERIFY(fixture.player().openFile(path));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        fixture.player().seek(length / 2);
        fixture.player().play();
        auto& slider = *window.findChild<QScrollBar*>("hsbSlider");
        QTest::mousePress(&slider, Qt::LeftButton, {}, thumbCentre(slider));
        QCOMPARE(fixture.player().state(), PlayerController::State::Idle);
        QVERIFY(!fixture.player().autoUpdate());
        slider.setValue(value); // dragged there
        QCOMPARE(window.findChild<QLineEdit*>("txtTime")->text(), shown);
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, thumbCentre(slider));
        QCOMPARE(fixture.player().state(), PlayerController::State::Idle);
        QVERIFY(fixture.player().autoUpdate());
        QCOMPARE(fixture.player().position(), position);
        QCOMPARE(window.findChild<QLineEdit*>("txtTime")->text(), shown);
    }
};

QTEST_MAIN(SliderSeek)
#include "slider_seek.moc"
