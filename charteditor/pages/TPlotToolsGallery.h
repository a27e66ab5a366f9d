#pragma once
// The tools gallery: the registered tool classes by description, sorted;
// the user picks one to add. "Add" (OK) works only once a class is chosen.
#include "charteditor/common/TEditorForm.h"

class QListWidget;

class TPlotToolsGallery : public TEditorForm {
  Q_OBJECT

 public:
  explicit TPlotToolsGallery(QWidget* parent = nullptr);

  QListWidget* List() const { return list_; }
  // The chosen class, or null.
  const QMetaObject* SelectedClass() const;
  // Fills the list from the registered tool classes.
  void Fill();

 private:
  QListWidget* list_;
};
