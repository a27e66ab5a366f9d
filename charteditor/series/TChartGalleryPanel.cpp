#include "charteditor/series/TChartGalleryPanel.h"

#include "chart/model/SeriesByClass.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "chart/series/TLineSeries.h"
#include "charteditor/series/GallerySampleWidget.h"
#include "charteditor/series/GallerySubStylePopup.h"
#include "charteditor/series/SampleValuesScope.h"
#include "charteditor/series/TGalleryChart.h"

#include <QKeyEvent>

#include <algorithm>
#include <memory>
#include <random>

namespace {

// The corner of the selected sample whose click opens its sub-styles.
constexpr int kSubCorner = 12;

// The same sample points at every fill, so that samples look alike each time.
TChartSeries::SampleRandom SeededRandom(unsigned seed) {
  auto generator = std::make_shared<std::minstd_rand>(seed + 1);
  return [generator](int n) {
    return n > 0 ? static_cast<int>((*generator)() % static_cast<unsigned>(n)) : 0;
  };
}

const QMetaObject& SeriesClassOf(const TPlotSeriesType& entry) {
  // A function entry shows (and makes) line series.
  return entry.SeriesClass ? *entry.SeriesClass : TLineSeries::staticMetaObject;
}

// The sample's series take sub-style `subStyle` (0: the plain style they are made in).
void ShowSubStyle(TGalleryChart& chart, int subStyle) {
  chart.SetSubStyle(subStyle);
  if (subStyle != 0)
    for (TChartSeries* s : chart.SeriesList()) s->SetSubGallery(subStyle);
}

}  // namespace

TChartGalleryPanel::TChartGalleryPanel(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
}

TChartGalleryPanel::~TChartGalleryPanel() {
  delete popup_.data();
  Clear();
}

// --- switches ----------------------------------------------------------------------------

void TChartGalleryPanel::SetDisplaySub(bool value) {
  displaySub_ = value;
  PaintSelection();
}

void TChartGalleryPanel::SetNumRows(int value) {
  numRows_ = value;
  Relayout();
}

void TChartGalleryPanel::SetNumCols(int value) {
  numCols_ = value;
  Relayout();
}

void TChartGalleryPanel::SetView3D(bool value) {
  view3D_ = value;
  for (GallerySampleWidget* s : samples_) PrepareSample(*s->Chart());
}

TChartSeries* TChartGalleryPanel::ChangedSeries() const {
  return changed_.data();
}

GallerySubStylePopup* TChartGalleryPanel::SubGallery() const {
  return popup_.data();
}

void TChartGalleryPanel::SetChangedSeries(TChartSeries* series) {
  changed_ = series;
}

// --- samples -----------------------------------------------------------------------------

GallerySampleWidget* TChartGalleryPanel::Sample(int index) const {
  return index >= 0 && index < Count() ? samples_[index] : nullptr;
}

TGalleryChart* TChartGalleryPanel::SampleChart(int index) const {
  GallerySampleWidget* s = Sample(index);
  return s ? s->Chart() : nullptr;
}

int TChartGalleryPanel::IndexOf(const GallerySampleWidget& sample) const {
  const auto it = std::find(samples_.begin(), samples_.end(), &sample);
  return it == samples_.end() ? -1 : static_cast<int>(it - samples_.begin());
}

void TChartGalleryPanel::Clear() {
  selected_ = -1;
  for (GallerySampleWidget* s : samples_) delete s;
  samples_.clear();
}

void TChartGalleryPanel::CreateChartList(const QString& page) {
  Clear();
  const TPlotSeriesTypes& types = PlotSeriesTypes();
  for (int e = 0; e < types.Count() && !page.isEmpty(); ++e) {
    const TPlotSeriesType& entry = types[e];
    if ((entry.FunctionClass != nullptr) != functionsOnly_) continue;
    if (entry.GalleryPageText() != page) continue;
    AddSample(e, entry.DescriptionText(), 0);
  }
  Relayout();
  // Change mode starts on the changed series' own class.
  if (changed_) {
    for (int i = 0; i < Count(); ++i) {
      const TPlotSeriesType& entry = types[SampleChart(i)->Entry()];
      if (!entry.FunctionClass && entry.SeriesClass == changed_->metaObject() &&
          SampleChart(i)->Available()) {
        selected_ = i;
        break;
      }
    }
  }
  PaintSelection();
}

void TChartGalleryPanel::CreateSubStyleList(int entry) {
  Clear();
  if (entry < 0 || entry >= PlotSeriesTypes().Count()) return;
  std::unique_ptr<TChartSeries> probe(
      CreateSeriesOfClass(nullptr, nullptr, SeriesClassOf(PlotSeriesTypes()[entry])));
  if (!probe) return;
  QStringList names;
  probe->CreateSubGallery([&names](const QString& name) { names << name; });
  for (int k = 0; k < names.size(); ++k) AddSample(entry, names[k], k);
  Relayout();
  PaintSelection();
}

GallerySampleWidget* TChartGalleryPanel::AddSample(int entry, const QString& title, int subStyle) {
  auto* chart = new TGalleryChart();
  chart->setObjectName(QStringLiteral("PlotGalleryChart%1").arg(Count() + 1));
  chart->SetEntry(entry);
  chart->Title()->SetText({title});
  auto* sample = new GallerySampleWidget(chart, this);
  sample->OnPress = [this](GallerySampleWidget& s, QPoint at) { SamplePressed(s, at); };
  sample->OnDoubleClick = [this](GallerySampleWidget& s) { SampleDoubleClicked(s); };
  samples_.push_back(sample);
  chart->SetSubStyle(subStyle);
  // Made at the size of its cell, when the panel has one yet.
  if (!FitSample(*chart, SampleRect(Count() - 1).size())) {
    FillSample(*chart);
    ShowSubStyle(*chart, subStyle);
  }
  sample->setCursor(chart->Available() ? Qt::PointingHandCursor : Qt::ForbiddenCursor);
  sample->show();
  return sample;
}

void TChartGalleryPanel::FillSample(TGalleryChart& chart) {
  const TPlotSeriesType& entry = PlotSeriesTypes()[chart.Entry()];
  // Seeded by the entry, so that a sample filled again shows the same points.
  const int seed = chart.Entry() * 16;
  chart.FreeAllSeries();
  {
    const SampleValuesScope samples;
    // A function shows what it makes of sample series; alone it has nothing to show.
    std::vector<TChartSeries*> sources;
    const int count = std::max(1, entry.NumGallerySeries);
    for (int k = 0; k < count + (entry.FunctionClass ? 1 : 0); ++k) {
      const bool calculated = entry.FunctionClass && k == count;
      TChartSeries* s = CreateSeriesOfClass(&chart, nullptr, SeriesClassOf(entry),
                                            calculated ? entry.FunctionClass : nullptr);
      if (!s) continue;
      s->SetSampleRandom(SeededRandom(static_cast<unsigned>(seed + k)));
      s->SetParentChart(&chart);
      if (!calculated) {
        sources.push_back(s);
      } else {
        // While the chart reads, each source joins the others.
        chart.BeginReading();
        for (TChartSeries* source : sources) s->SetDataSource(source);
        chart.EndReading();
        chart.CheckDatasource(*s);
      }
    }
  }
  if (changed_ && !chart.SeriesList().empty())
    chart.SetAvailableLook(chart.SeriesList().front()->IsValidSourceOf(changed_.data()));
  PrepareSample(chart);
}

void TChartGalleryPanel::PrepareSample(TGalleryChart& chart) {
  chart.SetView3D(view3D_);
  for (TChartSeries* s : chart.SeriesList()) s->PrepareForGallery(chart.Available());
  const int margin = view3D_ ? 4 : 5;
  chart.SetMarginLeft(margin);
  chart.SetMarginTop(margin);
  chart.SetMarginRight(margin);
  chart.SetMarginBottom(margin);
  // Axis labels only where there is room for them: a maximised gallery.
  const bool labels = window() && window()->isMaximized() && chart.AxisVisible();
  chart.LeftAxis()->SetLabels(labels);
  chart.BottomAxis()->SetLabels(chart.LeftAxis()->Labels());
}

void TChartGalleryPanel::ApplySubStyle(int subStyle) {
  TGalleryChart* chart = SelectedChart();
  if (!chart) return;
  // The sample's series start again from the plain style, so that
  // sub-styles never pile up.
  FillSample(*chart);
  ShowSubStyle(*chart, subStyle);
  PaintSelection();
}

// --- selection ---------------------------------------------------------------------------

void TChartGalleryPanel::SelectChart(int index) {
  if (index < -1 || index >= Count()) return;
  if (index >= 0 && !SampleChart(index)->Available()) return;
  if (index == selected_) return;
  selected_ = index;
  PaintSelection();
  if (OnChangeChart) OnChangeChart(*this);
}

void TChartGalleryPanel::PaintSelection() {
  for (int i = 0; i < Count(); ++i) {
    const bool selected = i == selected_;
    samples_[i]->Chart()->SetSelectedLook(selected);
    samples_[i]->SetShowSubSign(selected && displaySub_);
  }
}

bool TChartGalleryPanel::GetSeriesClass(GalleryChoice& choice) const {
  const TGalleryChart* chart = SelectedChart();
  if (!chart || chart->Entry() < 0 || chart->Entry() >= PlotSeriesTypes().Count()) return false;
  const TPlotSeriesType& entry = PlotSeriesTypes()[chart->Entry()];
  choice.seriesClass = &SeriesClassOf(entry);
  choice.functionClass = entry.FunctionClass;
  choice.subStyle = chart->SubStyle();
  return true;
}

void TChartGalleryPanel::MoveSelection(int dx, int dy) {
  if (numCols_ < 1) return;
  if (selected_ < 0) {
    // Nothing selected yet: any arrow starts on the first available sample.
    for (int i = 0; i < Count(); ++i) {
      if (SampleChart(i)->Available()) {
        SelectChart(i);
        return;
      }
    }
    return;
  }
  const int col = selected_ % numCols_ + dx;
  const int row = selected_ / numCols_ + dy;
  if (col < 0 || row < 0 || col >= numCols_) return;
  const int target = row * numCols_ + col;
  if (target < Count()) SelectChart(target);
}

// --- layout ------------------------------------------------------------------------------

int TChartGalleryPanel::CellWidth() const {
  return numCols_ < 1 || numRows_ < 1 ? 0 : width() / numCols_;
}

int TChartGalleryPanel::CellHeight() const {
  return numCols_ < 1 || numRows_ < 1 ? 0 : height() / numRows_;
}

QRect TChartGalleryPanel::SampleRect(int index) const {
  if (numCols_ < 1 || numRows_ < 1 || index < 0) return {};
  const int cw = CellWidth();
  const int ch = CellHeight();
  const int w = std::min(cw, width()) - 1;
  const int h = std::min(ch, height()) - 1;
  if (w <= 0 || h <= 0) return {};
  return {(index % numCols_) * cw, (index / numCols_) * ch, w, h};
}

void TChartGalleryPanel::Relayout() {
  bool remade = false;
  for (int i = 0; i < Count(); ++i) {
    const QRect r = SampleRect(i);
    samples_[i]->setGeometry(r.isEmpty() ? QRect() : r);
    samples_[i]->setVisible(!r.isEmpty());
    remade = FitSample(*samples_[i]->Chart(), r.size()) || remade;
  }
  if (remade) PaintSelection();
}

bool TChartGalleryPanel::FitSample(TGalleryChart& chart, QSize size) {
  if (size.isEmpty() || (chart.Width() == size.width() && chart.Height() == size.height()))
    return false;
  chart.SetWidth(size.width());
  chart.SetHeight(size.height());
  // Seeded as before: the same points, prepared for this size.
  FillSample(chart);
  ShowSubStyle(chart, chart.SubStyle());
  return true;
}

void TChartGalleryPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Relayout();
}

// --- the user ----------------------------------------------------------------------------

bool TChartGalleryPanel::event(QEvent* event) {
  // The arrow keys move the selection, not the focus.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right || key->key() == Qt::Key_Up ||
        key->key() == Qt::Key_Down) {
      keyPressEvent(key);
      return true;
    }
  }
  return QWidget::event(event);
}

void TChartGalleryPanel::keyPressEvent(QKeyEvent* event) {
  const bool alt = (event->modifiers() & Qt::AltModifier) != 0;
  switch (event->key()) {
    case Qt::Key_Left:
      MoveSelection(-1, 0);
      break;
    case Qt::Key_Right:
      MoveSelection(1, 0);
      break;
    case Qt::Key_Up:
      MoveSelection(0, -1);
      break;
    case Qt::Key_Down:
      if (alt && displaySub_) {
        OpenSubGallery();
      } else {
        MoveSelection(0, 1);
      }
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Enter picks a sample only when there is one.
      if (selected_ >= 0 && OnSelectedChart) OnSelectedChart(*this);
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void TChartGalleryPanel::SamplePressed(GallerySampleWidget& sample, QPoint at) {
  const int index = IndexOf(sample);
  if (index < 0 || !sample.Chart()->Available()) return;
  setFocus();
  if (index == selected_ && displaySub_ && at.x() < kSubCorner &&
      at.y() >= sample.height() - kSubCorner) {
    OpenSubGallery();
    return;
  }
  SelectChart(index);
  if (clickPicks_ && OnSelectedChart) OnSelectedChart(*this);
}

void TChartGalleryPanel::SampleDoubleClicked(GallerySampleWidget& sample) {
  const int index = IndexOf(sample);
  if (index < 0 || !sample.Chart()->Available()) return;
  SelectChart(index);
  if (OnSelectedChart) OnSelectedChart(*this);
}

void TChartGalleryPanel::OpenSubGallery() {
  GallerySampleWidget* sample = Sample(selected_);
  if (!displaySub_ || !sample || popup_) return;
  popup_ = new GallerySubStylePopup(*this, *sample);
  popup_->OnClosed = [this](bool ok, int subStyle) {
    popup_ = nullptr;
    if (!ok) return;
    ApplySubStyle(subStyle);
    if (OnSubSelected) OnSubSelected(*this);
  };
  popup_->show();
}
