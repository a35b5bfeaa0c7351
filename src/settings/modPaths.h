#pragma once

#include <QString>

// 1-based position at which the last occurrence of pattern in text begins; 0 when
// pattern does not occur. The comparison is exact.
int FindLastOf(const QString& text, const QString& pattern);

// The leading part of path up to and including its last "/"; "" when it has none.
QString FolderOfPath(const QString& path);
