#include "charteditor/editor/TChartEditForm.h"

#include "charteditor/common/WaitCursor.h"

#include "base/MathUtil.h"
#include "chart/core/ChartClassRegistry.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/TCustomChart.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/FormTranslation.h"
#include "charteditor/common/HelpFiles.h"
#include "charteditor/common/TEditorForm.h"
#include "charteditor/editor/TFormPlotAxis.h"
#include "charteditor/editor/TFormPlotLegend.h"
#include "charteditor/editor/TFormPlotPanel.h"
#include "charteditor/editor/TFormPlotTitle.h"
#include "charteditor/editor/TFormPlotWall.h"
#include "charteditor/series/SeriesStyleFlags.h"
#include "charteditor/series/TChartListBox.h"
#include "charteditor/serieseditors/TFormPlotSeries.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kSeriesSheet = 1;  // of the main page
constexpr int kSubSheetCount = 9;

// The main page's sheet of each main tab.
int MainSheetOf(int tab) {
  switch (tab) {
    case cetSeriesData:
      return 2;
    case cetTools:
      return 3;
    case cetExport:
      return 4;
    case cetPrintPreview:
      return 5;
    default:
      return -1;
  }
}

QPushButton* CommandButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setFixedSize(75, 25);
  return button;
}

// Room for every page at the font the form shows, measured in its lines
// (the widest and tallest pages: the axis page's sheets and the series
// page with a calculated series); never below the designed client size of
// 414 by 320 pixels at 96 pixels per inch, nor beyond the screen.
QSize OpeningSize(const QWidget& form) {
  constexpr int kWidthInLines = 50;
  constexpr int kHeightInLines = 42;
  const int line = form.fontMetrics().height();
  const double scale = form.logicalDpiX() / 96.0;
  QSize size(
      std::max(base::Round(ChartText(ChartMsg::EditorWidth).toInt() * scale), kWidthInLines * line),
      std::max(base::Round(320 * scale), kHeightInLines * line));
  if (const QScreen* screen = form.screen())
    size = size.boundedTo(screen->availableGeometry().size());
  return size;
}

QToolButton* ArrowButton(QWidget* parent, const char* name) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoRaise(true);
  button->setFixedSize(27, 25);
  return button;
}

}  // namespace

TChartEditForm::TChartEditForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ChartEditForm"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  mainPage_ = new GuardedTabWidget(this);
  mainPage_->setObjectName(QStringLiteral("MainPage"));
  // Leaving any main page is the series editor's to allow (changes of a
  // data source not applied), once there is one.
  mainPage_->CanLeavePage = [this] { return !seriesEditor_ || seriesEditor_->CanLeave(); };
  for (const auto& [name, caption] :
       {std::pair{"TabChart", tr("Chart")}, std::pair{"TabSeries", tr("Series")},
        std::pair{"TabData", tr("Data")}, std::pair{"TabTools", tr("Tools")},
        std::pair{"TabExport", tr("Export")}, std::pair{"TabPrint", tr("Print")}}) {
    auto* sheet = new QWidget;
    sheet->setObjectName(QString::fromLatin1(name));
    mainPage_->addTab(sheet, caption);
  }
  subPage_ = new QTabWidget(mainPage_->widget(0));
  subPage_->setObjectName(QStringLiteral("SubPage"));
  auto* chartSheet = new QVBoxLayout(mainPage_->widget(0));
  chartSheet->setContentsMargins(0, 0, 0, 0);
  chartSheet->addWidget(subPage_);
  for (const auto& [name, caption] :
       {std::pair{"TabSeriesList", tr("Series")}, std::pair{"TabGeneral", tr("General")},
        std::pair{"TabAxis", tr("Axis")}, std::pair{"TabTitle", tr("Titles")},
        std::pair{"TabLegend", tr("Legend")}, std::pair{"TabPanel", tr("Panel")},
        std::pair{"TabPaging", tr("Paging")}, std::pair{"TabWalls", tr("Walls")},
        std::pair{"Tab3D", tr("3D")}}) {
    auto* sheet = new QWidget;
    sheet->setObjectName(QString::fromLatin1(name));
    subPage_->addTab(sheet, caption);
  }

  QWidget* listSheet = subPage_->widget(0);
  seriesList_ = new TChartListBox(listSheet);
  seriesList_->setObjectName(QStringLiteral("LBSeries"));
  auto* right = new QWidget(listSheet);
  right->setObjectName(QStringLiteral("PanRight"));
  right->setFixedWidth(100);
  moveUpButton_ = ArrowButton(right, "BMoveUP");
  moveDownButton_ = ArrowButton(right, "BMoveDown");
  addButton_ = CommandButton(right, "BAddSeries", tr("&Add..."));
  deleteButton_ = CommandButton(right, "BDeleteSeries", tr("&Delete"));
  renameButton_ = CommandButton(right, "BRenameSeries", tr("&Title..."));
  cloneButton_ = CommandButton(right, "BCloneSeries", tr("C&lone"));
  changeButton_ = CommandButton(right, "BChangeTypeSeries", tr("&Change..."));
  auto* arrows = new QHBoxLayout;
  arrows->addWidget(moveUpButton_);
  arrows->addWidget(moveDownButton_);
  arrows->addStretch();
  auto* buttons = new QVBoxLayout(right);
  buttons->addLayout(arrows);
  for (QPushButton* b : {addButton_, deleteButton_, renameButton_, cloneButton_, changeButton_})
    buttons->addWidget(b);
  buttons->addStretch();
  auto* listLayout = new QHBoxLayout(listSheet);
  listLayout->setContentsMargins(11, 20, 0, 12);
  listLayout->addWidget(seriesList_, 1);
  listLayout->addWidget(right);

  auto* bottom = new QWidget(this);
  bottom->setObjectName(QStringLiteral("PanBottom"));
  bottom->setFixedHeight(34);
  helpButton_ = new QPushButton(tr("&Help..."), bottom);
  helpButton_->setObjectName(QStringLiteral("ButtonHelp"));
  wwwLabel_ = new QLabel(bottom);
  wwwLabel_->setObjectName(QStringLiteral("LabelWWW"));
  wwwLabel_->setAlignment(Qt::AlignCenter);
  wwwLabel_->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline"));
  closeButton_ = new QPushButton(tr("Close"), bottom);
  closeButton_->setObjectName(QStringLiteral("BClose"));
  closeButton_->setDefault(true);
  auto* bottomLayout = new QHBoxLayout(bottom);
  bottomLayout->setContentsMargins(0, 0, 0, 0);
  bottomLayout->addWidget(helpButton_);
  bottomLayout->addWidget(wwwLabel_, 1);
  bottomLayout->addWidget(closeButton_);
  auto* layout = new QVBoxLayout(this);
  // The form keeps the size it is given (and the shrink without the main
  // page); it grows only to fit a page it builds.
  layout->setSizeConstraint(QLayout::SetNoConstraint);
  layout->addWidget(mainPage_, 1);
  layout->addWidget(bottom);

  resize(OpeningSize(*this));
  mainPage_->setCurrentIndex(0);
  subPage_->setCurrentIndex(0);
  mainPage_->setEnabled(false);
  subPage_->setEnabled(false);

  connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton_, &QPushButton::clicked, this, &TChartEditForm::ShowHelp);
  connect(addButton_, &QPushButton::clicked, this, &TChartEditForm::AddSeries);
  connect(deleteButton_, &QPushButton::clicked, this, &TChartEditForm::DeleteSeries);
  connect(renameButton_, &QPushButton::clicked, this, &TChartEditForm::RenameSeries);
  connect(cloneButton_, &QPushButton::clicked, this, &TChartEditForm::CloneSeries);
  connect(changeButton_, &QPushButton::clicked, this, &TChartEditForm::ChangeSeries);
  connect(moveUpButton_, &QToolButton::clicked, seriesList_, [this] {
    seriesList_->MoveUp();
    RefreshButtons();
  });
  connect(moveDownButton_, &QToolButton::clicked, seriesList_, [this] {
    seriesList_->MoveDown();
    RefreshButtons();
  });
  connect(seriesList_, &QListWidget::itemSelectionChanged, this, &TChartEditForm::RefreshButtons);
  connect(seriesList_, &QListWidget::currentRowChanged, this, &TChartEditForm::RefreshButtons);
  seriesList_->OnRefresh = [this](TChartListBox&) { RefreshButtons(); };
  seriesList_->OnAddCommand = [this] { AddSeries(); };
  seriesList_->OnDeleteCommand = [this] { DeleteSeries(); };
  seriesList_->OnChangeTypeCommand = [this] { ChangeSeries(); };
  seriesList_->OnDblClickSeries = [this](TChartListBox& list, int) {
    if (list.currentRow() < 0) return;
    mainPage_->SelectPage(kSeriesSheet);
  };
  seriesList_->OnOtherItemsChange = [this](TChartListBox& list) {
    if (seriesEditor_) seriesEditor_->SeriesChooser()->setCurrentIndex(list.currentRow());
  };
  connect(subPage_, &QTabWidget::currentChanged, this, &TChartEditForm::SubPageChanged);
  connect(mainPage_, &QTabWidget::currentChanged, this, &TChartEditForm::MainPageChanged);
  SetOptions(options_);
}

TChartEditForm::~TChartEditForm() = default;

TCustomChart* TChartEditForm::Chart() const {
  return chart_.data();
}

void TChartEditForm::SetEditorChart(TCustomChart* chart) {
  chart_ = chart;
  seriesList_->SetChart(chart);
  mainPage_->setEnabled(chart != nullptr);
  subPage_->setEnabled(chart != nullptr);
}

void TChartEditForm::SetStartObjects(TChartAxis* axis, TChartTitle* title, TChartWall* wall) {
  startAxis_ = axis;
  startTitle_ = title;
  startWall_ = wall;
}

void TChartEditForm::SetOptions(TChartEditorOptions options) {
  options_ = options;
  helpFile_ = options.testFlag(ceHelp) ? FindHelpFile(QStringLiteral("VedArod5.eve")) : QString();
  // Help is offered only where there is a file to open.
  helpButton_->setVisible(!helpFile_.isEmpty());
  setWindowFlag(Qt::WindowContextHelpButtonHint, !helpFile_.isEmpty());
  seriesList_->SetAllowAddSeries(options.testFlag(ceAdd));
  seriesList_->SetAllowDeleteSeries(options.testFlag(ceDelete));
  seriesList_->SetEnableChangeType(options.testFlag(ceChange));
  RefreshButtons();
}

void TChartEditForm::ShowHelp() {
  if (!helpFile_.isEmpty()) QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile_));
}

void TChartEditForm::Translate() {
  if (translated_) return;
  translated_ = true;
  TranslateForm(this);
}

void TChartEditForm::showEvent(QShowEvent* event) {
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
  QDialog::showEvent(event);
}

void TChartEditForm::FormShow() {
  LoadArrowGlyphs(*moveUpButton_, *moveDownButton_);
  wwwLabel_->hide();
  seriesList_->SetChart(chart_);
  if (windowTitle().isEmpty() && chart_)
    setWindowTitle(ChartFormat(ChartMsg::EditingTitle, {chart_->objectName()}));
  FitContents();
  HideTabsAsAsked();
  ShowDefaultTab();
  if (seriesList_->count() > 0) {
    seriesList_->SelectSeries(seriesList_->SeriesAt(0));
    RefreshButtons();
  }
}

QWidget* TChartEditForm::SheetOf(EditorPage page) const {
  const int index = static_cast<int>(page);
  if (page <= EditorPage::ThreeD) return subPage_->widget(index + 1);
  return mainPage_->widget(index - static_cast<int>(EditorPage::Data) + 2);
}

void TChartEditForm::HideTabsAsAsked() {
  auto available = [](EditorPage page) {
    switch (page) {
      case EditorPage::Axis:
      case EditorPage::Titles:
      case EditorPage::Legend:
      case EditorPage::Panel:
      case EditorPage::Walls:
        return true;
      case EditorPage::Tools:
        return EditorPages().Contains(page) &&
               !ChartClasses().Entries(ChartClassKind::Tool).isEmpty();
      default:
        return EditorPages().Contains(page);
    }
  };
  subPage_->setTabVisible(0, !hideTabs_.testFlag(hideMain));
  for (int i = 1; i < kSubSheetCount; ++i)
    subPage_->setTabVisible(
        i, !hideTabs_.testAnyFlags(HideTab(TChartEditorTab(i))) && available(EditorPage(i - 1)));
  for (int tab : {int(cetSeriesData), int(cetTools), int(cetExport), int(cetPrintPreview)}) {
    const int sheet = MainSheetOf(tab);
    const EditorPage page = EditorPage(int(EditorPage::Data) + sheet - 2);
    mainPage_->setTabVisible(
        sheet, !hideTabs_.testAnyFlags(HideTab(TChartEditorTab(tab))) && available(page));
  }
  if (hideTabs_.testFlag(hideAllSeries)) {
    // The chart's sub-pages become the whole form.
    delete layout()->replaceWidget(mainPage_, subPage_);
    subPage_->setParent(this);
    subPage_->show();
    mainPage_->hide();
    resize(width() - 10, height() - 26);
  }
}

void TChartEditForm::ShowDefaultTab() {
  if (defaultTab_ < 0) return;
  if (const int sheet = MainSheetOf(defaultTab_); sheet >= 0) {
    // A main page without its tab would show without a way back.
    if (mainPage_->isTabVisible(sheet)) mainPage_->setCurrentIndex(sheet);
    return;
  }
  if (defaultTab_ > cet3D) return;
  int found = -1;
  for (int i = defaultTab_; i < kSubSheetCount && found < 0; ++i)
    if (subPage_->isTabVisible(i)) found = i;
  for (int i = defaultTab_; i >= 0 && found < 0; --i)
    if (subPage_->isTabVisible(i)) found = i;
  defaultTab_ = found;
  if (found < 0) return;
  if (subPage_->currentIndex() == found)
    SubPageChanged();
  else
    subPage_->setCurrentIndex(found);
}

void TChartEditForm::SubPageChanged() {
  const int index = subPage_->currentIndex();
  if (!chart_ || index < 1 || index >= kSubSheetCount) return;
  const EditorPage page = EditorPage(index - 1);
  if (!pages_[static_cast<int>(page)]) BuildPage(page, subPage_->widget(index));
}

void TChartEditForm::MainPageChanged() {
  const int index = mainPage_->currentIndex();
  if (index == kSeriesSheet) {
    ShowSeriesPage();
    return;
  }
  if (!chart_ || index < 2) return;
  const EditorPage page = EditorPage(int(EditorPage::Data) + index - 2);
  if (!pages_[static_cast<int>(page)]) BuildPage(page, mainPage_->widget(index));
}

void TChartEditForm::BuildPage(EditorPage page, QWidget* sheet) {
  TCustomChart* chart = chart_;
  QWidget* built = nullptr;
  TEditorForm* form = nullptr;
  switch (page) {
    case EditorPage::Axis: {
      auto* axis = new TFormPlotAxis(this);
      axis->EditAxis(chart, startAxis_);
      form = axis;
      break;
    }
    case EditorPage::Titles: {
      auto* title = new TFormPlotTitle(this);
      title->EditTitle(chart, startTitle_);
      form = title;
      break;
    }
    case EditorPage::Legend: {
      auto* legend = new TFormPlotLegend(this);
      legend->EditLegend(chart->Legend());
      form = legend;
      break;
    }
    case EditorPage::Panel: {
      auto* panel = new TFormPlotPanel(this);
      panel->EditPanel(chart);
      form = panel;
      break;
    }
    case EditorPage::Walls: {
      auto* wall = new TFormPlotWall(this);
      wall->EditWall(chart, startWall_);
      form = wall;
      break;
    }
    case EditorPage::Print: {
      const WaitCursor wait;
      built = EditorPages().Create(page, {chart, this, sheet});
      break;
    }
    default:
      built = EditorPages().Create(page, {chart, this, sheet});
      break;
  }
  // A page a factory built may itself be an editor form (a dialog): it is
  // embedded the same way, or it would stay a window of its own over the editor.
  if (!form) form = qobject_cast<TEditorForm*>(built);
  if (form) {
    AddEditorForm(form, sheet, form->Tag(), true);
    built = form;
  } else if (built) {
    QLayout* layout = sheet->layout();
    if (!layout) {
      layout = new QVBoxLayout(sheet);
      layout->setContentsMargins(0, 0, 0, 0);
    }
    layout->addWidget(built);
    TranslateForm(built);
    built->show();
  }
  pages_[static_cast<int>(page)] = built;
  FitContents();
}

void TChartEditForm::FitContents() {
  resize(size().expandedTo(sizeHint()));
}

void TChartEditForm::RefreshButtons() {
  TChartSeries* series =
      chart_ && chart_->SeriesCount() > 0 ? seriesList_->CurrentSeries() : nullptr;
  const bool selected = series != nullptr;
  const bool single = seriesList_->selectedItems().size() < 2;
  const int row = seriesList_->currentRow();
  addButton_->setEnabled(options_.testFlag(ceAdd));
  deleteButton_->setEnabled(selected && options_.testFlag(ceDelete) && SeriesMayBeDeleted(*series));
  renameButton_->setEnabled(selected && single && options_.testFlag(ceTitle));
  changeButton_->setEnabled(selected && options_.testFlag(ceChange) &&
                            SeriesMayChangeClass(*series));
  cloneButton_->setEnabled(selected && single && options_.testFlag(ceClone) &&
                           SeriesMayBeCloned(*series));
  moveDownButton_->setEnabled(selected && single && row < seriesList_->count() - 1);
  moveUpButton_->setEnabled(selected && single && row >= 1);
}

void TChartEditForm::ShowSeriesPage() {
  if (!chart_) return;
  TChartSeries* current = seriesList_->CurrentSeries();
  if (!seriesEditor_) {
    QWidget* sheet = mainPage_->widget(kSeriesSheet);
    seriesEditor_ = new TFormPlotSeries(this);
    seriesList_->SetOtherItems(seriesEditor_->SeriesChooser());
    seriesEditor_->SetShowDataSource(options_.testFlag(ceDataSource));
    seriesEditor_->SetShowGeneral(!hideTabs_.testFlag(hideSeriesGeneral));
    seriesEditor_->SetShowMarks(!hideTabs_.testFlag(hideSeriesMarks));
    seriesEditor_->SetOkCancelVisible(false);
    seriesList_->FillSeries(current);
    AddEditorForm(seriesEditor_, sheet, chart_.data(), true);
  }
  seriesEditor_->RefreshSeries(seriesList_->CurrentSeries());
}

void TChartEditForm::RefreshSeriesEditor() {
  if (seriesEditor_) seriesEditor_->RefreshSeries(seriesList_->CurrentSeries());
}

void TChartEditForm::reject() {
  if (seriesEditor_ && !seriesEditor_->CanLeave()) return;
  QDialog::reject();
}

void TChartEditForm::AddSeries() {
  TChartSeries* series = seriesList_->AddSeriesGallery();
  RefreshButtons();
  if (!series || !series->Function()) return;
  // A calculated series needs its sources first: the data source page,
  // where the form shows one at all.
  lastAdded_ = series;
  if (hideTabs_.testFlag(hideAllSeries)) return;
  if (mainPage_->SelectPage(kSeriesSheet) && seriesEditor_) seriesEditor_->ShowDataSourceSheet();
}

void TChartEditForm::DeleteSeries() {
  seriesList_->DeleteSeries();
  RefreshSeriesEditor();
  RefreshButtons();
}

void TChartEditForm::RenameSeries() {
  seriesList_->RenameSeries();
  if (!parentWidget() && seriesList_->focusPolicy() != Qt::NoFocus) seriesList_->setFocus();
}

void TChartEditForm::CloneSeries() {
  seriesList_->CloneSeries();
  RefreshButtons();
}

void TChartEditForm::ChangeSeries() {
  seriesList_->ChangeTypeSeries();
  RefreshSeriesEditor();
  RefreshButtons();
}
