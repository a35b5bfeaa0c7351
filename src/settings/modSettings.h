#pragma once

#include "timecode/modSMPTE.h"

#include <QString>

#include <optional>

// The name under which the store keeps everything of this program.
inline constexpr char AppName[] = "Parlanda";

// The section "Settings" as the program uses it: the durations in milliseconds, the
// Looping menu, the open dialog's default folder and the recent file list's settings.
// The values given here are the defaults, for the store and for the Options dialog.
struct UserSettings {
    qint32 step = 4000;
    qint32 offset = 1100;
    qint32 pause = 600;
    qint32 jump = 4000;
    // The number of repetitions (1 to 5) and whether looping is on; off counts as 1.
    qint16 loopCount = 1;
    bool looping = true;
    QString defaultAudioFolder;
    qint16 maxFiles = 9;
    // Used as a flag: nonzero builds the recent file menu at start-up.
    qint16 recentFileList = 1;
    // The section "Playback": the speed in percent, how far Stop or a pause of Play
    // moves the position back (ms), and whether a listed file opens where it was left.
    qint32 speed = 100;
    qint32 rewind = 0;
    bool resume = true;
    // The section "Time Stamps": the form of the stamps put into the clipboard.
    TimeStampFormat timeStampFormat = TimeStampFormat::Seconds;
    // The section "Waveform": whether the strip shows, and the seconds of sound it spans.
    bool waveformShown = false;
    qint32 waveformSeconds = 30;
};

// The section "Window": how the main window shows itself.
struct WindowSettings {
    bool alwaysOnTop = false;
};

// The stored speed reads as the default outside these bounds; the stored rewind is
// limited to 0 to LongestRewind.
inline constexpr qint32 SlowestSpeed = 50;
inline constexpr qint32 FastestSpeed = 200;
inline constexpr qint32 LongestRewind = 10000;
// The stored span of the waveform reads as the default outside these bounds.
inline constexpr qint32 ShortestWaveformSeconds = 5;
inline constexpr qint32 LongestWaveformSeconds = 300;

// A stored number as a whole number: the text is a decimal number (blanks around it,
// a sign, a fraction and an exponent allowed), rounded to the nearest whole number with
// a half going to the even neighbour. No value when the text is not a number or the
// result does not fit Integer. Defined for qint16 and qint32.
template <typename Integer> std::optional<Integer> WholeNumberOf(const QString& text);

// The Looping menu as stored: "<count>,<caption>" such as "3,Disable", the caption
// naming what the toggle item offers ("Disable" while looping is on).
struct LoopRepetitions {
    qint16 count = 1;
    bool looping = true;
};
// Reads the stored text: a count outside 1 to 5 (or none) gives 1, and only a caption
// of exactly "Enable" means looping off.
LoopRepetitions ParseLoopRepetitions(const QString& text);
QString LoopRepetitionsText(const LoopRepetitions& loop);

// The default audio folder as stored at the last shutdown; the user's documents folder
// when the store names none.
QString StoredDefaultAudioFolder();

// Reads the sections "Settings", "Playback", "Time Stamps" and "Waveform" into settings:
// presets the durations and MaxFiles to their defaults, takes every stored value that
// converts, keeps the earlier value for one that does not (RecentFileList keeps the value
// settings holds; the others read as their defaults), then raises the durations to their
// lower limits. Never fails.
void ReadUserSettings(UserSettings& settings);
// Writes all eight keys of the section "Settings", the three of "Playback", the one of
// "Time Stamps" and the two of "Waveform" in one write of the store. Whether it reached
// the disk shows in SettingsWriteFailed(AppName).
void WriteUserSettings(const UserSettings& settings);

// The section "Window"; a value that does not convert reads as the default.
WindowSettings ReadWindowSettings();
void WriteWindowSettings(const WindowSettings& settings);
