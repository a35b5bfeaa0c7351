// The main window's handlers: what the user does reaches the player; what the player
// reports is shown in the time field, on the slider, in the menus and in messages.
#include "audio/AudioFormats.h"
#include "inputs/FootPedals.h"
#include "inputs/GlobalShortcuts.h"
#include "player/PlayerController.h"
#include "timecode/modSMPTE.h"
#include "windows/Dialogs.h"
#include "windows/FootPedalPage.h"
#include "windows/GlobalKeysPage.h"
#include "windows/PlaybackPage.h"
#include "windows/TimeStampPage.h"
#include "windows/WaveformStrip.h"
#include "windows/frmAbout.h"
#include "windows/frmControls.h"
#include "windows/frmInfo.h"
#include "windows/frmMain.h"
#include "windows/frmSettings.h"
#include "windows/modErrorHandlers.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QStatusBar>

#include <cmath>

namespace {

// The media error number a count of seconds beyond the millisecond range reports.
constexpr int OverflowError = 6;

// numerator / denominator rounded to the nearest whole number, halves to the even one;
// both are not negative and the denominator is positive.
qint64 DivideRoundingHalfToEven(qint64 numerator, qint64 denominator) {
    const qint64 quotient = numerator / denominator;
    const qint64 twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

// The digit 1 to 9 of a key of the main keyboard's digit row, 0 for other keys. Where
// Shift or the layout (AZERTY) turns the key into a symbol, its position tells: the
// key codes of the digit row are 10 to 18 under X11 and Wayland.
int DigitRowKey(const QKeyEvent& key) {
    if (key.modifiers().testFlag(Qt::KeypadModifier))
        return 0;
    if (key.key() >= Qt::Key_1 && key.key() <= Qt::Key_9)
        return key.key() - Qt::Key_0;
    constexpr quint32 FirstDigitKeyCode = 10;
    const quint32 code = key.nativeScanCode();
    if (code >= FirstDigitKeyCode && code < FirstDigitKeyCode + 9)
        return int(code - FirstDigitKeyCode) + 1;
    return 0;
}

void ReportTimeCodeError(QWidget* parent, TimeCodeError error, const QString& typed) {
    if (error == TimeCodeError::TimeTooLarge)
        dialogs().message(
            parent,
            QCoreApplication::translate("frmMain", "Overflow: the time %1 is too large.")
                .arg(typed.trimmed()),
            QCoreApplication::translate("frmMain", "Error!"), Dialogs::Icon::None);
    else if (error == TimeCodeError::SecondsOutOfRange)
        MediaErrorMessage(OverflowError);
}

// The open dialog's first filter: every kind of file the player opens.
QString AudioFilesFilter() {
    QStringList patterns;
    for (const QString& extension : openableExtensions())
        patterns.append(QStringLiteral("*.") + extension);
    return frmMain::tr("Audio files") + u'|' + patterns.join(u';');
}

// The first local file among dropped URLs; "" when there is none.
QString DroppedFile(const QMimeData& data) {
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return QString();
}

} // namespace

void frmMain::ShowPosition(qint64 ms) {
    ShowTime(ms);
    UpdateSlider(ms);
}

void frmMain::ShowTime(qint64 ms) {
    txtTime->setText(MsToTimeCode(ms));
}

// Rounded to nearest with ties to even (the default floating-point rounding mode).
void frmMain::UpdateSlider(qint64 ms) {
    const qint64 length = controller->length();
    if (length <= 0)
        return;
    const double value = double(ms) / double(length) * hsbSlider->maximum();
    hsbSlider->setValue(int(std::nearbyint(value)));
}

// The toggle item names the action it offers; the repetition items are enabled while
// looping is on, and keep their check mark while it is off.
void frmMain::ShowLooping() {
    const UserSettings& settings = controller->settings();
    mnuToggleLooping->setText(settings.looping ? tr("Disable", "Looping menu")
                                               : tr("Enable", "Looping menu"));
    for (int i = 1; i < int(mnuLoopItem.size()); ++i) {
        mnuLoopItem[i]->setEnabled(settings.looping);
        mnuLoopItem[i]->setChecked(i == settings.loopCount);
    }
}

void frmMain::ShowError(const QString& message, const QString& title) {
    dialogs().message(this, message, title, Dialogs::Icon::Exclamation);
}

// Only the left button acts; Ctrl sends the jumps to the start or the end.
void frmMain::cmdPlay_MouseDown(int index, Qt::MouseButton button,
                                Qt::KeyboardModifiers modifiers) {
    if (button != Qt::LeftButton)
        return;
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    switch (index) {
    case 0:
        controller->jumpBack(ctrl);
        break;
    case 3:
        controller->jumpForward(ctrl);
        break;
    default:
        controller->run(
            PlayerController::Command(int(PlayerController::Command::JumpBack) + index));
    }
}

void frmMain::mnuOpen_Click() {
    controller->stopPositionUpdates();
    Dialogs::OpenFileRequest request;
    request.filter = AudioFilesFilter() + u'|' + tr("Wave (*.wav)|*.wav|All files (*.*)|*.*");
    request.initialFolder = controller->openFolder();
    const std::optional<QString> chosen = dialogs().openFile(this, request);
    if (chosen)
        OpenChosenFile(*chosen);
}

void frmMain::OpenChosenFile(const QString& path) {
    controller->openChosenFile(path);
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(*event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    OpenChosenFile(path);
}

// A fresh dialog each time, so it always describes the file open now.
void frmMain::mnuInfo_Click() {
    frmInfo dialog(controller->fileName(), controller->length(), this);
    dialog.exec();
}

void frmMain::BuildRecentFileMenu() {
    const QList<RecentFileItem> items = controller->recentFileItems();
    for (int index = 0; index < RecentFileMenuSize; ++index) {
        QAction* action = mnuRecentFiles[index];
        if (index < items.size()) {
            action->setText(items[index].caption);
            action->setData(items[index].tag);
            action->setCheckable(true);
            action->setChecked(items[index].checked);
        }
        action->setVisible(index < items.size());
    }
    mnuRecentFileSeparator->setVisible(!items.isEmpty());
}

void frmMain::mnuRecentFiles_Click(int index) {
    if (index < 0 || index >= RecentFileMenuSize || !mnuRecentFiles[index]->isVisible())
        return;
    const QString path =
        RecentFileItemPath(mnuRecentFiles[index]->text(), mnuRecentFiles[index]->data().toString());
    if (controller->openRecentFile(path) && controller->settings().recentFileList != 0) {
        for (int item = 0; item < RecentFileMenuSize; ++item)
            mnuRecentFiles[item]->setChecked(item == index);
    }
}

void frmMain::mnuClearFiles_Click() {
    controller->clearRecentFiles();
}

// The dialog is created when none is kept from an earlier OK. Cancel, Esc and the close
// button schedule its deletion, which is done before returning, so that the next
// Options always finds it either kept or gone.
void frmMain::mnuOptions_Click() {
    if (!settingsDialog)
        settingsDialog = new frmSettings(*controller, *this);
    settingsDialog->exec();
    if (settingsDialog)
        QCoreApplication::sendPostedEvents(settingsDialog, QEvent::DeferredDelete);
}

void frmMain::useInputs(GlobalShortcuts& keys, FootPedals& pedals) {
    globalKeys = &keys;
    footPedals = &pedals;
}

void frmMain::showStatusMessage(const QString& text) {
    constexpr int ShownMs = 5000;
    statusBar()->showMessage(text, ShownMs);
}

// Window-modal but not waited for: the player goes on while it is open.
void frmMain::mnuControls_Click() {
    auto* dialog = new frmControls(this);
    dialog->addPage(new PlaybackPage(*controller), tr("Playback"));
    dialog->addPage(new TimeStampPage(*controller), tr("Time Stamps"));
    if (globalKeys)
        dialog->addPage(new GlobalKeysPage(*globalKeys), tr("Global Keys"));
    if (footPedals)
        dialog->addPage(new FootPedalPage(*footPedals), tr("Foot Pedal"));
    dialog->open();
}

// The window keeps its width and grows by the strip's height.
void frmMain::ShowWaveform(bool shown) {
    controller->setWaveformShown(shown);
    waveformStrip->setVisible(shown);
}

// The box has no parent: it stays open when the main window closes, and the program
// ends only when the box is closed too. Choosing About again shows the same box.
void frmMain::mnuAbout_Click() {
    if (!aboutBox)
        aboutBox = new frmAbout;
    aboutBox->show();
    aboutBox->raise();
    aboutBox->activateWindow();
    PumpEvents(50);
    // The box may have been closed while the events ran.
    if (aboutBox)
        aboutBox->focusOKButton();
}

// The thumb stands for a fraction Value / Max of the file, formed in 64 bits.
qint64 frmMain::SliderPositionMs() const {
    const int maximum = hsbSlider->maximum();
    if (maximum <= 0)
        return 0;
    return DivideRoundingHalfToEven(controller->length() * hsbSlider->value(), maximum);
}

// The field shows the time under the thumb, whether or not the user was typing in it.
void frmMain::hsbSlider_Scroll() {
    ShowTime(SliderPositionMs());
}

// After a time was committed the field shows the position the player reports, in
// time code whatever form was typed, and is locked again for the position display.
void frmMain::ShowCommittedTime(qint64 ms) {
    controller->seek(ms);
    txtTime->setReadOnly(true);
}

// Commits a typed time. Only an unlocked field holds one: a locked field shows the
// position display, and committing that would seek to the position rounded to
// hundredths, interrupting playback whenever the focus merely passes through the field.
void frmMain::txtTime_Validate() {
    if (txtTime->isReadOnly())
        return;
    const QString typed = txtTime->text();
    const TimeCodeResult<QString> entry = ClampTimeEntry(typed, controller->length());
    ReportTimeCodeError(this, entry.error, typed);
    qint64 target = TimeCodeToMs(entry.value).value;
    // A target exactly at the end of the file is sent as one millisecond past it.
    if (target == controller->length())
        ++target;
    ShowCommittedTime(target);
}

void frmMain::mnuGoToTime_Click() {
    controller->stop();
    const QString answer =
        dialogs().input(this, tr("Enter new time:"), tr("Go to new time"), txtTime->text());
    if (answer.isEmpty())
        return;
    const TimeCodeResult<QString> entry = ParseTimeEntry(answer);
    ReportTimeCodeError(this, entry.error, answer);
    ShowCommittedTime(TimeCodeToMs(entry.value).value);
}

// F9 and F10 jump back and forward (with Ctrl to the start and the end), Ctrl+1 ...
// Ctrl+9 open a recent file, Space pauses and resumes. Without an open file only the
// recent files answer: the other keys pass on untouched.
bool frmMain::Form_KeyDown(const QKeyEvent& key) {
    const Qt::KeyboardModifiers held =
        key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool ctrl = held.testFlag(Qt::ControlModifier);
    if (const int digit = DigitRowKey(key); ctrl && digit > 0) {
        const int item = digit - 1;
        if (mnuRecentFiles[item]->isVisible())
            mnuRecentFiles_Click(item);
        return true;
    }
    if (!controller->isOpen())
        return false;
    switch (key.key()) {
    case Qt::Key_F9:
    case Qt::Key_F10: {
        const bool back = key.key() == Qt::Key_F9;
        if (held == Qt::NoModifier) {
            back ? controller->jumpBack() : controller->jumpForward();
            return true;
        }
        if (ctrl) {
            controller->seek(back ? 0 : controller->length());
            return true;
        }
        return false;
    }
    case Qt::Key_Space:
        // An unlocked time field still takes it; a focused walk or transport button,
        // which would press itself, does not.
        controller->togglePause();
        return isPlayerButton(QApplication::focusWidget());
    default:
        return false;
    }
}
