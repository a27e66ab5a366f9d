#include "charteditor/series/TPlotGallery.h"

#include "chart/core/ChartMessages.h"
#include "chart/model/TChartSeries.h"
#include "chart/model/TCustomPlotPanel.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "charteditor/series/TChartGalleryPanel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

constexpr int kSeriesTab = 0;
constexpr int kFunctionsTab = 1;

}  // namespace

QStringList GalleryPages(const TPlotSeriesTypes& types, bool functions) {
  QStringList pages;
  for (int e = 0; e < types.Count(); ++e) {
    const TPlotSeriesType& entry = types[e];
    if ((entry.FunctionClass != nullptr) != functions || entry.NumGallerySeries <= 0) continue;
    const QString page = entry.GalleryPageText();
    if (!pages.contains(page)) pages << page;
  }
  const QString standard = ChartText(ChartMsg::PageStandard);
  if (pages.contains(standard)) pages.move(pages.indexOf(standard), 0);
  return pages;
}

TPlotGallery::TPlotGallery(QWidget* parent)
    : TEditorForm(parent),
      typeTabs_(new QTabBar(Body())),
      pageTabs_(new QTabBar(Body())),
      panel_(new TChartGalleryPanel(Body())),
      view3D_(new QCheckBox(tr("&3D"), Body())) {
  setWindowTitle(tr("PlotChart Gallery"));
  setObjectName(QStringLiteral("TPlotGallery"));
  typeTabs_->setObjectName(QStringLiteral("TabTypes"));
  pageTabs_->setObjectName(QStringLiteral("TabPages"));
  panel_->setObjectName(QStringLiteral("ChartGalleryPanel1"));
  view3D_->setObjectName(QStringLiteral("CB3D"));
  typeTabs_->addTab(tr("Series"));
  typeTabs_->addTab(tr("Functions"));
  view3D_->setChecked(true);
  panel_->setMinimumSize(400, 300);
  auto* layout = new QVBoxLayout(Body());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(typeTabs_);
  layout->addWidget(pageTabs_);
  layout->addWidget(panel_, 1);
  layout->addWidget(view3D_);
  connect(typeTabs_, &QTabBar::currentChanged, this, [this] { TypeChanged(); });
  connect(pageTabs_, &QTabBar::currentChanged, this, [this] { PageChanged(); });
  connect(view3D_, &QCheckBox::toggled, this, [this](bool on) { panel_->SetView3D(on); });
  panel_->OnSelectedChart = [this](TChartGalleryPanel&) { accept(); };
  panel_->setFocus();
}

void TPlotGallery::SetAddMode(bool view3D) {
  panel_->SetChangedSeries(nullptr);
  if (typeTabs_->count() < 2) typeTabs_->addTab(tr("Functions"));
  view3D_->setChecked(view3D);
  typeTabs_->setCurrentIndex(kSeriesTab);
  TypeChanged();
}

void TPlotGallery::SetChangeMode(TChartSeries* series) {
  SetTag(series);
  panel_->SetChangedSeries(series);
  // A series cannot become a function.
  while (typeTabs_->count() > 1) typeTabs_->removeTab(kFunctionsTab);
  const auto* chart = series ? dynamic_cast<TCustomPlotPanel*>(series->ParentChart()) : nullptr;
  view3D_->setChecked(chart ? chart->View3D() : true);
  typeTabs_->setCurrentIndex(kSeriesTab);
  TypeChanged();
}

bool TPlotGallery::View3D() const {
  return view3D_->isChecked();
}

bool TPlotGallery::Choice(GalleryChoice& choice) const {
  return panel_->GetSeriesClass(choice);
}

bool TPlotGallery::FunctionsShown() const {
  return typeTabs_->currentIndex() == kFunctionsTab;
}

void TPlotGallery::TypeChanged() {
  const QStringList pages = GalleryPages(PlotSeriesTypes(), FunctionsShown());
  rebuilding_ = true;
  while (pageTabs_->count() > 0) pageTabs_->removeTab(0);
  for (const QString& page : pages) pageTabs_->setTabData(pageTabs_->addTab(page), page);
  rebuilding_ = false;
  pageTabs_->setCurrentIndex(pages.isEmpty() ? -1 : 0);
  PageChanged();
}

void TPlotGallery::PageChanged() {
  if (rebuilding_) return;
  panel_->SetFunctionsOnly(FunctionsShown());
  panel_->SetView3D(View3D());
  const int page = pageTabs_->currentIndex();
  panel_->CreateChartList(page >= 0 ? pageTabs_->tabData(page).toString() : QString());
}

void TPlotGallery::showEvent(QShowEvent* event) {
  if (pageTabs_->count() == 0 && panel_->Count() == 0) TypeChanged();
  TEditorForm::showEvent(event);
  panel_->setFocus();
}

void TPlotGallery::keyPressEvent(QKeyEvent* event) {
  // Keys the controls leave go to the samples; Escape still cancels.
  // (A key the panel leaves comes back here through its parents: not again.)
  if (event->key() != Qt::Key_Escape && !forwarding_ && !panel_->isAncestorOf(focusWidget()) &&
      focusWidget() != panel_) {
    forwarding_ = true;
    event->ignore();
    QCoreApplication::sendEvent(panel_, event);
    forwarding_ = false;
    if (event->isAccepted()) return;
  }
  TEditorForm::keyPressEvent(event);
}
