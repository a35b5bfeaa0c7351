#pragma once

#include <QString>

// The per-user settings store: texts addressed by application name, section and key.
// A section "A\B" is the section B nested in the section A. Each application name has
// its own INI file, $XDG_CONFIG_HOME/<name>/<name>.conf, located at every use so that a
// test can point XDG_CONFIG_HOME at a folder of its own before it touches the store.
//
// Every operation reads the file as it is on disk, so it sees what the others wrote,
// also those of another running copy. Each write reaches the disk at once (or when the
// enclosing SettingsBatch ends) through a temporary file that replaces the old one by
// a rename: a crash leaves either the old or the new file, never a broken one.
//
// A file that cannot be read whole (unreadable, not UTF-8 text, lines other than
// "[section]" and "key=value") is copied beside itself as "<file>.corrupt" (".corrupt.2", ...)
// before the first write, so that nothing of it is lost; what could be read is used.

// The stored text; defaultValue when the key or its section does not exist. A key
// stored with an empty text gives the empty text. Reading never fails.
QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& defaultValue);
// Stores value under the key, creating the section when needed. False when the store
// refused the write.
bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                 const QString& value);
// Removes the section with all its keys and nested sections; a section that does not
// exist is not an error. False when the store refused the write.
bool DeleteSetting(const QString& appName, const QString& section);

// The file that holds the application's settings.
QString SettingsFilePath(const QString& appName);
// True when a write to the application's file has failed since the program started.
bool SettingsWriteFailed(const QString& appName);

// Collects the writes made while it lives and writes the file once, when it ends:
// a procedure that changes many keys costs one file write. Inside a batch, SaveSetting
// and DeleteSetting return false only when the file is known not to be writable; a
// failure of the final write shows in SettingsWriteFailed(). Batches may nest.
class SettingsBatch {
public:
    explicit SettingsBatch(const QString& appName);
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

private:
    QString path;
};
