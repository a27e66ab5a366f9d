#include "charteditor/serieseditors/TCustomSeriesEditor.h"

#include "chart/core/ChartMessages.h"
#include "chart/series/TCustomSeries.h"
#include "chart/series/TLineSeries.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/common/TBrushDialog.h"
#include "charteditor/common/TButtonPen.h"
#include "charteditor/common/TPenDialog.h"
#include "charteditor/serieseditors/PointSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TCustomSeriesEditor::TCustomSeriesEditor(QWidget* parent)
    : TSeriesEditorForm(parent),
      borderButton_(MakeButton(Body(), "BLineBorder", tr("&Border..."))),
      colorButton_(new TButtonColor(Body())),
      stairsBox_(nullptr),
      invertedBox_(nullptr),
      colorEachBox_(MakeCheck(Body(), "CBColorEach", tr("Color &Each"))),
      dark3DBox_(MakeCheck(Body(), "CBDark3D", tr("&Dark 3D"))),
      stackBox_(
          MakeCombo(Body(), "CBStack", {tr("None"), tr("Overlap"), tr("Stack"), tr("Stack 100%")})),
      heightBox_(MakeSpin(Body(), "EHeight", 0, 100)),
      clickableBox_(MakeCheck(Body(), "CBClick", tr("Clic&kable"))),
      brushButton_(MakeButton(Body(), "BBrush", tr("&Pattern..."))),
      outlineButton_(new TButtonPen(Body())) {
  setObjectName(QStringLiteral("CustomSeriesEditor"));
  colorButton_->setObjectName(QStringLiteral("BLineColor"));
  colorButton_->setText(tr("&Color..."));
  outlineButton_->setObjectName(QStringLiteral("BOutline"));
  outlineButton_->setText(tr("&Outline..."));
  auto* lineMode = new QGroupBox(tr("Line Mode:"), Body());
  stairsBox_ = MakeCheck(lineMode, "CBStairs", tr("&Stairs"));
  invertedBox_ = MakeCheck(lineMode, "CBInvStairs", tr("&Inverted"));
  auto* modeColumn = new QVBoxLayout(lineMode);
  modeColumn->addWidget(stairsBox_);
  modeColumn->addWidget(invertedBox_);

  auto* grid = new QGridLayout(Body());
  grid->addWidget(borderButton_, 0, 0);
  grid->addWidget(colorButton_, 1, 0);
  grid->addWidget(brushButton_, 2, 0);
  grid->addWidget(outlineButton_, 3, 0);
  grid->addWidget(lineMode, 0, 1, 2, 1);
  grid->addWidget(colorEachBox_, 2, 1);
  grid->addWidget(dark3DBox_, 3, 1);
  grid->addWidget(clickableBox_, 4, 1);
  grid->addWidget(new QLabel(tr("Stack:"), Body()), 0, 2);
  grid->addWidget(stackBox_, 0, 3);
  grid->addWidget(new QLabel(tr("Height 3D:"), Body()), 1, 2);
  grid->addWidget(heightBox_, 1, 3);

  auto custom = [this] { return SeriesAs<TCustomSeries>(); };
  connect(borderButton_, &QPushButton::clicked, this, &TCustomSeriesEditor::EditBorder);
  connect(stairsBox_, &QCheckBox::toggled, this, [this, custom](bool on) {
    invertedBox_->setEnabled(on);
    if (Writing()) custom()->SetStairs(on);
  });
  connect(invertedBox_, &QCheckBox::toggled, this, [this, custom](bool on) {
    if (Writing()) custom()->SetInvertedStairs(on);
  });
  connect(colorEachBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (Writing()) Series()->SetColorEachPoint(on);
  });
  connect(dark3DBox_, &QCheckBox::toggled, this, [this, custom](bool on) {
    if (Writing()) custom()->SetDark3D(on);
  });
  connect(stackBox_, &QComboBox::currentIndexChanged, this, [this, custom](int index) {
    if (Writing() && index >= 0)
      custom()->SetStacked(static_cast<TCustomSeries::TCustomSeriesStack>(index));
  });
  connect(heightBox_, &QSpinBox::valueChanged, this, [this, custom](int v) {
    if (Writing()) custom()->SetLineHeight(v);
  });
  connect(clickableBox_, &QCheckBox::toggled, this, [this, custom](bool on) {
    if (Writing()) custom()->SetClickableLine(on);
  });
  connect(brushButton_, &QPushButton::clicked, this, [this] {
    if (Writing()) EditChartBrush(this, Series()->Brush());
  });
}

void TCustomSeriesEditor::AddSheets(TFormPlotSeries& host) {
  AddPointerSheet(host, ChartText(ChartMsg::GalleryPoint));
}

void TCustomSeriesEditor::Load() {
  auto* series = SeriesAs<TCustomSeries>();
  if (!series) return;
  colorButton_->LinkProperty(series, QStringLiteral("SeriesColor"));
  stairsBox_->setChecked(series->Stairs());
  invertedBox_->setChecked(series->InvertedStairs());
  invertedBox_->setEnabled(series->Stairs());
  colorEachBox_->setChecked(series->ColorEachPoint());
  dark3DBox_->setChecked(series->Dark3D());
  stackBox_->setCurrentIndex(series->Stacked());
  heightBox_->setValue(series->LineHeight());
  clickableBox_->setChecked(series->ClickableLine());
  LinkButtonPen(*outlineButton_, series->OutLine());
  const bool plainLine = qobject_cast<TLineSeries*>(series) != nullptr;
  ShowControls(plainLine, {stairsBox_->parentWidget(), outlineButton_, heightBox_, clickableBox_,
                           brushButton_});
}

void TCustomSeriesEditor::EditBorder() {
  if (!Writing()) return;
  // The dialog runs modally: the series may be gone when it returns.
  const QPointer<TChartSeries> series = Series();
  const base::TColor before = series->Pen()->Color();
  // The series takes the pen's colour only when the user chose one: Cancel,
  // or OK after a width change, leaves the series' colour alone.
  const bool accepted = EditChartPen(this, series->Pen());
  if (accepted && series && series->Pen()->Color() != before && !ChartIn3D())
    series->SetSeriesColor(series->Pen()->Color());
  colorButton_->update();
}
