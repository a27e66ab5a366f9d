#pragma once
// The axis increment dialog ("Axis Increment"): an increment either as one
// of the axes' date-time steps ("Standard") or typed ("Custom"), for a
// date-time axis in days with an "exact" flag that keeps labels on the
// calendar; for other axes a plain number. OK reads the text and stays open
// with "Incorrect value" when it is not a number, a time or a day count and
// a time, or when what it reads is not finite.
#include "charteditor/common/TEditorForm.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

class TAxisIncrement : public TEditorForm {
  Q_OBJECT

 public:
  explicit TAxisIncrement(QWidget* parent = nullptr);

  // Fills the dialog before showing it.
  void Load(bool dateTime, bool exact, double increment);

  bool DateTime() const { return dateTime_; }
  bool ExactDateTime() const { return exact_; }
  // The increment as read by OK (the loaded one until then).
  double Increment() const { return increment_; }
  // The chosen step entry, or AxisSteps::NoDateTimeStep.
  int Step() const { return step_; }

  // Reads the controls; OK closes only when they read.
  void accept() override;

 private:
  // The increment the controls show, or false with the reason.
  bool ReadIncrement(double& value, QString& reason) const;
  void ExactToggled(bool on);
  void StepChosen(int index);

  QGroupBox* radioGroup_;
  QRadioButton* standard_;
  QRadioButton* custom_;
  QComboBox* steps_;
  QLineEdit* customText_;
  QCheckBox* exactBox_;

  bool dateTime_ = false;
  bool exact_ = false;
  double increment_ = 0;
  int step_;
};

// The increment as the dialog writes it: for date-times the matching step's
// name, else whole days, a blank and the time of day ("2 12:00:00"), or the
// time alone below a day; otherwise the number. Axis pages and the period
// editor show increments this way.
QString AxisIncrementText(double increment, bool dateTime);

// Shows the dialog modally with `caption`; on OK `exact` and `increment` take
// its values and the answer is true.
bool EditAxisIncrement(QWidget* owner, const QString& caption, bool dateTime, bool& exact,
                       double& increment);
