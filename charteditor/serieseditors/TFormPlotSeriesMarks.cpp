// The series editor's "Marks" sheet: the marks of the series shown, with
// the framed-shape editor's sheets beside "Style".
#include "charteditor/serieseditors/TFormPlotSeries.h"

#include "chart/model/TChartSeries.h"
#include "chart/model/TCustomAxisPanel.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/common/TButtonPen.h"
#include "charteditor/common/TFormPlotShape.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

bool multiLineStyle(int style) {
  switch (style) {
    case TSeriesMarks::smsLabelPercent:
    case TSeriesMarks::smsLabelValue:
    case TSeriesMarks::smsPercentTotal:
    case TSeriesMarks::smsLabelPercentTotal:
    case TSeriesMarks::smsXY:
      return true;
    default:
      return false;
  }
}

}  // namespace

void TFormPlotSeries::BuildMarks() {
  marksPages_ = new QTabWidget(marksSheet_);
  marksPages_->setObjectName(QStringLiteral("PageControlMarks"));
  auto* style = new QWidget;
  style->setObjectName(QStringLiteral("TabSheet1"));
  marksPages_->addTab(style, tr("Style"));
  auto* outer = new QVBoxLayout(marksSheet_);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(marksPages_);

  marksVisibleBox_ = MakeCheck(style, "CBMarksVisible", tr("&Visible"));
  markClipBox_ = MakeCheck(style, "CBMarkClip", tr("Cl&ipped"));
  marksAngleBox_ = MakeSpin(style, "SEMarksAngle", 0, 360, 5);
  marksAngleBox_->setWrapping(true);
  auto* arrows = new QGroupBox(tr("Arrows"), style);
  arrows->setObjectName(QStringLiteral("GB3"));
  arrowLengthBox_ = MakeSpin(arrows, "SEArrowLength", -1000, 1000);
  arrowPenButton_ = new TButtonPen(arrows);
  arrowPenButton_->setObjectName(QStringLiteral("BMarkLinCol"));
  arrowPenButton_->setText(tr("&Color..."));
  auto* arrowGrid = new QGridLayout(arrows);
  arrowGrid->addWidget(new QLabel(tr("Length:"), arrows), 0, 0);
  arrowGrid->addWidget(arrowLengthBox_, 0, 1);
  arrowGrid->addWidget(arrowPenButton_, 1, 0, 1, 2);
  marksEveryBox_ = MakeSpin(style, "EMarksEvery", 1, 5000);
  auto* everyLabel = new QLabel(tr("Draw &every:"), style);
  everyLabel->setBuddy(marksEveryBox_);
  multiLineBox_ = MakeCheck(style, "CBMultiLine", tr("&Multi line"));
  allVisibleBox_ = MakeCheck(style, "CBAllVisible", tr("All Series Visi&ble"));
  markStyleBox_ = new QComboBox(style);
  markStyleBox_->setObjectName(QStringLiteral("RGMarkStyle"));
  markStyleBox_->addItems({tr("Value"), tr("Percent"), tr("Label"), tr("Label and Percent"),
                           tr("Label and Value"), tr("Legend"), tr("Percent Total"),
                           tr("Label && Percent Total"), tr("X value"), tr("X and Y values")});
  auto* styleLabel = new QLabel(tr("&Style:"), style);
  styleLabel->setBuddy(markStyleBox_);

  auto* grid = new QGridLayout(style);
  grid->addWidget(marksVisibleBox_, 0, 0);
  grid->addWidget(markClipBox_, 1, 0);
  grid->addWidget(new QLabel(tr("Angle:"), style), 2, 0);
  grid->addWidget(marksAngleBox_, 2, 1);
  grid->addWidget(everyLabel, 3, 0);
  grid->addWidget(marksEveryBox_, 3, 1);
  grid->addWidget(multiLineBox_, 4, 0);
  grid->addWidget(allVisibleBox_, 5, 0);
  grid->addWidget(styleLabel, 0, 2);
  grid->addWidget(markStyleBox_, 0, 3);
  grid->addWidget(arrows, 1, 2, 4, 2);
  grid->setRowStretch(6, 1);

  auto marks = [this] { return series_->Marks(); };
  connect(marksVisibleBox_, &QCheckBox::toggled, this, [this, marks](bool on) {
    if (CanWrite()) marks()->SetVisible(on);
  });
  connect(markClipBox_, &QCheckBox::toggled, this, [this, marks](bool on) {
    if (CanWrite()) marks()->SetClip(on);
  });
  connect(marksAngleBox_, &QSpinBox::valueChanged, this, [this, marks](int v) {
    if (CanWrite()) marks()->SetAngle(v);
  });
  connect(arrowLengthBox_, &QSpinBox::valueChanged, this, [this, marks](int v) {
    if (CanWrite()) marks()->SetArrowLength(v);
  });
  connect(marksEveryBox_, &QSpinBox::valueChanged, this, [this, marks](int v) {
    if (CanWrite()) marks()->SetDrawEvery(v);
  });
  connect(multiLineBox_, &QCheckBox::toggled, this, [this, marks](bool on) {
    if (CanWrite()) marks()->SetMultiLine(on);
  });
  connect(markStyleBox_, &QComboBox::currentIndexChanged, this, [this, marks](int index) {
    UpdateMultiLineEnabled();
    if (CanWrite() && index >= 0)
      marks()->SetStyle(static_cast<TSeriesMarks::TSeriesMarksStyle>(index));
  });
  connect(allVisibleBox_, &QCheckBox::toggled, this, &TFormPlotSeries::AllVisibleChanged);
}

void TFormPlotSeries::LoadMarks() {
  LoadingScope loading(*this);
  TSeriesMarks* marks = series_->Marks();
  if (!marksShapeEditor_) {
    marksShapeEditor_ = InsertShapeEditor(marksPages_, marks);
  } else {
    marksShapeEditor_->EditShape(marks);
  }
  arrowLengthBox_->setValue(marks->ArrowLength());
  marksAngleBox_->setValue(marks->Angle());
  markClipBox_->setChecked(marks->Clip());
  marksEveryBox_->setValue(marks->DrawEvery());
  multiLineBox_->setChecked(marks->MultiLine());
  marksVisibleBox_->setChecked(marks->Visible());
  LinkButtonPen(*arrowPenButton_, marks->Arrow());
  bool all = true;
  if (const auto* chart = dynamic_cast<const TCustomAxisPanel*>(series_->ParentChart())) {
    for (int i = 0; i < chart->SeriesCount(); ++i)
      all = all && chart->GetSeries(i)->Marks()->Visible();
  }
  allVisibleBox_->setChecked(all);
  markStyleBox_->setCurrentIndex(marks->Style());
  UpdateMultiLineEnabled();
}

void TFormPlotSeries::UpdateMultiLineEnabled() {
  multiLineBox_->setEnabled(multiLineStyle(markStyleBox_->currentIndex()));
}

void TFormPlotSeries::AllVisibleChanged(bool on) {
  if (!CanWrite()) return;
  if (const auto* chart = dynamic_cast<const TCustomAxisPanel*>(series_->ParentChart())) {
    for (int i = 0; i < chart->SeriesCount(); ++i) chart->GetSeries(i)->Marks()->SetVisible(on);
  } else {
    series_->Marks()->SetVisible(on);
  }
  LoadingScope loading(*this);
  marksVisibleBox_->setChecked(on);
}
