#pragma once
// The layer of a chart between the drawing panel and the complete chart: it
// keeps the series in paint order, owns the five standard axes, and answers
// what the axes and the series ask of their chart (ranges, pages, sources).
#include "chart/model/AxisChart.h"
#include "chart/model/PlotPanelEvents.h"
#include "chart/model/TChartAxis.h"
#include "chart/model/TChartSeries.h"
#include "chart/model/TCustomPlotPanelExtended.h"

#include <functional>
#include <memory>
#include <vector>

// A series was added, removed, changed or moved in the list.
class TPlotSeriesEvent : public TPlotEvent {
 public:
  ChartSeriesEvent Event = seAdd;
  TPlotPersistent* Series = nullptr;
};

// The current page changed.
class TPlotPageChangeEvent : public TPlotEvent {};

class TCustomAxisPanel : public TCustomPlotPanelExtended, public SeriesChart {
  Q_OBJECT
  Q_PROPERTY(int MaxPointsPerPage READ MaxPointsPerPage WRITE SetMaxPointsPerPage)
  Q_CLASSINFO("default:MaxPointsPerPage", "0")
  Q_PROPERTY(int Page READ Page WRITE SetPage)
  Q_CLASSINFO("default:Page", "1")
  Q_PROPERTY(bool ScaleLastPage READ ScaleLastPage WRITE SetScaleLastPage)
  Q_CLASSINFO("default:ScaleLastPage", "true")

 public:
  explicit TCustomAxisPanel(QObject* parent = nullptr);
  ~TCustomAxisPanel() override;

  // --- series list ------------------------------------------------------------------
  int SeriesCount() const { return static_cast<int>(series_.size()); }
  // Raises ChartException for an index outside 0..SeriesCount() - 1.
  TChartSeries* GetSeries(int index) const;
  const std::vector<TChartSeries*>& SeriesList() const { return series_; }
  // Attaches `series` to this chart (which lists it) and returns it.
  TChartSeries* AddSeries(TChartSeries* series);
  // Detaches `series` from this chart (which unlists it).
  void RemoveSeries(TChartSeries* series);
  // Swaps two entries of the paint order; both indices are checked.
  void ExchangeSeries(int a, int b);
  TChartSeries* FirstActiveSeries() const;
  int CountActiveSeries() const;

  // --- axes -------------------------------------------------------------------------
  TChartAxis* LeftAxis() const { return leftAxis_.get(); }
  TChartAxis* TopAxis() const { return topAxis_.get(); }
  TChartAxis* RightAxis() const { return rightAxis_.get(); }
  TChartAxis* BottomAxis() const { return bottomAxis_.get(); }
  TChartDepthAxis* DepthAxis() const { return depthAxis_.get(); }
  // The chart as the axes see it.
  TAxisChart& AxisServices();

  // The range the series give `axis` (0 when none has points).
  double MinMax(const TChartAxis& axis, bool isMax) const;
  // Whether `series` draws against `axis` (the "both" kinds count for both).
  bool IsAssociated(const TChartSeries& series, const TChartAxis& axis) const;

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
  std::function<void(TCustomAxisPanel&)> OnPageChange;

  // --- what the series ask ----------------------------------------------------------
  bool IsValidDataSource(const TChartSeries& series, const QObject* source) const override;
  void CheckDatasource(TChartSeries& series) override;

  // --- chart host -------------------------------------------------------------------
  void BroadcastSeriesEvent(ChartSeriesEvent event, TPlotPersistent* series) override;
  void ElementAttached(TPlotPersistent* element) override;
  void ElementDetached(TPlotPersistent* element) override;

 private:
  class AxisLink;
  void BroadcastPageChange();

  std::vector<TChartSeries*> series_;
  std::unique_ptr<AxisLink> axisLink_;
  std::unique_ptr<TChartAxis> leftAxis_;
  std::unique_ptr<TChartAxis> topAxis_;
  std::unique_ptr<TChartAxis> rightAxis_;
  std::unique_ptr<TChartAxis> bottomAxis_;
  std::unique_ptr<TChartDepthAxis> depthAxis_;
  int maxPointsPerPage_ = 0;
  int page_ = 1;
  bool scaleLastPage_ = true;
};
