#pragma once
// The dialogs a view window's commands open: a line of text, a message box,
// and the save and open file dialogs. The menus reach them only through this
// interface, so tests answer them from a script and no modal dialog opens.
// (The colour dialog is the legend's own chooser, TColorScrollBox::ChooseColor.)
#include <QString>

#include <optional>

class QWidget;

class ViewDialogs {
 public:
  virtual ~ViewDialogs() = default;

  // A one-line input dialog prefilled with `text`; nullopt on Cancel.
  virtual std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                         const QString& text) = 0;
  // A message box with an OK button.
  virtual void ShowMessage(const QString& caption, const QString& text) = 0;
  // File dialogs. `filter` is written "Description|*.ext|Description|*.*";
  // `defaultExtension` (without the dot) is appended to a name typed without
  // one. Empty on Cancel.
  virtual QString SaveFileName(const QString& filter, const QString& defaultExtension) = 0;
  virtual QString OpenFileName(const QString& filter, const QString& defaultExtension) = 0;
};

// The real dialogs, parented to a view window.
class QtViewDialogs final : public ViewDialogs {
 public:
  explicit QtViewDialogs(QWidget* parent) : parent_(parent) {}
  std::optional<QString> AskText(const QString& caption, const QString& prompt,
                                 const QString& text) override;
  void ShowMessage(const QString& caption, const QString& text) override;
  QString SaveFileName(const QString& filter, const QString& defaultExtension) override;
  QString OpenFileName(const QString& filter, const QString& defaultExtension) override;

 private:
  QWidget* parent_;
};
