#pragma once
// File dialog filters as the class library writes them, "text|pattern"
// pairs joined by "|" (patterns separated by ";"), as Qt's name filters:
// "text (pattern pattern)". A text that already shows its patterns in
// brackets is kept as it is; "*.*" becomes "*".
#include <QString>
#include <QStringList>

namespace base {

QStringList QtNameFilters(const QString& filter);

}  // namespace base
