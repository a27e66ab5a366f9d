#pragma once
// Number texts of a view (status lines, side-panel numbers), in one place so
// that every text of the view follows the same locale rules.
#include <QString>

// "%f": two decimals, the locale's decimal separator, no thousands separator.
QString FormatFixed2(double value);

// A format with one floating-point conversion ("%4.0f", "%e", "%4.4g [Pa]")
// applied to `value`. A format that does not take one number gives "".
QString FormatNumber(const QString& format, double value);
