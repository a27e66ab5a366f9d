#pragma once
// The function editor of a series' "Data Source" page: the function ("Copy"
// for none), the source series and, for a function, its period. Nothing
// reaches the series before Apply: the "Options" sheet shows the options
// of the function as chosen here, a function not yet created included.
// Apply checks everything first (the period, and every source for a
// dependency back on the series) and on a refusal shows why and changes
// nothing; then it sets the function class, the sources, and writes the
// period into the series' function as it now is.
#include "charteditor/series/TBaseSourceEditor.h"

#include <QPointer>

#include <memory>
#include <vector>

class QTabWidget;
class TFormPeriod;
class TPlotFunction;
class TSelectListForm;

class TPlotFuncEditor : public TBaseSourceEditor {
  Q_OBJECT

 public:
  explicit TPlotFuncEditor(QWidget* parent = nullptr);
  ~TPlotFuncEditor() override;

  QTabWidget* PageControl() const { return pages_; }
  // Made when the editor is first shown, and on the first visit of "Options".
  TSelectListForm* Chooser() const { return chooser_; }
  TFormPeriod* PeriodEditor() const { return period_; }

  // The function class chosen in the list; null for "Copy".
  const QMetaObject* ChosenClass() const;

 protected:
  void showEvent(QShowEvent* event) override;
  bool DoApply() override;
  void DropChanges() override;

 private:
  void Load();
  void FunctionChosen();
  void PageChanged(int index);
  // The function the options show: the series' own when its class is
  // chosen, else a stand-in of the chosen class; null for "Copy".
  TPlotFunction* ChosenFunction();
  // Whether the first listed source has date-time X values.
  bool SourceXDateTime() const;
  void ShowPeriod();
  // The listed sources that still exist, in list order.
  std::vector<QObject*> ListedSources() const;
  // False, with the reason, when one of `sources` may not feed the series.
  bool CheckSources(const std::vector<QObject*>& sources, QString& error) const;

  QTabWidget* pages_;
  QWidget* tabSource_;
  QWidget* tabOptions_;
  TSelectListForm* chooser_ = nullptr;
  TFormPeriod* period_ = nullptr;
  std::unique_ptr<TPlotFunction> standIn_;
  QPointer<QObject> loadedFor_;
};
