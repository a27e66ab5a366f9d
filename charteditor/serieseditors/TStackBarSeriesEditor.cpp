#include "charteditor/serieseditors/TStackBarSeriesEditor.h"

#include "base/FormatFloat.h"
#include "chart/series/TCustomBarSeries.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/serieseditors/NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

TStackBarSeriesEditor::TStackBarSeriesEditor(QWidget* parent)
    : TSeriesEditorForm(parent),
      useOriginBox_(MakeCheck(Body(), "CBYOrigin", tr("Use &Origin:"))),
      originEdit_(new QLineEdit(Body())),
      multiBarBox_(
          MakeCombo(Body(), "RGMultiBar",
                    {tr("None"), tr("Side"), tr("Stacked"), tr("Stacked 100%"), tr("Side All")})),
      groupBox_(new QGroupBox(tr("Stack Group:"), Body())),
      groupSpin_(MakeSpin(groupBox_, "EGroup", 0, 100)) {
  setObjectName(QStringLiteral("StackBarSeriesEditor"));
  originEdit_->setObjectName(QStringLiteral("EYOrigin"));
  groupBox_->setObjectName(QStringLiteral("GBGroup"));
  auto* groupRow = new QHBoxLayout(groupBox_);
  groupRow->addWidget(groupSpin_);
  auto* grid = new QGridLayout(Body());
  grid->addWidget(useOriginBox_, 0, 0);
  grid->addWidget(originEdit_, 0, 1);
  grid->addWidget(MakeLabel(Body(), tr("&Multiple Bar:"), multiBarBox_), 1, 0);
  grid->addWidget(multiBarBox_, 1, 1);
  grid->addWidget(groupBox_, 2, 0, 1, 2);

  auto bar = [this] { return SeriesAs<TCustomBarSeries>(); };
  connect(useOriginBox_, &QCheckBox::toggled, this, [this, bar](bool on) {
    if (Writing()) bar()->SetUseYOrigin(on);
  });
  // Written when the user has finished the number: a text typed on the
  // way to it ("1" of "1,2,3") is no value of its own.
  connect(originEdit_, &QLineEdit::editingFinished, this, &TStackBarSeriesEditor::OriginEdited);
  connect(multiBarBox_, &QComboBox::currentIndexChanged, this, [this, bar](int index) {
    if (Writing() && index >= 0)
      bar()->SetMultiBar(static_cast<TCustomBarSeries::TMultiBar>(index));
    UpdateEnabled();
  });
  connect(groupSpin_, &QSpinBox::valueChanged, this, [this, bar](int v) {
    if (Writing()) bar()->SetStackGroup(v);
  });
}

void TStackBarSeriesEditor::Load() {
  auto* bar = SeriesAs<TCustomBarSeries>();
  if (!bar) return;
  useOriginBox_->setChecked(bar->UseYOrigin());
  originEdit_->setText(base::FloatToStr(bar->YOrigin()));
  originEdit_->setModified(false);
  multiBarBox_->setCurrentIndex(bar->MultiBar());
  groupSpin_->setValue(bar->StackGroup());
  UpdateEnabled();
}

void TStackBarSeriesEditor::UpdateEnabled() {
  const int kind = multiBarBox_->currentIndex();
  groupBox_->setEnabled(kind == TCustomBarSeries::mbStacked ||
                        kind == TCustomBarSeries::mbStacked100);
}

void TStackBarSeriesEditor::OriginEdited() {
  if (!originEdit_->isModified()) return;
  originEdit_->setModified(false);
  double value = 0;
  if (Writing() && ReadFiniteNumber(*originEdit_, value))
    SeriesAs<TCustomBarSeries>()->SetYOrigin(value);
}
