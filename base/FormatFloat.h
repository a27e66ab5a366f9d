#pragma once
// Floating-point texts: FloatToStr (15 significant digits, the shorter of
// fixed and scientific), FloatToStrF with an explicit format, and
// FormatFloat with picture formats such as "#,##0.###" or "0.00E+00".
// Digits are the value's 18 leading significant digits rounded half away
// from zero at the last place shown (so 2.5 shows as "3" in "0": this is
// not base::Round). Separators come from the locale.
#include "base/FormatSettings.h"

#include <QString>

namespace base {

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// General format with 15 digits: "0.5", "273.15", "1E-5", "1.5E20".
QString FloatToStr(double v);
QString FloatToStr(double v, const FormatSettings& fs);

// precision: significant digits (1..18). digits: for ffGeneral and
// ffExponent the minimum number of exponent digits (0..4), for ffFixed,
// ffNumber and ffCurrency the decimals (0..18). A fixed value with more than
// `precision` integer digits falls back to ffGeneral. NaN and infinities
// give "NAN", "INF" and "-INF".
QString FloatToStrF(double v, TFloatFormat format, int precision, int digits);
QString FloatToStrF(double v, TFloatFormat format, int precision, int digits,
                    const FormatSettings& fs);

// Picture format: '0' digit or zero, '#' digit if any, '.' the decimal
// separator (first one), ',' anywhere before it switches on thousands
// grouping, "E+0"/"E-0" scientific with that many exponent digits at least,
// text in '…' or "…" copied, any other character (such as '%') copied as it
// is. Up to three sections "positive;negative;zero"; a negative value in its
// own section shows no minus sign. An empty format gives FloatToStr.
QString FormatFloat(const QString& format, double v);
QString FormatFloat(const QString& format, double v, const FormatSettings& fs);

}  // namespace base
