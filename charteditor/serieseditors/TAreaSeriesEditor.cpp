#include "charteditor/serieseditors/TAreaSeriesEditor.h"

#include "chart/core/ChartMessages.h"
#include "chart/series/TAreaSeries.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/common/TButtonPen.h"
#include "charteditor/serieseditors/PointSheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

#include <cmath>

TAreaSeriesEditor::TAreaSeriesEditor(QWidget* parent)
    : TSeriesEditorForm(parent),
      multiAreaBox_(
          MakeCombo(Body(), "RGMultiArea", {tr("None"), tr("Stacked"), tr("Stacked 100%")})),
      stairsBox_(MakeCheck(Body(), "CBStairs", tr("&Stairs"))),
      invertedBox_(MakeCheck(Body(), "CBInvStairs", tr("Inverted"))),
      areaBrushBox_(MakeCombo(Body(), "CBAreaBrush",
                              {tr("Solid"), tr("Clear"), tr("Horizontal"), tr("Vertical"),
                               tr("Diagonal"), tr("B.Diagonal"), tr("Cross"), tr("Diag.Cross")})),
      areaLinesButton_(new TButtonPen(Body())),
      borderButton_(new TButtonPen(Body())),
      colorEachBox_(MakeCheck(Body(), "CBColorEach", tr("Color &Each"))),
      colorButton_(new TButtonColor(Body())),
      useOriginBox_(MakeCheck(Body(), "CBUseOrigin", tr("&Use Origin"))),
      originBox_(MakeSpin(Body(), "EOrigin", -30000, 30000)) {
  setObjectName(QStringLiteral("AreaSeriesEditor"));
  areaLinesButton_->setObjectName(QStringLiteral("BAreaLinesPen"));
  areaLinesButton_->setText(tr("Area &Lines..."));
  borderButton_->setObjectName(QStringLiteral("BAreaLinePen"));
  borderButton_->setText(tr("&Border..."));
  colorButton_->setObjectName(QStringLiteral("BAreaColor"));
  colorButton_->setText(tr("&Color..."));

  auto* grid = new QGridLayout(Body());
  grid->addWidget(MakeLabel(Body(), tr("&Multiple Areas:"), multiAreaBox_), 0, 0);
  grid->addWidget(multiAreaBox_, 0, 1);
  grid->addWidget(stairsBox_, 1, 0);
  grid->addWidget(invertedBox_, 1, 1);
  grid->addWidget(colorEachBox_, 2, 0);
  grid->addWidget(useOriginBox_, 3, 0);
  grid->addWidget(originBox_, 3, 1);
  grid->addWidget(new QLabel(tr("Pattern:"), Body()), 0, 2);
  grid->addWidget(areaBrushBox_, 0, 3);
  grid->addWidget(colorButton_, 1, 2);
  grid->addWidget(areaLinesButton_, 2, 2);
  grid->addWidget(borderButton_, 3, 2);

  auto area = [this] { return SeriesAs<TAreaSeries>(); };
  connect(multiAreaBox_, &QComboBox::currentIndexChanged, this, [this, area](int index) {
    if (Writing() && index >= 0) area()->SetMultiArea(static_cast<TAreaSeries::TMultiArea>(index));
  });
  connect(stairsBox_, &QCheckBox::toggled, this, [this, area](bool on) {
    if (Writing()) area()->SetStairs(on);
  });
  connect(invertedBox_, &QCheckBox::toggled, this, [this, area](bool on) {
    if (Writing()) area()->SetInvertedStairs(on);
  });
  connect(areaBrushBox_, &QComboBox::currentIndexChanged, this, [this, area](int index) {
    if (Writing() && index >= 0) area()->SetAreaBrush(static_cast<Graphics::TBrushStyle>(index));
  });
  connect(colorEachBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (Writing()) Series()->SetColorEachPoint(on);
  });
  connect(useOriginBox_, &QCheckBox::toggled, this, [this, area](bool on) {
    originBox_->setEnabled(on);
    if (Writing()) area()->SetUseYOrigin(on);
  });
  connect(originBox_, &QSpinBox::valueChanged, this, [this, area](int v) {
    if (Writing()) area()->SetYOrigin(v);
  });
}

void TAreaSeriesEditor::AddSheets(TFormPlotSeries& host) {
  AddPointerSheet(host, ChartText(ChartMsg::GalleryPoint));
}

void TAreaSeriesEditor::Load() {
  auto* area = SeriesAs<TAreaSeries>();
  if (!area) return;
  multiAreaBox_->setCurrentIndex(area->MultiArea());
  stairsBox_->setChecked(area->Stairs());
  invertedBox_->setChecked(area->InvertedStairs());
  areaBrushBox_->setCurrentIndex(area->AreaBrush() <= Graphics::bsDiagCross ? area->AreaBrush()
                                                                            : -1);
  LinkButtonPen(*areaLinesButton_, area->AreaLinesPen());
  LinkButtonPen(*borderButton_, area->Pen());
  colorEachBox_->setChecked(area->ColorEachPoint());
  useOriginBox_->setChecked(area->UseYOrigin());
  originBox_->setEnabled(area->UseYOrigin());
  originBox_->setValue(static_cast<int>(std::lround(area->YOrigin())));
  LinkColorButton();
}

void TAreaSeriesEditor::LinkColorButton() {
  // The button edits the colour it shows: the area's own, or the series
  // colour the area takes while its own is the default.
  auto* area = SeriesAs<TAreaSeries>();
  if (!area) return;
  const bool own = area->AreaColor() != clPlotColor;
  colorButton_->LinkProperty(area,
                             own ? QStringLiteral("AreaColor") : QStringLiteral("SeriesColor"));
}
