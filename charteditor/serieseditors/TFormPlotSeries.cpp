#include "charteditor/serieseditors/TFormPlotSeries.h"

#include "chart/core/ChartResources.h"
#include "chart/model/TChartSeries.h"
#include "chart/model/TCustomAxisPanel.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "charteditor/common/EditorFormRegistry.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/series/TBaseSourceEditor.h"
#include "charteditor/serieseditors/SeriesColorBox.h"
#include "charteditor/serieseditors/SeriesEditorHooks.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QTabWidget>
#include <QVBoxLayout>

TFormPlotSeries::TFormPlotSeries(QWidget* parent)
    : TEditorForm(parent),
      header_(new QWidget(Body())),
      imageSeries_(new QLabel(header_)),
      labelSeriesClass_(new QLabel(header_)),
      seriesBox_(new QComboBox(header_)),
      colorBox_(new SeriesColorBox(header_)),
      persistentBox_(new QCheckBox(tr("Persistent"), Body())),
      pages_(new GuardedTabWidget(Body())),
      formatSheet_(new QWidget),
      generalSheet_(new QWidget),
      marksSheet_(new QWidget),
      dataSheet_(new QWidget) {
  setObjectName(QStringLiteral("FormPlotSeries"));
  SetOkCancelVisible(false);
  persistentBox_->setObjectName(QStringLiteral("CBPersistent"));
  persistentBox_->hide();
  pages_->setObjectName(QStringLiteral("PageSeries"));
  formatSheet_->setObjectName(QStringLiteral("TheTabSheet"));
  generalSheet_->setObjectName(QStringLiteral("TabGeneral"));
  marksSheet_->setObjectName(QStringLiteral("TabMarks"));
  dataSheet_->setObjectName(QStringLiteral("TabDataSource"));
  pages_->addTab(formatSheet_, tr("Format"));
  pages_->addTab(generalSheet_, tr("General"));
  pages_->addTab(marksSheet_, tr("Marks"));
  pages_->addTab(dataSheet_, tr("Data Source"));
  BuildHeader();
  BuildGeneral();
  BuildMarks();
  BuildDataSource();

  auto* layout = new QVBoxLayout(Body());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(header_);
  layout->addWidget(persistentBox_);
  layout->addWidget(pages_, 1);
  pages_->setCurrentIndex(0);
  // Changes not applied in the data-source editor keep the user there
  // when they choose to.
  pages_->CanLeavePage = [this] { return pages_->currentWidget() != dataSheet_ || CanLeave(); };
  connect(pages_, &QTabWidget::currentChanged, this, &TFormPlotSeries::PageChanged);
}

// The embedded editors are children of their sheets and go with the form.
TFormPlotSeries::~TFormPlotSeries() = default;

void TFormPlotSeries::BuildHeader() {
  header_->setObjectName(QStringLiteral("Panel1"));
  imageSeries_->setObjectName(QStringLiteral("ImageSeries"));
  imageSeries_->setFixedSize(24, 24);
  labelSeriesClass_->setObjectName(QStringLiteral("LabelSeriesClass"));
  seriesBox_->setObjectName(QStringLiteral("CBSeries"));
  seriesBox_->setMaxVisibleItems(16);
  seriesBox_->setMinimumWidth(160);
  auto* row = new QHBoxLayout(header_);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(imageSeries_);
  row->addWidget(seriesBox_);
  row->addWidget(colorBox_);
  row->addWidget(labelSeriesClass_, 1);
  // Only a user's choice: the chart editor's list refills the entries.
  connect(seriesBox_, &QComboBox::activated, this, &TFormPlotSeries::SeriesChosen);
  connect(colorBox_, &SeriesColorBox::colorChanged, this, [this] {
    for (const QPointer<TEditorForm>& e : editors_)
      if (auto* hooks = dynamic_cast<SeriesEditorHooks*>(e.data())) hooks->LoadSeries();
  });
}

void TFormPlotSeries::FillSeriesChooser(TCustomAxisPanel* chart) {
  listedChart_ = chart;
  seriesBox_->clear();
  if (!chart) return;
  for (const auto& [title, series] : chart->FillSeriesTitles())
    seriesBox_->addItem(title, QVariant::fromValue<QObject*>(series));
}

TCustomAxisPanel* TFormPlotSeries::ListedChart() const {
  if (listedChart_) return listedChart_.data();
  return series_ ? dynamic_cast<TCustomAxisPanel*>(series_->ParentChart()) : nullptr;
}

int TFormPlotSeries::ChooserRowOf(TChartSeries* series) const {
  const int row = seriesBox_->findData(QVariant::fromValue<QObject*>(series));
  if (row >= 0) return row;
  // Entries kept by the chart editor's series list are the chart's series
  // in order, as texts alone.
  const auto* chart = dynamic_cast<const TCustomAxisPanel*>(series->ParentChart());
  if (!chart || chart->SeriesCount() != seriesBox_->count()) return -1;
  for (int i = 0; i < chart->SeriesCount(); ++i)
    if (chart->GetSeries(i) == series && !seriesBox_->itemData(i).isValid()) return i;
  return -1;
}

void TFormPlotSeries::RefreshSeries(TChartSeries* series) {
  if (!series) {
    ChangeSeries(nullptr);
    return;
  }
  int row = ChooserRowOf(series);
  if (row < 0) {
    FillSeriesChooser(dynamic_cast<TCustomAxisPanel*>(series->ParentChart()));
    row = ChooserRowOf(series);
  }
  {
    const QSignalBlocker quiet(seriesBox_);
    seriesBox_->setCurrentIndex(row);
  }
  ChangeSeries(series);
}

void TFormPlotSeries::SeriesChosen(int index) {
  // An entry's object is only compared with the chart's live series, never
  // followed: an entry may outlive its series.
  const QVariant data = seriesBox_->itemData(index);
  TCustomAxisPanel* chart = ListedChart();
  if (!chart || index < 0) return;
  TChartSeries* found = nullptr;
  if (data.isValid()) {
    QObject* chosen = data.value<QObject*>();
    for (int i = 0; i < chart->SeriesCount(); ++i)
      if (chart->GetSeries(i) == chosen) found = chart->GetSeries(i);
  } else if (index < chart->SeriesCount()) {
    found = chart->GetSeries(index);
  }
  if (found) ChangeSeries(found);
}

void TFormPlotSeries::ChangeSeries(TChartSeries* series) {
  // The data-source editor of the series shown goes only when it allows it:
  // changes not applied there are asked about, and Cancel keeps that series.
  if (lastShown_ && series != lastShown_ && !CanLeave()) {
    const QSignalBlocker quiet(seriesBox_);
    seriesBox_->setCurrentIndex(ChooserRowOf(lastShown_));
    return;
  }
  // The scope ends on every way out, so that a later visit writes again.
  LoadingScope loading(*this);
  const QString remembered = pages_->tabText(pages_->currentIndex());
  series_ = series;
  pages_->setVisible(series != nullptr);
  if (series_ == lastShown_ && lastShown_) return;
  SetTag(series);
  WatchLook();
  if (!series) {
    FreeEditors();
    colorBox_->SetSeries(nullptr);
    lastShown_ = nullptr;
    return;
  }

  QImage image;
  imageSeries_->setPixmap(PlotLoadClassBitmap(*series, image) ? QPixmap::fromImage(image)
                                                              : QPixmap());
  colorBox_->SetSeries(series);
  colorBox_->setVisible(series->UsesSeriesColor());
  const auto* chart = dynamic_cast<const TCustomAxisPanel*>(series->ParentChart());
  const QString title = chart ? chart->SeriesTitleOrName(*series) : series->objectName();
  labelSeriesClass_->setText(title + QStringLiteral(": ") + GallerySeriesName(*series));

  constexpr int kTemplateBit = 0;
  constexpr int kHideDataSourceBit = 5;
  pages_->setTabVisible(pages_->indexOf(generalSheet_), showGeneral_);
  pages_->setTabVisible(pages_->indexOf(marksSheet_), showMarks_);
  pages_->setTabVisible(pages_->indexOf(dataSheet_),
                        showDataSource_ && !series->HasStyleMember(kTemplateBit) &&
                            !series->HasStyleMember(kHideDataSourceBit));
  horizAxisGroup_->setVisible(series->UseAxis());
  vertAxisGroup_->setVisible(series->UseAxis());

  FreeEditors();
  FreeDataEditor();
  CreateFormatEditor();
  ActivateSheet(remembered);

  shownDataStyle_ = -1;
  PageChanged(pages_->currentIndex());
  colorBox_->update();
  lastShown_ = series;
}

void TFormPlotSeries::WatchLook() {
  disconnect(lookWatch_);
  auto* chart = series_ ? dynamic_cast<TCustomPlotPanel*>(series_->ParentChart()) : nullptr;
  if (chart)
    lookWatch_ =
        connect(chart, &TCustomPlotPanel::repaintRequested, colorBox_, [this] { ShowLook(); });
}

void TFormPlotSeries::ShowLook() {
  colorBox_->update();
}

void TFormPlotSeries::FreeEditors() {
  for (auto it = editors_.rbegin(); it != editors_.rend(); ++it) delete it->data();
  editors_.clear();
  for (const QPointer<QWidget>& sheet : addedSheets_) {
    if (!sheet) continue;
    pages_->removeTab(pages_->indexOf(sheet));
    delete sheet.data();
  }
  addedSheets_.clear();
}

void TFormPlotSeries::CreateFormatEditor() {
  TEditorForm* editor = EditorForms().Create(series_->GetEditorClass(), formatSheet_);
  pages_->setTabVisible(pages_->indexOf(formatSheet_), editor != nullptr);
  if (!editor) return;
  editors_.emplace_back(editor);
  AddEditorForm(editor, formatSheet_, series_, true);
  if (auto* hooks = dynamic_cast<SeriesEditorHooks*>(editor)) {
    hooks->LoadSeries();
    hooks->AddSheets(*this);
  }
}

QWidget* TFormPlotSeries::InsertSheet(int index, const QString& caption) {
  auto* sheet = new QWidget;
  // Inserting may make the new sheet current; nothing is loaded for it.
  const QSignalBlocker block(pages_);
  const int current = pages_->currentIndex();
  pages_->insertTab(index, sheet, caption);
  pages_->setCurrentIndex(current >= index ? current + 1 : current);
  addedSheets_.emplace_back(sheet);
  return sheet;
}

void TFormPlotSeries::AddSheetEditor(TEditorForm* form, QWidget* sheet) {
  if (!form) return;
  editors_.emplace_back(form);
  AddEditorForm(form, sheet, series_, true);
  if (auto* hooks = dynamic_cast<SeriesEditorHooks*>(form)) hooks->LoadSeries();
}

void TFormPlotSeries::ActivateSheet(const QString& caption) {
  int target = -1;
  for (int i = 0; i < pages_->count(); ++i)
    if (pages_->isTabVisible(i) && pages_->tabText(i) == caption) target = i;
  if (target < 0) target = pages_->indexOf(formatSheet_);
  if (!pages_->isTabVisible(target)) target = pages_->indexOf(generalSheet_);
  const QSignalBlocker block(pages_);
  pages_->setCurrentIndex(target);
}

void TFormPlotSeries::PageChanged(int index) {
  QWidget* page = pages_->widget(index);
  if (!series_) return;
  // A sheet shows the series as it is now, whatever changed it meanwhile.
  for (const QPointer<TEditorForm>& e : editors_)
    if (auto* hooks = dynamic_cast<SeriesEditorHooks*>(e.data());
        hooks && e->parentWidget() == page)
      hooks->LoadSeries();
  if (page == dataSheet_) {
    LoadDataSource();
  } else if (page == marksSheet_) {
    LoadMarks();
  } else if (page == generalSheet_) {
    LoadGeneral();
  }
}

bool TFormPlotSeries::ShowDataSourceSheet() {
  if (!pages_->isTabVisible(pages_->indexOf(dataSheet_))) return false;
  return pages_->SelectPage(dataSheet_);
}

bool TFormPlotSeries::CanLeave() {
  auto* editor = qobject_cast<TBaseSourceEditor*>(dataEditor_.data());
  return !editor || editor->CanLeave();
}

void TFormPlotSeries::closeEvent(QCloseEvent* event) {
  if (CanLeave()) {
    TEditorForm::closeEvent(event);
  } else {
    event->ignore();
  }
}
