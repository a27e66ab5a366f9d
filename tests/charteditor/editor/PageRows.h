#pragma once
// What the editor page tests share: acting on a page's controls as a user
// does, by object name.
#include "charteditor/editor/TRadioGroup.h"
#include "tests/charteditor/common/DialogRows.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>

// Runs `editor`'s Execute, handing the shown form to `look`, then closing it.
template <class Editor, class Form>
void RunEditor(Editor& editor, const std::function<void(Form&)>& look) {
  editor.SetModalRunner([look](Form& form) {
    form.show();
    look(form);
    form.close();
    return 0;
  });
  editor.Execute();
}

// Chooses item `index` of a combo box as a user's pick does.
inline void Pick(QWidget& w, const char* name, int index) {
  QComboBox* box = child<QComboBox>(w, name);
  if (!box) return;
  box->setCurrentIndex(index);
  Q_EMIT box->activated(index);
  Q_EMIT box->textActivated(box->itemText(index));
}

// Clicks item `index` of a radio group.
inline void Choose(QWidget& w, const char* name, int index) {
  TRadioGroup* group = child<TRadioGroup>(w, name);
  if (!group) return;
  // Like a check box, a radio button takes clicks on its mark or its text only.
  QAbstractButton* button = group->Button(index);
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

inline void Click(QWidget& w, const char* name) {
  ClickButton(child<QAbstractButton>(w, name));
}

// Types `text` into a line edit, replacing what it held.
inline void TypeLine(QWidget& w, const char* name, const char* text) {
  QLineEdit* edit = child<QLineEdit>(w, name);
  if (!edit) return;
  edit->selectAll();
  QTest::keyClicks(edit, QString::fromLatin1(text));
}

// Makes the sheet named `name` current in every tab widget above it (a user
// clicking its tabs) and answers it: controls are looked up within it, as
// pages reuse names on their different sheets.
inline QWidget& ShowSheet(QWidget& page, const char* name) {
  QWidget* sheet = child<QWidget>(page, name);
  if (!sheet) return page;
  for (QWidget* w = sheet; w && w != &page; w = w->parentWidget())
    if (auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget()))
      if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) tabs->setCurrentWidget(w);
  return *sheet;
}

// Runs `act` on the sheet `name`, made current first.
template <class Act>
auto On(const char* name, Act act) {
  return [name, act](QWidget& page, RecordingChartPrompts& prompts) {
    act(ShowSheet(page, name), prompts);
  };
}

inline auto ClickRow(const char* name) {
  return [name](QWidget& p, RecordingChartPrompts&) { Click(p, name); };
}
// Typing replaces the number digit by digit: each digit is a write.
inline auto TypeRow(const char* name, const char* text) {
  return [name, text](QWidget& p, RecordingChartPrompts&) { TypeInto(p, name, text); };
}
inline auto PickRow(const char* name, int index) {
  return [name, index](QWidget& p, RecordingChartPrompts&) { Pick(p, name, index); };
}
inline auto ChooseRow(const char* name, int index) {
  return [name, index](QWidget& p, RecordingChartPrompts&) { Choose(p, name, index); };
}
