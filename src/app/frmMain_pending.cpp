// TEMPORARY while the subsystems are being written in parallel: definitions of the
// main window's members that no subsystem file defines yet, so the libraries link.
// Each engineer deletes a member from here when adding its real definition.
// This file must be empty and deleted before the work is finished.
#include "app/frmMain.h"

void frmMain::PressPlayButton(int) {}
void frmMain::StopPlayback() {}
void frmMain::UpdateTimeField() {}
void frmMain::UpdateSlider() {}
int frmMain::OpenAudioFile(QString) { return 0; }
void frmMain::OpenChosenFile(const QString&) {}
qint16 frmMain::LoopRepetitionCount() const { return 1; }
void frmMain::LoadSettings() {}
void frmMain::SaveSettings() {}
void frmMain::BuildRecentFileMenu() {}
void frmMain::cmdPlay_MouseDown(int, Qt::MouseButton, int) {}
void frmMain::mnuPlay_Click(int) {}
void frmMain::cmdLoop_Click(int) {}
void frmMain::mnuLoop_Click(int) {}
void frmMain::mnuToggleLooping_Click() {}
void frmMain::mnuLoopItem_Click(int) {}
void frmMain::mnuOpen_Click() {}
void frmMain::mnuInfo_Click() {}
void frmMain::mnuRecentFiles_Click(int) {}
void frmMain::mnuClearFiles_Click() {}
void frmMain::mnuOptions_Click() {}
void frmMain::mnuGoToTime_Click() {}
void frmMain::mnuUpdateTime_Click() {}
void frmMain::mnuTimeStamp_Click() {}
void frmMain::mnuConents_Click() {}
void frmMain::mnuIndex_Click() {}
void frmMain::mnuSearch_Click() {}
void frmMain::mnuAbout_Click() {}
void frmMain::hsbSlider_MouseDown(Qt::MouseButton, int) {}
void frmMain::hsbSlider_Scroll() {}
void frmMain::hsbSlider_MouseUp(Qt::MouseButton, int) {}
void frmMain::txtTime_MouseDown(Qt::MouseButton, int) {}
bool frmMain::txtTime_KeyPress(int) { return false; }
void frmMain::txtTime_Validate() {}
bool frmMain::Form_KeyDown(int, int) { return false; }
void frmMain::mciWave_StatusUpdate() {}
void frmMain::mciWave_Done(int) {}
void frmMain::ContinueWalk() {}
void frmMain::EndRest() {}
qint32 frmMain::SliderPositionMs() const { return 0; }
