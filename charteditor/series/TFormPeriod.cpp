#include "charteditor/series/TFormPeriod.h"

#include "base/Convert.h"
#include "base/FormatFloat.h"
#include "base/MathUtil.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartMessages.h"
#include "chart/series/TPlotMovingFunction.h"
#include "charteditor/series/TAxisIncrement.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace {

bool isMoving(const TPlotFunction* f) {
  return qobject_cast<const TPlotMovingFunction*>(f) != nullptr;
}

// The number a text holds, quietly: no number while the user is still typing one.
bool finiteNumber(const QString& text, double& value) {
  return base::TryStrToFloat(text, value) && std::isfinite(value);
}

}  // namespace

TFormPeriod::TFormPeriod(QWidget* parent)
    : TEditorForm(parent),
      calcLabel_(new QLabel(tr("Calculate every:"), Body())),
      number_(new QLineEdit(Body())),
      numberLabel_(new QLabel(Body())),
      allPoints_(new QCheckBox(tr("All &points"), Body())),
      byPoints_(new QRadioButton(tr("&Number of points:"), Body())),
      byRange_(new QRadioButton(tr("&Range of values:"), Body())),
      change_(new QPushButton(tr("&Change..."), Body())),
      alignGroup_(new QGroupBox(tr("Alignment:"), Body())),
      align_(new QButtonGroup(this)) {
  setObjectName(QStringLiteral("FormPeriod"));
  SetOkCancelVisible(false);
  calcLabel_->setObjectName(QStringLiteral("LCalc"));
  number_->setObjectName(QStringLiteral("ENum"));
  numberLabel_->setObjectName(QStringLiteral("BLabel"));
  allPoints_->setObjectName(QStringLiteral("CBAll"));
  byPoints_->setObjectName(QStringLiteral("RBNum"));
  byRange_->setObjectName(QStringLiteral("RBRange"));
  change_->setObjectName(QStringLiteral("BChange"));
  alignGroup_->setObjectName(QStringLiteral("RGAlign"));
  auto* alignLayout = new QHBoxLayout(alignGroup_);
  const QString alignNames[] = {tr("&First"), tr("C&enter"), tr("&Last")};
  for (int i = 0; i < 3; ++i) {
    auto* b = new QRadioButton(alignNames[i], alignGroup_);
    b->setObjectName(QStringLiteral("RGAlign%1").arg(i));
    align_->addButton(b, i);
    alignLayout->addWidget(b);
  }
  auto* layout = new QGridLayout(Body());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(byPoints_, 0, 0);
  layout->addWidget(byRange_, 1, 0);
  layout->addWidget(change_, 1, 1);
  layout->addWidget(calcLabel_, 2, 0);
  layout->addWidget(number_, 2, 1);
  layout->addWidget(numberLabel_, 2, 2);
  layout->addWidget(allPoints_, 3, 1);
  layout->addWidget(alignGroup_, 4, 0, 1, 3);
  // The step text beside the number takes what room is left.
  layout->setColumnStretch(2, 1);

  connect(number_, &QLineEdit::textChanged, this, &TFormPeriod::NumberChanged);
  connect(number_, &QLineEdit::textEdited, this, [this] {
    periodEdited_ = true;
    UserChanged();
  });
  connect(allPoints_, &QCheckBox::clicked, this, [this](bool on) {
    if (!on) return;
    number_->setText(QStringLiteral("0"));
    periodEdited_ = true;
    UserChanged();
  });
  connect(byPoints_, &QRadioButton::clicked, this, &TFormPeriod::UserChanged);
  connect(byRange_, &QRadioButton::clicked, this, &TFormPeriod::UserChanged);
  connect(align_, &QButtonGroup::idClicked, this, &TFormPeriod::UserChanged);
  connect(change_, &QPushButton::clicked, this, [this] {
    double increment = 0;
    if (!finiteNumber(number_->text(), increment)) increment = 0;
    bool exact = true;
    if (!EditAxisIncrement(this, QString(), dateTime_, exact, increment)) return;
    number_->setText(base::FloatToStr(increment));
    periodEdited_ = true;
    UserChanged();
  });
}

TPlotFunction* TFormPeriod::Function() const {
  return qobject_cast<TPlotFunction*>(Tag());
}

void TFormPeriod::SetFunctionName(const QString& name) {
  setWindowTitle(name);
  calcLabel_->setText(ChartFormat(ChartMsg::CalculateEvery, {name}));
}

void TFormPeriod::ShowFunction(TPlotFunction* function, bool dateTime) {
  SetTag(function);
  dateTime_ = dateTime;
  if (!edited_) {
    Load();
    return;
  }
  // The user's values stay; only what the function allows follows it.
  LoadingScope loading(*this);
  byRange_->setEnabled(RangeAllowed());
  change_->setEnabled(RangeAllowed());
  if (!RangeAllowed()) byPoints_->setChecked(true);
  NumberChanged();
}

bool TFormPeriod::RangeAllowed() const {
  return !isMoving(Function());
}

void TFormPeriod::Load() {
  const TPlotFunction* f = Function();
  if (!f) return;
  LoadingScope loading(*this);
  const bool range = f->PeriodStyle() == TPlotFunction::psRange && RangeAllowed();
  (range ? byRange_ : byPoints_)->setChecked(true);
  byRange_->setEnabled(RangeAllowed());
  change_->setEnabled(RangeAllowed());
  if (QAbstractButton* b = align_->button(f->PeriodAlign())) b->setChecked(true);
  number_->setText(range ? base::FloatToStr(f->Period())
                         : base::IntToStr(base::Round64(f->Period())));
  NumberChanged();
}

void TFormPeriod::Discard() {
  edited_ = false;
  periodEdited_ = false;
  Load();
}

void TFormPeriod::NumberChanged() {
  double value = 0;
  const bool number = finiteNumber(number_->text(), value);
  numberLabel_->setText(number ? AxisIncrementText(value, dateTime_) : QString());
  allPoints_->setChecked(number && value == 0);
}

void TFormPeriod::UserChanged() {
  if (Loading()) return;
  edited_ = true;
  if (OnChange) OnChange();
}

bool TFormPeriod::CheckPeriod(QString& error) const {
  if (!periodEdited_) return true;
  const QString text = number_->text().trimmed();
  double value = 0;
  if (!base::TryStrToFloat(text, value)) {
    error = base::InvalidFloatMessage(text);
    return false;
  }
  // The function's own rule decides what a period may be.
  TPlotFunction probe;
  try {
    probe.SetPeriod(value);
  } catch (const ChartException& e) {
    error = e.message();
    return false;
  }
  return true;
}

void TFormPeriod::Apply(TPlotFunction& target) {
  const bool range = byRange_->isChecked() && !isMoving(&target);
  target.BeginUpdate();
  try {
    target.SetPeriodAlign(
        static_cast<TPlotFunction::TFunctionPeriodAlign>(std::max(0, align_->checkedId())));
    target.SetPeriodStyle(range ? TPlotFunction::psRange : TPlotFunction::psNumPoints);
    if (periodEdited_) target.SetPeriod(base::StrToFloat(number_->text().trimmed()));
  } catch (...) {
    target.EndUpdate();
    throw;
  }
  target.EndUpdate();
  edited_ = false;
  periodEdited_ = false;
}
