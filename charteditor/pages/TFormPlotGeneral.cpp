#include "charteditor/pages/TFormPlotGeneral.h"

#include "chart/model/TCustomChart.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/common/TBrushDialog.h"
#include "charteditor/common/TButtonPen.h"
#include "charteditor/pages/ChartPreviewHook.h"
#include "charteditor/pages/PageControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace chartpages;

TFormPlotGeneral::TFormPlotGeneral(TCustomChart* chart, QWidget* parent) : TEditorForm(parent) {
  setObjectName(QStringLiteral("FormPlotGeneral"));
  SetOkCancelVisible(false);
  BuildControls();
  SetTag(chart);
  Load();
}

TCustomChart* TFormPlotGeneral::Chart() const {
  return qobject_cast<TCustomChart*>(Tag());
}

void TFormPlotGeneral::BuildControls() {
  QWidget* body = Body();
  bPrint_ = MakeButton(body, "BPrint", QStringLiteral("Print &Preview..."));
  cbClipPoints_ = MakeCheck(body, "CBClipPoints", QStringLiteral("&Clip Points"));

  auto* margins = new QGroupBox(QStringLiteral("Margins (%)"), body);
  margins->setObjectName(QStringLiteral("GBMargins"));
  seTop_ = MakeSpin(margins, "SETopMa", 0, 100, 5);
  seLeft_ = MakeSpin(margins, "SELeftMa", 0, 100, 5);
  seBottom_ = MakeSpin(margins, "SEBotMa", 0, 100, 5);
  seRight_ = MakeSpin(margins, "SERightMa", 0, 100, 5);
  auto* marginGrid = new QGridLayout(margins);
  marginGrid->addWidget(seTop_, 0, 1);
  marginGrid->addWidget(seLeft_, 1, 0);
  marginGrid->addWidget(seRight_, 1, 2);
  marginGrid->addWidget(seBottom_, 2, 1);

  auto* tabs = new QTabWidget(body);
  tabs->setObjectName(QStringLiteral("PageControl1"));
  auto* zoom = new QWidget(tabs);
  cbAllowZoom_ = MakeCheck(zoom, "CBAllowZoom", QStringLiteral("&Allow"));
  cbAnimated_ = MakeCheck(zoom, "CBAnimatedZoom", QStringLiteral("An&imated"));
  seSteps_ = MakeSpin(zoom, "SEAniZoomSteps", 0);
  bZoomPen_ = new TButtonPen(zoom);
  bZoomPen_->setObjectName(QStringLiteral("BZoomPen"));
  bZoomPen_->setText(QStringLiteral("P&en..."));
  bZoomColor_ = MakeButton(zoom, "BZoomColor", QStringLiteral("P&attern..."));
  eMinPix_ = MakeSpin(zoom, "EMinPix", 0);
  const QStringList buttons{QStringLiteral("Left"), QStringLiteral("Right"),
                            QStringLiteral("Middle")};
  cbDir_ =
      MakeCombo(zoom, "CBDir",
                {QStringLiteral("Horizontal"), QStringLiteral("Vertical"), QStringLiteral("Both")});
  cbZoomMouse_ = MakeCombo(zoom, "CBZoomMouse", buttons);
  auto* zoomForm = new QFormLayout(zoom);
  zoomForm->addRow(cbAllowZoom_, cbAnimated_);
  zoomForm->addRow(MakeLabel(zoom, QStringLiteral("&Steps:"), seSteps_), seSteps_);
  zoomForm->addRow(bZoomPen_, bZoomColor_);
  zoomForm->addRow(MakeLabel(zoom, QStringLiteral("&Minimum pixels:"), eMinPix_), eMinPix_);
  zoomForm->addRow(MakeLabel(zoom, QStringLiteral("&Direction:"), cbDir_), cbDir_);
  zoomForm->addRow(MakeLabel(zoom, QStringLiteral("&Mouse Button:"), cbZoomMouse_), cbZoomMouse_);
  tabs->addTab(zoom, QStringLiteral("Zoom"));

  auto* scroll = new QWidget(tabs);
  auto* panning = new QGroupBox(QStringLiteral("Allow Scroll:"), scroll);
  panning->setObjectName(QStringLiteral("RGPanning"));
  rgPanning_ = new QButtonGroup(panning);
  auto* panningLayout = new QVBoxLayout(panning);
  const char* modes[] = {"&None", "&Horizontal", "&Vertical", "&Both"};
  for (int i = 0; i < 4; ++i) {
    auto* radio = new QRadioButton(QString::fromLatin1(modes[i]), panning);
    radio->setObjectName(QStringLiteral("RGPanning%1").arg(i));
    rgPanning_->addButton(radio, i);
    panningLayout->addWidget(radio);
  }
  cbScrollMouse_ = MakeCombo(scroll, "CBScrollMouse", buttons);
  auto* scrollForm = new QFormLayout(scroll);
  scrollForm->addRow(panning);
  scrollForm->addRow(MakeLabel(scroll, QStringLiteral("&Mouse Button:"), cbScrollMouse_),
                     cbScrollMouse_);
  tabs->addTab(scroll, QStringLiteral("Scroll"));

  auto* layout = new QGridLayout(body);
  layout->addWidget(bPrint_, 0, 0);
  layout->addWidget(cbClipPoints_, 1, 0);
  layout->addWidget(margins, 2, 0);
  layout->addWidget(tabs, 0, 1, 4, 1);
  layout->setRowStretch(3, 1);

  // Each control writes its property at once (never while loading).
  connect(bPrint_, &QPushButton::clicked, this, [this] {
    if (Chart() && InstalledChartPreview()) InstalledChartPreview()(*Chart(), this);
  });
  connect(cbClipPoints_, &QCheckBox::toggled, this, [this](bool on) {
    if (CanWrite()) Chart()->SetClipPoints(on);
  });
  for (QSpinBox* box : {seTop_, seLeft_, seBottom_, seRight_}) {
    connect(box, &QSpinBox::valueChanged, this, [this, box](int v) { MarginChanged(box, v); });
  }
  connect(cbAllowZoom_, &QCheckBox::toggled, this, [this](bool on) {
    if (CanWrite()) Chart()->Zoom()->SetAllow(on);
    EnableZoomControls();
  });
  connect(cbAnimated_, &QCheckBox::toggled, this, [this](bool on) {
    if (CanWrite()) Chart()->Zoom()->SetAnimated(on);
  });
  connect(seSteps_, &QSpinBox::valueChanged, this, [this](int v) {
    if (CanWrite()) Chart()->Zoom()->SetAnimatedSteps(v);
  });
  connect(bZoomColor_, &QPushButton::clicked, this, [this] {
    if (!CanWrite()) return;
    TBrushDialog dialog(this);
    dialog.EditBrush(Chart()->Zoom()->Brush());
    dialog.exec();
  });
  connect(eMinPix_, &QSpinBox::valueChanged, this, [this](int v) {
    if (CanWrite()) Chart()->Zoom()->SetMinimumPixels(v);
  });
  connect(cbDir_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (CanWrite() && i >= 0) Chart()->Zoom()->SetDirection(TPlotZoom::TPlotZoomDirection(i));
  });
  connect(cbZoomMouse_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (CanWrite() && i >= 0) Chart()->Zoom()->SetMouseButton(TMouseButton(i));
  });
  connect(rgPanning_, &QButtonGroup::idClicked, this, [this](int id) {
    if (CanWrite()) Chart()->SetAllowPanning(TCustomPlotPanelExtended::TPanningMode(id));
    cbScrollMouse_->setEnabled(id != TCustomPlotPanelExtended::pmNone);
  });
  connect(cbScrollMouse_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (CanWrite() && i >= 0) Chart()->SetScrollMouseButton(TMouseButton(i));
  });
}

void TFormPlotGeneral::Load() {
  TCustomChart* chart = Chart();
  if (!chart) return;
  const LoadingScope loading(*this);
  bPrint_->setEnabled(static_cast<bool>(InstalledChartPreview()));
  chartpages::Load(cbClipPoints_, chart->ClipPoints());
  chartpages::Load(seTop_, chart->MarginTop());
  chartpages::Load(seLeft_, chart->MarginLeft());
  chartpages::Load(seBottom_, chart->MarginBottom());
  chartpages::Load(seRight_, chart->MarginRight());
  TPlotZoom* zoom = chart->Zoom();
  chartpages::Load(cbAllowZoom_, zoom->Allow());
  chartpages::Load(cbAnimated_, zoom->Animated());
  chartpages::Load(seSteps_, zoom->AnimatedSteps());
  bZoomPen_->LinkPen(zoom->Pen());
  chartpages::Load(eMinPix_, zoom->MinimumPixels());
  chartpages::Load(cbDir_, zoom->Direction());
  chartpages::Load(cbZoomMouse_, zoom->MouseButton());
  const int panning = chart->AllowPanning();
  if (QAbstractButton* radio = rgPanning_->button(panning)) chartpages::Load(radio, true);
  chartpages::Load(cbScrollMouse_, chart->ScrollMouseButton());
  cbScrollMouse_->setEnabled(panning != TCustomPlotPanelExtended::pmNone);
  EnableZoomControls();
}

void TFormPlotGeneral::showEvent(QShowEvent* event) {
  Load();
  TEditorForm::showEvent(event);
}

void TFormPlotGeneral::MarginChanged(QSpinBox* box, int value) {
  TCustomChart* chart = Chart();
  if (!CanWrite()) return;
  struct Side {
    QSpinBox* box;
    int (TCustomPlotPanel::*get)() const;
    void (TCustomPlotPanel::*set)(int);
    int (TCustomPlotPanel::*opposite)() const;
  };
  const Side sides[] = {
      {seTop_, &TCustomPlotPanel::MarginTop, &TCustomPlotPanel::SetMarginTop,
       &TCustomPlotPanel::MarginBottom},
      {seBottom_, &TCustomPlotPanel::MarginBottom, &TCustomPlotPanel::SetMarginBottom,
       &TCustomPlotPanel::MarginTop},
      {seLeft_, &TCustomPlotPanel::MarginLeft, &TCustomPlotPanel::SetMarginLeft,
       &TCustomPlotPanel::MarginRight},
      {seRight_, &TCustomPlotPanel::MarginRight, &TCustomPlotPanel::SetMarginRight,
       &TCustomPlotPanel::MarginLeft},
  };
  for (const Side& side : sides) {
    if (side.box != box) continue;
    if (value + (chart->*side.opposite)() < 100) {
      (chart->*side.set)(value);
    } else {
      chartpages::Load(box, (chart->*side.get)());  // the up-down goes back
    }
  }
}

void TFormPlotGeneral::EnableZoomControls() {
  const bool on = cbAllowZoom_->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{cbAnimated_, seSteps_, bZoomPen_, bZoomColor_,
                                                    eMinPix_, cbDir_, cbZoomMouse_})
    w->setEnabled(on);
}
