// The window's own keys, seen before the focused control: F9 and F10 jump back and
// forward (with Ctrl to the start and the end), Ctrl+1 ... Ctrl+9 open a recent file,
// Space pauses and resumes. The menu shortcuts are the menu items' own.
#include "app/DeviceCommands.h"
#include "app/frmMain.h"
#include "audio/MediaControl.h"

#include <QAction>

namespace {

constexpr int KeySpace = 32;
constexpr int KeyDigit1 = 49;
constexpr int KeyDigit9 = 57;
constexpr int KeyF9 = 120;
constexpr int KeyF10 = 121;

} // namespace

// Returns true when the key is consumed, so that the focused control never sees it.
// Without an open file only the recent files answer: the other keys would command a
// device that has nothing to play, so they pass on untouched.
bool frmMain::Form_KeyDown(int keyCode, int shift) {
    const bool ctrl = (shift & CtrlHeld) != 0;
    if (ctrl && keyCode >= KeyDigit1 && keyCode <= KeyDigit9) {
        const int item = keyCode - KeyDigit1;
        if (mnuRecentFiles[item]->isVisible())
            mnuRecentFiles_Click(item);
        return true;
    }
    if (media->mode() == MediaControl::ModeNotOpen)
        return false;
    switch (keyCode) {
    case KeyF9:
    case KeyF10: {
        const bool back = keyCode == KeyF9;
        if (shift == 0) {
            PressPlayButton(back ? JumpBack : JumpForward);
            return true;
        }
        if (ctrl) {
            SeekAndWait(*media, back ? 0 : media->length());
            UpdateTimeField();
            UpdateSlider();
            return true;
        }
        return false;
    }
    case KeySpace:
        // Play and pause: a focused button or an unlocked time field still takes it.
        media->setCommand(QStringLiteral("pause"));
        return false;
    default:
        return false;
    }
}
