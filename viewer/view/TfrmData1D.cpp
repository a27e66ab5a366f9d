#include "viewer/view/TfrmData1D.h"

#include "base/Exceptions.h"
#include "chart/core/ChartPrompts.h"
#include "chart/model/TChart.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/widget/ChartWidget.h"
#include "charteditor/editor/TChartEditor.h"
#include "resultdata/TGrid.h"
#include "resultdata/TResultFile.h"
#include "viewer/view/ViewHost.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QTimer>

#include <cmath>

namespace {

constexpr auto kSlice = std::chrono::milliseconds(20);
constexpr int kRepaintMs = 100;

// Day-number dates against QDate: day 0 is 30 December 1899.
const QDate kDayZero(1899, 12, 30);

QDate DayOf(base::TDateTime t) {
  return kDayZero.addDays(static_cast<qint64>(std::floor(t)));
}

QTime TimeOfDay(base::TDateTime t) {
  const double fraction = t - std::floor(t);
  return QTime(0, 0).addMSecs(static_cast<int>(std::lround(fraction * 86400000.0)) % 86400000);
}

QSpinBox* CellSpin(const char* name, int maximum) {
  auto* spin = new QSpinBox;
  spin->setObjectName(QString::fromLatin1(name));
  spin->setRange(DataExtractor::MinCell, std::max(DataExtractor::MinCell, maximum));
  spin->setValue(DataExtractor::MinCell);
  return spin;
}

}  // namespace

TfrmData1D::TfrmData1D(const ViewHost& project, TDataKind kind, QWidget* parent)
    : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmData1D"));
  setWindowTitle(QStringLiteral("Data Extractor"));
  setMinimumSize(400, 400);
  resize(400, 400);
  setAttribute(Qt::WA_DeleteOnClose);

  const TGrid* grid = project.Grid();
  const TResultFile* reader = project.Reader();
  const base::TDateTime start = reader ? reader->StartDate() : 0;
  model_ = std::make_unique<DataExtractor>(project.FileName(), kind,
                                           grid ? grid->DX() : std::vector<float>{},
                                           grid ? grid->DY() : std::vector<float>{}, start);

  SEBLx_ = CellSpin("SEBLx", model_->MaxCellX());
  SEBLy_ = CellSpin("SEBLy", model_->MaxCellY());
  SEURx_ = CellSpin("SEURx", model_->MaxCellX());
  SEURy_ = CellSpin("SEURy", model_->MaxCellY());
  const auto datePicker = [&](const char* name) {
    auto* edit = new QDateEdit(DayOf(start));
    edit->setObjectName(QString::fromLatin1(name));
    edit->setCalendarPopup(true);
    return edit;
  };
  const auto timePicker = [&](const char* name) {
    auto* edit = new QTimeEdit(TimeOfDay(start));
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
  };
  dfrom_ = datePicker("dfrom");
  dto_ = datePicker("dto");
  tfrom_ = timePicker("tfrom");
  tto_ = timePicker("tto");
  btnUpdate_ = new QPushButton(QStringLiteral("&update"));
  btnUpdate_->setObjectName(QStringLiteral("btnUpdate"));
  progress_ = new QProgressBar;
  progress_->setRange(0, 100);
  progress_->setValue(0);
  status_ = new QLabel;

  BuildChart();

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("x")), 0, 1);
  layout->addWidget(new QLabel(QStringLiteral("y")), 0, 2);
  layout->addWidget(new QLabel(QStringLiteral("VE BL:")), 1, 0);
  layout->addWidget(SEBLx_, 1, 1);
  layout->addWidget(SEBLy_, 1, 2);
  layout->addWidget(new QLabel(QStringLiteral("from:")), 1, 3);
  layout->addWidget(dfrom_, 1, 4);
  layout->addWidget(tfrom_, 2, 4);
  layout->addWidget(new QLabel(QStringLiteral("VE UR:")), 3, 0);
  layout->addWidget(SEURx_, 3, 1);
  layout->addWidget(SEURy_, 3, 2);
  layout->addWidget(new QLabel(QStringLiteral("to:")), 3, 3);
  layout->addWidget(dto_, 3, 4);
  layout->addWidget(tto_, 4, 4);
  layout->addWidget(btnUpdate_, 5, 0, 1, 2);
  layout->addWidget(progress_, 5, 2, 1, 3);
  layout->addWidget(chartWidget_, 6, 0, 1, 5);
  layout->addWidget(status_, 7, 0, 1, 5);
  layout->setRowStretch(6, 1);

  timer_ = new QTimer(this);
  timer_->setInterval(0);
  connect(timer_, &QTimer::timeout, this, &TfrmData1D::RunSlice);
  connect(btnUpdate_, &QPushButton::clicked, this, &TfrmData1D::UpdateClick);
}

TfrmData1D::~TfrmData1D() {
  timer_->stop();
  // The widget shows the chart: it goes first.
  delete chartWidget_;
}

void TfrmData1D::BuildChart() {
  chart_ = std::make_unique<TChart>();
  chart_->SetView3D(false);
  chart_->Legend()->SetVisible(false);
  chart_->Title()->SetText({});
  chart_->SetColor(base::clSilver);
  chart_->BackWall()->SetColor(base::clWhite);
  chart_->BackWall()->SetTransparent(true);
  chart_->setObjectName(QStringLiteral("Chart1"));
  auto* series = new TFastLineSeries(chart_.get());
  series->setObjectName(QStringLiteral("Series1"));
  series->SetSeriesColor(base::clRed);
  series->XValues()->SetDateTime(true);
  series->YValues()->SetOrder(loNone);
  chart_->AddSeries(series);
  series_ = series;
  chartWidget_ = new ChartWidget(chart_.get());
  chartWidget_->setObjectName(QStringLiteral("Chart1"));

  popup_ = new QMenu(this);
  popup_->setObjectName(QStringLiteral("PopupMenu1"));
  editor_ = new TChartEditor(this);
  editor_->SetChart(chart_.get());
  editAction_ = popup_->addAction(QStringLiteral("&edit"));
  editAction_->setObjectName(QStringLiteral("edit1"));
  connect(editAction_, &QAction::triggered, this, &TfrmData1D::EditClick);
  saveAction_ = popup_->addAction(QStringLiteral("&save"));
  saveAction_->setObjectName(QStringLiteral("save1"));
  connect(saveAction_, &QAction::triggered, this, &TfrmData1D::SaveClick);
  // The right button also drags the chart: its menu waits for the release.
  chartWidget_->installEventFilter(this);
}

bool TfrmData1D::eventFilter(QObject* watched, QEvent* event) {
  if (watched != chartWidget_) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::ContextMenu: {
      // Some platforms ask on the press, before anyone knows whether a drag
      // follows; the keyboard's menu key opens it at once.
      auto* request = static_cast<QContextMenuEvent*>(event);
      if (request->reason() != QContextMenuEvent::Mouse) popup_->popup(request->globalPos());
      return true;
    }
    case QEvent::MouseButtonPress: {
      auto* press = static_cast<QMouseEvent*>(event);
      if (press->button() == Qt::RightButton) rightPressAt_ = press->globalPosition().toPoint();
      break;
    }
    case QEvent::MouseButtonRelease: {
      auto* release = static_cast<QMouseEvent*>(event);
      if (release->button() != Qt::RightButton || !rightPressAt_) break;
      const QPoint at = release->globalPosition().toPoint();
      const bool dragged =
          (at - *rightPressAt_).manhattanLength() >= QApplication::startDragDistance();
      rightPressAt_.reset();
      // The menu is not modal: the chart still gets this release and ends
      // its drag.
      if (!dragged) popup_->popup(at);
      break;
    }
    default:
      break;
  }
  return false;
}

void TfrmData1D::showEvent(QShowEvent* event) {
  // Centred on the window it was opened from, once: later showings keep
  // where the user put it.
  if (!placed_) {
    placed_ = true;
    if (QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr) {
      QRect frame = frameGeometry();
      frame.moveCenter(owner->frameGeometry().center());
      move(frame.topLeft());
    }
  }
  QWidget::showEvent(event);
}

void TfrmData1D::UpdateClick() {
  if (model_->Running()) {
    model_->Cancel();
    Finish();
    return;
  }
  if (!series_) return;
  // A date picker holds a day; the start date's time of day completes it.
  const base::TDateTime start = model_->StartDate();
  const double timeOfDay = start - std::floor(start);
  const base::TDateTime from = kDayZero.daysTo(dfrom_->date()) + timeOfDay;
  const base::TDateTime to = kDayZero.daysTo(dto_->date()) + timeOfDay;
  const QString refused =
      model_->Start({SEBLx_->value(), SEBLy_->value(), SEURx_->value(), SEURy_->value()}, from, to);
  if (!refused.isEmpty()) {
    Prompts().Error(refused);
    return;
  }
  series_->ClearValues();
  series_->BeginUpdate();
  seriesUpdating_ = true;
  sinceRepaint_.start();
  btnUpdate_->setText(QStringLiteral("&cancel"));
  // The slices feed the series: the editor must not delete it meanwhile.
  editAction_->setEnabled(false);
  progress_->setValue(0);
  if (model_->Running())
    timer_->start();
  else
    Finish();
}

void TfrmData1D::RunSlice() {
  const bool more = model_->Running() && model_->RunSlice(kSlice);
  for (const QPointF& p : model_->TakeNewPoints()) series_->AddPointXY(p.x(), p.y());
  progress_->setValue(model_->ProgressPercent());
  if (!more) {
    Finish();
    return;
  }
  if (sinceRepaint_.elapsed() >= kRepaintMs) {
    series_->EndUpdate();
    series_->BeginUpdate();
    sinceRepaint_.restart();
  }
}

void TfrmData1D::Finish() {
  timer_->stop();
  for (const QPointF& p : model_->TakeNewPoints()) series_->AddPointXY(p.x(), p.y());
  if (seriesUpdating_) {
    seriesUpdating_ = false;
    series_->EndUpdate();
  }
  btnUpdate_->setText(QStringLiteral("&update"));
  editAction_->setEnabled(true);
  // A run that went through its span is done, however few steps it needed.
  progress_->setValue(model_->Completed() ? 100 : model_->ProgressPercent());
  ShowStatus();
  if (!model_->Error().isEmpty()) Prompts().Error(model_->Error());
}

void TfrmData1D::ShowStatus() {
  if (!series_) {
    status_->clear();
    return;
  }
  QString text = QStringLiteral("%1 points from %2 of %3 steps")
                     .arg(series_->PointCount())
                     .arg(model_->StepsRead())
                     .arg(model_->StepCount());
  if (model_->SkippedSteps() > 0)
    text += QStringLiteral("; %1 steps without a mean left out").arg(model_->SkippedSteps());
  status_->setText(text);
}

void TfrmData1D::EditClick() {
  if (model_->Running()) return;
  editor_->Execute();
  // Delete freed the series and Change replaced it by a new one of the same
  // name: the window follows the name.
  series_ = nullptr;
  for (TChartSeries* s : chart_->SeriesList())
    if (s->objectName() == QLatin1String("Series1")) {
      series_ = s;
      break;
    }
  btnUpdate_->setEnabled(series_ != nullptr);
  saveAction_->setEnabled(series_ != nullptr);
  ShowStatus();
}

void TfrmData1D::SaveClick() {
  if (!series_) return;
  QString path;
  if (!Prompts().SaveFileName(QStringLiteral("Save"), QString(), path) || path.isEmpty()) return;
  std::vector<QPointF> points;
  points.reserve(static_cast<std::size_t>(series_->PointCount()));
  for (int i = 0; i < series_->PointCount(); ++i)
    points.emplace_back(series_->GetXValue(i), series_->GetYValue(i));
  try {
    SaveDataExtractorText(path, points, model_->StartDate());
  } catch (const base::Exception& e) {
    Prompts().Error(e.message());
  }
}

void TfrmData1D::closeEvent(QCloseEvent* event) {
  if (model_->Running()) {
    model_->Cancel();
    Finish();
  }
  QWidget::closeEvent(event);
}
