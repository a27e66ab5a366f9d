#pragma once
// Prompts for one number in the standard input dialog. The texts shown and
// read use the user's locale (decimal comma where the user writes one). The
// conversions are separate functions so they can be checked without a dialog.
#include <QString>

// Shows `value` under `prompt` in a modal input dialog titled `caption`. On OK
// the text is converted and stored in `value` and true is returned; on Cancel
// `value` stays as it was and false is returned. A text that is no number
// (or, for a single, lies beyond its range) raises base::EConvertError and
// leaves `value` unchanged.
bool InputQuerySingle(const QString& caption, const QString& prompt, float& value);
bool InputQueryInteger(const QString& caption, const QString& prompt, int& value);

// The text the dialog starts with: a single with up to 7 significant digits
// (all a single holds, so 0.1 shows as "0.1"), an integer in decimal.
QString SingleToInputText(float value);
QString IntegerToInputText(int value);

// The value of an accepted text, or base::EConvertError with the conversion
// message. Integers may also be written in hexadecimal ("$1F").
float InputTextToSingle(const QString& text);
int InputTextToInteger(const QString& text);
