#pragma once
// Text to number conversions with the locale's decimal separator. The
// raising forms throw EConvertError with the texts users see
// ("'abc' is not a valid floating point value").
#include "base/FormatSettings.h"

#include <QString>

#include <cstdint>

namespace base {

// Blanks around the number are ignored; the decimal separator is the
// locale's (no thousands separators); an exponent "E-3" may follow. "INF",
// "-INF" and "NAN" read as those values. Out-of-range magnitudes fail;
// underflow gives zero.
double StrToFloat(const QString& s);
double StrToFloat(const QString& s, const FormatSettings& fs);
bool TryStrToFloat(const QString& s, double& value);
bool TryStrToFloat(const QString& s, double& value, const FormatSettings& fs);

// For texts that may come from another locale: every '.' and ',' counts as
// the decimal separator, so "0,5" and "0.5" both read as 0.5 everywhere.
double TolerantStrToFloat(const QString& s);
bool TryTolerantStrToFloat(const QString& s, double& value);

// Decimal with optional sign and leading blanks, or hexadecimal after "$" or
// "0x". Hex texts may use the whole unsigned range of the type ("$FFFFFFFF"
// is -1); decimal ones must fit the signed range.
int StrToInt(const QString& s);
int64_t StrToInt64(const QString& s);
bool TryStrToInt(const QString& s, int& value);
bool TryStrToInt64(const QString& s, int64_t& value);
int StrToIntDef(const QString& s, int def);

QString IntToStr(int64_t v);
// Upper-case hex, zero-padded to at least `digits`; negative values as
// their 64-bit two's complement.
QString IntToHex(int64_t v, int digits);

// The texts of the conversion errors, for callers that build their own.
QString InvalidFloatMessage(const QString& s);
QString InvalidIntegerMessage(const QString& s);

}  // namespace base
