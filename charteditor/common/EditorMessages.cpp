#include "charteditor/common/EditorMessages.h"

#include <array>
#include <iterator>

namespace {

constexpr int kCount = static_cast<int>(EditorMsg::Count);

// The English table, in entry order. The demonstration chart's address is
// left empty: this program fetches nothing from the network.
const char16_t* const kEnglish[] = {
    u"Polar",
    u"Candle",
    u"Volume",
    u"Surface",
    u"Contour",
    u"Bezier",
    u"Point 3D",
    u"Radar",
    u"Donut",
    u"Cursor",
    u"Bar 3D",
    u"Big Candle",
    u"Line Point",
    u"Histogram",
    u"Water Fall",
    u"Wind Rose",
    u"Clock",
    u"ColorGrid",
    u"BoxPlot",
    u"Horiz.BoxPlot",
    u"Bar Join",
    u"Smith",
    u"Pyramid",
    u"Map",
    u"Polynomial degree must be between 1 and 20",
    u"Answer Vector index must be between 1 and %d",
    u"Cannot process fitting",
    u"Period must be >= 0",
    u"ExpAverage Weight must be between 0 and 1",
    u"Error Bar",
    u"Error",
    u"High-Low",
    u"Momentum",
    u"Momentum Div",
    u"Exp. Average",
    u"Moving Avrg.",
    u"Exp.Mov.Avrg.",
    u"R.S.I.",
    u"Curve Fitting",
    u"Trend",
    u"Exp.Trend",
    u"Log.Trend",
    u"Cumulative",
    u"Std.Deviation",
    u"Bollinger",
    u"Root Mean Sq.",
    u"MACD",
    u"Stochastic",
    u"ADX",
    u"Count",
    u"Open PlotChart...",
    u"Save PlotChart...",
    u"PlotChart files",
    u"Other",
    u"Stats",
    u"Cannot find Series editor Form: %s",
    u"Error code: %d downloading Chart from URL: %s",
    u"Error code: %d downloading Series data from URL: %s",
    u"Test...",
    u"Date",
    u"Open",
    u"High",
    u"Low",
    u"Close",
    u"Offset",
    u"StdError",
    u"Grid 3D",
    u"Number of Bezier points should be > 1",
    u"Normal",
    u"Edit",
    u"Print",
    u"Copy",
    u"Save",
    u"3D",
    u"Rotation: %d° Elevation: %d°",
    u"Rotate",
    u"Horiz.Offset: %d Vert.Offset: %d",
    u"Move",
    u"Zoom: %d %%",
    u"Zoom",
    u"3D: %d %%",
    u"Depth",
    u"Chart",
    u"Panel",
    u"Drag %s to Rotate",
    u"Drag %s to Move",
    u"Drag %s to Zoom",
    u"Drag %s to resize 3D",
    u"Drag Left button to Zoom, Right button to Scroll",
    u"Drag a Pie Slice to Explode it",
    u"Slice: %d Exploded: %d %%",
    u"Number of points must be >= 4",
    u"All colinear data points",
    u"Similar points - cannot execute",
    u"Triangle Surf.",
    u"All Series",
    u"Edit",
    u"Financial",
    u"Cursor",
    u"Drag Marks",
    u"Axis Arrows",
    u"Draw Line",
    u"Nearest Point",
    u"Color Band",
    u"Color Line",
    u"Rotate",
    u"Image",
    u"Mark Tips",
    u"Can not delete ancestor",
    u"Load...",
    u"(WinInet.dll to access PlotChart)",
    u"",
    u"No Series selected",
    u"Chart",
    u"Chart Series",
    u"&3D",
    u"Switch 2D / 3D",
    u"&Active",
    u"Show / Hide Series",
    u"Edit Chart",
    u"&Edit...",
    u"Copy to Clipboard",
    u"&Copy",
    u"Print preview Chart",
    u"&Print...",
    u"Show / Hide Axes",
    u"&Axes",
    u"Show / Hide Grids",
    u"&Grids",
    u"Show / Hide Legend",
    u"&Legend",
    u"Edit Series",
    u"Show / Hide Series Marks",
    u"&Marks",
    u"Save Chart",
    u"&Save...",
    u"Bar",
    u"No Open",
    u"No Close",
    u"No Lines",
    u"No High",
    u"No Low",
    u"Color Range",
    u"Wireframe",
    u"Dot Frame",
    u"Positions",
    u"No Grid",
    u"No Point",
    u"No Line",
    u"Labels",
    u"No Circle",
    u"Lines",
    u"Border",
    u"Resistance",
    u"Reactance",
    u"Column",
    u"Separator",
    u"Segment ",
    u"Funnel",
    u"0.00 %",
    u"Exceeds quota",
    u" within quota",
    u" or more below quota",
    u"Calendar",
    u"DeltaPoint",
    u"ImagePoint",
    u"ImageBar",
    u"SeriesText: Field index should be greater than zero.",
    u"Origin",
    u"Transparency",
    u"Box",
    u"ExtrOut",
    u"MildOut",
    u"Page Number",
    u"Text File",
};
static_assert(std::size(kEnglish) == kCount, "one text per message entry");

int starts = 0;

std::array<QString, kCount>& texts() {
  static std::array<QString, kCount> table;
  return table;
}

}  // namespace

const QString& EditorText(EditorMsg msg) {
  const int i = static_cast<int>(msg);
  if (i < 0 || i >= kCount) {
    static const QString none;
    return none;
  }
  return texts()[i];
}

QString EditorFormat(EditorMsg msg, std::initializer_list<base::FormatArg> args) {
  return base::Format(EditorText(msg), args);
}

void StartEditorMessages() {
  if (starts++ > 0) return;
  for (int i = 0; i < kCount; ++i) texts()[i] = QString::fromUtf16(kEnglish[i]);
}

void StopEditorMessages() {
  if (starts == 0) return;
  if (--starts > 0) return;
  for (QString& s : texts()) s.clear();
}
