#pragma once
// The data extractor's window: a rectangle of cells and a span of days,
// "&update" to chart the field's area-weighted mean over it step by step,
// and the chart's popup to edit the chart or save the points as text. The
// popup opens on a right click; a right drag pans the chart. The window
// opens centred on the window it was opened from.
//
// The update runs in short slices from a zero-interval timer, so the window
// stays responsive: meanwhile the button reads "&cancel", a bar shows the
// steps read, and closing the window cancels. The chart repaints at most
// every 100 ms while points arrive, and once at the end.
#include "chart/model/TChartSeries.h"
#include "viewer/view/DataExtractor.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

class ChartWidget;
class QAction;
class QDateEdit;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimeEdit;
class QTimer;
class TChart;
class TChartEditor;
class ViewHost;

class TfrmData1D : public QWidget {
  Q_OBJECT

 public:
  // Reads the project's file through its own reader; raises base::Exception
  // when the file cannot be opened.
  TfrmData1D(const ViewHost& project, TDataKind kind, QWidget* parent = nullptr);
  ~TfrmData1D() override;

  DataExtractor& Model() { return *model_; }
  TChart& Chart() { return *chart_; }
  // The chart's series named "Series1"; null once the chart editor deleted it.
  TChartSeries* SeriesOrNull() const { return series_.data(); }
  TChartSeries& Series() { return *series_; }
  TChartEditor& Editor() { return *editor_; }
  QTimer& SliceTimer() { return *timer_; }
  QPushButton& UpdateButton() { return *btnUpdate_; }
  QProgressBar& Progress() { return *progress_; }
  QMenu& ChartMenu() { return *popup_; }

  // "&update", or "&cancel" while an update runs.
  void UpdateClick();
  // One slice of the update under way (the timer's work).
  void RunSlice();
  // "&edit": the chart editor on the chart; afterwards the window charts
  // into whatever series is named "Series1" then.
  void EditClick();
  // "&save": the points as text, into a file the user names.
  void SaveClick();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildChart();
  void Finish();
  void ShowStatus();

  std::unique_ptr<DataExtractor> model_;
  std::unique_ptr<TChart> chart_;
  QPointer<TChartSeries> series_;  // owned by the chart's owner tree
  TChartEditor* editor_ = nullptr;
  ChartWidget* chartWidget_ = nullptr;
  QSpinBox *SEBLx_, *SEBLy_, *SEURx_, *SEURy_;
  QDateEdit *dfrom_, *dto_;
  QTimeEdit *tfrom_, *tto_;
  QPushButton* btnUpdate_;
  QProgressBar* progress_;
  QLabel* status_;
  QMenu* popup_;
  QAction* editAction_ = nullptr;
  QAction* saveAction_ = nullptr;
  QTimer* timer_;
  QElapsedTimer sinceRepaint_;
  bool seriesUpdating_ = false;
  // Where the right button went down on the chart, while it is down.
  std::optional<QPoint> rightPressAt_;
  bool placed_ = false;
};
