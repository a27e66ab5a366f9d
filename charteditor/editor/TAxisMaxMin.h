#pragma once
// The dialog that enters one axis limit: a number, or on a date-time axis a
// date and a time of day. OK without an edit gives back the value it was
// given, unrounded; a text that does not convert to a finite value is
// refused with a message and the dialog stays open.
#include "charteditor/common/TEditorForm.h"

class QLabel;
class QLineEdit;

class TAxisMaxMin : public TEditorForm {
  Q_OBJECT

 public:
  explicit TAxisMaxMin(QWidget* parent = nullptr);

  void SetLimit(double value, bool isDateTime);
  double Value() const { return value_; }
  bool IsDateTime() const { return isDateTime_; }

  QLineEdit* DateEdit() const { return dateEdit_; }
  QLineEdit* TimeEdit() const { return timeEdit_; }

  void accept() override;

 private:
  bool Convert(double& value) const;

  QLabel* dateLabel_;
  QLineEdit* dateEdit_;
  QLabel* timeLabel_;
  QLineEdit* timeEdit_;
  double value_ = 0;
  bool isDateTime_ = false;
  bool edited_ = false;
};

// Shows the dialog captioned `caption` on `value`; true on OK, with `value` the limit entered.
bool EditAxisLimit(QWidget* owner, const QString& caption, bool isDateTime, double& value);
