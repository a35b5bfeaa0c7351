#include "settings/modSettings.h"

#include "settings/SettingsStore.h"

#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString SettingsSection = QStringLiteral("Settings");
const QString PlaybackSection = QStringLiteral("Playback");
const QString TimeStampSection = QStringLiteral("Time Stamps");
const QString WindowSection = QStringLiteral("Window");
const QString WaveformSection = QStringLiteral("Waveform");

constexpr qint32 LowestStep = 500;
constexpr qint32 LowestOffset = 100;
constexpr qint32 LowestPause = 10;

QString stored(const QString& key, const QString& defaultValue,
               const QString& section = SettingsSection) {
    return GetSetting(AppName, section, key, defaultValue);
}

// A stored number of `section`; a value that does not convert reads as the default.
qint32 storedNumber(const QString& section, const QString& key, qint32 byDefault) {
    return WholeNumberOf<qint32>(stored(key, QString::number(byDefault), section))
        .value_or(byDefault);
}

qint32 withinOrDefault(qint32 value, qint32 lowest, qint32 highest, qint32 byDefault) {
    return value >= lowest && value <= highest ? value : byDefault;
}

// A switch is stored as 1 or 0; any other whole number counts as on.
bool storedSwitch(const QString& section, const QString& key, bool byDefault) {
    return storedNumber(section, key, byDefault ? 1 : 0) != 0;
}

QString switchText(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// The sections "Playback" and "Time Stamps"; a value that does not convert reads as the
// default.
void readPlaybackAndTimeStamps(UserSettings& settings) {
    const UserSettings defaults;
    settings.speed = withinOrDefault(storedNumber(PlaybackSection, "Speed", defaults.speed),
                                     SlowestSpeed, FastestSpeed, defaults.speed);
    settings.rewind =
        std::clamp(storedNumber(PlaybackSection, "Rewind", defaults.rewind), 0, LongestRewind);
    settings.resume = storedSwitch(PlaybackSection, "Resume", defaults.resume);
    settings.timeStampFormat =
        TimeStampFormatOf(
            stored("Format", TimeStampPattern(defaults.timeStampFormat), TimeStampSection))
            .value_or(defaults.timeStampFormat);
}

void readWaveform(UserSettings& settings) {
    const UserSettings defaults;
    settings.waveformShown = storedSwitch(WaveformSection, "Show", defaults.waveformShown);
    settings.waveformSeconds =
        withinOrDefault(storedNumber(WaveformSection, "Seconds", defaults.waveformSeconds),
                        ShortestWaveformSeconds, LongestWaveformSeconds, defaults.waveformSeconds);
}

// Leaves target as it was when the stored text does not convert.
template <typename Integer>
void readNumber(Integer& target, const QString& key, Integer byDefault) {
    if (const std::optional<Integer> value =
            WholeNumberOf<Integer>(stored(key, QString::number(byDefault))))
        target = *value;
}

const QString LoopingOnCaption = QStringLiteral("Disable");
const QString LoopingOffCaption = QStringLiteral("Enable");

void applyLowerLimits(UserSettings& settings) {
    settings.step = std::max(settings.step, LowestStep);
    settings.offset = std::max(settings.offset, LowestOffset);
    settings.pause = std::max(settings.pause, LowestPause);
    settings.jump = std::max(settings.jump, settings.step);
}

void save(const QString& key, const QString& value, const QString& section = SettingsSection) {
    SaveSetting(AppName, section, key, value);
}

} // namespace

template <typename Integer> std::optional<Integer> WholeNumberOf(const QString& text) {
    static const QRegularExpression decimalNumber(
        QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
    if (!decimalNumber.match(text).hasMatch())
        return std::nullopt;
    bool converted = false;
    const double number = text.trimmed().toDouble(&converted);
    // rint rounds to nearest in the default rounding mode, halves to the even neighbour.
    const double rounded = std::rint(number);
    if (!converted || rounded < std::numeric_limits<Integer>::min() ||
        rounded > std::numeric_limits<Integer>::max())
        return std::nullopt;
    return static_cast<Integer>(rounded);
}

template std::optional<qint16> WholeNumberOf<qint16>(const QString&);
template std::optional<qint32> WholeNumberOf<qint32>(const QString&);

LoopRepetitions ParseLoopRepetitions(const QString& text) {
    const qsizetype comma = text.indexOf(',');
    LoopRepetitions loop;
    loop.looping = (comma < 0 ? text : text.mid(comma + 1)) != LoopingOffCaption;
    const qint16 count = comma < 0 ? 0 : WholeNumberOf<qint16>(text.left(comma)).value_or(0);
    loop.count = count >= 1 && count <= 5 ? count : 1;
    return loop;
}

QString LoopRepetitionsText(const LoopRepetitions& loop) {
    return QString::number(loop.count) + ',' +
           (loop.looping ? LoopingOnCaption : LoopingOffCaption);
}

QString StoredDefaultAudioFolder() {
    return stored("Default Audio Folder",
                  QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

void ReadUserSettings(UserSettings& settings) {
    const UserSettings defaults;
    settings.jump = defaults.jump;
    settings.step = defaults.step;
    settings.offset = defaults.offset;
    settings.pause = defaults.pause;
    settings.maxFiles = defaults.maxFiles;

    readNumber(settings.step, "Step", defaults.step);
    readNumber(settings.offset, "Offset", defaults.offset);
    readNumber(settings.pause, "Pause", defaults.pause);
    readNumber(settings.jump, "Jump", defaults.jump);
    applyLowerLimits(settings);

    const LoopRepetitions loop = ParseLoopRepetitions(
        stored("Loop Repetitions", LoopRepetitionsText({defaults.loopCount, defaults.looping})));
    settings.loopCount = loop.count;
    settings.looping = loop.looping;

    settings.defaultAudioFolder = StoredDefaultAudioFolder();
    readNumber(settings.maxFiles, "Max Files", defaults.maxFiles);
    readNumber(settings.recentFileList, "Recent File List", defaults.recentFileList);
    readPlaybackAndTimeStamps(settings);
    readWaveform(settings);
}

void WriteUserSettings(const UserSettings& settings) {
    const SettingsBatch batch(AppName);
    save("Step", QString::number(settings.step));
    save("Offset", QString::number(settings.offset));
    save("Pause", QString::number(settings.pause));
    save("Jump", QString::number(settings.jump));
    save("Default Audio Folder", settings.defaultAudioFolder);
    save("Max Files", QString::number(settings.maxFiles));
    save("Recent File List", QString::number(settings.recentFileList));
    save("Loop Repetitions", LoopRepetitionsText({settings.loopCount, settings.looping}));
    save("Speed", QString::number(settings.speed), PlaybackSection);
    save("Rewind", QString::number(settings.rewind), PlaybackSection);
    save("Resume", switchText(settings.resume), PlaybackSection);
    save("Format", TimeStampPattern(settings.timeStampFormat), TimeStampSection);
    save("Show", switchText(settings.waveformShown), WaveformSection);
    save("Seconds", QString::number(settings.waveformSeconds), WaveformSection);
}

WindowSettings ReadWindowSettings() {
    const WindowSettings defaults;
    return {storedSwitch(WindowSection, "Always On Top", defaults.alwaysOnTop)};
}

void WriteWindowSettings(const WindowSettings& settings) {
    save("Always On Top", switchText(settings.alwaysOnTop), WindowSection);
}
