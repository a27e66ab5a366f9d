#include "charteditor/common/TPlotFontEditor.h"

#include "chart/canvas/TPlotFont.h"
#include "chart/core/ChartPrompts.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/common/TButtonPen.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>

namespace {

// The colour sample: a mouse release on it asks for the text colour.
class ColorSample final : public QFrame {
 public:
  ColorSample(std::function<void()> onClick, QWidget* parent)
      : QFrame(parent), onClick_(std::move(onClick)) {
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setFixedSize(40, 20);
  }

  void ShowColor(base::TColor color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, base::ToQColor(color));
    setPalette(p);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
      onClick_();
  }

 private:
  std::function<void()> onClick_;
};

QSpinBox* offsetBox(const char* name, QWidget* parent) {
  return MakeSpin(parent, name, -100, 100);
}

}  // namespace

TPlotFontEditor::TPlotFontEditor(QWidget* parent) : TEditorForm(parent) {
  setObjectName(QStringLiteral("PlotFontEditor"));
  setWindowTitle(tr("PlotFont Editor"));
  SetOkCancelVisible(false);
  sample_ = new ColorSample([this] { ChooseTextColor(); }, Body());
  sample_->setObjectName(QStringLiteral("SHText"));
  fontButton_ = new QPushButton(tr("&Font..."), Body());
  fontButton_->setObjectName(QStringLiteral("Button3"));
  interBox_ = offsetBox("UDInter", Body());
  auto* interLabel = new QLabel(tr("&Inter-char spacing:"), Body());
  interLabel->setBuddy(interBox_);
  outlineButton_ = new TButtonPen(Body());
  outlineButton_->setObjectName(QStringLiteral("BOutline"));
  outlineButton_->setText(tr("&Outline..."));

  auto* shadowGroup = new QGroupBox(tr("Shadow:"), Body());
  shadowGroup->setObjectName(QStringLiteral("GroupBox1"));
  shadowColorButton_ = new TButtonColor(shadowGroup);
  shadowColorButton_->setObjectName(QStringLiteral("BFontShadowColor"));
  shadowColorButton_->setText(tr("&Color..."));
  shadowHorizBox_ = offsetBox("UDFontShadowHoriz", shadowGroup);
  shadowVertBox_ = offsetBox("UDFontShadowVert", shadowGroup);
  auto* shadowLayout = new QGridLayout(shadowGroup);
  shadowLayout->addWidget(shadowColorButton_, 0, 0, 1, 2);
  auto* horizLabel = new QLabel(tr("&Horiz. Size:"), shadowGroup);
  horizLabel->setBuddy(shadowHorizBox_);
  auto* vertLabel = new QLabel(tr("V&ert. Size:"), shadowGroup);
  vertLabel->setBuddy(shadowVertBox_);
  shadowLayout->addWidget(horizLabel, 1, 0);
  shadowLayout->addWidget(shadowHorizBox_, 1, 1);
  shadowLayout->addWidget(vertLabel, 2, 0);
  shadowLayout->addWidget(shadowVertBox_, 2, 1);

  auto* grid = new QGridLayout(Body());
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(sample_, 0, 0);
  grid->addWidget(fontButton_, 0, 1);
  grid->addWidget(interLabel, 1, 0);
  grid->addWidget(interBox_, 1, 1);
  grid->addWidget(outlineButton_, 2, 1);
  grid->addWidget(shadowGroup, 0, 2, 3, 1);
  grid->setRowStretch(3, 1);

  connect(fontButton_, &QPushButton::clicked, this, &TPlotFontEditor::ChooseFont);
  connect(interBox_, &QSpinBox::valueChanged, this, &TPlotFontEditor::InterChanged);
  connect(shadowHorizBox_, &QSpinBox::valueChanged, this, &TPlotFontEditor::ShadowHorizChanged);
  connect(shadowVertBox_, &QSpinBox::valueChanged, this, &TPlotFontEditor::ShadowVertChanged);
}

TPlotFont* TPlotFontEditor::Font() const {
  return qobject_cast<TPlotFont*>(Tag());
}

void TPlotFontEditor::EditFont(TPlotFont* font) {
  SetTag(font);
  Load();
}

void TPlotFontEditor::Load() {
  LoadingScope loading(*this);
  TPlotFont* font = Font();
  shadowColorButton_->LinkProperty(font ? font->Shadow() : nullptr, QStringLiteral("Color"));
  outlineButton_->LinkPen(font ? font->OutLine() : nullptr);
  if (!font) return;
  static_cast<ColorSample*>(sample_)->ShowColor(font->Color());
  interBox_->setValue(font->InterCharSize());
  shadowHorizBox_->setValue(font->Shadow()->HorizSize());
  shadowVertBox_->setValue(font->Shadow()->VertSize());
}

void TPlotFontEditor::ChooseTextColor() {
  TPlotFont* font = Font();
  if (!font) return;
  base::TColor color = font->Color();
  if (!Prompts().ChooseColor(color)) return;
  font->SetColor(color);
  static_cast<ColorSample*>(sample_)->ShowColor(font->Color());
}

void TPlotFontEditor::ChooseFont() {
  if (TPlotFont* font = Font()) EditChartFont(this, font);
}

void TPlotFontEditor::InterChanged(int value) {
  if (CanWrite()) Font()->SetInterCharSize(value);
}

void TPlotFontEditor::ShadowHorizChanged(int value) {
  if (CanWrite()) Font()->Shadow()->SetHorizSize(value);
}

void TPlotFontEditor::ShadowVertChanged(int value) {
  if (CanWrite()) Font()->Shadow()->SetVertSize(value);
}

bool EditChartFont(QWidget* /*owner*/, TPlotFont* font) {
  if (!font) return false;
  ChartFontChoice choice;
  choice.name = font->Name();
  choice.size = font->Size();
  const TFontStyles style = font->Style();
  choice.bold = style.testFlag(fsBold);
  choice.italic = style.testFlag(fsItalic);
  choice.underline = style.testFlag(fsUnderline);
  choice.strikeOut = style.testFlag(fsStrikeOut);
  choice.color = font->Color();
  if (!Prompts().ChooseFont(choice)) return false;
  // One change for all that the dialog gave.
  TPlotFont chosen;
  chosen.Assign(*font);
  chosen.SetName(choice.name);
  if (choice.size > 0) chosen.SetSize(choice.size);
  TFontStyles newStyle;
  newStyle.setFlag(fsBold, choice.bold);
  newStyle.setFlag(fsItalic, choice.italic);
  newStyle.setFlag(fsUnderline, choice.underline);
  newStyle.setFlag(fsStrikeOut, choice.strikeOut);
  chosen.SetStyle(newStyle);
  font->Assign(chosen);
  return true;
}

TPlotFontEditor* InsertFontEditor(QWidget* parent, TPlotFont* font) {
  auto* editor = new TPlotFontEditor(parent);
  editor->EditFont(font);
  AddEditorForm(editor, parent, font);
  return editor;
}
