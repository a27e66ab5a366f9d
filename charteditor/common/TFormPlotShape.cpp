#include "charteditor/common/TFormPlotShape.h"

#include "chart/canvas/TPlotCustomShape.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/common/TBrushDialog.h"
#include "charteditor/common/TButtonPen.h"
#include "charteditor/common/TPlotFontEditor.h"
#include "charteditor/common/TPlotGradientEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

TFormPlotShape::TFormPlotShape(QWidget* parent) : TEditorForm(parent) {
  setObjectName(QStringLiteral("FormPlotShape"));
  SetOkCancelVisible(false);
  pages_ = new QTabWidget(Body());
  pages_->setObjectName(QStringLiteral("PC1"));
  auto* body = new QVBoxLayout(Body());
  body->setContentsMargins(0, 0, 0, 0);
  body->addWidget(pages_);

  auto* format = new QWidget;
  format->setObjectName(QStringLiteral("TabFormat"));
  backColorButton_ = new TButtonColor(format);
  backColorButton_->setObjectName(QStringLiteral("BBackColor"));
  backColorButton_->setText(tr("&Color..."));
  frameButton_ = new TButtonPen(format);
  frameButton_->setObjectName(QStringLiteral("Button4"));
  frameButton_->setText(tr("&Frame..."));
  patternButton_ = new QPushButton(tr("&Pattern..."), format);
  patternButton_->setObjectName(QStringLiteral("Button6"));
  roundBox_ = new QCheckBox(tr("&Round Frame"), format);
  roundBox_->setObjectName(QStringLiteral("CBRound"));
  transparentBox_ = new QCheckBox(tr("&Transparent"), format);
  transparentBox_->setObjectName(QStringLiteral("CBTransparent"));
  bevelBox_ = new QComboBox(format);
  bevelBox_->setObjectName(QStringLiteral("CBBevel"));
  bevelBox_->addItems({tr("None"), tr("Lowered"), tr("Raised")});
  bevelWidthBox_ = MakeSpin(format, "EBevWidth", 1, 100);
  auto* bevelLabel = new QLabel(tr("&Bevel:"), format);
  bevelLabel->setBuddy(bevelBox_);
  auto* widthLabel = new QLabel(tr("Si&ze:"), format);
  widthLabel->setBuddy(bevelWidthBox_);
  auto* formatGrid = new QGridLayout(format);
  formatGrid->addWidget(backColorButton_, 0, 0);
  formatGrid->addWidget(roundBox_, 0, 1);
  formatGrid->addWidget(frameButton_, 1, 0);
  formatGrid->addWidget(transparentBox_, 1, 1);
  formatGrid->addWidget(patternButton_, 2, 0);
  formatGrid->addWidget(bevelLabel, 3, 0);
  formatGrid->addWidget(bevelBox_, 3, 1);
  formatGrid->addWidget(widthLabel, 4, 0);
  formatGrid->addWidget(bevelWidthBox_, 4, 1);
  formatGrid->setRowStretch(5, 1);
  pages_->addTab(format, tr("Format"));

  auto* text = new QWidget;
  text->setObjectName(QStringLiteral("TabText"));
  pages_->addTab(text, tr("Text"));
  fontEditor_ = new TPlotFontEditor(text);

  auto* gradient = new QWidget;
  gradient->setObjectName(QStringLiteral("TabGradient"));
  pages_->addTab(gradient, tr("Gradient"));
  gradientEditor_ = new TPlotGradientEditor(gradient);
  gradientEditor_->SetOkCancelVisible(false);

  auto* shadow = new QWidget;
  shadow->setObjectName(QStringLiteral("TabShadow"));
  shadowColorButton_ = new TButtonColor(shadow);
  shadowColorButton_->setObjectName(QStringLiteral("BShadowColor"));
  shadowColorButton_->setText(tr("C&olor..."));
  shadowSizeBox_ = MakeSpin(shadow, "UDShadowSize", -100, 100);
  auto* sizeLabel = new QLabel(tr("&Size:"), shadow);
  sizeLabel->setBuddy(shadowSizeBox_);
  auto* shadowGrid = new QGridLayout(shadow);
  shadowGrid->addWidget(shadowColorButton_, 0, 0, 1, 2);
  shadowGrid->addWidget(sizeLabel, 1, 0);
  shadowGrid->addWidget(shadowSizeBox_, 1, 1);
  shadowGrid->setRowStretch(2, 1);
  pages_->addTab(shadow, tr("Shadow"));

  connect(patternButton_, &QPushButton::clicked, this, &TFormPlotShape::EditPattern);
  connect(roundBox_, &QCheckBox::toggled, this, &TFormPlotShape::RoundChanged);
  connect(transparentBox_, &QCheckBox::toggled, this, &TFormPlotShape::TransparentChanged);
  connect(bevelBox_, &QComboBox::currentIndexChanged, this, &TFormPlotShape::BevelChanged);
  connect(bevelWidthBox_, &QSpinBox::valueChanged, this, &TFormPlotShape::BevelWidthChanged);
  connect(shadowSizeBox_, &QSpinBox::valueChanged, this, &TFormPlotShape::ShadowSizeChanged);
}

TPlotCustomShape* TFormPlotShape::Shape() const {
  return qobject_cast<TPlotCustomShape*>(Tag());
}

void TFormPlotShape::EditShape(TPlotCustomShape* shape) {
  SetTag(shape);
  Load();
}

void TFormPlotShape::Load() {
  LoadingScope loading(*this);
  TPlotCustomShape* shape = Shape();
  backColorButton_->LinkProperty(shape, QStringLiteral("Color"));
  shadowColorButton_->LinkProperty(shape, QStringLiteral("ShadowColor"));
  LinkButtonPen(*frameButton_, shape ? shape->Frame() : nullptr);
  if (!shape) return;
  shadowSizeBox_->setValue(shape->ShadowSize());
  roundBox_->setChecked(shape->ShapeStyle() == fosRoundRectangle);
  transparentBox_->setChecked(shape->Transparent());
  bevelBox_->setCurrentIndex(shape->Bevel() <= bvRaised ? shape->Bevel() : -1);
  bevelWidthBox_->setValue(shape->BevelWidth());
  bevelWidthBox_->setEnabled(shape->Bevel() != bvNone);
  if (fontEditor_->Tag() != shape->Font())
    AddEditorForm(fontEditor_, fontEditor_->parentWidget(), shape->Font(), true);
  fontEditor_->EditFont(shape->Font());
  if (gradientEditor_->Tag() != shape->Gradient())
    AddEditorForm(gradientEditor_, gradientEditor_->parentWidget(), shape->Gradient(), true);
  gradientEditor_->EditGradient(shape->Gradient());
}

void TFormPlotShape::EditPattern() {
  if (TPlotCustomShape* shape = Shape()) EditChartBrush(this, shape->Brush());
}

void TFormPlotShape::RoundChanged(bool on) {
  if (CanWrite()) Shape()->SetShapeStyle(on ? fosRoundRectangle : fosRectangle);
}

void TFormPlotShape::TransparentChanged(bool on) {
  if (CanWrite()) Shape()->SetTransparent(on);
}

void TFormPlotShape::BevelChanged(int index) {
  if (!CanWrite() || index < 0) return;
  Shape()->SetBevel(static_cast<TPanelBevel>(index));
  bevelWidthBox_->setEnabled(index != bvNone);
}

void TFormPlotShape::BevelWidthChanged(int value) {
  if (CanWrite()) Shape()->SetBevelWidth(value);
}

void TFormPlotShape::ShadowSizeChanged(int value) {
  if (CanWrite()) Shape()->SetShadowSize(value);
}

TFormPlotShape* InsertShapeEditor(QTabWidget* pages, TPlotCustomShape* shape) {
  auto* editor = new TFormPlotShape(pages);
  editor->setWindowFlags(Qt::Widget);
  editor->hide();
  editor->EditShape(shape);
  editor->Translate();
  while (editor->Pages()->count() > 0) {
    const QString caption = editor->Pages()->tabText(0);
    QWidget* sheet = editor->Pages()->widget(0);
    editor->Pages()->removeTab(0);
    pages->addTab(sheet, caption);
  }
  return editor;
}
