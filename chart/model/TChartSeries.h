#pragma once
// The base of every data series: it owns the points (parallel value lists,
// per-point colours and labels that exist only once a point needs them),
// adds, deletes and clears them with a fixed order of notices, and keeps the
// links to the series it takes its points from (its data sources) and to
// the series that take theirs from it (its dependants).
//
// Order of one AddPointXY: OnBeforeAdd (which may refuse: nothing is
// stored), the insertion into every list, OnAfterAdd, the dependants, a
// repaint request. Between BeginUpdate and EndUpdate none of the notices go
// out; EndUpdate sends one refresh to the dependants and seRefresh to the
// chart's listeners.
//
// A dependant with a function recalculates from all its sources on the
// changes its RecalcWhen names, instead of copying or deleting the one
// point; while a series refills (AddValues) those dependants wait and
// recalculate once at its end.
//
// Public calls that name a point check the index (ChartException with the
// range); the drawing loops of series types read the lists unchecked inside
// the visible range.
#include "base/Colors.h"
#include "chart/core/TChartValueLists.h"
#include "chart/model/AxisChart.h"
#include "chart/model/SeriesChart.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TCustomChartSeries.h"
#include "chart/model/TPlotFunction.h"
#include "chart/model/TSeriesMarks.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <random>
#include <vector>

class TChartAxis;
class TChartSeries;
struct TSeriesMarkPosition;

// The colour a series or point has before one is chosen: the series takes
// one of the chart's palette, a point the series' colour.
inline constexpr base::TColor clPlotColor = 0x20000000;

// The changes a series tells its dependants of.
enum class SeriesValueEvent { Clear = 0, Add = 1, Delete = 2, Refresh = 3, Modify = 4 };

class TChartSeries : public TCustomChartSeries,
                     public TChartValueListOwner,
                     public AxisLabelSource,
                     public SeriesMarksSource {
  Q_OBJECT

 public:
  enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
  Q_ENUM(THorizAxis)
  enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };
  Q_ENUM(TVertAxis)
  enum TRecalcOption { rwDelete = 1, rwModify = 2, rwInsert = 4, rwClear = 8 };
  Q_DECLARE_FLAGS(TRecalcOptions, TRecalcOption)
  Q_FLAG(TRecalcOptions)
  // What a legend item of a point reads.
  enum TLegendTextStyle {
    ltsPlain,
    ltsLeftValue,
    ltsRightValue,
    ltsLeftPercent,
    ltsRightPercent,
    ltsXValue,
    ltsValue,
    ltsPercent,
    ltsXAndValue,
    ltsXAndPercent
  };
  Q_ENUM(TLegendTextStyle)

 private:
  Q_PROPERTY(uint SeriesColor READ SeriesColor WRITE SetSeriesColor)
  Q_CLASSINFO("default:SeriesColor", "$20000000")
  Q_CLASSINFO("kind:SeriesColor", "color")
  Q_PROPERTY(bool ColorEachPoint READ ColorEachPoint WRITE SetColorEachPoint)
  Q_CLASSINFO("default:ColorEachPoint", "false")
  Q_PROPERTY(QString ColorSource READ ColorSource WRITE SetColorSource)
  Q_CLASSINFO("default:ColorSource", "")
  Q_PROPERTY(int Cursor READ Cursor WRITE SetCursor)
  Q_CLASSINFO("default:Cursor", "0")
  Q_PROPERTY(int Depth READ Depth WRITE SetDepth)
  Q_CLASSINFO("default:Depth", "-1")
  Q_PROPERTY(QString XLabelsSource READ XLabelsSource WRITE SetXLabelsSource)
  Q_CLASSINFO("default:XLabelsSource", "")
  Q_PROPERTY(TSeriesMarks* Marks READ Marks WRITE SetMarks)
  Q_PROPERTY(QString PercentFormat READ PercentFormat WRITE SetPercentFormat)
  Q_CLASSINFO("default:PercentFormat", "##0.## %")
  Q_PROPERTY(QString ValueFormat READ ValueFormat WRITE SetValueFormat)
  Q_CLASSINFO("default:ValueFormat", "#,##0.###")
  Q_PROPERTY(TChartValueList* XValues READ XValues WRITE SetXValues)
  Q_PROPERTY(TChartValueList* YValues READ YValues WRITE SetYValues)
  Q_PROPERTY(THorizAxis HorizAxis READ HorizAxis WRITE SetHorizAxis)
  Q_CLASSINFO("default:HorizAxis", "aBottomAxis")
  Q_PROPERTY(int ZOrder READ ZOrder WRITE SetZOrder)
  Q_CLASSINFO("default:ZOrder", "-1")
  Q_PROPERTY(TVertAxis VertAxis READ VertAxis WRITE SetVertAxis)
  Q_CLASSINFO("default:VertAxis", "aLeftAxis")
  Q_PROPERTY(TRecalcOptions RecalcWhen READ RecalcWhen WRITE SetRecalcWhen)
  Q_CLASSINFO("default:RecalcWhen", "rwDelete|rwModify|rwInsert|rwClear")

 public:
  // Events. OnBeforeAdd answers false to refuse the point being added.
  using SeriesEvent = std::function<void(TChartSeries&)>;
  using BeforeAddEvent = std::function<bool(TChartSeries&)>;
  using AfterAddEvent = std::function<void(TChartSeries&, int valueIndex)>;
  using MarkTextEvent = std::function<void(const TChartSeries&, int valueIndex, QString& text)>;
  using ClickEvent =
      std::function<void(TChartSeries&, int valueIndex, int button, int shift, int x, int y)>;

  explicit TChartSeries(QObject* owner = nullptr);
  explicit TChartSeries(ChangeHandler onChange, QObject* owner = nullptr);
  // Leaves its chart first, while still a series (the chart's listeners
  // and Removed see one), then its sources; its dependants forget it.
  ~TChartSeries() override;

  // The marks follow the series into its chart.
  void SetParentChart(ChartHost* value) override;

  // --- published -----------------------------------------------------------
  base::TColor SeriesColor() const { return seriesColor_; }
  // Also tells the chart's listeners (seColorChanged).
  virtual void SetSeriesColor(base::TColor value);
  bool ColorEachPoint() const { return colorEachPoint_; }
  // Switched off, the point colours go unless a point is null.
  virtual void SetColorEachPoint(bool value);
  // Whether the series has one colour for the editors to show and change
  // (pies colour their slices and have none).
  bool UsesSeriesColor() const { return usesSeriesColor_; }
  QString ColorSource() const { return colorSource_; }
  void SetColorSource(const QString& value);
  // The mouse cursor over the series, as stored (the widget maps it).
  int Cursor() const { return cursor_; }
  void SetCursor(int value) { SetIntegerProperty(cursor_, value); }
  // Pixels in 3D; -1 takes the chart's depth per series.
  int Depth() const { return depth_; }
  void SetDepth(int value) { SetIntegerProperty(depth_, value); }
  QString XLabelsSource() const { return xLabelsSource_; }
  void SetXLabelsSource(const QString& value);
  TSeriesMarks* Marks() const { return marks_; }
  void SetMarks(TSeriesMarks* value);
  QString PercentFormat() const { return percentFormat_; }
  void SetPercentFormat(const QString& value) { SetStringProperty(percentFormat_, value); }
  QString ValueFormat() const { return valueFormat_; }
  void SetValueFormat(const QString& value) { SetStringProperty(valueFormat_, value); }
  TChartValueList* XValues() const { return xValues_; }
  void SetXValues(TChartValueList* value);
  TChartValueList* YValues() const { return yValues_; }
  void SetYValues(TChartValueList* value);
  THorizAxis HorizAxis() const { return horizAxis_; }
  // Another kind forgets the custom axis (unless the chart is loading).
  void SetHorizAxis(THorizAxis value);
  // A fixed depth slot; -1 lets the chart choose.
  int ZOrder() const { return zOrder_; }
  void SetZOrder(int value) { SetIntegerProperty(zOrder_, value); }
  TVertAxis VertAxis() const { return vertAxis_; }
  void SetVertAxis(TVertAxis value);
  TRecalcOptions RecalcWhen() const { return recalcWhen_; }
  void SetRecalcWhen(TRecalcOptions value) { StoreRepaint(recalcWhen_, value); }

  // --- events -----------------------------------------------------------------
  SeriesEvent AfterDrawValues, BeforeDrawValues, OnClearValues;
  BeforeAddEvent OnBeforeAdd;
  AfterAddEvent OnAfterAdd;
  ClickEvent OnClick, OnDblClick;
  MarkTextEvent OnGetMarkText;

  // --- points -------------------------------------------------------------------
  // Adds a point where its X belongs in the X order and answers its index,
  // or -1 when OnBeforeAdd refused it. An empty label and clPlotColor add no
  // label and no colour.
  virtual int AddPointXY(double x, double y, const QString& label = {},
                         base::TColor color = clPlotColor);
  // The point number becomes the other coordinate.
  virtual int Add(double value, const QString& label = {}, base::TColor color = clPlotColor);
  virtual int AddNull(const QString& label = {});
  virtual int AddNullXY(double x, double y, const QString& label = {});
  // Every list emptied; the dependants hear of it; a repaint.
  virtual void ClearValues();
  // Raises ChartException naming the range for an index outside the points.
  virtual void Delete(int valueIndex);
  // Exchanges two points in every list. Raises for an index outside.
  void SwapValueIndex(int a, int b) override;

  int PointCount() const { return xValues_->Count(); }
  // These check the index (ChartException).
  virtual double GetXValue(int index) const;
  virtual double GetYValue(int index) const;
  virtual double GetMarkValue(int index) const;
  virtual double GetOriginValue(int index) const { return GetMarkValue(index); }
  // The label of a point; empty beyond the label list.
  virtual QString GetXLabel(int index) const;
  void SetXLabel(int index, const QString& text);
  // The colour a point is drawn in (unchecked: beyond the colour list the
  // series' colour).
  virtual base::TColor GetValueColor(int index) const;
  void SetPointColor(int index, base::TColor color);
  bool IsNull(int index) const { return GetValueColor(index) == base::clNone; }
  // Whether the series holds own point colours and labels at all.
  bool HasColorList() const { return hasColors_; }
  int LabelCount() const { return static_cast<int>(labels_.size()); }
  int ColorCount() const { return static_cast<int>(colors_.size()); }
  // The point's entry in the colour list as chosen (clPlotColor for a point
  // that follows the series), which the chart file keeps apart from the
  // colour GetValueColor resolves.
  base::TColor PointOwnColor(int index) const {
    const bool listed =
        hasColors_ && index >= 0 && static_cast<std::size_t>(index) < colors_.size();
    return listed ? colors_[static_cast<std::size_t>(index)] : clPlotColor;
  }

  // --- the points as the user gave them --------------------------------------
  // A series that adds a point of its own while it paints (the pie's Other
  // slice) answers where it stands, else -1: exports, chart files and the
  // grid leave it out (SeriesUserPoints).
  virtual int PaintedPointIndex() const { return -1; }
  // The value of `list` at a point as the user gave it: a paint may mark a
  // point through one of its values (the pie's hidden slices).
  virtual double UserValue(const TChartValueList& list, int valueIndex) const {
    return list.Values()[static_cast<std::size_t>(valueIndex)];
  }
  // Takes back quietly what a paint changed in the points, so that an editor
  // changes only the user's own; the next paint does it all again.
  virtual void ReleasePaintedPoints() {}

  // The outermost BeginUpdate notes the count the fill starts from, so that
  // every bulk fill gives its slack back (see EndUpdate).
  void BeginUpdate() {
    if (updateCount_++ == 0) countAtBeginUpdate_ = PointCount();
  }
  // The outermost one sends one refresh to the dependants, seRefresh to the
  // chart's listeners, and asks for one paint.
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }
  // The whole that percentages in mark and legend texts are of: the sum of
  // the absolute mandatory values.
  virtual double PercentTotal() const { return mandatory_->SumOfAbsolutes(); }

  TChartValueLists& ValuesList() { return valuesList_; }
  const TChartValueLists& ValuesList() const { return valuesList_; }
  TChartValueList* MandatoryValueList() const { return mandatory_; }
  TChartValueList* NotMandatoryValueList() const { return notMandatory_; }
  // The further list (from the third) named `name` in any case, else the
  // mandatory list.
  TChartValueList* GetYValueList(const QString& name) const;

  virtual double MaxXValue() const { return xValues_->Maximum(); }
  virtual double MinXValue() const { return xValues_->Minimum(); }
  virtual double MaxYValue() const { return yValues_->Maximum(); }
  virtual double MinYValue() const { return yValues_->Minimum(); }
  // The depth slot: a series' extent along the depth axis.
  virtual double MaxZValue() const { return DepthSlot(); }
  virtual double MinZValue() const { return DepthSlot(); }

  // --- sources and dependants ------------------------------------------------------
  // The first data source, or null.
  QObject* DataSource() const;
  // Null leaves every source; a source must be approved by the chart and
  // must not depend on this series (ChartException).
  void SetDataSource(QObject* source);
  // Stored names of the sources ("DataSources", written when there are
  // several) are taken as read and resolved by Loaded among the components
  // of the series' owner. Each goes through the checks of SetDataSource: a
  // name that is unknown, not a valid source or would close a circle of
  // sources is dropped, so that no stored chart makes notices go round.
  QStringList ExtraStoredNames() const override;
  QVariant ExtraStoredValue(const QString& name) const override;
  bool ReadExtraStored(const QString& name, const QVariant& value) override;
  virtual void Loaded();
  std::vector<QObject*> DataSources() const;
  const std::vector<TChartSeries*>& LinkedSeries() const { return linked_; }
  // Raises ChartException when `source` takes its points from this series,
  // directly or through its own sources.
  void CheckCircularSource(const TChartSeries* source) const;
  // Tells the dependants of a change (nothing while updating).
  virtual void NotifyValue(SeriesValueEvent event, int valueIndex);
  // Takes every point of `source` again.
  virtual void AddValues(const TChartSeries& source);
  virtual void AddSourcePoint(const TChartSeries& source, int valueIndex);
  virtual void DeletedValue(const TChartSeries& source, int valueIndex);
  // Another series may take this one as its source (not itself).
  virtual bool IsValidSourceOf(const TChartSeries* other) const { return other != this; }
  virtual bool IsValidSeriesSource() const { return true; }

  // --- what axes read (AxisLabelSource) -----------------------------------------------
  int FirstVisibleIndex() const override { return firstValueIndex_; }
  int LastVisibleIndex() const override { return lastValueIndex_; }
  QString PointText(int index) const override { return GetXLabel(index); }
  QString MarkText(int index) const override;
  double XValue(int index) const override { return xValues_->Values()[index]; }
  double YValue(int index) const override { return yValues_->Values()[index]; }
  bool XDateTime() const override { return xValues_->DateTime(); }
  bool YDateTime() const override { return yValues_->DateTime(); }
  bool YMandatory() const override { return yMandatory_; }
  bool HasPointTexts() const override;
  bool HasDepthValues() const override { return MaxZValue() != MinZValue(); }
  QString Title() const override { return TCustomChartSeries::Title(); }

  // The visible range, kept by the chart before drawing.
  int FirstValueIndex() const { return firstValueIndex_; }
  int LastValueIndex() const { return lastValueIndex_; }

  // --- axes ------------------------------------------------------------------------------
  // A custom axis of the chart; setting one selects the custom kind (null
  // goes back to the bottom or left axis).
  TChartAxis* CustomHorizAxis() const { return customHorizAxis_; }
  void SetCustomHorizAxis(TChartAxis* axis);
  TChartAxis* CustomVertAxis() const { return customVertAxis_; }
  void SetCustomVertAxis(TChartAxis* axis);
  // The axes the kinds name: top or bottom, left or right, or the custom
  // one when set (bottom and left otherwise, and for the "both" kinds).
  // Null without a chart that draws series.
  TChartAxis* GetHorizAxis() const;
  TChartAxis* GetVertAxis() const;
  // Whether the series draws against `axis` (the "both" kinds against both).
  virtual bool AssociatedToAxis(const TChartAxis& axis) const;
  // False for series placed in pixels, which ignore the axes.
  virtual bool UseAxis() const { return true; }
  // Pixel positions of point `index` (unchecked: drawing loops stay inside
  // the points) and of any value; 0 without axes.
  virtual int CalcXPos(int index) const;
  virtual int CalcYPos(int index) const;
  int CalcXPosValue(double value) const;
  int CalcYPosValue(double value) const;
  // The position of a mandatory value on the axis that carries them.
  int CalcPosOfMandatoryValue(double value) const;
  // The value under a screen x on the horizontal axis.
  double XScreenToValue(int x) const;

  // --- depth -----------------------------------------------------------------------------
  // Takes this paint's depth slot: a fixed ZOrder raises the chart's
  // highest slot to it; otherwise in 3D the next slot, in 2D slot 0.
  virtual void CalcZOrder();
  // The fixed ZOrder, else the slot CalcZOrder gave.
  int DepthSlot() const { return zOrder_ == -1 ? autoZOrder_ : zOrder_; }
  // Places the series at `slot` counted from the front, `seriesDepth`
  // pixels per slot (Depth, when set, is the series' own extent); the marks
  // stand at the middle.
  void SetDepthExtent(int slot, int seriesDepth);
  int StartZ() const { return startZ_; }
  int MiddleZ() const { return middleZ_; }
  int EndZ() const { return endZ_; }
  // Another active series of the chart stands in the same slot in 3D.
  virtual bool MoreSameZOrder() const;

  // --- drawing -----------------------------------------------------------------------------
  // The points between the chart rectangle's edges on the axis of the
  // not-mandatory values (every point for an unordered list), into
  // FirstValueIndex..LastValueIndex; both -1 when none is visible.
  void CalcFirstLastVisibleIndex();
  // Points go in ascending index order unless the axis that carries their
  // order is inverted (in a rotated 3D view the horizontal one the other
  // way round).
  virtual bool DrawValuesForward() const;
  // Whether series sharing a depth slot draw point `valueIndex` in list order.
  virtual bool DrawSeriesForward(int /*valueIndex*/) const { return true; }
  // BeforeDrawValues / AfterDrawValues.
  virtual void DoBeforeDrawValues();
  virtual void DoAfterDrawValues();
  // One point; series types draw, the base draws nothing.
  virtual void DrawValue(int /*valueIndex*/) {}
  // DrawValue over the visible range in the drawing direction.
  virtual void DrawAllValues();
  // The marks of the visible points: every DrawEvery-th one that is not
  // null and has a text, its box centred above the point.
  void DrawMarks();
  // The index of the point at (x, y); series types hit-test, the base
  // finds none.
  virtual int Clicked(int /*x*/, int /*y*/) { return -1; }

  // --- legend ------------------------------------------------------------------------------
  // Legend items are points; a legend position is the point's index.
  virtual int CountLegendItems() const { return PointCount(); }
  virtual int LegendToValueIndex(int legendIndex) const { return legendIndex; }
  virtual base::TColor LegendItemColor(int legendIndex) const { return GetValueColor(legendIndex); }
  // The legend text of item `legendIndex`; "\x06" separates the columns.
  virtual QString LegendString(int legendIndex, TLegendTextStyle style) const;
  // The legend symbol of item `legendIndex` (-1: the whole series) in `r`.
  virtual void DrawLegend(int legendIndex, const TRect& r);
  // The texts of point values: dates for a date-time list (in the format
  // of the axis that shows them, else the locale's), else ValueFormat.
  QString ValueText(const TChartValueList& list, double value) const;
  // The X of point `index` as its axis labels it.
  QString XValueText(int index) const;

  // --- life in a chart ---------------------------------------------------------------------
  // Called by the chart's list: a series joining takes a free palette
  // colour when it has none and takes its points from its sources (or,
  // with the sample switch on, sample points); one leaving stops hearing
  // from its sources until it joins again.
  virtual void Added();
  virtual void Removed();
  // The points, colours, labels, sources and settings of another series.
  void Assign(const TCustomChartElement& source) override;

  // --- function and sample points -------------------------------------------------------
  // The function that computes this series from its sources, or null.
  TPlotFunction* Function() const { return function_; }
  // How a function shows its value over a whole source: one point in the
  // middle of the source's X range, or (false: series that join their
  // points by lines) a level line from its first to its last X.
  bool WholeValueAsPoint() const { return wholeValueAsPoint_; }
  // Frees the old function, takes `function` (the series owns it) and
  // refills from the sources.
  virtual void SetFunction(TPlotFunction* function);

  // The random numbers of sample points: uniform in [0, n).
  using SampleRandom = std::function<int(int n)>;
  // A generator seeded once per process; tests set their own.
  static SampleRandom DefaultSampleRandom();
  // Series joining a chart get sample points instead of their sources' (the
  // gallery's sample charts).
  static bool ShowSampleValues;
  virtual int NumSampleValues() const { return 25; }
  // Replaces the points by `count` sample points (a series with a function
  // recomputes instead). Raises ChartException for a count below 1.
  void FillSampleValues(int count);
  // Adds `count` sample points in the range the chart's axes show (or 0..n
  // by 0..1000 when no series has points), a random walk of Y.
  virtual void AddSampleValues(int count);
  void SetSampleRandom(SampleRandom random) { sampleRandom_ = std::move(random); }

  // --- gallery ----------------------------------------------------------------------------
  // The look of a series in the gallery's small sample charts: no marks (set
  // small for when they show), one colour, red for the chart's first series
  // and blue for the others, silver when the type is not available.
  virtual void PrepareForGallery(bool enabled);
  // The sub-styles the gallery offers for the type (each handed to `add` by
  // its name); the base offers one, "Normal".
  virtual void CreateSubGallery(const std::function<void(const QString&)>& add) const;
  // Applies sub-style `index`; nothing in the base.
  virtual void SetSubGallery(int /*index*/) {}

  // --- value-list owner ---------------------------------------------------------------
  void ValueChanged(int valueIndex) override;
  void CheckDataSource() override;

 protected:
  // Horizontal series: X becomes the mandatory list.
  void SetMandatoryLists();
  // The setter of a published value list: a stored list brings its
  // settings and its name, never its values (null changes nothing).
  static void AssignValueList(TChartValueList& to, const TChartValueList* from);
  virtual void ClearLists();
  virtual void NotifyNewValue(int valueIndex);
  // Adds the point of `source` at `valueIndex` (values, colour, label).
  virtual int AddChartValue(const TChartSeries& source, int valueIndex);
  [[noreturn]] void RaiseIndex(int index) const;
  // A random integer in [0, n) from the sample generator.
  int SampleRandomInt(int n) const;
  // Where `count` sample points go: the ranges the chart's axes show now,
  // widened when empty, else 0..count-1 (from today for dates) by 0..1000.
  struct SampleRange {
    double minX, maxX, minY, maxY;
  };
  SampleRange SampleBounds(int count) const;
  void CheckIndex(int index) const {
    if (index < 0 || index >= PointCount()) RaiseIndex(index);
  }
  SeriesChart* Services() const;
  // The chart's drawing services, or null.
  SeriesDrawingChart* Drawing() const;
  // Inserts one point with the further lists' temp values: steps 3 to 6 of
  // AddPointXY, with neither OnBeforeAdd nor notices.
  int StorePoint(double x, double y, const QString& label, base::TColor color);
  // Ends an update without its refresh, notices or paint: for a series that
  // rearranges its own points while its chart paints.
  void EndUpdateQuietly() {
    if (updateCount_ > 0) --updateCount_;
  }
  // Marks that a list may now hold a NaN, which orders nothing.
  void NoteValue(double x, double y) {
    if (x != x) xMayHoldNaN_ = true;
    if (y != y) yMayHoldNaN_ = true;
  }
  // The canvas as a legend symbol needs it; series types may change it.
  virtual void PrepareLegendCanvas(int /*legendIndex*/, base::TColor& /*backColor*/,
                                   TChartBrush& /*brush*/) {}
  // The symbol rectangle, drawn again with a clear brush (and a white pen on
  // black) when it has the legend's own colour, so that it stays visible.
  virtual void DrawLegendSymbolRect(const TRect& r, base::TColor backColor);
  // Draws one mark through the marks object.
  virtual void DrawMark(int valueIndex, const QString& text, TSeriesMarkPosition& position);

  // Compute the visible range at all (Gantt and arrow series do not), and
  // keep one point beyond the far edge (series that join points by lines).
  bool calcVisiblePoints_ = true;
  bool drawBetweenPoints_ = false;
  bool wholeValueAsPoint_ = true;
  bool usesSeriesColor_ = true;

  int firstValueIndex_ = -1;
  int lastValueIndex_ = -1;

 private:
  template <class T>
  void StoreRepaint(T& field, T value) {
    if (Store(field, value)) Repaint();
  }
  void Init();
  void LeaveSources();
  // The checked part of SetDataSource; `keepOthers` adds to the sources.
  void AddDataSource(QObject* source, bool keepOthers);
  void AddLinked(TChartSeries* dependant);
  void RemoveLinked(TChartSeries* dependant);
  // Slack of the lists given back after a bulk fill.
  void TrimAfterUpdate();
  // The first palette colour no other series of the chart has.
  base::TColor FreeSeriesColor() const;
  // A function of the same class as `source`'s, with its settings.
  void CopyFunction(const TChartSeries& source);
  // After a refill: each dependant with a function recalculates once, and
  // plain dependants that heard of the refill pass it on to theirs.
  void ReleaseFunctionNotices();

  base::TColor seriesColor_ = clPlotColor;
  bool colorEachPoint_ = false;
  QString colorSource_;
  int cursor_ = 0;
  int depth_ = -1;
  QString xLabelsSource_;
  TSeriesMarks* marks_ = nullptr;  // owned through the QObject tree
  QString percentFormat_;
  QString valueFormat_;
  TChartValueLists valuesList_;
  TChartValueList* xValues_ = nullptr;  // owned by valuesList_
  TChartValueList* yValues_ = nullptr;
  TChartValueList* mandatory_ = nullptr;
  TChartValueList* notMandatory_ = nullptr;
  THorizAxis horizAxis_ = aBottomAxis;
  int zOrder_ = -1;
  TVertAxis vertAxis_ = aLeftAxis;
  TRecalcOptions recalcWhen_ = TRecalcOptions(rwDelete | rwModify | rwInsert | rwClear);
  bool yMandatory_ = true;

  // One entry per point once a point had its own colour; empty before.
  std::vector<base::TColor> colors_;
  bool hasColors_ = false;
  // Up to the last labelled point; an empty text is no label.
  std::vector<QString> labels_;
  std::vector<QPointer<QObject>> dataSources_;
  std::vector<TChartSeries*> linked_;
  QStringList pendingSourceNames_;    // read, not yet resolved
  QPointer<TPlotFunction> function_;  // owned through the QObject tree
  SampleRandom sampleRandom_;
  QPointer<TChartAxis> customHorizAxis_;
  QPointer<TChartAxis> customVertAxis_;
  int autoZOrder_ = 0;
  int startZ_ = 0;
  int middleZ_ = 0;
  int endZ_ = 0;
  int updateCount_ = 0;
  // Above 0 while this series refills, or hears of a source's refill:
  // dependants with a function then wait for its end (a chain of functions
  // would otherwise recalculate once per point of each refill).
  int holdFunctionNotices_ = 0;
  bool functionNoticesHeld_ = false;
  int countAtBeginUpdate_ = 0;
  bool destroying_ = false;
  // While Added takes a free colour: the chart announces the series itself.
  bool takingFreeColor_ = false;
  // The chart's drawing side, found once when the series joins it.
  SeriesDrawingChart* drawing_ = nullptr;
  // Whether X or Y may hold a NaN: the visible range then walks the points
  // instead of searching, since a NaN orders nothing.
  bool xMayHoldNaN_ = false;
  bool yMayHoldNaN_ = false;
  bool constructed_ = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TChartSeries::TRecalcOptions)
