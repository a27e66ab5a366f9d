#include "charteditor/editor/TAxisMaxMin.h"

#include "base/Convert.h"
#include "base/Exceptions.h"
#include "base/FormatDateTime.h"
#include "base/FormatFloat.h"
#include "base/ParseDateTime.h"
#include "chart/core/ChartMessages.h"
#include "chart/core/ChartPrompts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include <cmath>

namespace {

// Only a day number from 0 up to 1 is a time of day alone; a negative
// date-time lies on a day before the first and keeps its date.
bool TimeOnly(double value) {
  return value >= 0 && value < 1;
}

}  // namespace

TAxisMaxMin::TAxisMaxMin(QWidget* parent) : TEditorForm(parent) {
  setObjectName(QStringLiteral("AxisMaxMin"));
  setWindowTitle(tr("Axis Maximum and Minimum"));
  dateEdit_ = new QLineEdit(Body());
  dateEdit_->setObjectName(QStringLiteral("EMaximum"));
  dateEdit_->setToolTip(tr("Enter Date"));
  dateLabel_ = new QLabel(tr("&Date:"), Body());
  dateLabel_->setObjectName(QStringLiteral("Label1"));
  dateLabel_->setBuddy(dateEdit_);
  timeEdit_ = new QLineEdit(Body());
  timeEdit_->setObjectName(QStringLiteral("EMinimum"));
  timeEdit_->setToolTip(tr("Enter Time"));
  timeLabel_ = new QLabel(tr("&Time:"), Body());
  timeLabel_->setObjectName(QStringLiteral("Label2"));
  timeLabel_->setBuddy(timeEdit_);
  auto* grid = new QGridLayout(Body());
  grid->addWidget(dateLabel_, 0, 0);
  grid->addWidget(dateEdit_, 0, 1);
  grid->addWidget(timeLabel_, 1, 0);
  grid->addWidget(timeEdit_, 1, 1);
  for (QLineEdit* edit : {dateEdit_, timeEdit_})
    connect(edit, &QLineEdit::textEdited, this, [this] { edited_ = true; });
}

void TAxisMaxMin::SetLimit(double value, bool isDateTime) {
  value_ = value;
  isDateTime_ = isDateTime;
  edited_ = false;
  if (isDateTime) {
    const bool withDate = !TimeOnly(value);
    dateLabel_->setText(tr("&Date:"));
    dateEdit_->setText(withDate ? base::DateToStr(value) : QString());
    dateLabel_->setVisible(withDate);
    dateEdit_->setVisible(withDate);
    timeEdit_->setText(base::TimeToStr(value));
    timeLabel_->setVisible(true);
    timeEdit_->setVisible(true);
  } else {
    dateLabel_->setText(ChartText(ChartMsg::ValueCaption));
    dateLabel_->setVisible(true);
    dateEdit_->setVisible(true);
    dateEdit_->setText(base::FloatToStr(value));
    timeLabel_->setVisible(false);
    timeEdit_->setVisible(false);
  }
}

bool TAxisMaxMin::Convert(double& value) const {
  try {
    if (!isDateTime_)
      value = base::StrToFloat(dateEdit_->text());
    else if (!dateEdit_->isHidden())
      value = base::StrToDateTime(dateEdit_->text() + QLatin1Char(' ') + timeEdit_->text());
    else
      value = base::StrToTime(timeEdit_->text());
  } catch (const base::Exception& e) {
    Prompts().Error(e.message());
    return false;
  }
  if (!std::isfinite(value)) {
    Prompts().Error(QStringLiteral("'%1' is not a finite value").arg(dateEdit_->text()));
    return false;
  }
  return true;
}

void TAxisMaxMin::accept() {
  // Texts shown but not touched would round the value to what they show.
  if (edited_) {
    double value = 0;
    if (!Convert(value)) return;
    value_ = value;
  }
  TEditorForm::accept();
}

bool EditAxisLimit(QWidget* owner, const QString& caption, bool isDateTime, double& value) {
  TAxisMaxMin dialog(owner);
  dialog.setWindowTitle(caption);
  dialog.SetLimit(value, isDateTime);
  if (dialog.exec() != QDialog::Accepted) return false;
  value = dialog.Value();
  return true;
}
