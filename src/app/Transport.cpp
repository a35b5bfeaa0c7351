// The transport commands (Jump Back, Stop, Play, Jump Forward), the media control's
// notifications and the position display in the time field and on the slider.
#include "app/DeviceCommands.h"
#include "app/frmMain.h"
#include "audio/MediaControl.h"
#include "timecode/modSMPTE.h"

#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr int PlayingUpdateIntervalMs = 50;

qint32 ClampToFile(qint64 ms, qint32 length) {
    return qint32(std::clamp<qint64>(ms, 0, std::max(0, length)));
}

} // namespace

// Acts when the left mouse button goes down on a transport button. Every transport
// command ends a walk and cancels a pending rest, so no further step follows it.
void frmMain::cmdPlay_MouseDown(int index, Qt::MouseButton button, int shift) {
    if (button != Qt::LeftButton)
        return;
    const bool ctrl = (shift & CtrlHeld) != 0;
    restTimer.stop();
    setAutoUpdate(true);
    StopPlayback();
    if (stepPending) {
        // An interrupted step leaves the device at the end of that step.
        stepPending = false;
        SeekAndWait(*media, stepEnd);
    }
    UpdateTimeField();
    UpdateSlider();

    // A jump keeps the play state: playing goes on from the new place.
    const auto jumpTo = [this](qint32 target) {
        SeekAndWait(*media, target);
        if (isPlaying && !isWalking) {
            PressPlayButton(Play);
        } else {
            UpdateTimeField();
            UpdateSlider();
        }
    };
    const qint32 length = media->length();
    switch (index) {
    case JumpBack:
        jumpTo(ctrl ? 0 : ClampToFile(qint64(media->position()) - jump, length));
        break;
    case JumpForward:
        if (ctrl) {
            // Ctrl+Jump Forward goes to the end and playing stops there.
            isPlaying = false;
            isWalking = false;
        }
        jumpTo(ctrl ? length : ClampToFile(qint64(media->position()) + jump, length));
        break;
    case Stop:
        if (isWalking) {
            isWalking = false;
            UpdateTimeField();
            UpdateSlider();
        }
        isPlaying = false;
        break;
    case Play:
        if (media->position() >= length)
            SeekAndWait(*media, 0);
        media->setNotify(false);
        media->setWait(false);
        media->setCommand(QStringLiteral("play"));
        media->setUpdateInterval(PlayingUpdateIntervalMs);
        isPlaying = true;
        break;
    default:
        break;
    }
    isWalking = false;
}

void frmMain::PressPlayButton(int index) {
    cmdPlay_MouseDown(index, Qt::LeftButton, 0);
}

void frmMain::mnuPlay_Click(int index) {
    PressPlayButton(index);
}

void frmMain::StopPlayback() {
    media->setWait(true);
    media->setCommand(QStringLiteral("Stop"));
    media->setUpdateInterval(0);
}

void frmMain::UpdateTimeField() {
    txtTime->setText(MsToTimeCode(media->position()));
}

void frmMain::UpdateSlider() {
    const qint32 length = media->length();
    if (length <= 0)
        return;
    // Rounded to nearest with ties to even (the default floating-point rounding mode).
    const double value = double(media->position()) / length * hsbSlider->maximum();
    hsbSlider->setValue(int(std::nearbyint(value)));
}

// The position display follows normal playback unless a walk shows its step's end, the
// user switched the display off, or the user is typing a time into the field.
void frmMain::mciWave_StatusUpdate() {
    if (!isWalking && autoUpdate && txtTime->isReadOnly()) {
        UpdateTimeField();
        UpdateSlider();
    }
}

void frmMain::mciWave_Done(int notifyCode) {
    if (notifyCode != MediaControl::NotifySuccessful)
        return;
    stepPending = false;
    ContinueWalk();
}
