#include "charteditor/editor/TFormPlotWall.h"

#include "chart/model/TCustomChart.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/TBrushDialog.h"
#include "charteditor/common/TButtonPen.h"
#include "charteditor/common/TPlotGradientEditor.h"
#include "charteditor/editor/PageControls.h"

#include <QCheckBox>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

// The tabs' order: Left, Right, Bottom, Back.
TChartWall* WallAt(const TCustomChart& chart, int index) {
  switch (index) {
    case 1:
      return chart.RightWall();
    case 2:
      return chart.BottomWall();
    case 3:
      return chart.BackWall();
    default:
      return chart.LeftWall();
  }
}

}  // namespace

TFormPlotWall::TFormPlotWall(QWidget* parent) : TEditorForm(parent) {
  setObjectName(QStringLiteral("FormPlotWall"));
  SetOkCancelVisible(false);
  auto* sheet = new QWidget(Body());
  view3DWallsBox_ = new QCheckBox(tr("&Visible Walls"), Body());
  view3DWallsBox_->setObjectName(QStringLiteral("CBView3dWalls"));
  wallTabs_ = new QTabBar(Body());
  wallTabs_->setObjectName(QStringLiteral("TabSubWalls"));
  for (const QString& caption : {tr("Left"), tr("Right"), tr("Bottom"), tr("Back")})
    wallTabs_->addTab(caption);
  auto* body = new QVBoxLayout(Body());
  body->setContentsMargins(0, 0, 0, 0);
  body->addWidget(view3DWallsBox_);
  body->addWidget(wallTabs_);
  body->addWidget(sheet, 1);

  PageGrid grid(sheet);
  colorButton_ = grid.ColorButton("BWallColor", tr("&Color..."));
  penButton_ = grid.PenButton("BWallPen", tr("B&order..."));
  brushButton_ = grid.Button("BWallBrush", tr("&Pattern..."));
  sizeBox_ = grid.Spin("SEWallSize", tr("Siz&e:"), 0);
  transparentBox_ = grid.Check("CBTransp", tr("&Transparent"));
  dark3DBox_ = grid.Check("CBDark3D", tr("&Dark 3D"));
  gradientButton_ = grid.Button("BGradient", tr("&Gradient..."));
  visibleBox_ = grid.Check("CBVisible", tr("V&isible"));
  grid.Finish();

  connect(view3DWallsBox_, &QCheckBox::clicked, this, [this](bool on) {
    if (CanWrite() && chart_) chart_->SetView3DWalls(on);
  });
  connect(wallTabs_, &QTabBar::currentChanged, this, [this](int index) {
    if (!Loading()) ChooseWall(index);
  });
  connect(brushButton_, &QPushButton::clicked, this, &TFormPlotWall::EditPattern);
  connect(gradientButton_, &QPushButton::clicked, this, &TFormPlotWall::EditGradient);
  connect(sizeBox_, &QSpinBox::valueChanged, this, [this](int v) {
    Write([&](TChartWall& w) { w.SetSize(v); });
    dark3DBox_->setEnabled(v > 0);
  });
  connect(transparentBox_, &QCheckBox::clicked, this,
          [this](bool on) { Write([&](TChartWall& w) { w.SetTransparent(on); }); });
  connect(dark3DBox_, &QCheckBox::clicked, this,
          [this](bool on) { Write([&](TChartWall& w) { w.SetDark3D(on); }); });
  connect(visibleBox_, &QCheckBox::clicked, this,
          [this](bool on) { Write([&](TChartWall& w) { w.SetVisible(on); }); });
}

TChartWall* TFormPlotWall::Wall() const {
  return qobject_cast<TChartWall*>(Tag());
}

void TFormPlotWall::EditWall(TCustomChart* chart, TChartWall* wall) {
  chart_ = chart;
  if (!wall && chart) wall = chart->LeftWall();
  int index = 0;
  while (chart && index < 3 && WallAt(*chart, index) != wall) ++index;
  {
    LoadingScope loading(*this);
    wallTabs_->setCurrentIndex(index);
  }
  SetTag(wall);
  Load();
}

void TFormPlotWall::ChooseWall(int index) {
  if (!chart_ || index < 0 || TagGone()) return;
  SetTag(WallAt(*chart_, index));
  Load();
}

void TFormPlotWall::showEvent(QShowEvent* event) {
  TEditorForm::showEvent(event);
  if (!event->spontaneous() && !TagGone()) Load();
}

void TFormPlotWall::Write(const std::function<void(TChartWall&)>& write) {
  if (!CanWrite()) return;
  WriteChecked([&] { write(*Wall()); }, [this] { Load(); });
}

void TFormPlotWall::Load() {
  LoadingScope loading(*this);
  TChartWall* wall = Wall();
  colorButton_->LinkProperty(wall, QStringLiteral("Color"));
  LinkButtonPen(*penButton_, wall ? wall->Pen() : nullptr);
  if (!wall) return;
  if (chart_) view3DWallsBox_->setChecked(chart_->View3DWalls());
  sizeBox_->setValue(wall->Size());
  transparentBox_->setChecked(wall->Transparent());
  dark3DBox_->setChecked(wall->Dark3D());
  dark3DBox_->setEnabled(wall->Size() > 0);
  visibleBox_->setChecked(wall->Visible());
  gradientButton_->setVisible(true);
}

void TFormPlotWall::EditPattern() {
  if (CanWrite()) EditChartBrush(this, Wall()->Brush());
}

void TFormPlotWall::EditGradient() {
  if (!CanWrite()) return;
  // Only a gradient confirmed visible hides what is behind the wall.
  if (EditChartGradient(this, Wall()->Gradient()) && Wall() && Wall()->Gradient()->Visible()) {
    Wall()->SetTransparent(false);
    Load();
  }
}
