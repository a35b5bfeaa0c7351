// The time field: it shows the position and, once clicked, takes a time to go to.
// Go To Time asks for a time in a prompt; Update Time switches the position display.
#include "app/DeviceCommands.h"
#include "app/frmMain.h"
#include "platform/Dialogs.h"
#include "audio/MediaControl.h"
#include "timecode/modSMPTE.h"

#include <QLineEdit>

#include <limits>

namespace {

constexpr int KeyEnter = 13;

} // namespace

// After a time was committed the field shows the position the device reports, in
// time code whatever form was typed, and is locked again for the position display.
void frmMain::ShowCommittedTime() {
    UpdateTimeField();
    UpdateSlider();
    txtTime->setReadOnly(true);
}

// A left click unlocks the field for typing; the position display then leaves it alone.
void frmMain::txtTime_MouseDown(Qt::MouseButton button, int /*shift*/) {
    if (button == Qt::LeftButton)
        txtTime->setReadOnly(false);
}

bool frmMain::txtTime_KeyPress(int keyAscii) {
    if (keyAscii != KeyEnter)
        return false;
    txtTime_Validate();
    return true;
}

// Commits a typed time: seeks there and shows where the device went. Only an unlocked
// field holds a typed time. A locked field shows the position display, and committing
// that would seek the device to its own position rounded to hundredths, interrupting
// playback or a walk step whenever the focus merely passes through the field (tabbing
// across it, or leaving it after Enter has already committed).
void frmMain::txtTime_Validate() {
    if (txtTime->isReadOnly())
        return;
    const qint32 length = media->length();
    qint32 target = TimeCodeToMs(ClampTimeEntry(txtTime->text(), length));
    // A target exactly at the end of the file is sent as one millisecond past it.
    if (target == length && target < std::numeric_limits<qint32>::max())
        ++target;
    SeekAndWait(*media, target);
    ShowCommittedTime();
}

void frmMain::mnuGoToTime_Click() {
    PressPlayButton(Stop);
    const QString answer = dialogs().input(this, QStringLiteral("Enter new time:"),
                                           QStringLiteral("Go to new time"), txtTime->text());
    if (answer.isEmpty())
        return;
    SeekAndWait(*media, TimeCodeToMs(ParseTimeEntry(answer)));
    ShowCommittedTime();
}

void frmMain::mnuUpdateTime_Click() {
    setAutoUpdate(!autoUpdate);
}

// The item is hidden and has no command.
void frmMain::mnuTimeStamp_Click() {}
