#pragma once
// What the chart pages do alike: controls made with their object names,
// filled from the chart without writing back (signals blocked, so a value
// the control clamps on load never reaches the chart), and writes whose
// refusal shows its message and puts the control back.
#include <QString>
#include <QStringList>

#include <functional>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QWidget;

namespace chartpages {

QCheckBox* Check(QWidget* parent, const char* name, const QString& caption);
QComboBox* Combo(QWidget* parent, const char* name, const QStringList& items);
// A number box of `low`..`high`; one with only a lower bound tops out at 100.
QSpinBox* Spin(QWidget* parent, const char* name, int low, int high = 100, int step = 1);
QScrollBar* Scroll(QWidget* parent, const char* name, int low, int high);
QPushButton* Button(QWidget* parent, const char* name, const QString& caption);
QLabel* Label(QWidget* parent, const QString& caption, QWidget* buddy = nullptr);

// Show a value without telling anyone.
void Load(QSpinBox* box, int value);
void Load(QScrollBar* bar, int value);
void Load(QAbstractButton* button, bool checked);
void Load(QComboBox* combo, int index);

// Runs `write`; a chart failure goes to the error prompt and answers false.
bool Write(const std::function<void()>& write);

}  // namespace chartpages
