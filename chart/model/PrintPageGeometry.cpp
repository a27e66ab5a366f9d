#include "chart/model/PrintPageGeometry.h"

#include "base/MathUtil.h"

#include <QPageLayout>
#include <QPrinter>

#include <algorithm>

namespace {
constexpr TRect kDefaultMargins{15, 15, 15, 15};
}

PrintPageGeometry PrinterPageGeometry(const QPrinter& printer) {
  PrintPageGeometry page;
  const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
  page.Width = paint.width();
  page.Height = paint.height();
  page.DpiX = printer.logicalDpiX();
  page.DpiY = printer.logicalDpiY();
  return page;
}

TRect ProportionalPrintMargins(QSize panel, const PrintPageGeometry& page) {
  const double w = panel.width(), h = panel.height();
  const double pw = page.Width, ph = page.Height;
  if (w <= 0 || h <= 0 || pw <= 0 || ph <= 0 || page.DpiX <= 0 || page.DpiY <= 0)
    return kDefaultMargins;
  const double aspect = static_cast<double>(page.DpiX) / page.DpiY;
  if (h >= w) {
    const int m = std::max(0, base::Round((pw - 0.7 * ph * (w / h) * aspect) * 100.0 / pw) / 2);
    return TRect{m, 15, m, 15};
  }
  const int m = std::max(0, base::Round((ph - 0.7 * pw * (h / w) * aspect) * 100.0 / ph) / 2);
  return TRect{15, m, 15, m};
}

TRect PrintRectangle(const TRect& margins, const PrintPageGeometry& page) {
  const double pw = page.Width, ph = page.Height;
  return TRect{base::Round(pw * margins.Left / 100.0), base::Round(ph * margins.Top / 100.0),
               page.Width - base::Round(pw * margins.Right / 100.0),
               page.Height - base::Round(ph * margins.Bottom / 100.0)};
}

PrintScale CalcPrintScale(const TRect& deviceRect, QSize panel, int resolution) {
  const TRect r = NormalizedRect(deviceRect);
  const int pw = std::max(0, panel.width()), ph = std::max(0, panel.height());
  // Percent of detail removed; below 0 detail is added, the layout growing
  // past the panel's size (down to -100, twice the size, where the detail
  // slider ends). Past 100 nothing is left to remove.
  resolution = std::clamp(resolution, -100, 100);
  PrintScale s;
  s.Logical = QSize(std::max(1, pw - base::MulDiv(pw, resolution, 100)),
                    std::max(1, ph - base::MulDiv(ph, resolution, 100)));
  s.Device = QSize(r.Width(), r.Height());
  return s;
}
