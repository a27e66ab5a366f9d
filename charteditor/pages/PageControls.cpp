#include "charteditor/pages/PageControls.h"

#include "base/Exceptions.h"
#include "chart/core/ChartPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>

namespace chartpages {

namespace {

template <class T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

QScrollBar* Scroll(QWidget* parent, const char* name, int low, int high) {
  auto* bar = Named(new QScrollBar(Qt::Horizontal, parent), name);
  bar->setRange(low, high);
  return bar;
}

void Load(QSpinBox* box, int value) {
  const QSignalBlocker quiet(box);
  box->setValue(value);
}

void Load(QScrollBar* bar, int value) {
  const QSignalBlocker quiet(bar);
  bar->setValue(value);
}

void Load(QAbstractButton* button, bool checked) {
  const QSignalBlocker quiet(button);
  button->setChecked(checked);
}

void Load(QComboBox* combo, int index) {
  const QSignalBlocker quiet(combo);
  combo->setCurrentIndex(index);
}

bool Write(const std::function<void()>& write) {
  try {
    write();
    return true;
  } catch (const base::Exception& e) {
    Prompts().Error(e.message());
    return false;
  }
}

}  // namespace chartpages
