#pragma once

#include <QString>
#include <QStringList>

// Converts an open-dialog filter written as "Description|patterns|Description|patterns"
// ("Wave (*.wav)|*.wav|All files (*.*)|*.*") to Qt name filters ({"Wave (*.wav)",
// "All files (*)"}). Patterns separated by ";" are kept; "*.*" becomes "*", since
// here it would match only names with a dot.
QStringList QtNameFilters(const QString& filter);
