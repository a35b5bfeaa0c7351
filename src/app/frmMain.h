#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <array>
#include <memory>

class AudioOutput;
class MediaControl;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;
class QToolButton;
class frmSettings;
class frmAbout;

// The main window: it owns the media control and all playback and walk state, and
// every other window reads and writes the settings in use through its properties.
// Member functions live in the folder of the subsystem they belong to:
//   app/       construction, start-up, shutdown, transport, opening files
//   walk/      walk engine, Looping menu, slider, keys
//   timecode/  time field and go-to-time
//   settings/  loading and saving the settings, the Options command
//   files/     recent file menu, file information
//   messages/  Help menu and About
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Without an output the media control plays through the sound server.
    explicit frmMain(std::unique_ptr<AudioOutput> output = {}, QWidget* parent = nullptr);
    ~frmMain() override;

    // Settings in use. The setters store the value unchanged; setAutoUpdate also sets
    // the check mark of "&Update Time".
    bool AutoUpdate() const { return autoUpdate; }
    void setAutoUpdate(bool value);
    qint32 Step() const { return step; }
    void setStep(qint32 value) { step = value; }
    qint32 Offset() const { return offset; }
    void setOffset(qint32 value) { offset = value; }
    qint32 Pause() const { return pause; }
    void setPause(qint32 value) { pause = value; }
    qint32 Jump() const { return jump; }
    void setJump(qint32 value) { jump = value; }
    qint16 MaxFiles() const { return maxFiles; }
    void setMaxFiles(qint16 value) { maxFiles = value; }
    qint16 RecentFileList() const { return recentFileList; }
    void setRecentFileList(qint16 value) { recentFileList = value; }
    QString DefaultAudioFolder() const { return defaultAudioFolder; }
    void setDefaultAudioFolder(const QString& value) { defaultAudioFolder = value; }

    MediaControl& mciWave() { return *media; }

    // Indexes of the transport buttons (cmdPlay, mnuPlay, PressPlayButton) and of the walk
    // commands (cmdLoop, mnuLoop), and the modifier bits of the handlers' shift state.
    enum TransportIndex { JumpBack = 0, Stop = 1, Play = 2, JumpForward = 3 };
    enum LoopIndex { Walk = 0, PreviousStep = 1, CurrentStep = 2, NextStep = 3 };
    enum ShiftState { ShiftHeld = 1, CtrlHeld = 2, AltHeld = 4 };

    // --- shared procedures -------------------------------------------------------
    void EnableControls(bool state);
    void UpdateStatusBar();
    void PressPlayButton(int index);
    void StopPlayback();
    void UpdateTimeField();
    void UpdateSlider();
    int OpenAudioFile(QString path);
    // Opens a file the user chose (open dialog or command line): opens it, shows it in
    // the status bar and makes its folder the open dialog's next starting folder.
    void OpenChosenFile(const QString& path);
    qint16 LoopRepetitionCount() const;
    void LoadSettings();
    void SaveSettings();
    void BuildRecentFileMenu();

    // --- handlers (also reachable from code, as pressing a button in code) -------
    // shift: Shift 1, Ctrl 2, Alt 4, combined.
    void cmdPlay_MouseDown(int index, Qt::MouseButton button, int shift);
    void mnuPlay_Click(int index);
    void cmdLoop_Click(int index);
    void mnuLoop_Click(int index);
    void mnuToggleLooping_Click();
    void mnuLoopItem_Click(int index);
    void mnuOpen_Click();
    void mnuExit_Click();
    void mnuInfo_Click();
    void mnuRecentFiles_Click(int index);
    void mnuClearFiles_Click();
    void mnuOptions_Click();
    void mnuGoToTime_Click();
    void mnuUpdateTime_Click();
    void mnuTimeStamp_Click();
    void mnuConents_Click();
    void mnuIndex_Click();
    void mnuSearch_Click();
    void mnuAbout_Click();
    void mnuStartHere_Click();
    void hsbSlider_MouseDown(Qt::MouseButton button, int shift);
    void hsbSlider_Scroll();
    void hsbSlider_MouseUp(Qt::MouseButton button, int shift);
    void txtTime_MouseDown(Qt::MouseButton button, int shift);
    // Returns true when the key was swallowed.
    bool txtTime_KeyPress(int keyAscii);
    void txtTime_Validate();
    // The window's own keys, seen before the focused control; returns true when the
    // key is consumed. keyCode uses the desktop key codes (F9 = 120, '1' = 49, ...).
    bool Form_KeyDown(int keyCode, int shift);
    void mciWave_StatusUpdate();
    void mciWave_Done(int notifyCode);

    // Walk state, readable for tests and the benchmark.
    bool walking() const { return isWalking; }
    bool stepIsPending() const { return stepPending; }
    qint32 currentStepEnd() const { return stepEnd; }
    bool resting() const { return restTimer.isActive(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void connectHandlers();
    void startUp();
    void shutDown();
    // Walk continuation after a step was heard to its end.
    void ContinueWalk();
    void EndRest();
    qint32 SliderPositionMs() const;
    void ShowCommittedTime();

    std::unique_ptr<MediaControl> media;

    // Controls, named as the handlers name them.
    std::array<QToolButton*, 4> cmdLoop{};
    std::array<QToolButton*, 4> cmdPlay{};
    QLineEdit* txtTime = nullptr;
    QScrollBar* hsbSlider = nullptr;
    QLabel* statusText = nullptr;
    QLabel* outputStatus = nullptr;

    // Menus and their items; mnuLoopItem is addressed 1..5 (index 0 unused).
    QMenu* mnuFile = nullptr;
    QMenu* mnuPlayMenu = nullptr;
    QMenu* mnuLoops = nullptr;
    QMenu* mnuTools = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuOpen = nullptr;
    QAction* mnuInfo = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuRecentFileSeparator = nullptr;
    std::array<QAction*, 9> mnuRecentFiles{};
    std::array<QAction*, 4> mnuPlay{};
    std::array<QAction*, 4> mnuLoop{};
    QAction* mnuToggleLooping = nullptr;
    std::array<QAction*, 6> mnuLoopItem{};
    QAction* mnuOptions = nullptr;
    QAction* mnuClearFiles = nullptr;
    QAction* mnuGoToTime = nullptr;
    QAction* mnuUpdateTime = nullptr;
    QAction* mnuTimeStamp = nullptr;
    QAction* mnuConents = nullptr;
    QAction* mnuIndex = nullptr;
    QAction* mnuSearch = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuStartHere = nullptr;

    // Secondary windows, created on first use.
    QPointer<frmSettings> settingsDialog;
    QPointer<frmAbout> aboutBox;

    // Settings in use.
    bool autoUpdate = true;
    qint32 step = 4000;
    qint32 offset = 1100;
    qint32 pause = 600;
    qint32 jump = 4000;
    qint16 maxFiles = 9;
    qint16 recentFileList = 0;
    QString defaultAudioFolder;

    // Playback and walk state.
    QString lastOpenFolder;
    bool isWalking = false;
    bool isPlaying = false;
    bool stepPending = false;
    qint32 stepEnd = 0;
    // Completed plays since Walk; wide enough never to overflow in one walk.
    qint64 repeatCount = 0;
    // The rest between walk steps: a single-shot timer, so the window stays idle.
    QTimer restTimer;
    bool shuttingDown = false;
};
