// The series editor's "General" sheet: legend, cursor, depth, formats,
// axes and sort order of the series shown.
#include "charteditor/serieseditors/TFormPlotSeries.h"

#include "chart/core/ChartCursors.h"
#include "chart/core/ChartMessages.h"
#include "chart/core/ChartNumberText.h"
#include "chart/model/TChartCustomAxes.h"
#include "chart/model/TChartSeries.h"
#include "chart/model/TCustomAxisPanel.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/NamedControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

constexpr int kFixedAxisEntries = 3;

// The user's own format text: typed in the box or chosen from its list.
void onFormatText(QComboBox* box, const std::function<void(const QString&)>& write) {
  QObject::connect(box, &QComboBox::textActivated, box, write);
  QObject::connect(box->lineEdit(), &QLineEdit::textEdited, box, write);
}

// The custom axes of `chart` whose orientation is `horizontal`, in order.
std::vector<TChartAxis*> customAxes(const TCustomAxisPanel* chart, bool horizontal) {
  std::vector<TChartAxis*> axes;
  if (!chart) return axes;
  const TChartCustomAxes* all = chart->CustomAxes();
  for (int i = 0; i < all->Count(); ++i)
    if (all->Get(i)->Horizontal() == horizontal) axes.push_back(all->Get(i));
  return axes;
}

}  // namespace

void TFormPlotSeries::BuildGeneral() {
  QWidget* page = generalSheet_;
  auto* general = new QGroupBox(tr("General:"), page);
  general->setObjectName(QStringLiteral("GB5"));
  showInLegendBox_ = MakeCheck(general, "CBShowInLegend", tr("&Show In Legend"));
  showInLegendBox_->setChecked(true);
  cursorBox_ = MakeCombo(general, "CBCursor", {});
  for (const QString& name : PlotCursorIdents()) cursorBox_->addItem(name.mid(2), name);
  depthBox_ = MakeSpin(general, "EDepth", 0, 1200);
  autoDepthBox_ = MakeCheck(general, "CBDepth", tr("Auto"));
  auto* generalGrid = new QGridLayout(general);
  generalGrid->addWidget(showInLegendBox_, 0, 0, 1, 3);
  generalGrid->addWidget(new QLabel(tr("Cursor:"), general), 1, 0);
  generalGrid->addWidget(cursorBox_, 1, 1, 1, 2);
  generalGrid->addWidget(new QLabel(tr("Depth:"), general), 2, 0);
  generalGrid->addWidget(depthBox_, 2, 1);
  generalGrid->addWidget(autoDepthBox_, 2, 2);

  auto* formats = new QGroupBox(tr("Formats:"), page);
  formats->setObjectName(QStringLiteral("GB2"));
  formatBox_ = MakeCombo(formats, "CBFormat", {});
  formatBox_->setEditable(true);
  formatBox_->setInsertPolicy(QComboBox::NoInsert);
  percentFormatBox_ = MakeCombo(formats, "EPercentFormat", {});
  percentFormatBox_->setEditable(true);
  percentFormatBox_->setInsertPolicy(QComboBox::NoInsert);
  formatBox_->setMinimumWidth(140);
  percentFormatBox_->setMinimumWidth(140);
  auto* formatGrid = new QGridLayout(formats);
  formatGrid->addWidget(new QLabel(tr("Values:"), formats), 0, 0);
  formatGrid->addWidget(formatBox_, 0, 1);
  formatGrid->addWidget(new QLabel(tr("Percents:"), formats), 1, 0);
  formatGrid->addWidget(percentFormatBox_, 1, 1);

  horizAxisGroup_ = new QGroupBox(tr("Horizontal Axis:"), page);
  horizAxisGroup_->setObjectName(QStringLiteral("GBHorizAxis"));
  horizAxisBox_ = MakeCombo(horizAxisGroup_, "CBHorizAxis", {});
  xDateTimeBox_ = MakeCheck(horizAxisGroup_, "CBXDateTime", tr("Dat&eTime"));
  auto* horizRow = new QHBoxLayout(horizAxisGroup_);
  horizRow->addWidget(horizAxisBox_);
  horizRow->addWidget(xDateTimeBox_);
  vertAxisGroup_ = new QGroupBox(tr("Vertical Axis:"), page);
  vertAxisGroup_->setObjectName(QStringLiteral("GBVertAxis"));
  vertAxisBox_ = MakeCombo(vertAxisGroup_, "CBVertAxis", {});
  yDateTimeBox_ = MakeCheck(vertAxisGroup_, "CBYDateTime", tr("D&ateTime"));
  auto* vertRow = new QHBoxLayout(vertAxisGroup_);
  vertRow->addWidget(vertAxisBox_);
  vertRow->addWidget(yDateTimeBox_);
  auto* sortLabel = new QLabel(tr("S&ort:"), page);
  sortLabel->setObjectName(QStringLiteral("LSort"));
  sortBox_ = MakeCombo(page, "CBSort", {tr("Ascending"), tr("Descending"), tr("None")});
  sortLabel->setBuddy(sortBox_);

  auto* sortRow = new QHBoxLayout;
  sortRow->addWidget(sortLabel);
  sortRow->addWidget(sortBox_, 1);
  auto* grid = new QGridLayout(page);
  grid->addWidget(general, 0, 0, 2, 1);
  grid->addWidget(formats, 0, 1);
  grid->addWidget(horizAxisGroup_, 1, 1);
  grid->addWidget(vertAxisGroup_, 2, 1);
  grid->addLayout(sortRow, 2, 0, Qt::AlignTop);
  grid->setRowStretch(3, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);

  connect(showInLegendBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (CanWrite()) series_->SetShowInLegend(on);
  });
  connect(cursorBox_, &QComboBox::activated, this, [this](int index) {
    int cursor = 0;
    if (CanWrite() && PlotIdentToCursor(cursorBox_->itemData(index).toString(), cursor))
      series_->SetCursor(cursor);
  });
  connect(depthBox_, &QSpinBox::valueChanged, this, &TFormPlotSeries::DepthChanged);
  connect(autoDepthBox_, &QCheckBox::toggled, this, &TFormPlotSeries::DepthChanged);
  onFormatText(formatBox_, [this](const QString& text) {
    if (CanWrite()) series_->SetValueFormat(DelocalizeNumberText(text));
  });
  onFormatText(percentFormatBox_, [this](const QString& text) {
    if (CanWrite()) series_->SetPercentFormat(DelocalizeNumberText(text));
  });
  connect(horizAxisBox_, &QComboBox::activated, this, [this](int i) { AxisChosen(true, i); });
  connect(vertAxisBox_, &QComboBox::activated, this, [this](int i) { AxisChosen(false, i); });
  connect(xDateTimeBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (CanWrite()) series_->XValues()->SetDateTime(on);
  });
  connect(yDateTimeBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (CanWrite()) series_->YValues()->SetDateTime(on);
  });
  connect(sortBox_, &QComboBox::activated, this, &TFormPlotSeries::SortChosen);
}

void TFormPlotSeries::LoadGeneral() {
  LoadingScope loading(*this);
  TChartSeries* s = series_.data();
  const bool autoDepth = s->Depth() == -1;
  autoDepthBox_->setChecked(autoDepth);
  depthBox_->setValue(autoDepth ? 0 : s->Depth());
  depthBox_->setEnabled(!autoDepth);

  // The formats listed in the user's separators, so that a choice reads
  // back through delocalising as the format it shows.
  formatBox_->clear();
  AddValueFormats(*formatBox_);
  for (int i = 0; i < formatBox_->count(); ++i)
    formatBox_->setItemText(i, LocalizeNumberText(formatBox_->itemText(i)));
  formatBox_->setEditText(LocalizeNumberText(s->ValueFormat()));
  percentFormatBox_->clear();
  percentFormatBox_->addItem(LocalizeNumberText(ChartText(ChartMsg::PercentFormat)));
  percentFormatBox_->setEditText(LocalizeNumberText(s->PercentFormat()));

  FillAxisBox(*horizAxisBox_, true, kFixedAxisEntries);
  FillAxisBox(*vertAxisBox_, false, kFixedAxisEntries);
  xDateTimeBox_->setChecked(s->XValues()->DateTime());
  yDateTimeBox_->setChecked(s->YValues()->DateTime());
  switch (s->NotMandatoryValueList()->Order()) {
    case TChartValueList::loAscending:
      sortBox_->setCurrentIndex(0);
      break;
    case TChartValueList::loDescending:
      sortBox_->setCurrentIndex(1);
      break;
    default:
      sortBox_->setCurrentIndex(2);
      break;
  }
  showInLegendBox_->setChecked(s->ShowInLegend());
  QString ident;
  cursorBox_->setCurrentIndex(PlotCursorToIdent(s->Cursor(), ident) ? cursorBox_->findData(ident)
                                                                    : -1);
}

void TFormPlotSeries::FillAxisBox(QComboBox& box, bool horizontal, int fixedCount) {
  box.clear();
  if (horizontal) {
    box.addItems({tr("Top"), tr("Bottom"), tr("Top and Bottom")});
  } else {
    box.addItems({tr("Left"), tr("Right"), tr("Left and Right")});
  }
  const auto* chart = dynamic_cast<const TCustomAxisPanel*>(series_->ParentChart());
  const std::vector<TChartAxis*> axes = customAxes(chart, horizontal);
  for (std::size_t i = 0; i < axes.size(); ++i)
    box.addItem(ChartText(ChartMsg::CustomAxisPrefix) + QString::number(i));
  TChartAxis* custom = horizontal ? series_->CustomHorizAxis() : series_->CustomVertAxis();
  const int kind =
      horizontal ? static_cast<int>(series_->HorizAxis()) : static_cast<int>(series_->VertAxis());
  int entry = kind < fixedCount ? kind : -1;
  for (std::size_t i = 0; i < axes.size(); ++i)
    if (custom && axes[i] == custom) entry = fixedCount + static_cast<int>(i);
  box.setCurrentIndex(entry);
}

void TFormPlotSeries::AxisChosen(bool horizontal, int index) {
  if (!CanWrite() || index < 0) return;
  if (index < kFixedAxisEntries) {
    if (horizontal) {
      series_->SetHorizAxis(static_cast<TChartSeries::THorizAxis>(index));
    } else {
      series_->SetVertAxis(static_cast<TChartSeries::TVertAxis>(index));
    }
    return;
  }
  const auto* chart = dynamic_cast<const TCustomAxisPanel*>(series_->ParentChart());
  const std::vector<TChartAxis*> axes = customAxes(chart, horizontal);
  const auto custom = static_cast<std::size_t>(index - kFixedAxisEntries);
  if (custom >= axes.size()) return;
  if (horizontal) {
    series_->SetCustomHorizAxis(axes[custom]);
  } else {
    series_->SetCustomVertAxis(axes[custom]);
  }
}

void TFormPlotSeries::SortChosen(int index) {
  if (!CanWrite() || index < 0) return;
  static const TChartValueList::TChartListOrder orders[] = {
      TChartValueList::loAscending, TChartValueList::loDescending, TChartValueList::loNone};
  series_->MandatoryValueList()->SetOrder(TChartValueList::loNone);
  TChartValueList* list = series_->NotMandatoryValueList();
  list->SetOrder(orders[index]);
  list->Sort();
  series_->Repaint();
}

void TFormPlotSeries::DepthChanged() {
  depthBox_->setEnabled(!autoDepthBox_->isChecked());
  if (CanWrite()) series_->SetDepth(autoDepthBox_->isChecked() ? -1 : depthBox_->value());
}
