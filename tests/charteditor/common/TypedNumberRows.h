#pragma once
// A number typed into a box key by key and ended with Enter, as a user
// does: nothing is written while the keys come, the value typed is written
// once Enter ends it, and a value the chart refuses leaves the box showing
// the last one it accepted.
#include "tests/charteditor/common/DialogRows.h"

#include <QAbstractSpinBox>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

struct TypedNumberRow {
  std::string name;
  const char* box;  // the box's object name
  std::function<void(EditedChart&)> prepare;
  const char* typed;                         // "" empties the box
  std::function<double(EditedChart&)> read;  // what the box writes
  double written;                            // read after Enter
  QString shown;                             // the box's text after Enter
};

inline void PrintTo(const TypedNumberRow& row, std::ostream* os) {
  *os << row.name;
}

inline std::string TypedRowName(const ::testing::TestParamInfo<TypedNumberRow>& info) {
  std::string name = info.param.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

// Builds the page on the chart with `open`, types and checks.
template <class Page>
void CheckTypedNumber(const TypedNumberRow& row,
                      const std::function<std::unique_ptr<Page>(EditedChart&)>& open) {
  RecordingChartPrompts prompts;
  EditedChart chart;
  if (row.prepare) row.prepare(chart);
  std::unique_ptr<Page> page = open(chart);
  page->show();
  auto* box = page->template findChild<QAbstractSpinBox*>(QString::fromLatin1(row.box));
  ASSERT_NE(box, nullptr) << row.box;
  const double before = row.read(chart);
  box->selectAll();
  if (*row.typed == 0)
    QTest::keyClick(box, Qt::Key_Backspace);
  else
    QTest::keyClicks(box, QString::fromLatin1(row.typed));
  EXPECT_EQ(row.read(chart), before) << row.name << ": written before the typing ended";
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(row.read(chart), row.written) << row.name;
  EXPECT_EQ(box->text(), row.shown) << row.name;
}
