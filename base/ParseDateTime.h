#pragma once
// Date and time texts back to day-number dates, in the locale's order and
// separators: "5.3.2001" under a German locale, "3/5/2001" under a US one.
// A date is two or three numbers in the order of the short date format
// (two: the current year); a two-digit year lies within 50 years of now. A
// time is hours, then optionally minutes, seconds and milliseconds after
// the decimal separator, then optionally "AM"/"PM" (or the locale's texts).
// The raising forms throw EConvertError ("'x' is not a valid date").
#include "base/DateTime.h"
#include "base/FormatSettings.h"

#include <QString>

namespace base {

TDateTime StrToDate(const QString& s);
TDateTime StrToTime(const QString& s);
// A date, then optionally a blank and a time.
TDateTime StrToDateTime(const QString& s);

bool TryStrToDate(const QString& s, TDateTime& value, const FormatSettings& fs);
bool TryStrToTime(const QString& s, TDateTime& value, const FormatSettings& fs);
bool TryStrToDateTime(const QString& s, TDateTime& value, const FormatSettings& fs);

}  // namespace base
