#include "charteditor/serieseditors/TSeriesPointerEditor.h"

#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/TPlotCanvas3D.h"
#include "chart/model/TCustomAxisPanel.h"
#include "chart/series/TCustomSeries.h"
#include "chart/series/TSeriesPointer.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/common/SampleItemDelegate.h"
#include "charteditor/common/TBrushDialog.h"
#include "charteditor/common/TButtonPen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>

namespace {

// Each style entry shows its marker beside the name.
class PointerStyleDelegate final : public SampleItemDelegate {
 public:
  PointerStyleDelegate(TSeriesPointerEditor* editor, QObject* parent)
      : SampleItemDelegate({QMargins(20, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, 20, 16},
                           parent),
        editor_(editor) {}

 protected:
  void PaintSample(QPainter& painter, const QRect& item, int row,
                   const QColor& /*back*/) const override {
    const TSeriesPointer* pointer = editor_->Pointer();
    if (!pointer) return;
    QPainterBackend backend(painter);
    TPlotCanvas3D canvas;
    canvas.SetUseBuffer(false);
    canvas.InitWindow(&backend, nullptr, false,
                      TRect{item.left(), item.top(), item.right(), item.bottom()});
    const base::TColor color = pointer->Series()->SeriesColor();
    pointer->PrepareCanvas(canvas, color);
    pointer->DrawShape(canvas, false, item.left() + 9, item.center().y(), 4, 4, color,
                       static_cast<TSeriesPointer::TSeriesPointerStyle>(row));
    canvas.ShowImage();
  }

 private:
  TSeriesPointerEditor* editor_;
};

}  // namespace

TSeriesPointerEditor::TSeriesPointerEditor(QWidget* parent)
    : TSeriesEditorForm(parent),
      visibleBox_(MakeCheck(Body(), "CBDrawPoint", tr("&Visible"))),
      draw3DBox_(MakeCheck(Body(), "CB3dPoint", tr("&3D"))),
      inflateBox_(MakeCheck(Body(), "CBInflate", tr("Inflate &Margins"))),
      horizSizeBox_(MakeSpin(Body(), "SEPointHorizSize", 1, 1000)),
      vertSizeBox_(MakeSpin(Body(), "SEPointVertSize", 1, 1000)),
      styleBox_(
          MakeCombo(Body(), "CBStyle",
                    {tr("Square"), tr("Circle"), tr("Triangle"), tr("Down Triangle"), tr("Cross"),
                     tr("Diagonal Cross"), tr("Star"), tr("Diamond"), tr("Small Dot")})),
      penButton_(new TButtonPen(Body())),
      dark3DBox_(MakeCheck(Body(), "CBPoDark", tr("Dar&k 3D"))),
      patternButton_(MakeButton(Body(), "BPointFillColor", tr("&Pattern..."))),
      defaultBrushBox_(MakeCheck(Body(), "CBDefBrushColor", tr("&Default"))),
      colorEachBox_(MakeCheck(Body(), "CBColorEach", tr("&Color Each "))) {
  setObjectName(QStringLiteral("SeriesPointerEditor"));
  penButton_->setObjectName(QStringLiteral("BPoinPenCol"));
  penButton_->setText(tr("B&order..."));
  styleBox_->setItemDelegate(new PointerStyleDelegate(this, styleBox_));
  FitListToEntries(*styleBox_);

  auto* grid = new QGridLayout(Body());
  grid->addWidget(visibleBox_, 0, 0);
  grid->addWidget(draw3DBox_, 1, 0);
  grid->addWidget(dark3DBox_, 2, 0);
  grid->addWidget(inflateBox_, 3, 0);
  grid->addWidget(colorEachBox_, 4, 0);
  grid->addWidget(MakeLabel(Body(), tr("&Width:"), horizSizeBox_), 0, 1);
  grid->addWidget(horizSizeBox_, 0, 2);
  grid->addWidget(MakeLabel(Body(), tr("&Height:"), vertSizeBox_), 1, 1);
  grid->addWidget(vertSizeBox_, 1, 2);
  grid->addWidget(MakeLabel(Body(), tr("&Style:"), styleBox_), 2, 1);
  grid->addWidget(styleBox_, 2, 2);
  grid->addWidget(penButton_, 3, 1);
  grid->addWidget(patternButton_, 3, 2);
  grid->addWidget(defaultBrushBox_, 4, 2);

  connect(visibleBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (Writing()) Pointer()->SetVisible(on);
    UpdateEnabled();
  });
  connect(draw3DBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (Writing()) Pointer()->SetDraw3D(on);
    UpdateEnabled();
  });
  connect(inflateBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (Writing()) Pointer()->SetInflateMargins(on);
  });
  connect(horizSizeBox_, &QSpinBox::valueChanged, this, [this](int v) {
    if (Writing()) Pointer()->SetHorizSize(v);
  });
  connect(vertSizeBox_, &QSpinBox::valueChanged, this, [this](int v) {
    if (Writing()) Pointer()->SetVertSize(v);
  });
  connect(styleBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (Writing() && index >= 0)
      Pointer()->SetStyle(static_cast<TSeriesPointer::TSeriesPointerStyle>(index));
    UpdateEnabled();
  });
  connect(dark3DBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (Writing()) Pointer()->SetDark3D(on);
  });
  connect(defaultBrushBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (Writing() && on) Pointer()->Brush()->SetColor(clPlotColor);
  });
  connect(colorEachBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (Writing()) Series()->SetColorEachPoint(on);
  });
  connect(patternButton_, &QPushButton::clicked, this, &TSeriesPointerEditor::EditPattern);
}

TSeriesPointer* TSeriesPointerEditor::Pointer() const {
  const auto* series = SeriesAs<TCustomSeries>();
  return series ? series->Pointer() : nullptr;
}

void TSeriesPointerEditor::Load() {
  TSeriesPointer* pointer = Pointer();
  if (!pointer) return;
  visibleBox_->setChecked(pointer->Visible());
  draw3DBox_->setChecked(pointer->Draw3D());
  inflateBox_->setChecked(pointer->InflateMargins());
  horizSizeBox_->setValue(pointer->HorizSize());
  vertSizeBox_->setValue(pointer->VertSize());
  const int style = pointer->Style();
  styleBox_->setCurrentIndex(style < styleBox_->count() ? style : -1);
  dark3DBox_->setChecked(pointer->Dark3D());
  defaultBrushBox_->setChecked(pointer->Brush()->Color() == clPlotColor);
  colorEachBox_->setChecked(Series()->ColorEachPoint());
  LinkButtonPen(*penButton_, pointer->Pen());
  UpdateEnabled();
}

void TSeriesPointerEditor::UpdateEnabled() {
  const TSeriesPointer* pointer = Pointer();
  if (!pointer) return;
  TCustomAxisPanel* chart = Chart();
  bool solid = false;
  switch (pointer->Style()) {
    case TSeriesPointer::psRectangle:
    case TSeriesPointer::psTriangle:
    case TSeriesPointer::psDownTriangle:
      solid = true;
      break;
    case TSeriesPointer::psCircle:
      solid = chart && chart->Canvas().SupportsFullRotation();
      break;
    default:
      break;
  }
  const bool visible = visibleBox_->isChecked();
  const bool can3D = visible && chart && chart->View3D() && solid;
  draw3DBox_->setEnabled(can3D);
  dark3DBox_->setEnabled(can3D && draw3DBox_->isChecked());
  for (QWidget* w :
       std::initializer_list<QWidget*>{inflateBox_, horizSizeBox_, vertSizeBox_, styleBox_,
                                       penButton_, patternButton_, defaultBrushBox_})
    w->setEnabled(visible);
}

void TSeriesPointerEditor::EditPattern() {
  if (!Writing()) return;
  EditChartBrush(this, Pointer()->Brush());
  LoadingScope loading(*this);
  defaultBrushBox_->setChecked(Pointer()->Brush()->Color() == clPlotColor);
}
