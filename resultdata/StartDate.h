#pragma once
// The start date of a simulation as its result file writes it:
// "day.month.year_hour.minute" ("24.12.1999_13.45"), the year optional
// ("24.12_13.45" is in 1991) and two-digit years taken as 19xx.
#include "base/DateTime.h"

#include <QString>

// The date value (days since 30 December 1899) of a start-date text; -1.0 for
// an empty or blank text. A piece that is no decimal integer, a missing
// separator, or an impossible date or time raises base::EConvertError.
base::TDateTime DateTextToDateTime(const QString& text);
