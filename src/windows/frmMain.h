#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>

#include "audio/AudioOutput.h"
class FootPedals;
class GlobalShortcuts;
class PlayerController;
class QAction;
class QDragEnterEvent;
class QDropEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;
class QToolButton;
class frmSettings;
class frmAbout;
class WaveformStrip;

// The main window: the view of the player. It owns the controls, the menus and the
// key handler, forwards what the user does to the player and shows what the player
// reports. Handlers live in frmMainCommands.cpp.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Without an output the player plays through the sound server.
    explicit frmMain(std::unique_ptr<AudioOutput> output = {}, QWidget* parent = nullptr);
    ~frmMain() override;

    PlayerController& player() { return *controller; }

    // A file from the open dialog or the command line.
    void OpenChosenFile(const QString& path);
    void mnuClearFiles_Click();
    // The global keys and the foot pedals that Tools > Controls... shows and changes.
    void useInputs(GlobalShortcuts& keys, FootPedals& pedals);

public slots:
    // A passing message in the status bar; the file name comes back after a while.
    void showStatusMessage(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A local file dropped on the window opens as File > Open opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createControls();
    void createMenus();
    void connectHandlers();
    void connectPlayer();
    void startUp();
    void shutDown();

    void EnableControls(bool state);
    void UpdateStatusBar();
    void ShowPosition(qint64 ms);
    void ShowTime(qint64 ms);
    void UpdateSlider(qint64 ms);
    void ShowLooping();
    void BuildRecentFileMenu();
    void ShowError(const QString& message, const QString& title);

    void cmdPlay_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void mnuOpen_Click();
    void mnuInfo_Click();
    void mnuRecentFiles_Click(int index);
    void mnuOptions_Click();
    void mnuControls_Click();
    void setAlwaysOnTop(bool on);
    void ShowWaveform(bool shown);
    void createSpeedMenu();
    void ShowSpeed(int percent);
    void mnuGoToTime_Click();
    void mnuAbout_Click();
    void hsbSlider_Scroll();
    void txtTime_Validate();
    void ShowCommittedTime(qint64 ms);
    qint64 SliderPositionMs() const;
    bool isPlayerButton(const QObject* object) const;
    // The window's own keys, seen before the focused control; true when consumed.
    bool Form_KeyDown(const QKeyEvent& key);
    friend class KeyPreview;

    std::unique_ptr<PlayerController> controller;

    // Controls, named as the handlers name them.
    std::array<QToolButton*, 4> cmdLoop{};
    std::array<QToolButton*, 4> cmdPlay{};
    QLineEdit* txtTime = nullptr;
    QScrollBar* hsbSlider = nullptr;
    WaveformStrip* waveformStrip = nullptr;
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
    QAction* mnuControls = nullptr;
    QAction* mnuAlwaysOnTop = nullptr;
    QAction* mnuShowWaveform = nullptr;
    QLabel* speedStatus = nullptr;
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

    // What Tools > Controls... shows: given by useInputs, none until then.
    QPointer<GlobalShortcuts> globalKeys;
    QPointer<FootPedals> footPedals;

    bool shuttingDown = false;
};
