#include "chart/core/ChartDefaults.h"

namespace {
// Before start-up: a face every Debian desktop has.
QString fontName = QStringLiteral("DejaVu Sans");
int fontSize = 8;
}  // namespace

QString DefaultChartFontName() {
  return fontName;
}

int DefaultChartFontSize() {
  return fontSize;
}

void SetDefaultChartFont(const QString& name, int size) {
  fontName = name;
  fontSize = size > 0 ? size : 8;
}
