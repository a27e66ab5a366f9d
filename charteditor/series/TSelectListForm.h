#pragma once
// The two-list chooser: "Available" and "Selected" items (a text and the
// object it stands for), moved across one by one, all at once or by double
// click, and reordered within the selected list. Its owner hears of every
// move through OnChange.
#include "charteditor/common/TEditorForm.h"

#include <functional>
#include <vector>

class QListWidget;
class QListWidgetItem;
class QPushButton;

class TSelectListForm : public TEditorForm {
  Q_OBJECT

 public:
  explicit TSelectListForm(QWidget* parent = nullptr);

  QListWidget* FromList() const { return fromList_; }
  QListWidget* ToList() const { return toList_; }

  // Appends an item carrying `object`.
  static void AddItem(QListWidget& list, const QString& text, QObject* object);
  // The object an item carries.
  static QObject* ItemObject(const QListWidgetItem& item);
  // The objects of `list` in its order.
  static std::vector<QObject*> Objects(const QListWidget& list);

  // Refreshes the buttons' enabled states (after the owner filled the lists).
  void EnableButtons();

  std::function<void()> OnChange;

 private:
  void Moved();
  void MoveCurrent(int by);

  QListWidget* fromList_;
  QListWidget* toList_;
  QPushButton* rightOne_;
  QPushButton* rightAll_;
  QPushButton* leftOne_;
  QPushButton* leftAll_;
  QPushButton* moveUp_;
  QPushButton* moveDown_;
};
