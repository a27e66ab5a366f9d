#include "charteditor/pages/TFormPlot3D.h"

#include "chart/model/TCustomChart.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/pages/PageControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSpinBox>

using namespace chartpages;

TFormPlot3D::TFormPlot3D(TCustomChart* chart, QWidget* parent) : TEditorForm(parent) {
  setObjectName(QStringLiteral("FormPlot3D"));
  SetOkCancelVisible(false);
  QWidget* body = Body();
  grid_ = body;
  auto* layout = new QGridLayout(body);
  cbView3D_ = MakeCheck(body, "CBView3d", QStringLiteral("&3 Dimensions"));
  se3D_ = MakeSpin(body, "SE3d", 1, 100, 5);
  cbOrthogonal_ = MakeCheck(body, "CBOrthogonal", QStringLiteral("&Orthogonal"));
  eOrthoAngle_ = MakeSpin(body, "EOrthoAngle", 0, 90, 5);
  cbZoomText_ = MakeCheck(body, "CBZoomText", QStringLiteral("Zoom &Text"));
  layout->addWidget(cbView3D_, 0, 0, 1, 2);
  layout->addWidget(MakeLabel(body, QStringLiteral("3&D %:"), se3D_), 1, 0);
  layout->addWidget(se3D_, 1, 1);
  layout->addWidget(cbOrthogonal_, 2, 0);
  layout->addWidget(MakeLabel(body, QStringLiteral("&Angle:"), eOrthoAngle_), 3, 0);
  layout->addWidget(eOrthoAngle_, 3, 1);
  layout->addWidget(cbZoomText_, 4, 0, 1, 2);
  sbZoom_ = AddBar("SBZoom", QStringLiteral("&Zoom:"), 1, 500, &zoomLabel_);
  sbRotation_ = AddBar("SBRotation", QStringLiteral("&Rotation:"), 270, 360, &rotationLabel_);
  sbElevation_ = AddBar("SBElevation", QStringLiteral("E&levation:"), 270, 360, &elevationLabel_);
  sbHOffset_ = AddBar("SBHOffset", QStringLiteral("&Horiz. Offset:"), -1500, 1500, &hOffsetLabel_);
  sbVOffset_ = AddBar("SBVOffset", QStringLiteral("&Vert. Offset:"), -1500, 1500, &vOffsetLabel_);
  sbPerspec_ = AddBar("SBPerspec", QStringLiteral("&Perspective:"), 0, 100, &perspecLabel_);

  auto options = [this] { return Chart()->View3DOptions(); };
  connect(cbView3D_, &QCheckBox::toggled, this, [this](bool on) {
    if (CanWrite()) Chart()->SetView3D(on);
    ApplyRules();
  });
  connect(se3D_, &QSpinBox::valueChanged, this, [this](int v) {
    if (CanWrite() && !Write([&] { Chart()->SetChart3DPercent(v); }))
      chartpages::Load(se3D_, Chart()->Chart3DPercent());
  });
  connect(cbOrthogonal_, &QCheckBox::toggled, this, [this, options](bool on) {
    if (CanWrite()) options()->SetOrthogonal(on);
    ApplyRules();
  });
  connect(eOrthoAngle_, &QSpinBox::valueChanged, this, [this, options](int v) {
    if (CanWrite()) options()->SetOrthoAngle(v);
  });
  connect(cbZoomText_, &QCheckBox::toggled, this, [this, options](bool on) {
    if (CanWrite()) options()->SetZoomText(on);
  });
  struct Link {
    QScrollBar* bar;
    void (TView3DOptions::*set)(int);
  };
  const Link links[] = {
      {sbZoom_, &TView3DOptions::SetZoom},           {sbRotation_, &TView3DOptions::SetRotation},
      {sbElevation_, &TView3DOptions::SetElevation}, {sbHOffset_, &TView3DOptions::SetHorizOffset},
      {sbVOffset_, &TView3DOptions::SetVertOffset},  {sbPerspec_, &TView3DOptions::SetPerspective}};
  for (const Link& link : links) {
    connect(link.bar, &QScrollBar::valueChanged, this, [this, options, link](int v) {
      if (CanWrite()) (options()->*link.set)(v);
      ShowValueLabels();
    });
  }
  SetTag(chart);
  Load();
}

QScrollBar* TFormPlot3D::AddBar(const char* name, const QString& caption, int low, int high,
                                QLabel** valueLabel) {
  auto* layout = static_cast<QGridLayout*>(grid_->layout());
  const int row = layout->rowCount();
  QScrollBar* bar = Scroll(grid_, name, low, high);
  *valueLabel = new QLabel(grid_);
  (*valueLabel)->setObjectName(QString::fromLatin1(name) + QStringLiteral("Value"));
  layout->addWidget(MakeLabel(grid_, caption, bar), row, 0);
  layout->addWidget(bar, row, 1);
  layout->addWidget(*valueLabel, row, 2);
  return bar;
}

TCustomChart* TFormPlot3D::Chart() const {
  return qobject_cast<TCustomChart*>(Tag());
}

bool TFormPlot3D::RotationAllowedFor(const TCustomChart& chart) {
  auto& canvas = const_cast<TCustomChart&>(chart).Canvas();
  if (canvas.SupportsFullRotation()) return true;
  const TChartSeries* first = chart.FirstActiveSeries();
  return !(first && first->inherits("TPieSeries"));
}

void TFormPlot3D::SetRotationAllowed(bool value) {
  rotationAllowed_ = value;
  ApplyRules();
}

void TFormPlot3D::Load() {
  TCustomChart* chart = Chart();
  if (!chart) return;
  const LoadingScope loading(*this);
  const TView3DOptions* o = chart->View3DOptions();
  // A canvas that turns fully offers every angle from 1.
  const int lowest = chart->Canvas().SupportsFullRotation() ? 1 : 270;
  for (QScrollBar* bar : {sbRotation_, sbElevation_}) {
    const QSignalBlocker quiet(bar);
    bar->setMinimum(lowest);
  }
  chartpages::Load(cbView3D_, chart->View3D());
  chartpages::Load(se3D_, chart->Chart3DPercent());
  chartpages::Load(cbOrthogonal_, o->Orthogonal());
  chartpages::Load(eOrthoAngle_, o->OrthoAngle());
  chartpages::Load(cbZoomText_, o->ZoomText());
  chartpages::Load(sbZoom_, o->Zoom());
  chartpages::Load(sbRotation_, o->Rotation());
  chartpages::Load(sbElevation_, o->Elevation());
  chartpages::Load(sbHOffset_, o->HorizOffset());
  chartpages::Load(sbVOffset_, o->VertOffset());
  chartpages::Load(sbPerspec_, o->Perspective());
  ShowValueLabels();
  ApplyRules();
}

void TFormPlot3D::showEvent(QShowEvent* event) {
  if (const TCustomChart* chart = Chart()) rotationAllowed_ = RotationAllowedFor(*chart);
  Load();
  TEditorForm::showEvent(event);
}

void TFormPlot3D::ShowValueLabels() {
  // The labels show the chart's values, which a bar shows clamped.
  const TCustomChart* chart = Chart();
  if (!chart) return;
  const TView3DOptions* o = chart->View3DOptions();
  zoomLabel_->setText(QStringLiteral("%1%").arg(o->Zoom()));
  rotationLabel_->setText(QString::number(o->Rotation()));
  elevationLabel_->setText(QString::number(o->Elevation()));
  hOffsetLabel_->setText(QString::number(o->HorizOffset()));
  vOffsetLabel_->setText(QString::number(o->VertOffset()));
  perspecLabel_->setText(QString::number(o->Perspective()));
}

void TFormPlot3D::ApplyRules() {
  const bool view3D = cbView3D_->isChecked();
  const bool orthogonal = cbOrthogonal_->isChecked();
  sbRotation_->setEnabled(view3D && !orthogonal && rotationAllowed_);
  sbElevation_->setEnabled(view3D && !orthogonal && rotationAllowed_);
  cbOrthogonal_->setEnabled(view3D && rotationAllowed_);
  eOrthoAngle_->setEnabled(orthogonal);
  for (QWidget* w :
       std::initializer_list<QWidget*>{sbZoom_, sbHOffset_, sbVOffset_, sbPerspec_, se3D_})
    w->setEnabled(view3D);
}
