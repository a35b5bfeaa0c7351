// The position slider: pressing it stops the device, dragging shows the thumb's time in
// the time field, releasing it seeks there (and restarts a walk from there).
#include "app/DeviceCommands.h"
#include "app/frmMain.h"
#include "audio/MediaControl.h"
#include "timecode/modSMPTE.h"

#include <QLineEdit>
#include <QScrollBar>

namespace {

// numerator / denominator rounded to the nearest whole number, halves to the even one;
// both are not negative and the denominator is positive.
qint64 DivideRoundingHalfToEven(qint64 numerator, qint64 denominator) {
    const qint64 quotient = numerator / denominator;
    const qint64 twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

} // namespace

// The thumb stands for a fraction Value / Max of the file. The product is formed in
// 64 bits: in 32 bits it overflows for files of about six hours and more.
qint32 frmMain::SliderPositionMs() const {
    const int maximum = hsbSlider->maximum();
    if (maximum <= 0)
        return 0;
    const qint64 product = qint64(media->length()) * hsbSlider->value();
    return qint32(DivideRoundingHalfToEven(product, maximum));
}

// Any button: the device stops and the display stops following it during the drag. A
// walk's pending rest is cancelled too, so no step starts while the thumb is held.
void frmMain::hsbSlider_MouseDown(Qt::MouseButton /*button*/, int /*shift*/) {
    restTimer.stop();
    media->setCommand(QStringLiteral("stop"));
    setAutoUpdate(false);
}

// The field shows the time under the thumb, whether or not the user was typing in it.
void frmMain::hsbSlider_Scroll() {
    txtTime->setText(MsToTimeCode(SliderPositionMs()));
}

// A walk starts again from where the thumb was released: the step that was playing when
// the slider was pressed is dropped rather than replayed. Playback that was running
// stays stopped.
void frmMain::hsbSlider_MouseUp(Qt::MouseButton /*button*/, int /*shift*/) {
    setAutoUpdate(true);
    SeekAndWait(*media, SliderPositionMs());
    if (isWalking) {
        stepPending = false;
        cmdLoop_Click(Walk);
    } else {
        UpdateTimeField();
    }
}
