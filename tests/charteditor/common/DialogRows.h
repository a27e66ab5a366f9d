#pragma once
// The tables the dialog tests share: a row names a control, acts on it as a
// user would and lists the published paths of the whole chart that must
// change; anything else changed, or a notification missing or doubled,
// fails the row.
#include "tests/base/LocaleScope.h"
#include "tests/chart/support/RecordingChartPrompts.h"
#include "tests/charteditor/common/EditedChart.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>

// The control of that object name; a missing one fails the test.
template <class T>
T* child(QWidget& w, const char* name) {
  T* c = w.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(c, nullptr) << name;
  return c;
}

// Types over a spin box's text, as a user replacing its number, and moves
// on (the focus leaves the box, which is when it tells its number).
inline void TypeInto(QWidget& w, const char* spin, const char* text) {
  QSpinBox* box = child<QSpinBox>(w, spin);
  if (!box) return;
  box->selectAll();
  QTest::keyClicks(box, QString::fromLatin1(text));
  QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(box, &leave);
}

template <class Dialog>
struct DialogRow {
  std::string name;
  // Run before the dialog takes the chart (a state the row starts from).
  std::function<void(EditedChart&)> prepare;
  std::function<void(Dialog&, RecordingChartPrompts&)> act;
  QStringList paths;
  int notifications = 1;
};

template <class Dialog>
void PrintTo(const DialogRow<Dialog>& row, std::ostream* os) {
  *os << row.name;
}

// Opens a dialog on the chart, acts, and checks the walk's difference.
template <class Dialog, class Open>
void CheckRow(const DialogRow<Dialog>& row, Open open) {
  RecordingChartPrompts prompts;
  EditedChart chart;
  if (row.prepare) row.prepare(chart);
  Dialog dialog;
  open(dialog, chart);
  const auto before = PublishedSnapshot(chart);
  chart.ResetCounts();
  row.act(dialog, prompts);
  EXPECT_EQ(ChangedPaths(before, PublishedSnapshot(chart)), row.paths) << row.name;
  // Each change notifies its chart once, which asks for one repaint.
  EXPECT_EQ(chart.changes, row.notifications) << row.name;
}

// A click where a user clicks: a check box only takes clicks on its box or
// its text, not on the rest of its width.
inline void ClickButton(QAbstractButton* button) {
  ASSERT_NE(button, nullptr);
  const QPoint at =
      qobject_cast<QCheckBox*>(button) ? QPoint(6, button->height() / 2) : button->rect().center();
  QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

// Answers the modal dialog about to open, from inside its own loop.
inline void AnswerNextModal(std::function<void(QWidget*)> answer) {
  QTimer::singleShot(0, [answer] {
    if (QWidget* modal = QApplication::activeModalWidget()) answer(modal);
  });
}
