// The legend's paint: layout from the chart rectangle, the box, the items
// and the room it takes. Every size comes from properties a user or a
// stored chart sets, so the arithmetic runs in 64 bits and saturates.
#include "base/MathUtil.h"
#include "chart/model/TChartLegend.h"
#include "chart/model/TCustomAxisPanel.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

int Sat(int64_t v) {
  return static_cast<int>(
      std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Inside an item: the check box sits a little in from the item's left and
// moves the content right; the symbol and the text follow with small gaps.
constexpr int kCheckBoxLeft = 4;
constexpr int kCheckBoxSize = 13;
constexpr int kCheckBoxRoom = 15;
constexpr int kCheckBoxRowHeight = 17;
constexpr int kSymbolGap = 6;
constexpr int kTextGap = 4;
constexpr int kFarEdge = 1 << 28;
// A side legend's width beyond text and symbol.
constexpr int kSideExtra = 10;

bool RightAligned(TChartLegend::TLegendStyle style, TChartSeries::TLegendTextStyle text,
                  int column) {
  if (style == TChartLegend::lsSeries) return false;
  switch (text) {
    case TChartSeries::ltsLeftValue:
    case TChartSeries::ltsLeftPercent:
    case TChartSeries::ltsXValue:
    case TChartSeries::ltsValue:
    case TChartSeries::ltsPercent:
      return column == 0;
    case TChartSeries::ltsRightValue:
    case TChartSeries::ltsRightPercent:
      return column == 1;
    case TChartSeries::ltsXAndValue:
    case TChartSeries::ltsXAndPercent:
      return true;
    case TChartSeries::ltsPlain:
      break;
  }
  return false;
}

TRect Intersected(const TRect& a, const TRect& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
          std::min(a.Bottom, b.Bottom)};
}

// Keeps [lo, hi) at least one pixel wide and within [min, max) where the
// panel allows.
void KeepSpan(int& lo, int& hi, int min, int max) {
  if (max <= min) max = min + 1;
  lo = std::clamp(lo, min, max - 1);
  hi = std::clamp(hi, lo + 1, max);
}

}  // namespace

struct TChartLegend::Layout {
  TCustomAxisPanel* chart = nullptr;
  TLegendStyle style = lsSeries;
  TChartSeries* values = nullptr;
  std::vector<TChartSeries*> series;
  bool checkBoxes = false;
  // The first item listed: FirstValue, or the page's first point. Paging
  // works on this copy so that the stored FirstValue stays.
  int first = 0;
  int count = 0;  // items from `first` on
  int shown = 0;  // items drawn
  int fontHeight = 0;
  int itemHeight = 1;
  int penWidth = 0;
  int frameWidth = 0;
  std::vector<std::array<QString, 2>> texts;  // of items first, first + 1, ...
  std::array<int, 2> columnWidth{};
  int blankWidth = 0;
  int textWidth = 0;
  int symbolWidth = 0;
  int columns = 0;
  int rows = 0;
  int step = 1;  // from one column to the next (side legends: the box width)
  TRect box;
};

std::array<QString, 2> TChartLegend::ItemTexts(const Layout& l, int index) const {
  QString text;
  switch (l.style) {
    case lsSeries:
      text = l.chart->SeriesTitleOrName(*l.series[static_cast<std::size_t>(index)]);
      break;
    case lsLastValues: {
      // Text, symbol and colour all come from the same series.
      const TChartSeries& s = *l.series[static_cast<std::size_t>(index)];
      if (s.PointCount() > 0) text = FormattedValue(s, s.PointCount() - 1);
      break;
    }
    case lsValues:
    case lsAuto:
      if (l.values) text = FormattedValue(*l.values, index);
      break;
  }
  if (OnGetText) OnGetText(l.style, index, text);
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  const qsizetype split = text.indexOf(QLatin1Char('\x06'));
  if (split < 0) return {text, QString()};
  QString second = text.mid(split + 1);
  second.replace(QLatin1Char('\x06'), QLatin1Char(' '));
  return {text.left(split), second};
}

void TChartLegend::MeasureTexts(Layout& l) const {
  const TPlotPanelCanvas& canvas = l.chart->Canvas();
  l.texts.clear();
  l.texts.reserve(static_cast<std::size_t>(l.shown));
  l.columnWidth = {0, 0};
  for (int i = 0; i < l.shown; ++i) {
    l.texts.push_back(ItemTexts(l, l.first + i));
    for (std::size_t k = 0; k < 2; ++k)
      l.columnWidth[k] = std::max(l.columnWidth[k], canvas.TextWidth(l.texts.back()[k]));
  }
  l.blankWidth = canvas.TextWidth(QStringLiteral(" "));
  l.textWidth = Sat(int64_t{l.columnWidth[0]} + l.columnWidth[1] + 2 * int64_t{l.blankWidth} - 1);
}

void TChartLegend::PlaceItems(Layout& l) {
  const TRect chart = l.chart->ChartRect();
  const TRect bounds = l.chart->ChartBounds();
  const int64_t h = l.itemHeight;
  const int checkRoom = l.checkBoxes ? kCheckBoxRoom : 0;
  TRect& box = l.box;
  if (Vertical()) {
    box.Top = CustomPosition()
                  ? Top()
                  : Sat(bounds.Top +
                        base::Round64(topPos_ * 0.01 * (int64_t{bounds.Bottom} - bounds.Top)));
    const int64_t room = int64_t{chart.Bottom} - chart.Top - 2 * int64_t{l.penWidth} -
                         (int64_t{box.Top} - chart.Top);
    l.columns = 1;
    l.rows = Sat(std::clamp<int64_t>(room / h, 0, l.count));
    l.shown = l.rows;
    MeasureTexts(l);
    l.symbolWidth = symbol_->PixelWidth(Sat(int64_t{l.textWidth} + kSideExtra));
  } else {
    l.shown = l.count;
    MeasureTexts(l);
    l.symbolWidth = symbol_->PixelWidth(l.textWidth);
    const int64_t item =
        std::max<int64_t>(1, int64_t{l.textWidth} + l.symbolWidth + kSymbolGap + checkRoom);
    l.step = Sat(item);
    const int64_t across = int64_t{chart.Right} - chart.Left - 2 * int64_t{l.penWidth};
    l.columns = Sat(std::clamp<int64_t>(across / item, 0, l.count));
    const int64_t rows = l.columns > 0 ? (int64_t{l.count} + l.columns - 1) / l.columns : 0;
    l.rows = Sat(std::clamp<int64_t>(rows, 0, std::max(0, maxNumRows_)));
    l.shown = Sat(std::min<int64_t>(l.count, int64_t{l.columns} * l.rows));
    l.texts.resize(static_cast<std::size_t>(l.shown));
    if (CustomPosition()) {
      box.Top = Top();
    } else if (alignment_ == laBottom) {
      box.Bottom = Sat(int64_t{chart.Bottom} - ShadowSize() - l.frameWidth - 1);
    } else {
      box.Top = Sat(int64_t{chart.Top} + l.frameWidth + 1);
    }
  }
  if (l.shown == 0) return;

  const int64_t height = int64_t{l.rows} * h + 2;
  if (!CustomPosition() && alignment_ == laBottom)
    box.Top = Sat(box.Bottom - height);
  else
    box.Bottom = Sat(box.Top + height);

  const int64_t symbolAndText = int64_t{l.textWidth} + l.symbolWidth;
  if (Vertical()) {
    // Check boxes widen left and right legends alike: the content moves
    // right by their room in both.
    const int64_t width = symbolAndText + kSideExtra + checkRoom;
    l.step = Sat(width);
    const int frameGap = Frame()->Visible() ? l.frameWidth + 1 : 0;
    if (CustomPosition()) {
      box.Left = Left();
      box.Right = Sat(box.Left + width);
    } else if (alignment_ == laLeft) {
      box.Left = Sat(int64_t{chart.Left} + frameGap);
      box.Right = Sat(box.Left + width);
    } else {
      box.Right = Sat(int64_t{chart.Right} - ShadowSize() - frameGap);
      box.Left = Sat(box.Right - width);
    }
  } else {
    const int64_t columns = l.columns;
    // Each column steps checkRoom further, so the box holds that much per
    // column.
    int64_t content = symbolAndText * columns + 12 + (columns - 1) * kSymbolGap;
    if (l.checkBoxes) content += columns * kCheckBoxRoom + 4;
    const int64_t half = std::min<int64_t>(int64_t{chart.Right} - chart.Left, content) / 2;
    if (CustomPosition()) {
      box.Left = Left();
    } else {
      const int64_t free = int64_t{bounds.Right} - bounds.Left - 2 * half;
      box.Left = Sat((int64_t{chart.Left} + chart.Right) / 2 - half +
                     base::Round64(topPos_ * 0.01 * static_cast<double>(free)));
    }
    box.Right = Sat(box.Left + 2 * half);
  }
}

void TChartLegend::Draw() {
  items_.clear();
  Layout l;
  l.chart = Chart();
  if (!l.chart) return;
  TPlotPanelCanvas& canvas = l.chart->Canvas();

  l.style = ResolvedStyle();
  l.checkBoxes = checkBoxes_ && l.style != lsValues;
  l.first = firstValue_;
  int64_t total = 0;
  if (l.style == lsValues) {
    l.values = ValuesSeries();
    total = l.values ? l.values->CountLegendItems() : 0;
  } else {
    l.series = LegendSeries();
    total = static_cast<int64_t>(l.series.size());
  }
  const int perPage = l.chart->MaxPointsPerPage();
  const bool paged = l.style == lsValues && currentPage_ && perPage > 0;
  if (paged) l.first = Sat((int64_t{l.chart->Page()} - 1) * perPage);
  int64_t count = std::max<int64_t>(0, total - l.first);
  if (paged) count = std::min<int64_t>(count, perPage);
  l.count = Sat(count);

  canvas.AssignFont(*Font());
  l.fontHeight = canvas.TextHeight(QStringLiteral("W"));
  int64_t h = std::max(l.fontHeight, l.checkBoxes ? kCheckBoxRowHeight : 0) + int64_t{vertSpacing_};
  if (Vertical() && dividingLines_->Visible()) h += dividingLines_->Width();
  l.itemHeight = Sat(std::max<int64_t>(1, h));
  l.penWidth = Frame()->Visible() ? std::max(0, Frame()->Width()) : 0;
  l.frameWidth = Bevel() != bvNone ? std::max(0, BevelWidth()) : l.penWidth;

  PlaceItems(l);
  if (l.shown == 0) return;
  if (OnGetRect) OnGetRect(l.box);
  // Far enough for any device, near enough that a width is an int.
  for (int* edge : {&l.box.Left, &l.box.Top, &l.box.Right, &l.box.Bottom})
    *edge = std::clamp(*edge, -kFarEdge, kFarEdge);
  SetShapeBounds(l.box);
  TPlotCustomShape::Draw(canvas);
  canvas.AssignFont(*Font());
  items_.reserve(static_cast<std::size_t>(l.shown));
  for (int p = 0; p < l.shown; ++p) {
    // Inverted lists the items backwards, whatever the alignment.
    const int index = l.first + (inverted_ ? l.shown - 1 - p : p);
    DrawItem(l, p, index);
  }
  ReduceChartRect(l);
}

void TChartLegend::DrawItem(const Layout& l, int position, int index) {
  TPlotPanelCanvas& canvas = l.chart->Canvas();
  DrawingBackend& backend = canvas.ReferenceCanvas();
  const int column = position % l.columns;
  const int row = position / l.columns;
  const int64_t itemLeft = l.box.Left + int64_t{column} * l.step;
  const int64_t rowTop = l.box.Top + 1 + int64_t{row} * l.itemHeight;
  const int64_t contentLeft = itemLeft + (l.checkBoxes ? kCheckBoxRoom : 0);
  int64_t xColor = 0;
  int64_t xText = 0;
  if (symbol_->Position() == TLegendSymbol::spLeft) {
    xColor = contentLeft + kSymbolGap;
    xText = xColor + l.symbolWidth + kTextGap;
  } else {
    xText = contentLeft + kSymbolGap;
    xColor = xText + l.textWidth + kTextGap;
  }
  int x = Sat(xText);
  int y = Sat(rowTop + vertSpacing_ / 2);
  int xc = Sat(xColor);
  const int x0 = x;
  const int y0 = y;
  if (OnGetPos) OnGetPos(index, x, y, xc);
  const int64_t dx = int64_t{x} - x0;
  const int64_t dy = int64_t{y} - y0;

  const TRect rect = Intersected({Sat(itemLeft + dx), Sat(rowTop + dy), Sat(itemLeft + l.step + dx),
                                  Sat(rowTop + l.itemHeight + dy)},
                                 l.box);
  if (rect.Left < rect.Right && rect.Top < rect.Bottom) items_.push_back({rect, position, index});

  TChartSeries* series = l.style == lsValues ? nullptr : l.series[static_cast<std::size_t>(index)];
  if (position > 0 && dividingLines_->Visible()) {
    canvas.AssignPen(*dividingLines_);
    if (Vertical()) {
      canvas.DoHorizLine(l.box.Left, l.box.Right, Sat(int64_t{y} - vertSpacing_ / 2));
    } else if (row == 0) {
      canvas.DoVertLine(Sat(itemLeft + dx), l.box.Top, l.box.Bottom);
    }
  }

  BackendFont font = backend.font();
  if (fontSeriesColor_ && !canvas.GetMonochrome()) {
    if (series)
      font.color = series->SeriesColor();
    else if (l.values)
      font.color = l.values->LegendItemColor(index);
    backend.setFont(font);
  }
  canvas.SetBackMode(BackMode::Transparent);
  canvas.SetTextAlign(TextAlign::Left | TextAlign::Top);
  const std::array<QString, 2>& texts = l.texts[static_cast<std::size_t>(index - l.first)];
  const int textY = y + (l.checkBoxes ? 1 : 0);
  int64_t columnLeft = x;
  for (std::size_t k = 0; k < 2; ++k) {
    if (!texts[k].isEmpty()) {
      int64_t tx = columnLeft;
      if (RightAligned(l.style, textStyle_, static_cast<int>(k)))
        tx += l.columnWidth[k] - canvas.TextWidth(texts[k]);
      canvas.TextOut(Sat(tx), textY, texts[k]);
    }
    columnLeft += int64_t{l.columnWidth[k]} + l.blankWidth;
  }

  if (l.checkBoxes && series) {
    const int rowHeight = std::max(l.fontHeight, kCheckBoxRowHeight);
    DrawCheckBox(Sat(itemLeft + kCheckBoxLeft + dx),
                 Sat(int64_t{y} + (rowHeight - kCheckBoxSize) / 2), series->Active());
  }
  if (l.symbolWidth <= 0) return;
  TRect symbolRect;
  if (symbol_->Continuous()) {
    symbolRect = {xc, Sat(rowTop + dy), Sat(int64_t{xc} + l.symbolWidth),
                  Sat(rowTop + dy + l.itemHeight)};
  } else {
    symbolRect = {xc, Sat(int64_t{y} + 2), Sat(int64_t{xc} + l.symbolWidth),
                  Sat(int64_t{y} + std::max(3, l.fontHeight - 2))};
  }
  if (series) {
    series->DrawLegend(-1, symbolRect);
  } else if (l.values) {
    l.values->DrawLegend(index, symbolRect);
  } else {
    BackendBrush white;
    backend.setBrush(white);
    canvas.DoRectangle(symbolRect);
  }
}

void TChartLegend::DrawCheckBox(int left, int top, bool checked) const {
  TPlotPanelCanvas& canvas = Chart()->Canvas();
  DrawingBackend& backend = canvas.ReferenceCanvas();
  backend.setPen(BackendPen{});
  backend.setBrush(BackendBrush{});
  canvas.Rectangle(left, top, left + kCheckBoxSize, top + kCheckBoxSize);
  if (!checked) return;
  BackendPen tick;
  tick.width = 2;
  backend.setPen(tick);
  canvas.MoveTo(left + 3, top + 6);
  canvas.LineTo(left + 5, top + 9);
  canvas.LineTo(left + 10, top + 3);
}

void TChartLegend::ReduceChartRect(const Layout& l) const {
  TRect r = l.chart->ChartRect();
  const int64_t width = int64_t{r.Right} - r.Left;
  const int64_t height = int64_t{r.Bottom} - r.Top;
  if (resizeChart_ && !CustomPosition()) {
    switch (alignment_) {
      case laLeft:
        r.Left = l.box.Right;
        break;
      case laRight:
        r.Right = l.box.Left;
        break;
      case laTop:
        r.Top = Sat(int64_t{l.box.Bottom} + ShadowSize());
        break;
      case laBottom:
        r.Bottom = l.box.Top;
        break;
    }
  }
  // The gap to the chart is a share of the chart's size before the legend
  // took its room.
  const int64_t margin = Vertical()
                             ? (horizMargin_ != 0 ? horizMargin_ : base::Round64(width * 0.03))
                             : (vertMargin_ != 0 ? vertMargin_ : base::Round64(height * 0.04));
  switch (alignment_) {
    case laLeft:
      r.Left = Sat(r.Left + margin);
      break;
    case laRight:
      r.Right = Sat(r.Right - margin);
      break;
    case laTop:
      r.Top = Sat(r.Top + margin);
      break;
    case laBottom:
      r.Bottom = Sat(r.Bottom - margin);
      break;
  }
  // A legend that takes all the room leaves the chart a pixel, inside the
  // panel, rather than an empty or inverted rectangle.
  const TRect bounds = l.chart->ChartBounds();
  KeepSpan(r.Left, r.Right, bounds.Left, bounds.Right);
  KeepSpan(r.Top, r.Bottom, bounds.Top, bounds.Bottom);
  l.chart->SetChartRect(r);
  l.chart->RecalcWidthHeight();
}
