#include "charteditor/serieseditors/TArrowSeriesEditor.h"

#include "chart/series/TArrowSeries.h"
#include "chart/series/TSeriesPointer.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/common/TBrushDialog.h"
#include "charteditor/common/TButtonPen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

TArrowSeriesEditor::TArrowSeriesEditor(QWidget* parent)
    : TSeriesEditorForm(parent),
      penButton_(new TButtonPen(Body())),
      brushButton_(MakeButton(Body(), "BBrush", tr("&Pattern..."))),
      widthBox_(MakeSpin(Body(), "SEArrowWidth", 1, 100)),
      heightBox_(MakeSpin(Body(), "SEArrowHeight", 1, 100)),
      colorEachBox_(MakeCheck(Body(), "CBColorEach", tr("Color &Each"))),
      colorButton_(new TButtonColor(Body())) {
  setObjectName(QStringLiteral("ArrowSeriesEditor"));
  penButton_->setObjectName(QStringLiteral("BPen"));
  penButton_->setText(tr("&Border..."));
  colorButton_->setObjectName(QStringLiteral("BArrowColor"));
  colorButton_->setText(tr("&Color..."));
  auto* grid = new QGridLayout(Body());
  grid->addWidget(penButton_, 0, 0);
  grid->addWidget(brushButton_, 1, 0);
  grid->addWidget(MakeLabel(Body(), tr("Head &Width:"), widthBox_), 0, 1);
  grid->addWidget(widthBox_, 0, 2);
  grid->addWidget(MakeLabel(Body(), tr("Head &Height:"), heightBox_), 1, 1);
  grid->addWidget(heightBox_, 1, 2);
  grid->addWidget(colorEachBox_, 2, 0);
  grid->addWidget(colorButton_, 2, 1);

  auto arrow = [this] { return SeriesAs<TArrowSeries>(); };
  connect(widthBox_, &QSpinBox::valueChanged, this, [this, arrow](int v) {
    if (Writing()) arrow()->SetArrowWidth(v);
  });
  connect(heightBox_, &QSpinBox::valueChanged, this, [this, arrow](int v) {
    if (Writing()) arrow()->SetArrowHeight(v);
  });
  connect(brushButton_, &QPushButton::clicked, this, [this, arrow] {
    if (Writing()) EditChartBrush(this, arrow()->Pointer()->Brush());
  });
  connect(colorEachBox_, &QCheckBox::toggled, this, [this, arrow](bool on) {
    if (!Writing()) return;
    arrow()->SetColorEachPoint(on);
    // The arrows take their points' colours only through a default brush.
    arrow()->Pointer()->Brush()->SetColor(clPlotColor);
  });
}

void TArrowSeriesEditor::Load() {
  auto* arrow = SeriesAs<TArrowSeries>();
  if (!arrow) return;
  LinkButtonPen(*penButton_, arrow->Pointer()->Pen());
  widthBox_->setValue(arrow->ArrowWidth());
  heightBox_->setValue(arrow->ArrowHeight());
  colorEachBox_->setChecked(arrow->ColorEachPoint());
  colorButton_->LinkProperty(arrow, QStringLiteral("SeriesColor"));
}
