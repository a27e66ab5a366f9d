#pragma once
// The base of the editors that give a series its data source: a top panel
// with a choice and "Apply", which is enabled while changes are pending.
// Leaving the page or closing with changes pending asks "Apply Changes ?":
// Yes applies (and lets go only when that worked), No drops the changes,
// Cancel stays.
#include "charteditor/common/TEditorForm.h"

class QCloseEvent;
class QComboBox;
class QLabel;
class QPushButton;
class TChartSeries;

class TBaseSourceEditor : public TEditorForm {
  Q_OBJECT

 public:
  explicit TBaseSourceEditor(QWidget* parent = nullptr);

  // The series edited: the tag.
  TChartSeries* Series() const;
  QComboBox* Sources() const { return sources_; }
  QPushButton* ApplyButton() const { return apply_; }
  bool Pending() const;

  // Applies the pending changes; false, with nothing changed, when refused.
  bool ApplyChanges();
  // Whether the page may be left or the editor closed (asks while changes are pending).
  bool CanLeave();

 protected:
  // Marks changes as pending.
  void Changed();
  // What Apply does; false when it refused (it then changed nothing).
  virtual bool DoApply() { return true; }
  // Forgets the pending changes; the controls show the series again.
  virtual void DropChanges() {}

  QLabel* Label() const { return label_; }
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* pan_;
  QLabel* label_;
  QComboBox* sources_;
  QPushButton* apply_;
};
