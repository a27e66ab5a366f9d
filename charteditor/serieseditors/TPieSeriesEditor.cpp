#include "charteditor/serieseditors/TPieSeriesEditor.h"

#include "base/FormatFloat.h"
#include "chart/core/ChartMessages.h"
#include "chart/series/TPieSeries.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/EditorHelpers.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/common/TButtonPen.h"
#include "charteditor/serieseditors/NumberText.h"
#include "charteditor/serieseditors/TCircledSeriesEditor.h"
#include "charteditor/serieseditors/TFormPlotSeries.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

TPieSeriesEditor::TPieSeriesEditor(QWidget* parent)
    : TSeriesEditorForm(parent),
      dark3DBox_(MakeCheck(Body(), "CBDark3d", tr("&Dark 3D"))),
      otherBox_(MakeCombo(Body(), "CBOther", {tr("None"), tr("Below %"), tr("Below Value")})),
      otherValueEdit_(new QLineEdit(Body())),
      otherLabelEdit_(new QLineEdit(Body())),
      explodeBox_(MakeSpin(Body(), "SEExpBig", 0, 100, 5)),
      patternsBox_(MakeCheck(Body(), "CBPatterns", tr("Pa&tterns"))),
      penButton_(new TButtonPen(Body())),
      shadowColorButton_(new TButtonColor(Body())),
      shadowHorizBox_(MakeSpin(Body(), "UDShadowHoriz", -100, 100)),
      shadowVertBox_(MakeSpin(Body(), "UDShadowVert", -100, 100)),
      angleSizeBox_(MakeSpin(Body(), "UDAngleSize", 1, 360, 5)) {
  setObjectName(QStringLiteral("PieSeriesEditor"));
  otherValueEdit_->setObjectName(QStringLiteral("EOtherValue"));
  otherLabelEdit_->setObjectName(QStringLiteral("EOtherLabel"));
  penButton_->setObjectName(QStringLiteral("BPen"));
  penButton_->setText(tr("&Border..."));
  shadowColorButton_->setObjectName(QStringLiteral("BShadowColor"));
  shadowColorButton_->setText(tr("&Color..."));

  auto* group = new QGroupBox(tr("Group slices:"), Body());
  auto* groupGrid = new QGridLayout(group);
  groupGrid->addWidget(otherBox_, 0, 0, 1, 2);
  groupGrid->addWidget(new QLabel(tr("Value:"), group), 1, 0);
  groupGrid->addWidget(otherValueEdit_, 1, 1);
  groupGrid->addWidget(new QLabel(tr("Label:"), group), 2, 0);
  groupGrid->addWidget(otherLabelEdit_, 2, 1);
  auto* shadow = new QGroupBox(tr("Shadow:"), Body());
  auto* shadowGrid = new QGridLayout(shadow);
  shadowGrid->addWidget(shadowColorButton_, 0, 0, 1, 2);
  shadowGrid->addWidget(new QLabel(tr("Horiz. Size:"), shadow), 1, 0);
  shadowGrid->addWidget(shadowHorizBox_, 1, 1);
  shadowGrid->addWidget(new QLabel(tr("Vert. Size:"), shadow), 2, 0);
  shadowGrid->addWidget(shadowVertBox_, 2, 1);
  auto* grid = new QGridLayout(Body());
  grid->addWidget(dark3DBox_, 0, 0);
  grid->addWidget(patternsBox_, 1, 0);
  grid->addWidget(penButton_, 2, 0);
  grid->addWidget(MakeLabel(Body(), tr("E&xplode biggest:"), explodeBox_), 3, 0);
  grid->addWidget(explodeBox_, 3, 1);
  grid->addWidget(new QLabel(tr("Total Angle:"), Body()), 4, 0);
  grid->addWidget(angleSizeBox_, 4, 1);
  grid->addWidget(group, 0, 2, 3, 1);
  grid->addWidget(shadow, 3, 2, 3, 1);

  auto pie = [this] { return SeriesAs<TPieSeries>(); };
  connect(dark3DBox_, &QCheckBox::toggled, this, [this, pie](bool on) {
    if (Writing()) pie()->SetDark3D(on);
  });
  connect(otherBox_, &QComboBox::currentIndexChanged, this, [this, pie](int index) {
    if (Writing() && index >= 0)
      pie()->OtherSlice()->SetStyle(static_cast<TPieOtherSlice::TPieOtherStyle>(index));
    UpdateEnabled();
  });
  connect(otherValueEdit_, &QLineEdit::editingFinished, this, &TPieSeriesEditor::OtherValueEdited);
  connect(otherLabelEdit_, &QLineEdit::textEdited, this, [this, pie](const QString& text) {
    if (Writing()) pie()->OtherSlice()->SetText(text);
  });
  connect(explodeBox_, &QSpinBox::valueChanged, this, [this, pie](int v) {
    if (Writing()) pie()->SetExplodeBiggest(v);
  });
  connect(patternsBox_, &QCheckBox::toggled, this, [this, pie](bool on) {
    if (Writing()) pie()->SetUsePatterns(on);
  });
  connect(shadowHorizBox_, &QSpinBox::valueChanged, this, [this, pie](int v) {
    if (Writing()) pie()->Shadow()->SetHorizSize(v);
  });
  connect(shadowVertBox_, &QSpinBox::valueChanged, this, [this, pie](int v) {
    if (Writing()) pie()->Shadow()->SetVertSize(v);
  });
  connect(angleSizeBox_, &QSpinBox::valueChanged, this, [this, pie](int v) {
    if (Writing()) pie()->SetAngleSize(v);
  });
}

void TPieSeriesEditor::AddSheets(TFormPlotSeries& host) {
  QWidget* sheet = host.InsertSheet(1, ChartText(ChartMsg::GalleryCircled));
  host.AddSheetEditor(new TCircledSeriesEditor(sheet), sheet);
}

void TPieSeriesEditor::Load() {
  auto* pie = SeriesAs<TPieSeries>();
  if (!pie) return;
  dark3DBox_->setChecked(pie->Dark3D());
  otherBox_->setCurrentIndex(pie->OtherSlice()->Style());
  otherValueEdit_->setText(base::FloatToStr(pie->OtherSlice()->Value()));
  otherValueEdit_->setModified(false);
  otherLabelEdit_->setText(pie->OtherSlice()->Text());
  explodeBox_->setValue(pie->ExplodeBiggest());
  patternsBox_->setChecked(pie->UsePatterns());
  LinkButtonPen(*penButton_, pie->Pen());
  shadowColorButton_->LinkProperty(pie->Shadow(), QStringLiteral("Color"));
  shadowHorizBox_->setValue(pie->Shadow()->HorizSize());
  shadowVertBox_->setValue(pie->Shadow()->VertSize());
  angleSizeBox_->setValue(pie->AngleSize());
  UpdateEnabled();
}

void TPieSeriesEditor::UpdateEnabled() {
  dark3DBox_->setEnabled(ChartIn3D());
  const bool grouping = otherBox_->currentIndex() > 0;
  otherValueEdit_->setEnabled(grouping);
  otherLabelEdit_->setEnabled(grouping);
}

void TPieSeriesEditor::OtherValueEdited() {
  if (!otherValueEdit_->isModified()) return;
  otherValueEdit_->setModified(false);
  double value = 0;
  if (Writing() && ReadFiniteNumber(*otherValueEdit_, value))
    SeriesAs<TPieSeries>()->OtherSlice()->SetValue(value);
}
