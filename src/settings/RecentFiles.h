#pragma once

#include <QList>
#include <QString>

// The recent file list, kept only in the settings store: entry n is the section
// "Recent File List\n" with the keys "Audio" (the file's path, as opened) and
// "Position" (milliseconds reached in it when another file was opened). Entry 1 is
// the file added last. An entry without a path is an empty slot: never shown, but
// searched and shifted like the others. Paths keep their case and compare exactly.
//
// maxFiles is the number of entries the list keeps; a value outside 1 to 9 (only an
// edited store gives one) counts as the nearest of the two.

// Number of items of the recent file menu.
inline constexpr int RecentFileMenuSize = 9;

// The first entry 1..maxFiles holding path, or -1. An empty path names no entry.
qint16 FindRecentFile(const QString& path, qint16 maxFiles);
// Makes path entry 1 at position 0, moving the others one down with their positions;
// the last entry leaves the list. A listed path keeps its place and its position.
void AddRecentFile(const QString& path, qint16 maxFiles);
// Removes path's entry; those below move up one place with their positions and the
// last section is deleted.
void RemoveRecentFile(const QString& path, qint16 maxFiles);
// Remembers ms as the position reached in path, when path is listed.
void SaveFilePosition(const QString& path, qint64 ms, qint16 maxFiles);
// The position remembered for path: 0 when path is not listed or its position is no
// whole number.
qint64 StoredFilePosition(const QString& path, qint16 maxFiles);
// Empties the list; an open file stays as its only entry, with its position.
void ClearRecentFiles(bool fileOpen, const QString& fileName, qint64 position);

// One shown item of the recent file menu.
struct RecentFileItem {
    // "&<k> <path>" as the menu shows it ("&" in the path doubled); from 48 characters
    // on only the part after the path's last "/".
    QString caption;
    // The whole path when the caption is shortened, "" otherwise.
    QString tag;
    bool checked = false;
};

// The items the menu shows, in order (non-empty entries 1..maxFiles); the menu items
// after them are hidden, and so is the separator when there are none. The check mark
// goes to the first item of openFile ("" when no file is open).
QList<RecentFileItem> RecentFileMenuItems(qint16 maxFiles, const QString& openFile);
// The path an item stands for: its tag, or else its caption without "&<k> ".
QString RecentFileItemPath(const QString& caption, const QString& tag);
