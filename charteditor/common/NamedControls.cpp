#include "charteditor/common/NamedControls.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  return box;
}

QComboBox* MakeCombo(QWidget* parent, const char* name, const QStringList& items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->addItems(items);
  return box;
}

void WriteWhenFinished(QAbstractSpinBox* box) {
  box->setKeyboardTracking(false);
}

QSpinBox* MakeSpin(QWidget* parent, const char* name, int low, int high, int step) {
  auto* box = new QSpinBox(parent);
  WriteWhenFinished(box);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(low, high);
  box->setSingleStep(step);
  return box;
}

QDoubleSpinBox* MakeDecimalBox(QWidget* parent, const char* name) {
  auto* box = new QDoubleSpinBox(parent);
  WriteWhenFinished(box);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(-1e9, 1e9);
  box->setDecimals(4);
  return box;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

QLabel* MakeLabel(QWidget* parent, const QString& caption, QWidget* buddy) {
  auto* label = new QLabel(caption, parent);
  if (buddy) label->setBuddy(buddy);
  return label;
}
