#pragma once
// The framed box beside or above the chart that lists the series (titles,
// symbols, optionally check boxes that switch them on and off) or the points
// of one series (value texts in up to two columns with a colour symbol).
//
// The chart calls Draw during its paint: the legend lays itself out from the
// chart rectangle, draws into the chart's canvas and gives up its room in the
// chart rectangle. Draw records where each item went; Clicked answers from
// that record, so a click finds the item the user sees under the mouse.
#include "chart/canvas/TChartGradient.h"
#include "chart/canvas/TChartPen.h"
#include "chart/model/TChartSeries.h"
#include "chart/model/TLegendSymbol.h"
#include "chart/model/TPlotCustomShapePosition.h"

#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class TCustomAxisPanel;

// Silver to white from the right.
class TChartLegendGradient : public TChartGradient {
  Q_OBJECT
  Q_CLASSINFO("default:Direction", "gdRightLeft")
  Q_CLASSINFO("default:StartColor", "$C0C0C0")
  Q_CLASSINFO("default:EndColor", "$FFFFFF")

 public:
  explicit TChartLegendGradient(ChangeHandler onChange = {}, QObject* parent = nullptr);
};

class TChartLegend : public TPlotCustomShapePosition {
  Q_OBJECT

 public:
  enum TLegendAlignment { laLeft, laRight, laTop, laBottom };
  Q_ENUM(TLegendAlignment)
  enum TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };
  Q_ENUM(TLegendStyle)

 private:
  Q_PROPERTY(TLegendAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_CLASSINFO("default:Alignment", "laRight")
  Q_PROPERTY(bool CheckBoxes READ CheckBoxes WRITE SetCheckBoxes)
  Q_CLASSINFO("default:CheckBoxes", "false")
  Q_PROPERTY(bool CurrentPage READ CurrentPage WRITE SetCurrentPage)
  Q_CLASSINFO("default:CurrentPage", "true")
  Q_PROPERTY(TChartPen* DividingLines READ DividingLines WRITE SetDividingLines)
  Q_PROPERTY(int FirstValue READ FirstValue WRITE SetFirstValue)
  Q_CLASSINFO("default:FirstValue", "0")
  Q_PROPERTY(bool FontSeriesColor READ FontSeriesColor WRITE SetFontSeriesColor)
  Q_CLASSINFO("default:FontSeriesColor", "false")
  Q_PROPERTY(int HorizMargin READ HorizMargin WRITE SetHorizMargin)
  Q_CLASSINFO("default:HorizMargin", "0")
  Q_PROPERTY(bool Inverted READ Inverted WRITE SetInverted)
  Q_CLASSINFO("default:Inverted", "false")
  Q_PROPERTY(TLegendStyle LegendStyle READ LegendStyle WRITE SetLegendStyle)
  Q_CLASSINFO("default:LegendStyle", "lsAuto")
  Q_PROPERTY(int MaxNumRows READ MaxNumRows WRITE SetMaxNumRows)
  Q_CLASSINFO("default:MaxNumRows", "10")
  Q_PROPERTY(bool ResizeChart READ ResizeChart WRITE SetResizeChart)
  Q_CLASSINFO("default:ResizeChart", "true")
  Q_PROPERTY(TLegendSymbol* Symbol READ Symbol WRITE SetSymbol)
  Q_PROPERTY(TChartSeries::TLegendTextStyle TextStyle READ TextStyle WRITE SetTextStyle)
  Q_CLASSINFO("default:TextStyle", "ltsLeftValue")
  Q_PROPERTY(int TopPos READ TopPos WRITE SetTopPos)
  Q_CLASSINFO("default:TopPos", "10")
  Q_PROPERTY(int VertMargin READ VertMargin WRITE SetVertMargin)
  Q_CLASSINFO("default:VertMargin", "0")
  Q_PROPERTY(int VertSpacing READ VertSpacing WRITE SetVertSpacing)
  Q_CLASSINFO("default:VertSpacing", "0")
  // Symbol.Width under its older name; stored there.
  Q_PROPERTY(int ColorWidth READ ColorWidth WRITE SetColorWidth STORED false)

 public:
  // Where Draw put one shown item: `position` counts the shown items in
  // drawing order, `index` is the item itself (the series' place among the
  // legend's series, or the point's legend index).
  struct Item {
    TRect rect;
    int position = 0;
    int index = 0;
  };

  // The chart's say in the drawing; each may change what it is given.
  using GetTextHook = std::function<void(TLegendStyle style, int index, QString& text)>;
  using GetRectHook = std::function<void(TRect& box)>;
  // `x` is where the text starts, `y` the item's top, `xColor` where the
  // symbol starts.
  using GetPosHook = std::function<void(int index, int& x, int& y, int& xColor)>;

  // The legend of `parentChart`, which must be an axis panel to be drawn.
  explicit TChartLegend(ChartHost* parentChart = nullptr, ChangeHandler onChange = {},
                        QObject* parent = nullptr);

  // --- published ------------------------------------------------------------------------
  TLegendAlignment Alignment() const { return alignment_; }
  void SetAlignment(TLegendAlignment value) { StoreAndRepaint(alignment_, value); }
  bool CheckBoxes() const { return checkBoxes_; }
  void SetCheckBoxes(bool value) { StoreAndRepaint(checkBoxes_, value); }
  bool CurrentPage() const { return currentPage_; }
  void SetCurrentPage(bool value) { StoreAndRepaint(currentPage_, value); }
  TChartPen* DividingLines() const { return dividingLines_; }
  // Copies `value` (null changes nothing).
  void SetDividingLines(TChartPen* value);
  int FirstValue() const { return firstValue_; }
  // Raises LegendException for a negative value.
  void SetFirstValue(int value);
  bool FontSeriesColor() const { return fontSeriesColor_; }
  void SetFontSeriesColor(bool value) { StoreAndRepaint(fontSeriesColor_, value); }
  int HorizMargin() const { return horizMargin_; }
  void SetHorizMargin(int value) { StoreAndRepaint(horizMargin_, value); }
  bool Inverted() const { return inverted_; }
  void SetInverted(bool value) { StoreAndRepaint(inverted_, value); }
  TLegendStyle LegendStyle() const { return legendStyle_; }
  void SetLegendStyle(TLegendStyle value) { StoreAndRepaint(legendStyle_, value); }
  int MaxNumRows() const { return maxNumRows_; }
  void SetMaxNumRows(int value) { StoreAndRepaint(maxNumRows_, value); }
  bool ResizeChart() const { return resizeChart_; }
  void SetResizeChart(bool value) { StoreAndRepaint(resizeChart_, value); }
  TLegendSymbol* Symbol() const { return symbol_; }
  // Copies `value` (null changes nothing).
  void SetSymbol(TLegendSymbol* value);
  TChartSeries::TLegendTextStyle TextStyle() const { return textStyle_; }
  void SetTextStyle(TChartSeries::TLegendTextStyle value) { StoreAndRepaint(textStyle_, value); }
  int TopPos() const { return topPos_; }
  void SetTopPos(int value) { StoreAndRepaint(topPos_, value); }
  int VertMargin() const { return vertMargin_; }
  void SetVertMargin(int value) { StoreAndRepaint(vertMargin_, value); }
  int VertSpacing() const { return vertSpacing_; }
  void SetVertSpacing(int value) { StoreAndRepaint(vertSpacing_, value); }
  int ColorWidth() const { return symbol_->Width(); }
  void SetColorWidth(int value) { symbol_->SetWidth(value); }

  // Every published value.
  void Assign(const TChartLegend& source);

  // --- what the chart asks ------------------------------------------------------------
  // The chart the legend lists, or null.
  TCustomAxisPanel* Chart() const;
  // laLeft and laRight.
  bool Vertical() const { return alignment_ == laLeft || alignment_ == laRight; }
  // LegendStyle, with lsAuto decided: the points of the one active series
  // (without check boxes), else the series.
  TLegendStyle ResolvedStyle() const;
  // Check boxes are set and the legend lists series.
  bool ShowsCheckBoxes() const;
  // Visible, and something to list: check boxes or an active series.
  bool MustDraw() const;
  // The series whose points the legend lists: the one given, else the
  // chart's first active series. A given series that is freed is forgotten.
  TChartSeries* ValuesSeries() const;
  TChartSeries* Series() const { return series_; }
  void SetSeries(TChartSeries* value);
  // The legend text of point `index` of `series`: its legend string in
  // TextStyle, line breaks shown as blanks.
  QString FormattedValue(const TChartSeries& series, int index) const;

  // Lays the legend out from the chart rectangle, draws it into the chart's
  // canvas and takes its room from the chart rectangle. Nothing without a
  // chart or without an item to show.
  void Draw();
  using TPlotCustomShape::Draw;
  // The item under (x, y) as the last Draw placed it (its index), or -1;
  // always -1 while the legend is not to be drawn.
  int Clicked(int x, int y) const;
  // The shown items of the last Draw, in drawing order.
  const std::vector<Item>& Items() const { return items_; }
  // The series item `index` lists (series styles; check boxes count
  // inactive series too), or null.
  TChartSeries* ItemSeries(int index) const;
  // A click on the check box of item `index`: switches its series on or
  // off. False when the legend shows no check boxes or the item lists no
  // series.
  bool ToggleItemSeries(int index);

  GetTextHook OnGetText;
  GetRectHook OnGetRect;
  GetPosHook OnGetPos;

 private:
  struct Layout;
  // The series the legend lists, in order.
  std::vector<TChartSeries*> LegendSeries() const;
  // The text of item `index` with the chart's say, split into two columns.
  std::array<QString, 2> ItemTexts(const Layout& l, int index) const;
  void MeasureTexts(Layout& l) const;
  void PlaceItems(Layout& l);
  void DrawItem(const Layout& l, int position, int index);
  void DrawCheckBox(int left, int top, bool checked) const;
  void ReduceChartRect(const Layout& l) const;

  TLegendAlignment alignment_ = laRight;
  bool checkBoxes_ = false;
  bool currentPage_ = true;
  TChartPen* dividingLines_;  // owned through the QObject tree
  int firstValue_ = 0;
  bool fontSeriesColor_ = false;
  int horizMargin_ = 0;
  bool inverted_ = false;
  TLegendStyle legendStyle_ = lsAuto;
  int maxNumRows_ = 10;
  bool resizeChart_ = true;
  TLegendSymbol* symbol_;  // owned through the QObject tree
  TChartSeries::TLegendTextStyle textStyle_ = TChartSeries::ltsLeftValue;
  int topPos_ = 10;
  int vertMargin_ = 0;
  int vertSpacing_ = 0;

  QPointer<TChartSeries> series_;
  std::vector<Item> items_;
};
