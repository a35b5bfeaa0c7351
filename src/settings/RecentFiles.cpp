#include "settings/RecentFiles.h"

#include "settings/SettingsStore.h"
#include "settings/modPaths.h"
#include "settings/modSettings.h"

#include <algorithm>

namespace {

// From this length on a caption shows only the file name.
constexpr int ShortenedCaptionLength = 48;

QString sectionOf(qint16 entry) {
    return "Recent File List\\" + QString::number(entry);
}

qint16 entryCount(qint16 maxFiles) {
    return std::clamp<qint16>(maxFiles, 1, RecentFileMenuSize);
}

QString audioOf(qint16 entry) {
    return GetSetting(AppName, sectionOf(entry), "Audio", "");
}

void writeEntry(qint16 entry, const QString& audio, const QString& position) {
    SaveSetting(AppName, sectionOf(entry), "Audio", audio);
    SaveSetting(AppName, sectionOf(entry), "Position", position);
}

void copyEntry(qint16 from, qint16 to) {
    writeEntry(to, audioOf(from), GetSetting(AppName, sectionOf(from), "Position", "0"));
}

QString escapedForMenu(QString text) {
    return text.replace('&', "&&");
}

RecentFileItem menuItemFor(int number, const QString& path) {
    const bool shortened = path.size() >= ShortenedCaptionLength;
    const QString shown = shortened ? path.mid(FindLastOf(path, "/")) : path;
    return {'&' + QString::number(number) + ' ' + escapedForMenu(shown),
            shortened ? path : QString(), false};
}

} // namespace

qint16 FindRecentFile(const QString& path, qint16 maxFiles) {
    if (path.isEmpty())
        return -1;
    for (qint16 entry = 1; entry <= entryCount(maxFiles); ++entry) {
        if (audioOf(entry) == path)
            return entry;
    }
    return -1;
}

void AddRecentFile(const QString& path, qint16 maxFiles) {
    if (path.isEmpty() || FindRecentFile(path, maxFiles) != -1)
        return;
    const SettingsBatch batch(AppName);
    for (qint16 entry = entryCount(maxFiles); entry >= 2; --entry)
        copyEntry(entry - 1, entry);
    writeEntry(1, path, "0");
}

void RemoveRecentFile(const QString& path, qint16 maxFiles) {
    const qint16 found = FindRecentFile(path, maxFiles);
    if (found == -1)
        return;
    const SettingsBatch batch(AppName);
    const qint16 last = entryCount(maxFiles);
    for (qint16 entry = found; entry < last; ++entry)
        copyEntry(entry + 1, entry);
    DeleteSetting(AppName, sectionOf(last));
}

void SaveFilePosition(const QString& path, qint64 ms, qint16 maxFiles) {
    const qint16 entry = FindRecentFile(path, maxFiles);
    if (entry != -1)
        SaveSetting(AppName, sectionOf(entry), "Position", QString::number(ms));
}

qint64 StoredFilePosition(const QString& path, qint16 maxFiles) {
    const qint16 entry = FindRecentFile(path, maxFiles);
    if (entry == -1)
        return 0;
    return GetSetting(AppName, sectionOf(entry), "Position", "0").toLongLong();
}

void ClearRecentFiles(bool fileOpen, const QString& fileName, qint64 position) {
    const SettingsBatch batch(AppName);
    DeleteSetting(AppName, "Recent File List");
    if (fileOpen)
        writeEntry(1, fileName, QString::number(position));
}

QList<RecentFileItem> RecentFileMenuItems(qint16 maxFiles, const QString& openFile) {
    QList<RecentFileItem> items;
    bool checkPlaced = false;
    for (qint16 entry = 1; entry <= entryCount(maxFiles); ++entry) {
        const QString path = audioOf(entry);
        if (path.isEmpty())
            continue;
        RecentFileItem item = menuItemFor(items.size() + 1, path);
        item.checked = !checkPlaced && !openFile.isEmpty() && path == openFile;
        checkPlaced = checkPlaced || item.checked;
        items.append(item);
    }
    return items;
}

QString RecentFileItemPath(const QString& caption, const QString& tag) {
    if (!tag.isEmpty())
        return tag;
    return caption.mid(3).replace("&&", "&");
}
