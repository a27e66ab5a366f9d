#pragma once
// Date and time texts from day-number dates.
//
// Format letters (case-insensitive): d dd (day), ddd dddd (short/long day
// name), ddddd (short date format), dddddd (long date format); m mm (month,
// or minutes right after an h/hh), mmm mmmm (month names); yy yyyy; h hh
// (12-hour when an am/pm marker follows anywhere); n nn (minutes); s ss; z
// zzz (milliseconds); t / tt (short / long time format); am/pm, a/p (as
// written) and ampm (the locale's texts); c (short date, then the long time
// when the time is not midnight); '/' and ':' the locale's date and time
// separators; text in '…' or "…" copied. An empty format means "c".
// A value outside years 1..9999 prints as zeros and empty names.
#include "base/DateTime.h"
#include "base/FormatSettings.h"

#include <QString>

namespace base {

QString FormatDateTime(const QString& format, TDateTime dt);
QString FormatDateTime(const QString& format, TDateTime dt, const FormatSettings& fs);

// The locale's short date, long time, and both ("c").
QString DateToStr(TDateTime dt);
QString TimeToStr(TDateTime dt);
QString DateTimeToStr(TDateTime dt);

}  // namespace base
