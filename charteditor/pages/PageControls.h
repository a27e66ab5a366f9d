#pragma once
// What the chart pages do alike: scroll bars made with their object names,
// controls filled from the chart without writing back (signals blocked, so a value
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

// Named controls come from charteditor/common/NamedControls.h.
QScrollBar* Scroll(QWidget* parent, const char* name, int low, int high);

// Show a value without telling anyone.
void Load(QSpinBox* box, int value);
void Load(QScrollBar* bar, int value);
void Load(QAbstractButton* button, bool checked);
void Load(QComboBox* combo, int index);

// Runs `write`; a chart failure goes to the error prompt and answers false.
bool Write(const std::function<void()>& write);

}  // namespace chartpages
