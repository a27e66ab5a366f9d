#include "charteditor/serieseditors/TGanttSeriesEditor.h"

#include "chart/core/ChartMessages.h"
#include "chart/series/TGanttSeries.h"
#include "chart/series/TSeriesPointer.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/common/TButtonPen.h"
#include "charteditor/serieseditors/PointSheet.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

TGanttSeriesEditor::TGanttSeriesEditor(QWidget* parent)
    : TSeriesEditorForm(parent),
      heightBox_(MakeSpin(Body(), "SEPointVertSize", 1, 1000)),
      linesButton_(new TButtonPen(Body())),
      colorButton_(new TButtonColor(Body())),
      colorEachBox_(MakeCheck(Body(), "CBColorEach", tr("Color &Each"))) {
  setObjectName(QStringLiteral("GanttSeriesEditor"));
  linesButton_->setObjectName(QStringLiteral("BConnLines"));
  linesButton_->setText(tr("Co&nnecting Lines..."));
  colorButton_->setObjectName(QStringLiteral("BColor"));
  colorButton_->setText(tr("&Color..."));
  auto* grid = new QGridLayout(Body());
  grid->addWidget(MakeLabel(Body(), tr("Bar &Height:"), heightBox_), 0, 0);
  grid->addWidget(heightBox_, 0, 1);
  grid->addWidget(linesButton_, 1, 0, 1, 2);
  grid->addWidget(colorButton_, 2, 0);
  grid->addWidget(colorEachBox_, 2, 1);

  connect(heightBox_, &QSpinBox::valueChanged, this, [this](int v) {
    if (Writing()) SeriesAs<TGanttSeries>()->Pointer()->SetVertSize(v);
  });
  connect(colorEachBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (Writing()) Series()->SetColorEachPoint(on);
    colorButton_->setEnabled(!on);
  });
}

void TGanttSeriesEditor::AddSheets(TFormPlotSeries& host) {
  AddPointerSheet(host, ChartText(ChartMsg::GalleryGantt));
}

void TGanttSeriesEditor::Load() {
  auto* gantt = SeriesAs<TGanttSeries>();
  if (!gantt) return;
  heightBox_->setValue(gantt->Pointer()->VertSize());
  LinkButtonPen(*linesButton_, gantt->ConnectingPen());
  colorButton_->LinkProperty(gantt, QStringLiteral("SeriesColor"));
  colorEachBox_->setChecked(gantt->ColorEachPoint());
  colorButton_->setEnabled(!gantt->ColorEachPoint());
}
