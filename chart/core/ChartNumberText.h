#pragma once
// Number texts between the engine's fixed notation (',' thousands, '.'
// decimals: formats and stored texts) and the user's locale (edit boxes).
#include "base/FormatSettings.h"

#include <QString>

QString PlotIntToText(int value);

// ',' becomes the locale's thousands separator and '.' its decimal
// separator, both in one pass, so that one never turns into the other.
QString LocalizeNumberText(const QString& text);
QString LocalizeNumberText(const QString& text, const base::FormatSettings& fs);

// The reverse: the locale's separators become ',' and '.'.
QString DelocalizeNumberText(const QString& text);
QString DelocalizeNumberText(const QString& text, const base::FormatSettings& fs);
