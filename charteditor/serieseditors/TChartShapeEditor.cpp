#include "charteditor/serieseditors/TChartShapeEditor.h"

#include "chart/series/TChartShape.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/common/TBrushDialog.h"
#include "charteditor/common/TButtonPen.h"
#include "charteditor/common/TPlotFontEditor.h"
#include "charteditor/common/TPlotGradientEditor.h"
#include "charteditor/serieseditors/ExactDecimalBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The alignment list reads Left, Center, Right.
constexpr TChartShape::TAlignment kAlignments[] = {
    TChartShape::taLeftJustify, TChartShape::taCenter, TChartShape::taRightJustify};

}  // namespace

TChartShapeEditor::TChartShapeEditor(QWidget* parent)
    : TSeriesEditorForm(parent), pages_(new QTabWidget(Body())) {
  setObjectName(QStringLiteral("ChartShapeEditor"));
  pages_->setObjectName(QStringLiteral("PageControl1"));
  auto* style = new QWidget;
  style->setObjectName(QStringLiteral("TabStyle"));
  auto* position = new QWidget;
  position->setObjectName(QStringLiteral("TabPosition"));
  auto* text = new QWidget;
  text->setObjectName(QStringLiteral("TabText"));
  pages_->addTab(style, tr("Style"));
  pages_->addTab(position, tr("Position"));
  pages_->addTab(text, tr("Text"));
  auto* layout = new QVBoxLayout(Body());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pages_);
  BuildStyle(style);
  BuildPosition(position);
  fontEditor_ = new TPlotFontEditor(text);
  fontEditor_->setWindowFlags(Qt::Widget);
  fontEditor_->SetOkCancelVisible(false);
  auto* textLayout = new QVBoxLayout(text);
  textLayout->addWidget(fontEditor_);
  // The corners may have gone meanwhile (the data grid, "Manual").
  connect(pages_, &QTabWidget::currentChanged, this, [this, position](int index) {
    if (pages_->widget(index) == position) LoadSeries();
  });
}

void TChartShapeEditor::BuildStyle(QWidget* sheet) {
  styleBox_ = MakeCombo(
      sheet, "CBStyle",
      {tr("Rectangle"), tr("Circle"), tr("Vertical Line"), tr("Horiz. Line"), tr("Triangle"),
       tr("Invert. Triangle"), tr("Line"), tr("Diamond"), tr("Cube"), tr("Cross"),
       tr("Diagonal Cross"), tr("Star"), tr("Pyramid"), tr("Invert. Pyramid")});
  colorButton_ = new TButtonColor(sheet);
  colorButton_->setObjectName(QStringLiteral("BShapeColor"));
  colorButton_->setText(tr("&Color..."));
  penButton_ = new TButtonPen(sheet);
  penButton_->setObjectName(QStringLiteral("BShapePen"));
  penButton_->setText(tr("Bor&der..."));
  transparentBox_ = MakeCheck(sheet, "CBTrans", tr("Tra&nsparent"));
  brushButton_ = MakeButton(sheet, "BShapeBrush", tr("&Pattern..."));
  textEdit_ = new QPlainTextEdit(sheet);
  textEdit_->setObjectName(QStringLiteral("MemoText"));
  alignBox_ = MakeCombo(sheet, "RGAlign", {tr("Left"), tr("Center"), tr("Right")});
  vertAlignBox_ = MakeCombo(sheet, "RGVertAlign", {tr("Top"), tr("Center"), tr("Bottom")});
  roundBox_ = MakeCheck(sheet, "CBRound", tr("&Round Rectangle"));
  gradientButton_ = MakeButton(sheet, "Button1", tr("&Gradient..."));
  auto* grid = new QGridLayout(sheet);
  grid->addWidget(styleBox_, 0, 0);
  grid->addWidget(colorButton_, 1, 0);
  grid->addWidget(penButton_, 2, 0);
  grid->addWidget(brushButton_, 3, 0);
  grid->addWidget(gradientButton_, 4, 0);
  grid->addWidget(transparentBox_, 5, 0);
  grid->addWidget(roundBox_, 6, 0);
  grid->addWidget(textEdit_, 0, 1, 4, 2);
  auto* alignLabel = new QLabel(tr("&Horiz. Alignment"), sheet);
  alignLabel->setBuddy(alignBox_);
  auto* vertAlignLabel = new QLabel(tr("&Alignment"), sheet);
  vertAlignLabel->setBuddy(vertAlignBox_);
  grid->addWidget(alignLabel, 4, 1);
  grid->addWidget(alignBox_, 4, 2);
  grid->addWidget(vertAlignLabel, 5, 1);
  grid->addWidget(vertAlignBox_, 5, 2);

  auto shape = [this] { return SeriesAs<TChartShape>(); };
  connect(styleBox_, &QComboBox::currentIndexChanged, this, [this, shape](int index) {
    if (Writing() && index >= 0)
      shape()->SetStyle(static_cast<TChartShape::TChartShapeStyle>(index));
    UpdateRoundEnabled();
  });
  connect(transparentBox_, &QCheckBox::toggled, this, [this, shape](bool on) {
    if (Writing()) shape()->SetTransparent(on);
  });
  connect(textEdit_, &QPlainTextEdit::textChanged, this, [this, shape] {
    if (Writing()) shape()->SetText(textEdit_->toPlainText().split(QLatin1Char('\n')));
  });
  connect(alignBox_, &QComboBox::currentIndexChanged, this, [this, shape](int index) {
    if (Writing() && index >= 0) shape()->SetAlignment(kAlignments[index]);
  });
  connect(vertAlignBox_, &QComboBox::currentIndexChanged, this, [this, shape](int index) {
    if (Writing() && index >= 0)
      shape()->SetVertAlign(static_cast<TChartShape::TPlotVertAlign>(index));
  });
  connect(roundBox_, &QCheckBox::toggled, this, [this, shape](bool on) {
    if (Writing()) shape()->SetRoundRectangle(on);
  });
  connect(brushButton_, &QPushButton::clicked, this, [this] {
    if (Writing()) EditChartBrush(this, Series()->Brush());
  });
  connect(gradientButton_, &QPushButton::clicked, this, [this, shape] {
    if (Writing()) EditChartGradient(this, shape()->Gradient());
  });
}

void TChartShapeEditor::BuildPosition(QWidget* sheet) {
  auto* grid = new QGridLayout(sheet);
  static const char* const names[] = {"SEX0", "SEY0", "SEX1", "SEY1"};
  static const char* const captions[] = {"X0:", "Y0:", "X1:", "Y1:"};
  for (int i = 0; i < 4; ++i) {
    corners_[i] = new ExactDecimalBox(sheet);
    corners_[i]->setObjectName(QString::fromLatin1(names[i]));
    grid->addWidget(new QLabel(QString::fromLatin1(captions[i]), sheet), i % 2, (i / 2) * 2);
    grid->addWidget(corners_[i], i % 2, (i / 2) * 2 + 1);
    connect(corners_[i], &QDoubleSpinBox::valueChanged, this,
            [this, i](double value) { CornerChanged(i, value); });
  }
  unitsBox_ = MakeCombo(sheet, "CBUnits", {tr("Pixels"), tr("Axis"), tr("Axis Origin")});
  grid->addWidget(MakeLabel(sheet, tr("&Units:"), unitsBox_), 2, 0);
  grid->addWidget(unitsBox_, 2, 1);
  grid->setRowStretch(3, 1);
  connect(unitsBox_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (Writing() && index >= 0)
      SeriesAs<TChartShape>()->SetXYStyle(static_cast<TChartShape::TChartShapeXYStyle>(index));
  });
}

void TChartShapeEditor::Load() {
  auto* shape = SeriesAs<TChartShape>();
  if (!shape) return;
  styleBox_->setCurrentIndex(shape->Style());
  colorButton_->LinkProperty(shape, QStringLiteral("SeriesColor"));
  LinkButtonPen(*penButton_, shape->Pen());
  transparentBox_->setChecked(shape->Transparent());
  textEdit_->setPlainText(shape->Text().join(QLatin1Char('\n')));
  for (int i = 0; i < 3; ++i)
    if (kAlignments[i] == shape->Alignment()) alignBox_->setCurrentIndex(i);
  vertAlignBox_->setCurrentIndex(shape->VertAlign());
  roundBox_->setChecked(shape->RoundRectangle());
  unitsBox_->setCurrentIndex(shape->XYStyle());
  fontEditor_->EditFont(shape->Font());
  LoadPosition();
  UpdateRoundEnabled();
}

void TChartShapeEditor::LoadPosition() {
  // The corners are points 0 and 1: without both ("Manual", or a deletion
  // in the data grid) the boxes have nothing to show or write.
  auto* shape = SeriesAs<TChartShape>();
  const bool corners = shape->PointCount() >= 2;
  const double values[] = {shape->X0(), shape->Y0(), shape->X1(), shape->Y1()};
  for (int i = 0; i < 4; ++i) {
    corners_[i]->setEnabled(corners);
    corners_[i]->setValue(corners ? values[i] : 0);
    corners_[i]->setSpecialValueText(corners ? QString() : QStringLiteral(" "));
    if (!corners) corners_[i]->setValue(corners_[i]->minimum());
  }
}

void TChartShapeEditor::CornerChanged(int corner, double value) {
  auto* shape = SeriesAs<TChartShape>();
  if (!Writing() || shape->PointCount() < 2) return;
  switch (corner) {
    case 0:
      shape->SetX0(value);
      break;
    case 1:
      shape->SetY0(value);
      break;
    case 2:
      shape->SetX1(value);
      break;
    default:
      shape->SetY1(value);
      break;
  }
}

void TChartShapeEditor::UpdateRoundEnabled() {
  roundBox_->setEnabled(styleBox_->currentIndex() == TChartShape::chasRectangle && !ChartIn3D());
}
