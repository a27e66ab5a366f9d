#pragma once
// Building the editor pages: labelled controls in a two-column grid, with
// the object names the pages are known by, and the one way a page writes a
// value the object may refuse.
#include <QString>
#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QWidget;
class TButtonColor;
class TButtonPen;
class TRadioGroup;

// The largest value of a spin box the pages bound only from below.
inline constexpr int OpenSpinMaximum = 100;

class PageGrid {
 public:
  explicit PageGrid(QWidget* sheet);

  QWidget* Sheet() const { return sheet_; }
  QGridLayout* Layout() const { return grid_; }

  QCheckBox* Check(const char* name, const QString& caption);
  QPushButton* Button(const char* name, const QString& caption);
  TButtonColor* ColorButton(const char* name, const QString& caption);
  TButtonPen* PenButton(const char* name, const QString& caption);
  // A labelled spin box; the label is the control's buddy.
  QSpinBox* Spin(const char* name, const QString& label, int minimum, int maximum = OpenSpinMaximum,
                 int step = 1);
  QComboBox* Combo(const char* name, const QString& label, const QStringList& items,
                   bool editable = false);
  QLineEdit* Edit(const char* name, const QString& label);
  TRadioGroup* Radio(const char* name, const QString& caption, const QStringList& items);
  // Places a control made elsewhere on the next row, across both columns.
  void Add(QWidget* control);
  // Pushes the rows up; call once the last control is in.
  void Finish();

 private:
  QLabel* Label(const QString& text, QWidget* buddy);

  QWidget* sheet_;
  QGridLayout* grid_;
  int row_ = 0;
};

// The tab widget `name` that fills a page's `body`, below `above` when given.
QTabWidget* AddPageTabs(QWidget* body, const char* name, QWidget* above = nullptr);

// A new sheet of `pages` named `name`, captioned `caption` (the tab holds
// it in a scroll area).
QWidget* AddSheet(QTabWidget* pages, const char* name, const QString& caption);

// Runs `write`; a value the object refuses shows its message through the
// chart prompts and `reload` puts the controls back. No exception leaves.
void WriteChecked(const std::function<void()>& write, const std::function<void()>& reload);
