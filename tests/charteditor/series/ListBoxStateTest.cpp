// The series list keeps its rows equal to the chart's series whatever mix
// of list commands and changes made on the chart's side comes its way.
#include "chart/model/SeriesByClass.h"
#include "chart/series/TAreaSeries.h"
#include "chart/series/TLineSeries.h"
#include "charteditor/series/SeriesClassChange.h"
#include "charteditor/series/TChartListBox.h"
#include "tests/charteditor/series/ListedChart.h"

#include <gtest/gtest.h>
#include <QComboBox>

#include <memory>
#include <random>

namespace {

// The rows read the chart's titles-or-names in order, the mirrored lists
// agree, each row hands out its series and the current row is a row.
void ExpectRowsFollow(const TChartListBox& list, const TCustomAxisPanel& chart,
                      const QComboBox& chooser) {
  QStringList titles;
  for (const auto& [text, series] : chart.FillSeriesTitles()) titles << text;
  QStringList rows;
  for (int i = 0; i < list.count(); ++i) rows << list.item(i)->text();
  ASSERT_EQ(rows, titles);
  EXPECT_EQ(list.OtherItems(), rows);
  QStringList chosen;
  for (int i = 0; i < chooser.count(); ++i) chosen << chooser.itemText(i);
  EXPECT_EQ(chosen, rows);
  for (int i = 0; i < list.count(); ++i) EXPECT_EQ(list.SeriesAt(i), chart.GetSeries(i));
  if (list.count() == 0) {
    EXPECT_EQ(list.CurrentSeries(), nullptr);
  } else {
    EXPECT_GE(list.currentRow(), 0);
    EXPECT_LT(list.currentRow(), list.count());
  }
}

// The gallery stood in for by plain choices: add a line, change to an area.
SeriesGalleryHooks FakeGallery(QObject& owner) {
  return {[&owner](TCustomAxisPanel& chart, TChartSeries*) -> TChartSeries* {
            return CreateSeriesOfClass(&owner, &chart, TLineSeries::staticMetaObject);
          },
          [](TChartSeries*& s) -> std::optional<GalleryChoice> {
            auto* chart = dynamic_cast<TCustomAxisPanel*>(s->ParentChart());
            const QMetaObject& to = qobject_cast<TAreaSeries*>(s) ? TLineSeries::staticMetaObject
                                                                  : TAreaSeries::staticMetaObject;
            ReplaceSeriesWithStyle(s, CreateSeriesOfClass(s->parent(), chart, to), 0);
            return GalleryChoice{&to, nullptr, 0};
          }};
}

TEST(ListBoxState, RowsFollowTheChartThroughRandomCommands) {
  for (unsigned seed : {1u, 2u, 3u, 4u}) {
    SCOPED_TRACE(seed);
    ListedChart env;
    SetGalleryHooks(FakeGallery(env.Owner()));
    for (int i = 0; i < 3; ++i) env.Add("TLineSeries");
    auto list = std::make_unique<TChartListBox>();
    QComboBox chooser;
    list->SetOtherItems(&chooser);
    list->SetChart(&env.Chart());
    std::mt19937 rng(seed);
    auto pick = [&](int n) {
      return n > 0 ? static_cast<int>(rng() % static_cast<unsigned>(n)) : 0;
    };
    auto anySeries = [&]() -> TChartSeries* {
      const int n = env.Chart().SeriesCount();
      return n ? env.Chart().GetSeries(pick(n)) : nullptr;
    };
    for (int step = 0; step < 300; ++step) {
      const int op = pick(15);
      SCOPED_TRACE(testing::Message() << "step " << step << " op " << op);
      switch (op) {
        case 0:
          list->AddSeriesGallery();
          break;
        case 1:
          env.prompts.confirmAnswers = {pick(2) == 0};
          list->DeleteSeries();
          break;
        case 2: {
          TChartSeries* s = list->CurrentSeries();
          env.prompts.textAnswers = {pick(2) && s ? s->objectName() : QString::number(pick(5))};
          list->RenameSeries();
          break;
        }
        case 3:
          list->CloneSeries();
          break;
        case 4:
          list->MoveUp();
          break;
        case 5:
          list->MoveDown();
          break;
        case 6:
          list->MoveSeries(pick(list->count() + 1) - 1, pick(list->count() + 1));
          break;
        case 7:
          list->ChangeTypeSeries();
          break;
        case 8:
          if (env.Chart().SeriesCount() < 12) env.Add("TLineSeries");
          break;
        case 9:
          delete anySeries();
          break;
        case 10:
          if (env.Chart().SeriesCount() > 1)
            env.Chart().ExchangeSeries(pick(env.Chart().SeriesCount()),
                                       pick(env.Chart().SeriesCount()));
          break;
        case 11:
          if (TChartSeries* s = anySeries()) s->SetTitle(pick(3) ? QString::number(pick(9)) : "");
          break;
        case 12:
          if (TChartSeries* s = anySeries()) s->SetSeriesColor(static_cast<base::TColor>(rng()));
          break;
        case 13:
          if (TChartSeries* s = anySeries()) s->SetActive(!s->Active());
          break;
        default:
          list->clearSelection();
          for (int i = 0; i < list->count(); ++i)
            if (pick(2)) list->item(i)->setSelected(true);
          if (list->count())
            list->setCurrentRow(pick(list->count()), QItemSelectionModel::NoUpdate);
          break;
      }
      ExpectRowsFollow(*list, env.Chart(), chooser);
      if (testing::Test::HasFailure()) return;
    }
    // A list gone hears nothing more.
    list.reset();
    env.Add("TLineSeries");
    delete anySeries();
    if (env.Chart().SeriesCount() > 1) env.Chart().ExchangeSeries(0, 1);
  }
}

TEST(ListBoxState, AnEmptyChartMakesEveryCommandANoOp) {
  ListedChart env;
  int asked = 0;
  SetGalleryHooks({[&](TCustomAxisPanel&, TChartSeries*) -> TChartSeries* {
                     ++asked;
                     return nullptr;
                   },
                   [&](TChartSeries*&) -> std::optional<GalleryChoice> {
                     ++asked;
                     return std::nullopt;
                   }});
  TChartListBox list;
  list.SetChart(&env.Chart());
  EXPECT_EQ(list.count(), 0);
  EXPECT_FALSE(list.DeleteSeries());
  EXPECT_FALSE(list.RenameSeries());
  EXPECT_EQ(list.CloneSeries(), nullptr);
  list.ChangeTypeSeries();
  list.MoveUp();
  list.MoveDown();
  list.MoveSeries(0, 1);
  EXPECT_EQ(asked, 0);
  EXPECT_TRUE(env.prompts.calls.isEmpty());
  EXPECT_EQ(list.AddSeriesGallery(), nullptr);
  EXPECT_EQ(asked, 1) << "adding is the one command an empty chart takes";
}

TEST(ListBoxState, WithoutTheGalleryAddAndChangeDoNothing) {
  ListedChart env;
  env.Add("TLineSeries");
  SetGalleryHooks({});
  TChartListBox list;
  list.SetChart(&env.Chart());
  TChartSeries* before = env.Chart().GetSeries(0);
  EXPECT_EQ(list.AddSeriesGallery(), nullptr);
  list.ChangeTypeSeries();
  EXPECT_EQ(env.Chart().SeriesCount(), 1);
  EXPECT_EQ(env.Chart().GetSeries(0), before);
}

}  // namespace
