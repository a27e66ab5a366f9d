// The dialogs these editors open: a changed and cancelled pen, pattern or
// colour leaves the chart as it was, and the line's border recolours the
// series only for a colour the user chose and confirmed.
#include "chart/model/TChart.h"
#include "chart/series/TAreaSeries.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/series/TLineSeries.h"
#include "tests/charteditor/serieseditors/SeriesPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QListWidget>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include <functional>
#include <string>

namespace {

// Acts on the modal dialog about to open, from inside its own loop.
void answerNextModal(std::function<void(QDialog&)> answer) {
  QTimer::singleShot(0, [answer] {
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) answer(*modal);
  });
}

// What a user changes in any of the dialogs before leaving it.
void changeSomething(QDialog& dialog) {
  if (auto* width = dialog.findChild<QSpinBox*>(QStringLiteral("SEWidth")))
    width->setValue(width->value() + 2);
  if (auto* visible = dialog.findChild<QCheckBox*>(QStringLiteral("CBVisible")))
    visible->setChecked(!visible->isChecked());
  if (auto* list = dialog.findChild<QListWidget*>())
    list->setCurrentRow(list->currentRow() == 2 ? 3 : 2);
}

struct CancelRow {
  std::string name;
  const QMetaObject* seriesClass;
  const char* sheet;
  const char* button;
};

void PrintTo(const CancelRow& row, std::ostream* os) {
  *os << row.name;
}

const CancelRow kRows[] = {
    {"LineBorder", &TLineSeries::staticMetaObject, "Format", "BLineBorder"},
    {"LinePattern", &TLineSeries::staticMetaObject, "Format", "BBrush"},
    {"LineOutline", &TLineSeries::staticMetaObject, "Format", "BOutline"},
    {"PointBorder", &TLineSeries::staticMetaObject, "Point", "BPoinPenCol"},
    {"PointPattern", &TLineSeries::staticMetaObject, "Point", "BPointFillColor"},
    {"AreaLines", &TAreaSeries::staticMetaObject, "Format", "BAreaLinesPen"},
    {"AreaBorder", &TAreaSeries::staticMetaObject, "Format", "BAreaLinePen"},
    {"MarksArrow", &TLineSeries::staticMetaObject, "Marks", "BMarkLinCol"},
};

class CancelledDialogs : public testing::TestWithParam<CancelRow> {};

TEST_P(CancelledDialogs, LeaveTheChartAsItWas) {
  const CancelRow& row = GetParam();
  SeriesPage page(*row.seriesClass);
  static_cast<TCustomSeries*>(page.Series(0))->Pointer()->SetVisible(true);
  page.Form().RefreshSeries(page.Series(1));
  page.Form().RefreshSeries(page.Series(0));
  ASSERT_TRUE(page.ShowSheet(QString::fromLatin1(row.sheet)));
  page.Mark();
  bool opened = false;
  answerNextModal([&opened](QDialog& d) {
    opened = true;
    changeSomething(d);
    d.reject();
  });
  Click(*page.Form().Pages()->currentWidget(), row.button);
  EXPECT_TRUE(opened);
  EXPECT_EQ(page.Changed(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Table, CancelledDialogs, testing::ValuesIn(kRows),
                         [](const auto& info) { return info.param.name; });

TEST(CancelledDialogs, ACancelledColourPromptChangesNothing) {
  for (const char* button : {"BLineColor"}) {
    SeriesPage page(TLineSeries::staticMetaObject);
    ASSERT_TRUE(page.ShowSheet(QStringLiteral("Format")));
    page.Mark();
    Click(*page.Form().Pages()->currentWidget(), button);
    EXPECT_EQ(page.Prompts().modalCalls, 1);
    EXPECT_EQ(page.Changed(), QStringList());
  }
}

// The line's border dialog in a 2D chart, ended by `answer`.
QStringList borderChanges(const std::function<void(QDialog&, RecordingChartPrompts&)>& answer) {
  SeriesPage page(TLineSeries::staticMetaObject);
  page.Chart().SetView3D(false);
  page.Form().RefreshSeries(page.Series(1));
  page.Form().RefreshSeries(page.Series(0));
  EXPECT_TRUE(page.ShowSheet(QStringLiteral("Format")));
  page.Mark();
  RecordingChartPrompts& prompts = page.Prompts();
  answerNextModal([&](QDialog& d) { answer(d, prompts); });
  Click(*page.Form().Pages()->currentWidget(), "BLineBorder");
  return page.Changed();
}

TEST(LineBorder, RecoloursTheSeriesOnlyForAConfirmedColour) {
  EXPECT_EQ(borderChanges([](QDialog& d, RecordingChartPrompts&) { d.reject(); }), QStringList());
  EXPECT_EQ(borderChanges([](QDialog& d, RecordingChartPrompts&) {
              d.findChild<QSpinBox*>(QStringLiteral("SEWidth"))->setValue(3);
              d.accept();
            }),
            QStringList({"Series0.Pen.Width"}));
  EXPECT_EQ(borderChanges([](QDialog& d, RecordingChartPrompts& prompts) {
              prompts.colorAnswers.push_back(base::clBlue);
              Click(d, "BColor");
              d.reject();
            }),
            QStringList());
  EXPECT_EQ(borderChanges([](QDialog& d, RecordingChartPrompts& prompts) {
              prompts.colorAnswers.push_back(base::clBlue);
              Click(d, "BColor");
              d.accept();
            }),
            QStringList({"Series0.Pen.Color", "Series0.SeriesColor"}));
}

}  // namespace
