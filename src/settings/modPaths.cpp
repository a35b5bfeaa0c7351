#include "settings/modPaths.h"

int FindLastOf(const QString& text, const QString& pattern) {
    if (pattern.isEmpty())
        return 0;
    return text.lastIndexOf(pattern) + 1;
}

QString FolderOfPath(const QString& path) {
    return path.left(FindLastOf(path, QStringLiteral("/")));
}
