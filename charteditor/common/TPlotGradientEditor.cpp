#include "charteditor/common/TPlotGradientEditor.h"

#include "chart/canvas/TChartGradient.h"
#include "chart/core/PublishedProperties.h"
#include "chart/widget/EnableControls.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/EditorHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TPlotGradientEditor::TPlotGradientEditor(QWidget* parent) : TEditorForm(parent) {
  setObjectName(QStringLiteral("PlotGradientEditor"));
  setWindowTitle(tr("Gradient Editor"));
  auto* gradientGroup = new QGroupBox(tr("Gradient"), Body());
  gradientGroup->setObjectName(QStringLiteral("GroupBox1"));
  visibleBox_ = new QCheckBox(tr("&Visible"), gradientGroup);
  visibleBox_->setObjectName(QStringLiteral("CBVisible"));
  directionBox_ = new QComboBox(gradientGroup);
  directionBox_->setObjectName(QStringLiteral("CBDirection"));
  directionBox_->addItems({tr("Top Bottom"), tr("Bottom Top"), tr("Left Right"), tr("Right Left"),
                           tr("From Center"), tr("From Top Left"), tr("From Bottom Left")});
  auto* gradientLayout = new QVBoxLayout(gradientGroup);
  gradientLayout->addWidget(visibleBox_);
  gradientLayout->addWidget(directionBox_);
  gradientLayout->addStretch();

  auto* colorGroup = new QGroupBox(tr("Colors"), Body());
  colorGroup->setObjectName(QStringLiteral("GroupBox2"));
  auto colorButton = [&](const char* name, const QString& text) {
    auto* b = new TButtonColor(colorGroup);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setMinimumWidth(90);
    return b;
  };
  startButton_ = colorButton("BStart", tr("&Start..."));
  midButton_ = colorButton("BMid", tr("&Middle..."));
  endButton_ = colorButton("BEnd", tr("&End..."));
  swapButton_ = new QPushButton(tr("S&wap"), colorGroup);
  swapButton_->setObjectName(QStringLiteral("BSwap"));
  noMiddleBox_ = new QCheckBox(tr("&No Middle"), colorGroup);
  noMiddleBox_->setObjectName(QStringLiteral("CBMid"));
  auto* colorLayout = new QGridLayout(colorGroup);
  colorLayout->addWidget(startButton_, 0, 0);
  colorLayout->addWidget(swapButton_, 0, 1);
  colorLayout->addWidget(midButton_, 1, 0);
  colorLayout->addWidget(noMiddleBox_, 1, 1);
  colorLayout->addWidget(endButton_, 2, 0);
  colorLayout->setRowStretch(3, 1);

  auto* layout = new QHBoxLayout(Body());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(gradientGroup);
  layout->addWidget(colorGroup);

  connect(visibleBox_, &QCheckBox::toggled, this, &TPlotGradientEditor::VisibleChanged);
  connect(directionBox_, &QComboBox::currentIndexChanged, this,
          &TPlotGradientEditor::DirectionChanged);
  connect(noMiddleBox_, &QCheckBox::toggled, this, &TPlotGradientEditor::NoMiddleChanged);
  connect(swapButton_, &QPushButton::clicked, this, &TPlotGradientEditor::Swap);
  // A middle colour chosen switches the middle colour on.
  connect(midButton_, &QAbstractButton::clicked, this, [this] {
    if (!Gradient()) return;
    LoadingScope loading(*this);
    noMiddleBox_->setChecked(Gradient()->MidColor() == base::clNone);
  });
}

TPlotGradientEditor::~TPlotGradientEditor() = default;

TChartGradient* TPlotGradientEditor::Gradient() const {
  return qobject_cast<TChartGradient*>(Tag());
}

void TPlotGradientEditor::EditGradient(TChartGradient* gradient, bool barMode) {
  SetTag(gradient);
  barMode_ = barMode;
  backup_.reset();
  if (gradient) {
    backup_ = std::make_unique<TChartGradient>();
    CopyPublished(*gradient, *backup_);
  }
  ShowControls(!barMode, {visibleBox_, endButton_, swapButton_});
  Load();
}

void TPlotGradientEditor::Load() {
  LoadingScope loading(*this);
  TChartGradient* g = Gradient();
  startButton_->LinkProperty(g, QStringLiteral("StartColor"));
  midButton_->LinkProperty(g, QStringLiteral("MidColor"));
  endButton_->LinkProperty(g, QStringLiteral("EndColor"));
  if (!g) return;
  visibleBox_->setChecked(g->Visible());
  directionBox_->setCurrentIndex(g->Direction());
  noMiddleBox_->setChecked(g->MidColor() == base::clNone);
  UpdateEnabled();
}

void TPlotGradientEditor::UpdateEnabled() {
  const TChartGradient* g = Gradient();
  if (!g) return;
  const bool on = barMode_ || g->Visible();
  EnableControls(on, {directionBox_, startButton_, endButton_, swapButton_});
  const TGradientDirection d = g->Direction();
  const bool radial = d == gdFromCenter || d == gdFromTopLeft || d == gdFromBottomLeft;
  EnableControls(barMode_ || (on && !radial), {midButton_, noMiddleBox_});
}

void TPlotGradientEditor::VisibleChanged(bool on) {
  if (!CanWrite()) return;
  Gradient()->SetVisible(on);
  UpdateEnabled();
}

void TPlotGradientEditor::DirectionChanged(int index) {
  if (!CanWrite() || index < 0) return;
  Gradient()->SetDirection(static_cast<TGradientDirection>(index));
  UpdateEnabled();
}

void TPlotGradientEditor::NoMiddleChanged(bool on) {
  if (!CanWrite()) return;
  TChartGradient* g = Gradient();
  if (on) {
    g->SetMidColor(base::clNone);
  } else {
    g->UseMiddleColor();
  }
  // Without a middle colour to bring back, the box stays checked.
  LoadingScope loading(*this);
  noMiddleBox_->setChecked(g->MidColor() == base::clNone);
  midButton_->update();
}

void TPlotGradientEditor::Swap() {
  TChartGradient* g = Gradient();
  if (!g) return;
  // One change for the two colours.
  TChartGradient swapped;
  swapped.Assign(*g);
  swapped.SetStartColor(g->EndColor());
  swapped.SetEndColor(g->StartColor());
  g->Assign(swapped);
  startButton_->update();
  endButton_->update();
}

void TPlotGradientEditor::reject() {
  if (TChartGradient* g = Gradient(); g && backup_) g->Assign(*backup_);
  TEditorForm::reject();
}

bool EditChartGradient(QWidget* owner, TChartGradient* gradient, bool barMode) {
  if (!gradient) return false;
  TPlotGradientEditor editor(owner);
  editor.EditGradient(gradient, barMode);
  return editor.exec() == QDialog::Accepted;
}
