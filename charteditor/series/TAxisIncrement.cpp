#include "charteditor/series/TAxisIncrement.h"

#include "base/Convert.h"
#include "base/Exceptions.h"
#include "base/FormatFloat.h"
#include "base/FormatSettings.h"
#include "base/MathUtil.h"
#include "base/ParseDateTime.h"
#include "chart/core/ChartMessages.h"
#include "chart/core/ChartPrompts.h"
#include "chart/model/AxisSteps.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace {

constexpr double kMsPerDay = 86400000.0;

const std::array<const char*, AxisSteps::DateTimeStepCount>& stepNames() {
  static const std::array<const char*, AxisSteps::DateTimeStepCount> names = {
      "One Millisecond", "One Second", "Five Seconds", "Ten Seconds", "Fifteen Seconds",
      "Thirty Seconds",  "One Minute", "Five Minutes", "Ten Minutes", "Fifteen Minutes",
      "Thirty Minutes",  "One Hour",   "Two Hours",    "Six Hours",   "Twelve Hours",
      "One Day",         "Two Days",   "Three Days",   "One Week",    "Half Month",
      "One Month",       "Two Months", "Three Months", "Four Months", "Six Months",
      "One Year"};
  return names;
}

QString twoDigits(int64_t v) {
  return QString::number(v).rightJustified(2, QLatin1Char('0'));
}

// A time of day of `ms` milliseconds as hours, minutes and seconds in the
// locale's separators, with the milliseconds only when there are any.
QString timeText(int64_t ms) {
  const auto fs = base::FormatSettings::Current();
  const QString sep(fs->TimeSeparator);
  QString text =
      twoDigits(ms / 3600000) + sep + twoDigits(ms / 60000 % 60) + sep + twoDigits(ms / 1000 % 60);
  if (ms % 1000 != 0)
    text += fs->DecimalSeparator + QString::number(ms % 1000).rightJustified(3, QLatin1Char('0'));
  return text;
}

// The custom text of a date-time increment: whole days (from the double,
// so that no day count overflows), a blank and the time, or the time alone.
QString dateTimeText(double increment) {
  if (!std::isfinite(increment)) return base::FloatToStr(increment);
  double days = std::floor(increment);
  int64_t ms = base::Round64((increment - days) * kMsPerDay);
  if (ms >= static_cast<int64_t>(kMsPerDay)) {
    days += 1;
    ms = 0;
  }
  if (increment >= 0 && days == 0) return timeText(ms);
  return QString::number(days, 'f', 0) + QLatin1Char(' ') + timeText(ms);
}

bool readNumber(const QString& text, double& value, QString& reason) {
  if (base::TryStrToFloat(text, value)) return true;
  reason = base::InvalidFloatMessage(text);
  return false;
}

bool readTime(const QString& text, double& value, QString& reason) {
  try {
    value = base::StrToTime(text);
    return true;
  } catch (const base::Exception& e) {
    reason = e.message();
    return false;
  }
}

}  // namespace

QString AxisIncrementText(double increment, bool dateTime) {
  if (!dateTime) return base::FloatToStr(increment);
  const int step = AxisSteps::FindDateTimeStep(increment);
  if (step != AxisSteps::NoDateTimeStep) return QObject::tr(stepNames()[step]);
  return dateTimeText(increment);
}

TAxisIncrement::TAxisIncrement(QWidget* parent)
    : TEditorForm(parent),
      radioGroup_(new QGroupBox(tr("Increment:"), Body())),
      standard_(new QRadioButton(tr("&Standard:"), radioGroup_)),
      custom_(new QRadioButton(tr("&Custom:"), radioGroup_)),
      steps_(new QComboBox(Body())),
      customText_(new QLineEdit(Body())),
      exactBox_(new QCheckBox(tr("&Exact Date Time"), Body())),
      step_(AxisSteps::NoDateTimeStep) {
  setObjectName(QStringLiteral("AxisIncrement"));
  setWindowTitle(tr("Axis Increment"));
  radioGroup_->setObjectName(QStringLiteral("RadioGroup1"));
  standard_->setObjectName(QStringLiteral("RBStandard"));
  custom_->setObjectName(QStringLiteral("RBCustom"));
  steps_->setObjectName(QStringLiteral("CBSteps"));
  for (const char* name : stepNames()) steps_->addItem(tr(name));
  steps_->setMaxVisibleItems(AxisSteps::DateTimeStepCount);
  customText_->setObjectName(QStringLiteral("ECustom"));
  exactBox_->setObjectName(QStringLiteral("CBExact"));

  auto* radios = new QVBoxLayout(radioGroup_);
  radios->addWidget(standard_);
  radios->addWidget(custom_);
  auto* layout = new QGridLayout(Body());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(radioGroup_, 0, 0, 2, 1);
  layout->addWidget(steps_, 0, 1);
  layout->addWidget(customText_, 1, 1);
  layout->addWidget(exactBox_, 2, 1);

  connect(exactBox_, &QCheckBox::toggled, this, &TAxisIncrement::ExactToggled);
  connect(steps_, &QComboBox::activated, this, &TAxisIncrement::StepChosen);
}

void TAxisIncrement::Load(bool dateTime, bool exact, double increment) {
  LoadingScope loading(*this);
  dateTime_ = dateTime;
  exact_ = exact;
  increment_ = increment;
  step_ = AxisSteps::NoDateTimeStep;
  radioGroup_->setVisible(dateTime);
  steps_->setVisible(dateTime);
  exactBox_->setVisible(dateTime);
  if (!dateTime) {
    customText_->setText(base::FloatToStr(increment));
    return;
  }
  exactBox_->setChecked(exact);
  const int step = AxisSteps::FindDateTimeStep(increment);
  if (exact && step != AxisSteps::NoDateTimeStep) {
    step_ = step;
    steps_->setCurrentIndex(step);
    standard_->setChecked(true);
    customText_->clear();
  } else {
    steps_->setCurrentIndex(-1);
    custom_->setChecked(true);
    customText_->setText(dateTimeText(increment));
  }
}

void TAxisIncrement::StepChosen(int index) {
  if (index >= 0 && index < AxisSteps::DateTimeStepCount) step_ = index;
}

void TAxisIncrement::ExactToggled(bool on) {
  if (Loading() || on || custom_->isChecked()) return;
  // Custom takes over the increment the dialog showed, so that OK keeps it.
  const double shown =
      step_ != AxisSteps::NoDateTimeStep ? AxisSteps::DateTimeStep(step_) : increment_;
  customText_->setText(dateTimeText(shown));
  custom_->setChecked(true);
}

bool TAxisIncrement::ReadIncrement(double& value, QString& reason) const {
  const QString text = customText_->text().trimmed();
  if (!dateTime_) {
    if (!readNumber(text, value, reason)) return false;
  } else if (standard_->isChecked()) {
    if (step_ == AxisSteps::NoDateTimeStep) {
      reason = base::InvalidFloatMessage(QString());
      return false;
    }
    value = AxisSteps::DateTimeStep(step_);
  } else if (const int blank = text.indexOf(QLatin1Char(' ')); blank >= 0) {
    double days = 0, time = 0;
    if (!readNumber(text.left(blank), days, reason) ||
        !readTime(text.mid(blank + 1).trimmed(), time, reason))
      return false;
    value = days + time;
  } else if (!base::TryStrToFloat(text, value) && !readTime(text, value, reason)) {
    return false;
  }
  if (!std::isfinite(value)) {
    reason = base::InvalidFloatMessage(text);
    return false;
  }
  return true;
}

void TAxisIncrement::accept() {
  double value = 0;
  QString reason;
  if (!ReadIncrement(value, reason)) {
    Prompts().Error(ChartFormat(ChartMsg::IncorrectValue, {reason}));
    return;
  }
  increment_ = value;
  if (dateTime_) exact_ = exactBox_->isChecked();
  TEditorForm::accept();
}

bool EditAxisIncrement(QWidget* owner, const QString& caption, bool dateTime, bool& exact,
                       double& increment) {
  TAxisIncrement dialog(owner);
  dialog.Load(dateTime, exact, increment);
  if (!caption.isEmpty()) dialog.setWindowTitle(caption);
  if (dialog.exec() != QDialog::Accepted) return false;
  exact = dialog.ExactDateTime();
  increment = dialog.Increment();
  return true;
}
