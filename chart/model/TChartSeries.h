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
// Public calls that name a point check the index (ChartException with the
// range); the drawing loops of series types read the lists unchecked inside
// the visible range.
#include "base/Colors.h"
#include "chart/core/TChartValueLists.h"
#include "chart/model/AxisChart.h"
#include "chart/model/TCustomChartSeries.h"
#include "chart/model/TSeriesMarks.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class TChartSeries;

// The colour a series or point has before one is chosen: the series takes
// one of the chart's palette, a point the series' colour.
inline constexpr base::TColor clPlotColor = 0x20000000;

// What a series asks of its chart besides what every element asks
// (ChartHost): whether a component may feed it, and its refill from its
// sources. The axis panel answers both.
class SeriesChart {
 public:
  virtual ~SeriesChart() = default;
  virtual bool IsValidDataSource(const TChartSeries& series, const QObject* source) const = 0;
  // The series takes its points again from its data source.
  virtual void CheckDatasource(TChartSeries& series) = 0;
};

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
  // Leaves its sources and tells its dependants it is gone.
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
  void SetHorizAxis(THorizAxis value) { StoreRepaint(horizAxis_, value); }
  // A fixed depth slot; -1 lets the chart choose.
  int ZOrder() const { return zOrder_; }
  void SetZOrder(int value) { SetIntegerProperty(zOrder_, value); }
  TVertAxis VertAxis() const { return vertAxis_; }
  void SetVertAxis(TVertAxis value) { StoreRepaint(vertAxis_, value); }
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

  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

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
  virtual double MaxZValue() const { return zOrder_; }
  virtual double MinZValue() const { return zOrder_; }

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

  // --- value-list owner ---------------------------------------------------------------
  void ValueChanged(int valueIndex) override;
  void CheckDataSource() override;

 protected:
  // Horizontal series: X becomes the mandatory list.
  void SetMandatoryLists();
  virtual void ClearLists();
  virtual void NotifyNewValue(int valueIndex);
  // Adds the point of `source` at `valueIndex` (values, colour, label).
  virtual int AddChartValue(const TChartSeries& source, int valueIndex);
  [[noreturn]] void RaiseIndex(int index) const;
  void CheckIndex(int index) const {
    if (index < 0 || index >= PointCount()) RaiseIndex(index);
  }
  SeriesChart* Services() const;

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
  QStringList pendingSourceNames_;  // read, not yet resolved
  int updateCount_ = 0;
  int countAtBeginUpdate_ = 0;
  bool destroying_ = false;
  bool constructed_ = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TChartSeries::TRecalcOptions)
