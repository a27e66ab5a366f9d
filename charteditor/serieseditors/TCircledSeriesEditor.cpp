#include "charteditor/serieseditors/TCircledSeriesEditor.h"

#include "chart/model/TCustomAxisPanel.h"
#include "chart/series/TCircledSeries.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/NamedControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>

TCircledSeriesEditor::TCircledSeriesEditor(QWidget* parent)
    : TSeriesEditorForm(parent),
      circledBox_(MakeCheck(Body(), "CBCircled", tr("&Circled"))),
      view3DBox_(MakeCheck(Body(), "CB3D", tr("&3 Dimensions"))),
      rotationBox_(MakeSpin(Body(), "UDRot", 0, 360, 5)),
      xRadiusBox_(MakeSpin(Body(), "UDX", 0, 2000, 5)),
      yRadiusBox_(MakeSpin(Body(), "UDY", 0, 2000, 5)),
      xAutoBox_(MakeCheck(Body(), "CBAutoX", tr("&Auto"))),
      yAutoBox_(MakeCheck(Body(), "CBAutoY", tr("&Auto"))),
      backButton_(new TButtonColor(Body())) {
  setObjectName(QStringLiteral("CircledSeriesEditor"));
  backButton_->setObjectName(QStringLiteral("BBack"));
  backButton_->setText(tr("C&olor..."));
  auto* radius = new QGroupBox(tr("Radius:"), Body());
  auto* radiusGrid = new QGridLayout(radius);
  radiusGrid->addWidget(new QLabel(tr("X:"), radius), 0, 0);
  radiusGrid->addWidget(xRadiusBox_, 0, 1);
  radiusGrid->addWidget(xAutoBox_, 0, 2);
  radiusGrid->addWidget(new QLabel(tr("Y:"), radius), 1, 0);
  radiusGrid->addWidget(yRadiusBox_, 1, 1);
  radiusGrid->addWidget(yAutoBox_, 1, 2);
  auto* grid = new QGridLayout(Body());
  grid->addWidget(circledBox_, 0, 0);
  grid->addWidget(view3DBox_, 1, 0);
  grid->addWidget(MakeLabel(Body(), tr("&Rotation:"), rotationBox_), 2, 0);
  grid->addWidget(rotationBox_, 2, 1);
  grid->addWidget(backButton_, 3, 0);
  grid->addWidget(radius, 0, 2, 4, 1);

  auto circled = [this] { return SeriesAs<TCircledSeries>(); };
  connect(circledBox_, &QCheckBox::toggled, this, [this, circled](bool on) {
    if (!Writing()) return;
    circled()->SetCircled(on);
    // Circling drops the custom radii of every series of the class: the
    // boxes show that, so that the next step starts from the automatic size.
    LoadingScope loading(*this);
    LoadRadii();
  });
  connect(view3DBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (Writing() && Chart()) Chart()->SetView3D(on);
  });
  connect(rotationBox_, &QSpinBox::valueChanged, this, [this, circled](int v) {
    if (Writing()) circled()->SetRotationAngle(v);
  });
  connect(xRadiusBox_, &QSpinBox::valueChanged, this, [this] { RadiusChanged(true); });
  connect(yRadiusBox_, &QSpinBox::valueChanged, this, [this] { RadiusChanged(false); });
  connect(xAutoBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) xRadiusBox_->setValue(0);
  });
  connect(yAutoBox_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) yRadiusBox_->setValue(0);
  });
}

void TCircledSeriesEditor::Load() {
  auto* circled = SeriesAs<TCircledSeries>();
  if (!circled) return;
  circledBox_->setChecked(circled->Circled());
  view3DBox_->setChecked(ChartIn3D());
  rotationBox_->setValue(circled->RotationAngle());
  backButton_->LinkProperty(circled, QStringLiteral("CircleBackColor"));
  LoadRadii();
}

void TCircledSeriesEditor::LoadRadii() {
  auto* circled = SeriesAs<TCircledSeries>();
  xRadiusBox_->setValue(circled->CustomXRadius());
  yRadiusBox_->setValue(circled->CustomYRadius());
  xAutoBox_->setChecked(circled->CustomXRadius() == 0);
  yAutoBox_->setChecked(circled->CustomYRadius() == 0);
}

void TCircledSeriesEditor::RadiusChanged(bool horizontal) {
  QSpinBox* box = horizontal ? xRadiusBox_ : yRadiusBox_;
  QCheckBox* autoBox = horizontal ? xAutoBox_ : yAutoBox_;
  {
    // The box follows the radius; its own toggle would set the radius again.
    const QSignalBlocker quiet(autoBox);
    autoBox->setChecked(box->value() == 0);
  }
  if (!Writing()) return;
  auto* circled = SeriesAs<TCircledSeries>();
  if (horizontal) {
    circled->SetCustomXRadius(box->value());
  } else {
    circled->SetCustomYRadius(box->value());
  }
}
