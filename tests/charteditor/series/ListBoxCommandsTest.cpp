// The series list's commands as a user gives them: keys, clicks, double
// clicks and drags on the rows, against a real chart and real series.
#include "chart/model/SeriesByClass.h"
#include "chart/model/TChart.h"
#include "chart/series/TAveragePlotFunction.h"
#include "chart/series/TLineSeries.h"
#include "charteditor/series/SeriesStyleFlags.h"
#include "charteditor/series/TChartListBox.h"
#include "tests/charteditor/series/ListedChart.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <optional>

namespace {

class ListBoxCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    s1 = chart.Add("TLineSeries");
    s2 = chart.Add("TLineSeries");
    s3 = chart.Add("TAreaSeries");
    list.resize(300, 200);
    list.SetChart(&chart.Chart());
    list.OnRefresh = [this](TChartListBox&) { ++refreshes; };
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    refreshes = 0;
  }

  QPoint At(int row, TChartListBox::Column column) const {
    const QRect r = list.visualItemRect(list.item(row));
    return {list.ColumnLeft(column) + 5, r.top() + r.height() / 2};
  }

  QStringList Rows() const {
    QStringList rows;
    for (int i = 0; i < list.count(); ++i) rows << list.item(i)->text();
    return rows;
  }

  ListedChart chart;
  TChartListBox list;
  TChartSeries* s1 = nullptr;
  TChartSeries* s2 = nullptr;
  TChartSeries* s3 = nullptr;
  int refreshes = 0;
};

TEST_F(ListBoxCommands, RowsShowTitlesOrNamesAndMirrorIntoOtherItems) {
  s2->SetTitle(QStringLiteral("Humidity"));
  EXPECT_EQ(Rows(), (QStringList{"Series1", "Humidity", "Series3"}));
  EXPECT_EQ(list.OtherItems(), Rows());
  EXPECT_EQ(list.currentRow(), 0);
}

TEST_F(ListBoxCommands, CheckColumnTogglesActive) {
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, At(1, TChartListBox::ColActive));
  EXPECT_FALSE(s2->Active());
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, At(1, TChartListBox::ColActive));
  EXPECT_TRUE(s2->Active());
  EXPECT_TRUE(s1->Active());
}

TEST_F(ListBoxCommands, DoubleClicksByColumn) {
  int changeCalls = 0;
  SetGalleryHooks({{}, [&](TChartSeries*&) -> std::optional<GalleryChoice> {
                     ++changeCalls;
                     return std::nullopt;
                   }});
  int titleRow = -1;
  list.OnDblClickSeries = [&](TChartListBox&, int row) { titleRow = row; };
  chart.prompts.colorAnswers = {0x00123456};
  s2->SetColorEachPoint(true);

  list.setCurrentRow(1);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, At(1, TChartListBox::ColIcon));
  EXPECT_EQ(changeCalls, 1);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, At(1, TChartListBox::ColColor));
  EXPECT_EQ(s2->SeriesColor(), 0x00123456u);
  EXPECT_FALSE(s2->ColorEachPoint());
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, At(1, TChartListBox::ColTitle));
  EXPECT_EQ(titleRow, 1);

  // Switched off, the icon and the colour do nothing.
  list.SetEnableChangeType(false);
  list.SetEnableChangeColor(false);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, At(1, TChartListBox::ColIcon));
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, At(1, TChartListBox::ColColor));
  EXPECT_EQ(changeCalls, 1);
  EXPECT_EQ(chart.prompts.calls.filter(QStringLiteral("Color:")).size(), 1);
}

TEST_F(ListBoxCommands, APieRowHasNoSeriesColourToChange) {
  TChartSeries* pie = chart.Add("TPieSeries");
  const base::TColor before = pie->SeriesColor();
  chart.prompts.colorAnswers = {0x00123456};
  list.setCurrentRow(3);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, At(3, TChartListBox::ColColor));
  EXPECT_TRUE(chart.prompts.calls.filter(QStringLiteral("Color:")).isEmpty());
  EXPECT_EQ(pie->SeriesColor(), before);
  EXPECT_TRUE(pie->ColorEachPoint());
}

TEST_F(ListBoxCommands, DragExchangesRowsAndSeries) {
  struct Row {
    const char* what;
    int from;
    int to;  // -1: below every row
    bool moves;
  };
  for (const Row& r : {Row{"row 0 onto row 2", 0, 2, true}, Row{"onto itself", 1, 1, false},
                       Row{"outside any row", 0, -1, false},
                       Row{"the selected row outside any row", 0, -1, false}}) {
    SCOPED_TRACE(r.what);
    const std::vector<TChartSeries*> before = chart.Chart().SeriesList();
    const QPoint from = At(r.from, TChartListBox::ColTitle);
    const QPoint to = r.to >= 0 ? At(r.to, TChartListBox::ColTitle) : QPoint(from.x(), 190);
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(list.viewport(), to);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, to);
    std::vector<TChartSeries*> expected = before;
    if (r.moves) std::swap(expected[r.from], expected[r.to]);
    EXPECT_EQ(chart.Chart().SeriesList(), expected);
    // The dragged row is the current one and alone selected, moved or not.
    const int current = r.moves ? r.to : r.from;
    EXPECT_EQ(list.currentRow(), current);
    EXPECT_EQ(list.selectedItems(), QList<QListWidgetItem*>{list.item(current)});
    EXPECT_EQ(list.OtherItems(), Rows());
  }
}

TEST_F(ListBoxCommands, KeysObeyPermissionsAndStyles) {
  int adds = 0;
  SetGalleryHooks({[&](TCustomAxisPanel&, TChartSeries*) -> TChartSeries* {
                     ++adds;
                     return nullptr;
                   },
                   {}});
  list.SetAskDelete(false);
  struct Row {
    const char* what;
    bool allowAdd;
    bool allowDelete;
    int style;  // of the current series
    int adds;
    int seriesLeft;
  };
  const int noDelete = 1 << static_cast<int>(SeriesStyleFlag::NoDelete);
  const int templ = 1 << static_cast<int>(SeriesStyleFlag::Template);
  for (const Row& r :
       {Row{"all refused", false, false, 0, 0, 3},
        Row{"no-delete series", true, true, noDelete, 1, 3},
        Row{"template series", true, true, templ, 1, 3}, Row{"allowed", true, true, 0, 1, 2}}) {
    SCOPED_TRACE(r.what);
    adds = 0;
    list.SetAllowAddSeries(r.allowAdd);
    list.SetAllowDeleteSeries(r.allowDelete);
    list.setCurrentRow(0);
    list.CurrentSeries()->SetStyle(r.style);
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Insert);
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(adds, r.adds);
    EXPECT_EQ(chart.Chart().SeriesCount(), r.seriesLeft);
  }
}

TEST_F(ListBoxCommands, KeysRunTheFormsHandlers) {
  int added = 0, deleted = 0, changed = 0;
  list.OnAddCommand = [&] { ++added; };
  list.OnDeleteCommand = [&] { ++deleted; };
  list.OnChangeTypeCommand = [&] { ++changed; };
  list.setFocus();
  QTest::keyClick(&list, Qt::Key_Insert);
  QTest::keyClick(&list, Qt::Key_Delete);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, At(0, TChartListBox::ColIcon));
  EXPECT_EQ(std::tuple(added, deleted, changed), std::tuple(1, 1, 1));
  EXPECT_EQ(chart.Chart().SeriesCount(), 3);
}

}  // namespace

namespace {

TEST_F(ListBoxCommands, DeleteAsksAboutWhatItFrees) {
  struct Row {
    const char* what;
    std::vector<int> selected;  // rows, in the order clicked (Ctrl from the second on)
    int unselect;               // a row Ctrl-clicked off at the end, or -1
    bool yes;
    const char* question;
    std::vector<int> freed;  // series 1, 2, 3 as 0, 1, 2
  };
  const Row rows[] = {
      {"current, No", {0}, -1, false, "Delete Series1 ?", {}},
      {"current, Yes", {0}, -1, true, "Delete Series1 ?", {0}},
      {"two, Yes", {0, 2}, -1, true, "Delete (Selected Series) ?", {0, 2}},
      {"one selected, another current", {2, 0}, 0, true, "Delete Series3 ?", {2}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    ListedChart c;
    std::vector<QPointer<TChartSeries>> series{c.Add("TLineSeries"), c.Add("TLineSeries"),
                                               c.Add("TLineSeries")};
    TChartListBox l;
    l.resize(300, 200);
    l.SetChart(&c.Chart());
    int refreshed = 0;
    l.OnRefresh = [&](TChartListBox&) { ++refreshed; };
    l.show();
    for (std::size_t k = 0; k < r.selected.size(); ++k)
      QTest::mouseClick(l.viewport(), Qt::LeftButton, k ? Qt::ControlModifier : Qt::NoModifier,
                        QPoint(100, l.visualItemRect(l.item(r.selected[k])).center().y()));
    if (r.unselect >= 0)
      QTest::mouseClick(l.viewport(), Qt::LeftButton, Qt::ControlModifier,
                        QPoint(100, l.visualItemRect(l.item(r.unselect)).center().y()));
    c.prompts.confirmAnswers = {r.yes};
    refreshed = 0;
    l.setFocus();
    QTest::keyClick(&l, Qt::Key_Delete);
    EXPECT_EQ(c.prompts.calls, QStringList{QStringLiteral("Confirm: ") + r.question});
    for (int k = 0; k < 3; ++k) {
      const bool freed = std::find(r.freed.begin(), r.freed.end(), k) != r.freed.end();
      EXPECT_EQ(series[k].isNull(), freed) << "series " << k + 1;
    }
    EXPECT_EQ(refreshed, r.freed.empty() ? 0 : 1);
    if (!r.freed.empty()) {
      EXPECT_EQ(l.currentRow(), 0);
      EXPECT_EQ(l.SelectedSeries(), std::vector<TChartSeries*>{l.SeriesAt(0)});
    }
  }
}

TEST_F(ListBoxCommands, RenameSetsTheTitleUnlessItIsTheName) {
  struct Row {
    const char* what;
    std::optional<QString> answer;  // none: cancelled
    QString title;
    QString shown;
    bool changed;
  };
  s1->SetTitle(QStringLiteral("Old"));
  for (const Row& r : {Row{"new text", QStringLiteral("Humidity"), "Humidity", "Humidity", true},
                       Row{"the component name", QStringLiteral("Series1"), "", "Series1", true},
                       Row{"empty text", QString(), "", "Series1", false},
                       Row{"cancelled", std::nullopt, "", "Series1", false}}) {
    SCOPED_TRACE(r.what);
    if (r.answer) chart.prompts.textAnswers = {*r.answer};
    list.setCurrentRow(0);
    EXPECT_EQ(list.RenameSeries(), r.changed);
    EXPECT_EQ(s1->Title(), r.title);
    EXPECT_EQ(list.item(0)->text(), r.shown);
    EXPECT_EQ(list.OtherItems().front(), r.shown);
  }
  EXPECT_TRUE(chart.prompts.calls.front().startsWith(
      QStringLiteral("Text: Change Series Title / New Series Title:")));
}

TEST_F(ListBoxCommands, CloneKeepsWhatTheSettingsCopyMisses) {
  s1->SetZOrder(2);
  CreateFunctionForSeries(*s1, TAveragePlotFunction::staticMetaObject)->SetPeriod(2);
  list.setCurrentRow(0);
  TChartSeries* copy = list.CloneSeries();
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->ZOrder(), 2);
  ASSERT_NE(copy->Function(), nullptr);
  EXPECT_EQ(copy->Function()->Period(), 2) << "the copy's function lost its period";
  EXPECT_EQ(chart.Chart().SeriesCount(), 4);
  s2->SetStyle(1 << static_cast<int>(SeriesStyleFlag::NoClone));
  list.setCurrentRow(1);
  EXPECT_EQ(list.CloneSeries(), nullptr);
}

}  // namespace
