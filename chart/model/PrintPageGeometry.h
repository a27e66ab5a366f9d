#pragma once
// What printing needs to know of a page: its printable size in device
// pixels and the device's resolution. A printer answers it through
// PrinterPageGeometry; tests and the print preview give fixed values.
#include "chart/canvas/GraphicsTypes.h"

#include <QSize>

class QPrinter;

struct PrintPageGeometry {
  int Width = 0;  // device pixels
  int Height = 0;
  int DpiX = 96;
  int DpiY = 96;
};

PrintPageGeometry PrinterPageGeometry(const QPrinter& printer);

// Percent margins that give the chart on the page the aspect of the panel
// (`panel`, in screen pixels): one pair stays 15 %, so the chart takes 70 %
// of the page that way, and the other pair gives it the panel's proportions. A panel or page
// without area gets 15 % all round; a panel too wide for the rule gets 0, never a negative margin.
TRect ProportionalPrintMargins(QSize panel, const PrintPageGeometry& page);

// The page rectangle inside percent `margins` (left, top, right, bottom).
TRect PrintRectangle(const TRect& margins, const PrintPageGeometry& page);

// The sizes of a partial print: the panel's size reduced by `resolution`
// percent (at least 1 x 1; a negative resolution enlarges it, to at most
// twice), and the size of the device rectangle.
struct PrintScale {
  QSize Logical;
  QSize Device;
};
PrintScale CalcPrintScale(const TRect& deviceRect, QSize panel, int resolution);
