#pragma once

#include <QDialog>
#include <QPointer>

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class PlayerController;
struct UserSettings;

// The Options dialog: the four walk durations (shown and typed in seconds with two
// decimals), the default folder for audio files and the recent file list's settings.
// OK writes them into the player's settings and hides the dialog, which keeps
// its state for the next showing; Cancel, Esc and the close button delete it without
// writing anything. Only "Clear List" (and OK with the list switched off) touches the
// store, through the recent file list.
//
// A time box holding no number of seconds above 0.01 cannot be left for another
// control of the dialog: the move is refused with a message and the click, key or
// mnemonic that asked for it does nothing.
class frmSettings : public QDialog {
    Q_OBJECT
public:
    // Fills the controls from the player's settings (the folder from the store). The
    // folder chooser is kept as a child of owner.
    frmSettings(PlayerController& player, QWidget& owner);

    // index 0..3: step, offset, pause, jump. Sets cancel when the box must keep the focus.
    void txtSetting_Validate(int index, bool& cancel);
    void cmdDefault_Click();
    void cmdChooseFolder_Click();
    void cmdClearFiles_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    // Esc, Cancel and the close button: the dialog is deleted once it has closed.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMaxFilesArrows();
    void arrangeControls();
    void arrangeTabOrder();
    void connectHandlers();
    void watchControls();
    void Form_Load();
    void Form_Activate();
    void UpDown1_Click(int delta);
    int TimeBoxIndex(const QObject* object) const;
    bool LeaveTimeBox(int index);
    bool TimeBoxFocusOut(Qt::FocusReason reason);
    bool MayLeaveTimeBoxFor(const QWidget* control);
    bool UpDown1_KeyDown(int key);
    void ShowDuration(int index, qint64 ms);
    void ShowDurations(const UserSettings& settings);

    PlayerController& player;
    QWidget& owner;

    QPushButton* cmdOK = nullptr;
    std::array<QLineEdit*, 4> txtSetting{};
    QPushButton* cmdDefault = nullptr;
    QLineEdit* txtFolder = nullptr;
    QPushButton* cmdChooseFolder = nullptr;
    QCheckBox* chkRecentFiles = nullptr;
    QLineEdit* txtMaxFiles = nullptr;
    QPushButton* cmdClearFiles = nullptr;
    QPushButton* cmdCancel = nullptr;
    QWidget* UpDown1 = nullptr;
    std::array<QLabel*, 4> durationLabels{}; // Label10, Label8, Label9, Label1
    QLabel* Label4 = nullptr;
    QLabel* Picture2 = nullptr;
    QFrame* Line2 = nullptr;
    QFrame* Line1_0 = nullptr;

    // The time box that had the focus last, until the focus has left it validated for
    // another control of the dialog.
    QPointer<QLineEdit> focusedBox;
    // Set while a time box is being validated, so that the focus moves of the message
    // box do not validate again.
    bool validating = false;
    // A refused mouse click: the press that follows the refused focus move is dropped.
    bool dropNextPress = false;
};
