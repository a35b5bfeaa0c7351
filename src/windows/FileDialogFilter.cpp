#include "windows/FileDialogFilter.h"

#include <QRegularExpression>

namespace {

QString qtPatterns(const QString& patterns) {
    QStringList converted;
    for (const QString& pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (!trimmed.isEmpty())
            converted.append(trimmed == u"*.*" ? QStringLiteral("*") : trimmed);
    }
    return converted.isEmpty() ? QStringLiteral("*") : converted.join(u' ');
}

} // namespace

// The description keeps its words; the patterns shown in its parentheses are replaced
// by those of the pattern part, which are the ones that filter.
QStringList QtNameFilters(const QString& filter) {
    static const QRegularExpression shownPatterns(QStringLiteral(R"(\s*\([^()]*\)\s*$)"));
    const QStringList parts = filter.split(u'|');
    QStringList nameFilters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        description.remove(shownPatterns);
        const QString patterns = qtPatterns(i + 1 < parts.size() ? parts[i + 1] : QString());
        if (description.isEmpty() && patterns == u"*")
            continue;
        nameFilters.append(QStringLiteral("%1 (%2)").arg(description, patterns).trimmed());
    }
    return nameFilters;
}
