#pragma once
// The layer of a chart between the drawing panel and the complete chart: it
// keeps the series in paint order, owns the five standard axes, the custom
// axes and the tools, answers what the axes and the series ask of their
// chart (ranges, pages, sources, text widths), gives each series its depth
// in 3D, draws the series, and runs the paint frame whose steps the
// complete chart fills in.
#include "chart/model/AxisChart.h"
#include "chart/model/PlotPanelEvents.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TChartCustomAxes.h"
#include "chart/model/TChartSeries.h"
#include "chart/model/TChartTool.h"
#include "chart/model/TCustomPlotPanelExtended.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QPrinter;

// A series was added, removed, changed or moved in the list.
class TPlotSeriesEvent : public TPlotEvent {
 public:
  ChartSeriesEvent Event = seAdd;
  TPlotPersistent* Series = nullptr;
};

// The current page changed.
class TPlotPageChangeEvent : public TPlotEvent {};

class TCustomAxisPanel : public TCustomPlotPanelExtended,
                         public SeriesChart,
                         public SeriesDrawingChart {
  Q_OBJECT
  Q_PROPERTY(bool AxisBehind READ AxisBehind WRITE SetAxisBehind)
  Q_CLASSINFO("default:AxisBehind", "true")
  Q_PROPERTY(bool AxisVisible READ AxisVisible WRITE SetAxisVisible)
  Q_CLASSINFO("default:AxisVisible", "true")
  Q_PROPERTY(bool ClipPoints READ ClipPoints WRITE SetClipPoints)
  Q_CLASSINFO("default:ClipPoints", "true")
  Q_PROPERTY(TChartCustomAxes* CustomAxes READ CustomAxes WRITE SetCustomAxes)
  Q_CLASSINFO("kind:CustomAxes", "collection")
  Q_PROPERTY(TChartDepthAxis* DepthAxis READ DepthAxis WRITE SetDepthAxis)
  Q_PROPERTY(TChartAxis* TopAxis READ TopAxis WRITE SetTopAxis)
  Q_PROPERTY(TChartAxis* BottomAxis READ BottomAxis WRITE SetBottomAxis)
  Q_PROPERTY(TChartAxis* LeftAxis READ LeftAxis WRITE SetLeftAxis)
  Q_PROPERTY(TChartAxis* RightAxis READ RightAxis WRITE SetRightAxis)
  Q_PROPERTY(bool View3DWalls READ View3DWalls WRITE SetView3DWalls)
  Q_CLASSINFO("default:View3DWalls", "true")
  Q_PROPERTY(int MaxPointsPerPage READ MaxPointsPerPage WRITE SetMaxPointsPerPage)
  Q_CLASSINFO("default:MaxPointsPerPage", "0")
  Q_PROPERTY(int Page READ Page WRITE SetPage)
  Q_CLASSINFO("default:Page", "1")
  Q_PROPERTY(bool ScaleLastPage READ ScaleLastPage WRITE SetScaleLastPage)
  Q_CLASSINFO("default:ScaleLastPage", "true")

 public:
  using PanelEvent = std::function<void(TCustomAxisPanel&)>;
  // The text of a label; `series` is null for value and depth labels, and
  // `index` the point (or the depth slot, -1 for a value label).
  using AxisLabelEvent =
      std::function<void(const TChartAxis& axis, TChartSeries* series, int index, QString& text)>;
  // The value of custom label `labelIndex`; setting `stop` ends the labels.
  using NextAxisLabelEvent =
      std::function<void(const TChartAxis& axis, int labelIndex, double& value, bool& stop)>;

  explicit TCustomAxisPanel(QObject* parent = nullptr);
  ~TCustomAxisPanel() override;

  // --- published --------------------------------------------------------------------
  bool AxisBehind() const { return axisBehind_; }
  void SetAxisBehind(bool value) { SetBooleanProperty(axisBehind_, value); }
  bool AxisVisible() const { return axisVisible_; }
  void SetAxisVisible(bool value) { SetBooleanProperty(axisVisible_, value); }
  bool ClipPoints() const { return clipPoints_; }
  void SetClipPoints(bool value) { SetBooleanProperty(clipPoints_, value); }
  TChartCustomAxes* CustomAxes() const { return customAxes_.get(); }
  // Copies `value`'s axes.
  void SetCustomAxes(TChartCustomAxes* value);
  bool View3DWalls() const { return view3DWalls_; }
  void SetView3DWalls(bool value) { SetBooleanProperty(view3DWalls_, value); }
  // The axis setters copy the given axis' values.
  void SetDepthAxis(TChartDepthAxis* value) { CopyAxis(*depthAxis_, value); }
  void SetTopAxis(TChartAxis* value) { CopyAxis(*topAxis_, value); }
  void SetBottomAxis(TChartAxis* value) { CopyAxis(*bottomAxis_, value); }
  void SetLeftAxis(TChartAxis* value) { CopyAxis(*leftAxis_, value); }
  void SetRightAxis(TChartAxis* value) { CopyAxis(*rightAxis_, value); }

  // Adds the axis settings, the custom axes and the paging settings to the
  // panel's.
  void Assign(const TCustomPlotPanel& source) override;

  // --- series list ------------------------------------------------------------------
  int SeriesCount() const { return static_cast<int>(series_.size()); }
  // Raises ChartException for an index outside 0..SeriesCount() - 1.
  TChartSeries* GetSeries(int index) const;
  const std::vector<TChartSeries*>& SeriesList() const override { return series_; }
  int IndexOfSeries(const TChartSeries* series) const;
  // Attaches `series` to this chart (which lists it) and returns it.
  TChartSeries* AddSeries(TChartSeries* series);
  // A new series of the registered class `metaObject`, owned by the chart's
  // owner (the chart itself without one), in this chart. Null for a class
  // nobody registered.
  TChartSeries* AddSeriesOfClass(const QMetaObject& metaObject);
  // Detaches `series` from this chart (which unlists it).
  void RemoveSeries(TChartSeries* series);
  // Swaps two entries of the paint order; both indices are checked.
  void ExchangeSeries(int a, int b);
  // Frees every series of the list (only those of `metaObject`'s class or
  // a class derived from it, when given), each detached first.
  void FreeAllSeries(const QMetaObject* metaObject = nullptr);
  TChartSeries* FirstActiveSeries() const;
  int CountActiveSeries() const;
  // The `index`-th series shown in the legend (counting only active ones
  // when `onlyActive`), or null.
  TChartSeries* SeriesLegend(int index, bool onlyActive) const;
  // Its SeriesTitleOrName, or empty without one.
  QString SeriesTitleLegend(int index, bool onlyActive) const;
  // The title, else the component name, else "Series" and its place.
  QString SeriesTitleOrName(const TChartSeries& series) const;
  // The text and the series of every series, in order.
  std::vector<std::pair<QString, TChartSeries*>> FillSeriesTitles() const;

  // --- axes -------------------------------------------------------------------------
  TChartAxis* LeftAxis() const { return leftAxis_.get(); }
  TChartAxis* TopAxis() const { return topAxis_.get(); }
  TChartAxis* RightAxis() const { return rightAxis_.get(); }
  TChartAxis* BottomAxis() const { return bottomAxis_.get(); }
  TChartDepthAxis* DepthAxis() const { return depthAxis_.get(); }
  // The five standard axes (left, top, right, bottom, depth), then the
  // custom ones.
  std::vector<TChartAxis*> Axes() const;
  // The chart as the axes see it.
  TAxisChart& AxisServices();

  // The range the series give `axis` (0 when none has points).
  double MinMax(const TChartAxis& axis, bool isMax) const;
  // Whether `series` draws against `axis` (the "both" kinds count for both).
  bool IsAssociated(const TChartSeries& series, const TChartAxis& axis) const;
  // Whether `axis` is drawn: the axes are shown, it is visible, (the depth
  // axis) the view is 3D, and the series need it.
  bool IsAxisVisible(const TChartAxis& axis) const;
  // The widest line of `text` split at "\r" in the canvas font, and the
  // number of lines.
  int MultiLineTextWidth(const QString& text, int& lines) const;
  // The widest point label of the series with labels, and the widest mark
  // text of the active series.
  int MaxTextWidth() const;
  int MaxMarkWidth() const;
  // The title of the `index`-th active series, or empty.
  QString ActiveSeriesTitle(int index) const;

  AxisLabelEvent OnGetAxisLabel;
  NextAxisLabelEvent OnGetNextAxisLabel;

  // --- tools ------------------------------------------------------------------------
  TChartTools& Tools() { return tools_; }
  const TChartTools& Tools() const { return tools_; }
  // Every active tool hears of a paint step.
  void NotifyToolsPaint(TChartToolEvent event);
  // Active tools in order until one sets the cancel-mouse flag.
  void NotifyToolsMouse(int kind, TMouseButton button, TShiftState shift, int x, int y);

  // --- 3D ---------------------------------------------------------------------------
  // The chart's depth and height in 3D (0 in 2D), and those of one series.
  int Width3D() const { return width3D_; }
  int Height3D() const { return height3D_; }
  int SeriesWidth3D() const { return seriesWidth3D_; }
  int SeriesHeight3D() const { return seriesHeight3D_; }
  // The highest depth slot of the paint under way.
  int MaxZOrder() const override { return maxZOrder_; }
  void SetMaxZOrder(int value) override { maxZOrder_ = value; }
  // Whether series stand one behind the other in 3D, each in its own slot
  // (on by default; series types that stack side by side switch it off).
  bool ApplyZOrder() const { return applyZOrder_; }
  void SetApplyZOrder(bool value) { SetBooleanProperty(applyZOrder_, value); }
  bool SeparateSeriesDepths() const override { return View3D() && applyZOrder_; }
  // Sizes from Chart3DPercent, the view and the chart width.
  void CalcSize3DWalls();
  // Each active series takes its slot, then its depth extent from it.
  void CalcSeriesDepthSlots();
  void CalcSeriesDepthExtents();

  // --- pages ------------------------------------------------------------------------
  int MaxPointsPerPage() const { return maxPointsPerPage_; }
  // Raises ChartException for a negative value.
  void SetMaxPointsPerPage(int value);
  int Page() const { return page_; }
  // Clamped to 1..NumPages().
  void SetPage(int value);
  bool ScaleLastPage() const { return scaleLastPage_; }
  void SetScaleLastPage(bool value) { SetBooleanProperty(scaleLastPage_, value); }
  int NumPages() const;
  PanelEvent OnPageChange;

  // Prints pages `fromPage` to `toPage` (0: the first, and the last) on
  // `printer` as one document named after the chart, each page in the
  // print rectangle. Page numbers are clamped to the chart's pages, and
  // nothing prints when the first lies after the last. Page is restored
  // in every case; an exception aborts the job and is raised again. False
  // when the printer would not start or finish.
  bool PrintPages(QPrinter& printer, int fromPage = 0, int toPage = 0);

  // --- paint frame --------------------------------------------------------------------
  PanelEvent OnBeforeDrawChart, OnBeforeDrawAxes, OnBeforeDrawSeries;
  // The axes' ranges and positions, then the chart rectangle less the
  // space of every drawn axis.
  void CalcAxisSpace();
  // Widens the standard axes for the margins the series ask.
  void CalcSeriesMargins();
  // Every drawn axis, after OnBeforeDrawAxes; nothing without AxisVisible.
  void DrawAxes();
  // Draws `series`: its visible points, clipped to the chart, then its
  // marks. Series sharing a depth slot in 3D are drawn together by the
  // first of them, point by point in turn.
  void DrawSeries(TChartSeries& series);

  // --- what the series ask ----------------------------------------------------------
  bool IsValidDataSource(const TChartSeries& series, const QObject* source) const override;
  void CheckDatasource(TChartSeries& series) override;
  TChartAxis* StandardAxis(AxisSide side) const override;
  TPlotPanelCanvas& Canvas() override { return TCustomPlotPanel::Canvas(); }
  TRect ChartRect() const override { return TCustomPlotPanel::ChartRect(); }
  bool View3D() const override { return TCustomPlotPanel::View3D(); }
  TView3DOptions* View3DOptions() const override { return TCustomPlotPanel::View3DOptions(); }
  // The legend's colour is the complete chart's; here the panel's.
  base::TColor LegendBackColor() const override { return Color(); }
  // The legend's texts are the complete chart's; none here.
  QString FormattedValueLegend(const TChartSeries&, int) const override { return {}; }

  // --- chart host -------------------------------------------------------------------
  void BroadcastSeriesEvent(ChartSeriesEvent event, TPlotPersistent* series) override;
  void ElementAttached(TPlotPersistent* element) override;
  void ElementDetached(TPlotPersistent* element) override;
  bool ReadingStoredState() const override { return readingDepth_ > 0; }
  // Between these the chart reads its stored state (nested calls count):
  // series neither refill nor drop their other sources.
  void BeginReading() { ++readingDepth_; }
  void EndReading() {
    if (readingDepth_ > 0) --readingDepth_;
  }

 protected:
  // The paint frame. The complete chart supplies the steps below; here
  // they do nothing, or only the axis panel's share.
  void InternalDraw(const TRect& bounds) override;
  // Titles and legend, before the series (taking their space from the
  // chart rectangle) or after them.
  virtual void DrawTitlesAndLegend(bool /*beforeSeries*/) {}
  // The 3D sizes; the complete chart also makes room for its walls.
  virtual void CalcWallsRect() { CalcSize3DWalls(); }
  // The wall thickness along `axis` (0 here: no walls).
  virtual int CalcWallSize(const TChartAxis& /*axis*/) const { return 0; }
  virtual void DrawBackgroundAndWalls() {}
  // While set, series join and leave the list without Added and Removed
  // and without events: a series borrowed for a moment (a gallery icon)
  // comes back as it was.
  void SetQuietList(bool value) { quietList_ = value; }

 private:
  class AxisLink;
  void BroadcastPageChange();
  void CopyAxis(TChartAxis& target, const TChartAxis* value);
  void DrawSharedSlot(TChartSeries& series);

  std::vector<TChartSeries*> series_;
  std::unique_ptr<AxisLink> axisLink_;
  std::unique_ptr<TChartAxis> leftAxis_;
  std::unique_ptr<TChartAxis> topAxis_;
  std::unique_ptr<TChartAxis> rightAxis_;
  std::unique_ptr<TChartAxis> bottomAxis_;
  std::unique_ptr<TChartDepthAxis> depthAxis_;
  std::unique_ptr<TChartCustomAxes> customAxes_;
  TChartTools tools_;
  bool axisBehind_ = true;
  bool axisVisible_ = true;
  bool clipPoints_ = true;
  bool view3DWalls_ = true;
  int maxPointsPerPage_ = 0;
  int page_ = 1;
  bool scaleLastPage_ = true;
  bool applyZOrder_ = true;
  int maxZOrder_ = 0;
  int width3D_ = 0;
  int height3D_ = 0;
  int seriesWidth3D_ = 0;
  int seriesHeight3D_ = 0;
  int readingDepth_ = 0;
  bool quietList_ = false;
};
