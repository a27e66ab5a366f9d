#include "charteditor/serieseditors/TBarSeriesEditor.h"

#include "chart/core/ChartMessages.h"
#include "chart/series/TCustomBarSeries.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/common/TBrushDialog.h"
#include "charteditor/common/TButtonPen.h"
#include "charteditor/common/TPlotGradientEditor.h"
#include "charteditor/serieseditors/TFormPlotSeries.h"
#include "charteditor/serieseditors/TStackBarSeriesEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

TBarSeriesEditor::TBarSeriesEditor(QWidget* parent)
    : TSeriesEditorForm(parent),
      widthBox_(MakeSpin(Body(), "SEBarwidth", 1, 100, 5)),
      styleBox_(MakeCombo(Body(), "CBBarStyle",
                          {tr("Rectangle"), tr("Pyramid"), tr("Invert. Pyramid"), tr("Cylinder"),
                           tr("Ellipse"), tr("Arrow"), tr("Rect. Gradient"), tr("Cone")})),
      brushButton_(MakeButton(Body(), "BBarBrush", tr("&Pattern..."))),
      offsetBox_(MakeSpin(Body(), "SEBarOffset", -100, 100, 5)),
      darkBox_(MakeCheck(Body(), "CBDarkBar", tr("&Dark Bar 3D Sides"))),
      sideMarginsBox_(MakeCheck(Body(), "CBBarSideMargins", tr("Bar S&ide Margins"))),
      autoMarksBox_(MakeCheck(Body(), "CBMarksAutoPosition", tr("&Auto Mark Position"))),
      colorEachBox_(MakeCheck(Body(), "CBColorEach", tr("Color &Each"))),
      colorButton_(new TButtonColor(Body())),
      gradientButton_(MakeButton(Body(), "BGradient", tr("&Gradient..."))),
      penButton_(new TButtonPen(Body())) {
  setObjectName(QStringLiteral("BarSeriesEditor"));
  colorButton_->setObjectName(QStringLiteral("BBarColor"));
  colorButton_->setText(tr("&Color..."));
  penButton_->setObjectName(QStringLiteral("BBarPen"));
  penButton_->setText(tr("&Border..."));
  auto* grid = new QGridLayout(Body());
  grid->addWidget(MakeLabel(Body(), tr("Bar &Width:"), widthBox_), 0, 0);
  grid->addWidget(widthBox_, 0, 1);
  grid->addWidget(MakeLabel(Body(), tr("&Style:"), styleBox_), 1, 0);
  grid->addWidget(styleBox_, 1, 1);
  grid->addWidget(MakeLabel(Body(), tr("&Offset %:"), offsetBox_), 2, 0);
  grid->addWidget(offsetBox_, 2, 1);
  grid->addWidget(darkBox_, 3, 0, 1, 2);
  grid->addWidget(sideMarginsBox_, 4, 0, 1, 2);
  grid->addWidget(autoMarksBox_, 5, 0, 1, 2);
  grid->addWidget(colorEachBox_, 0, 2);
  grid->addWidget(colorButton_, 1, 2);
  grid->addWidget(brushButton_, 2, 2);
  grid->addWidget(gradientButton_, 3, 2);
  grid->addWidget(penButton_, 4, 2);

  auto bar = [this] { return SeriesAs<TCustomBarSeries>(); };
  connect(widthBox_, &QSpinBox::valueChanged, this, [this, bar](int v) {
    if (Writing()) bar()->SetBarWidthPercent(v);
  });
  connect(styleBox_, &QComboBox::currentIndexChanged, this, [this, bar](int index) {
    if (Writing() && index >= 0)
      bar()->SetBarStyle(static_cast<TCustomBarSeries::TBarStyle>(index));
    UpdateEnabled();
  });
  connect(offsetBox_, &QSpinBox::valueChanged, this, [this, bar](int v) {
    if (Writing()) bar()->SetOffsetPercent(v);
  });
  connect(darkBox_, &QCheckBox::toggled, this, [this, bar](bool on) {
    if (Writing()) bar()->SetDark3D(on);
  });
  connect(sideMarginsBox_, &QCheckBox::toggled, this, [this, bar](bool on) {
    if (Writing()) bar()->SetSideMargins(on);
  });
  connect(autoMarksBox_, &QCheckBox::toggled, this, [this, bar](bool on) {
    if (Writing()) bar()->SetAutoMarkPosition(on);
  });
  connect(colorEachBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (Writing()) Series()->SetColorEachPoint(on);
    UpdateEnabled();
  });
  connect(brushButton_, &QPushButton::clicked, this, [this] {
    if (Writing()) EditChartBrush(this, Series()->Brush());
  });
  connect(gradientButton_, &QPushButton::clicked, this, [this, bar] {
    if (Writing()) EditChartGradient(this, bar()->Gradient(), true);
  });
}

void TBarSeriesEditor::AddSheets(TFormPlotSeries& host) {
  QWidget* sheet = host.InsertSheet(1, ChartText(ChartMsg::GalleryStack));
  host.AddSheetEditor(new TStackBarSeriesEditor(sheet), sheet);
}

void TBarSeriesEditor::Load() {
  auto* bar = SeriesAs<TCustomBarSeries>();
  if (!bar) return;
  widthBox_->setValue(bar->BarWidthPercent());
  styleBox_->setCurrentIndex(bar->BarStyle());
  offsetBox_->setValue(bar->OffsetPercent());
  darkBox_->setChecked(bar->Dark3D());
  sideMarginsBox_->setChecked(bar->SideMargins());
  autoMarksBox_->setChecked(bar->AutoMarkPosition());
  colorEachBox_->setChecked(bar->ColorEachPoint());
  colorButton_->LinkProperty(bar, QStringLiteral("SeriesColor"));
  LinkButtonPen(*penButton_, bar->Pen());
  UpdateEnabled();
}

void TBarSeriesEditor::UpdateEnabled() {
  colorButton_->setEnabled(!colorEachBox_->isChecked());
  gradientButton_->setEnabled(styleBox_->currentIndex() == TCustomBarSeries::bsRectGradient);
}
