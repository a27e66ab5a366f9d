#include "charteditor/editor/PageControls.h"

#include "base/Exceptions.h"
#include "chart/core/ChartPrompts.h"
#include "chart/widget/TButtonColor.h"
#include "charteditor/common/NamedControls.h"
#include "charteditor/common/TButtonPen.h"
#include "charteditor/editor/TRadioGroup.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

PageGrid::PageGrid(QWidget* sheet) : sheet_(sheet), grid_(new QGridLayout(sheet)) {}

QLabel* PageGrid::Label(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text, sheet_);
  label->setBuddy(buddy);
  grid_->addWidget(label, row_, 0);
  grid_->addWidget(buddy, row_++, 1);
  return label;
}

QCheckBox* PageGrid::Check(const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption, sheet_);
  box->setObjectName(QString::fromLatin1(name));
  Add(box);
  return box;
}

QPushButton* PageGrid::Button(const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, sheet_);
  button->setObjectName(QString::fromLatin1(name));
  Add(button);
  return button;
}

TButtonColor* PageGrid::ColorButton(const char* name, const QString& caption) {
  auto* button = new TButtonColor(sheet_);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(caption);
  Add(button);
  return button;
}

TButtonPen* PageGrid::PenButton(const char* name, const QString& caption) {
  auto* button = new TButtonPen(sheet_);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(caption);
  Add(button);
  return button;
}

QSpinBox* PageGrid::Spin(const char* name, const QString& label, int minimum, int maximum,
                         int step) {
  QSpinBox* spin = MakeSpin(sheet_, name, minimum, maximum, step);
  Label(label, spin);
  return spin;
}

QComboBox* PageGrid::Combo(const char* name, const QString& label, const QStringList& items,
                           bool editable) {
  auto* combo = new QComboBox(sheet_);
  combo->setObjectName(QString::fromLatin1(name));
  combo->setEditable(editable);
  combo->addItems(items);
  Label(label, combo);
  return combo;
}

QLineEdit* PageGrid::Edit(const char* name, const QString& label) {
  auto* edit = new QLineEdit(sheet_);
  edit->setObjectName(QString::fromLatin1(name));
  Label(label, edit);
  return edit;
}

TRadioGroup* PageGrid::Radio(const char* name, const QString& caption, const QStringList& items) {
  auto* group = new TRadioGroup(caption, items, sheet_);
  group->setObjectName(QString::fromLatin1(name));
  for (int i = 0; i < group->Count(); ++i)
    group->Button(i)->setObjectName(group->objectName() + QString::number(i));
  Add(group);
  return group;
}

void PageGrid::Add(QWidget* control) {
  if (control->parentWidget() != sheet_) control->setParent(sheet_);
  grid_->addWidget(control, row_++, 0, 1, 2);
}

void PageGrid::Finish() {
  grid_->setRowStretch(row_, 1);
}

QTabWidget* AddPageTabs(QWidget* body, const char* name, QWidget* above) {
  auto* pages = new QTabWidget(body);
  pages->setObjectName(QString::fromLatin1(name));
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(0, 0, 0, 0);
  if (above) layout->addWidget(above);
  layout->addWidget(pages);
  return pages;
}

QWidget* AddSheet(QTabWidget* pages, const char* name, const QString& caption) {
  // A sheet scrolls rather than squeezing its rows into a small form.
  auto* scroll = new QScrollArea;
  scroll->setObjectName(QString::fromLatin1(name) + QStringLiteral("Scroll"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  auto* sheet = new QWidget;
  sheet->setObjectName(QString::fromLatin1(name));
  scroll->setWidget(sheet);
  pages->addTab(scroll, caption);
  return sheet;
}

void WriteChecked(const std::function<void()>& write, const std::function<void()>& reload) {
  try {
    write();
    return;
  } catch (const base::Exception& e) {
    Prompts().Error(e.message());
  }
  if (reload) reload();
}
