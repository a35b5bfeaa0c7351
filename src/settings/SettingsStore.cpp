#include "settings/SettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

#include <functional>
#include <map>
#include <memory>

namespace {

// What the program has learnt about one settings file since it started.
struct FileState {
    bool checkedBeforeWriting = false;
    // False when the file could not be read whole and could not be set aside either:
    // writing would then lose what the reader did not understand.
    bool writable = true;
    bool writeFailed = false;
};

struct OpenBatch {
    std::unique_ptr<QSettings> settings;
    int depth = 0;
    bool changed = false;
};

QHash<QString, FileState>& fileStates() {
    static QHash<QString, FileState> states;
    return states;
}

std::map<QString, OpenBatch>& openBatches() {
    static std::map<QString, OpenBatch> batches;
    return batches;
}

OpenBatch* openBatchOf(const QString& path) {
    auto batch = openBatches().find(path);
    return batch == openBatches().end() ? nullptr : &batch->second;
}

QString groupOf(const QString& section) {
    return QString(section).replace('\\', '/');
}

QString keyPathOf(const QString& section, const QString& key) {
    return groupOf(section) + '/' + key;
}

// A value the user wrote by hand without quotes and with a comma reads as a list.
QString textOf(const QVariant& value, const QString& defaultValue) {
    if (!value.isValid())
        return defaultValue;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(',');
    return value.toString();
}

// True when every line is blank, a "[section]" or a "key=value": the INI reader keeps
// nothing else when it rewrites the file (comments and stray lines would be lost).
bool isIniText(QStringView text) {
    for (QStringView line : text.split('\n')) {
        line = line.trimmed();
        if (!line.isEmpty() && !(line.startsWith('[') ? line.endsWith(']') : line.contains('=')))
            return false;
    }
    return true;
}

bool isUtf8IniText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return !utf8.hasError() && !text.contains(QChar::Null) && isIniText(text);
}

// True when the file is missing (nothing to lose) or the INI reader takes all of it.
bool isReadableWhole(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    QFile file(path);
    return info.isFile() && file.open(QIODevice::ReadOnly) && isUtf8IniText(file.readAll());
}

QString unusedCorruptCopyName(const QString& path) {
    QString name = path + ".corrupt";
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = path + ".corrupt." + QString::number(n);
    return name;
}

// Before the first write to a file, keeps a copy of it when it could not be read whole.
bool prepareForWriting(const QString& path) {
    FileState& state = fileStates()[path];
    if (!state.checkedBeforeWriting) {
        state.checkedBeforeWriting = true;
        state.writable = isReadableWhole(path) || QFile::copy(path, unusedCorruptCopyName(path));
    }
    if (!state.writable)
        state.writeFailed = true;
    return state.writable;
}

// Writes what changed through a temporary file and a rename.
bool commit(QSettings& settings, const QString& path) {
    settings.sync();
    const bool written = settings.status() != QSettings::AccessError;
    if (!written)
        fileStates()[path].writeFailed = true;
    return written;
}

bool write(const QString& appName, const std::function<void(QSettings&)>& change) {
    const QString path = SettingsFilePath(appName);
    if (!prepareForWriting(path))
        return false;
    if (OpenBatch* batch = openBatchOf(path)) {
        change(*batch->settings);
        batch->changed = true;
        return batch->settings->isWritable();
    }
    QSettings settings(path, QSettings::IniFormat);
    change(settings);
    return commit(settings, path);
}

} // namespace

QString SettingsFilePath(const QString& appName) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' + appName +
           '/' + appName + ".conf";
}

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue) {
    const QString path = SettingsFilePath(appName);
    const QString keyPath = keyPathOf(section, key);
    if (const OpenBatch* batch = openBatchOf(path))
        return textOf(batch->settings->value(keyPath), defaultValue);
    return textOf(QSettings(path, QSettings::IniFormat).value(keyPath), defaultValue);
}

bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value) {
    return write(appName,
                 [&](QSettings& settings) { settings.setValue(keyPathOf(section, key), value); });
}

bool DeleteSetting(const QString& appName, const QString& section) {
    return write(appName, [&](QSettings& settings) { settings.remove(groupOf(section)); });
}

bool SettingsWriteFailed(const QString& appName) {
    return fileStates().value(SettingsFilePath(appName)).writeFailed;
}

SettingsBatch::SettingsBatch(const QString& appName) : path(SettingsFilePath(appName)) {
    OpenBatch& batch = openBatches()[path];
    if (batch.depth++ == 0)
        batch.settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

SettingsBatch::~SettingsBatch() {
    OpenBatch& batch = openBatches()[path];
    if (--batch.depth > 0)
        return;
    const std::unique_ptr<QSettings> settings = std::move(batch.settings);
    const bool changed = batch.changed;
    openBatches().erase(path);
    if (changed)
        commit(*settings, path);
}
