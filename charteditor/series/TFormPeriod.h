#pragma once
// The period editor: how often a function calculates (a number of points
// or a range of X values, a date-time step for date-time sources), and
// where each result stands in its period. It shows one function and writes
// into whichever function its owner hands to Apply, so that a function not
// yet created can be looked at first. Period is written only when its box
// was edited: the box shows a point count rounded, and writing that back
// would round a period nobody touched.
#include "charteditor/common/TEditorForm.h"

#include <functional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TPlotFunction;

class TFormPeriod : public TEditorForm {
  Q_OBJECT

 public:
  explicit TFormPeriod(QWidget* parent = nullptr);

  // Shows `function` (the tag); `dateTime` when the source's X values are
  // date-times. Pending edits stay shown; otherwise the controls follow it.
  void ShowFunction(TPlotFunction* function, bool dateTime);
  TPlotFunction* Function() const;
  // The function name in "Calculate <name> every:".
  void SetFunctionName(const QString& name);

  // True when the user changed a control since the last Apply or Discard.
  bool Edited() const { return edited_; }
  // Forgets the edits; the controls show the function again.
  void Discard();
  // The period the box holds, or false with the function's own refusal.
  bool CheckPeriod(QString& error) const;
  // Writes alignment, style and (when edited) the period into `target`,
  // which recalculates once. CheckPeriod first: a refused period raises.
  void Apply(TPlotFunction& target);

  std::function<void()> OnChange;

 private:
  void Load();
  void NumberChanged();
  void UserChanged();
  bool RangeAllowed() const;

  QLabel* calcLabel_;
  QLineEdit* number_;
  QLabel* numberLabel_;
  QCheckBox* allPoints_;
  QRadioButton* byPoints_;
  QRadioButton* byRange_;
  QPushButton* change_;
  QGroupBox* alignGroup_;
  QButtonGroup* align_;

  bool dateTime_ = false;
  bool edited_ = false;
  bool periodEdited_ = false;
};
