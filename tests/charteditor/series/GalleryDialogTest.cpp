// The gallery dialog as the series list opens it through its hooks: adding
// a series, changing one's class, and the sub-styles, driven inside the
// dialog's own loop as a user would.
#include "chart/canvas/QPainterBackend.h"
#include "chart/core/ChartMessages.h"
#include "chart/model/SeriesByClass.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "chart/series/TAddPlotFunction.h"
#include "chart/series/TAreaSeries.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "charteditor/series/GallerySampleWidget.h"
#include "charteditor/series/GallerySubStylePopup.h"
#include "charteditor/series/SeriesClassChange.h"
#include "charteditor/series/TChartGalleryPanel.h"
#include "charteditor/series/TChartListBox.h"
#include "charteditor/series/TGalleryChart.h"
#include "charteditor/series/TPlotGallery.h"
#include "tests/charteditor/common/DialogRows.h"
#include "tests/charteditor/common/EditedChart.h"
#include "tests/charteditor/series/GallerySamples.h"
#include "tests/charteditor/series/ListedChart.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

void AnswerGallery(std::function<void(TPlotGallery&)> act) {
  AnswerNextModal([act = std::move(act)](QWidget* modal) {
    if (auto* gallery = qobject_cast<TPlotGallery*>(modal)) act(*gallery);
  });
}

int SampleOf(const TChartGalleryPanel& panel, const char* className) {
  for (int i = 0; i < panel.Count(); ++i) {
    const auto& list = panel.SampleChart(i)->SeriesList();
    if (!list.empty() &&
        QLatin1String(list.front()->metaObject()->className()) == QLatin1String(className))
      return i;
  }
  return -1;
}

// Whether the series types registered so far include the class.
bool Registered(const char* className) {
  const ChartEngineScope engine({RegisterSeriesTypes});
  return ChartClasses().Find(QString::fromLatin1(className)) != nullptr;
}

QStringList SampleTitles(const TChartGalleryPanel& panel) {
  QStringList titles;
  for (int i = 0; i < panel.Count(); ++i)
    titles << panel.SampleChart(i)->Title()->Text().join(QString());
  return titles;
}

TEST(GalleryDialog, AddMakesThePickedSeries) {
  struct Row {
    const char* what;
    std::function<void(TPlotGallery&)> act;
    const char* made;  // class of the new series, or null
    const char* function;
    bool view3D;
  };
  auto pick = [](const char* className, bool view3D, bool ok) {
    return [=](TPlotGallery& g) {
      g.Panel()->SelectChart(SampleOf(*g.Panel(), className));
      g.View3DBox()->setChecked(view3D);
      (ok ? g.OkButton() : g.CancelButton())->click();
    };
  };
  const Row rows[] = {
      {"Bar, 3D off", pick("TBarSeries", false, true), "TBarSeries", nullptr, false},
      {"Cancel", pick("TBarSeries", false, false), nullptr, nullptr, true},
      {"Escape",
       [](TPlotGallery& g) {
         g.View3DBox()->setChecked(false);
         QTest::keyClick(g.Panel(), Qt::Key_Escape);
       },
       nullptr, nullptr, true},
      {"OK with nothing picked", pick("no such class", false, true), nullptr, nullptr, false},
      {"Enter on a sample",
       [](TPlotGallery& g) {
         g.Panel()->SelectChart(SampleOf(*g.Panel(), "TAreaSeries"));
         QTest::keyClick(g.Panel(), Qt::Key_Return);
       },
       "TAreaSeries", nullptr, true},
      {"a function",
       [](TPlotGallery& g) {
         g.TypeTabs()->setCurrentIndex(1);
         g.Panel()->SelectChart(0);
         g.OkButton()->click();
       },
       "TLineSeries", "TAddPlotFunction", true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    if (r.made && !Registered(r.made)) continue;
    ListedChart env;
    env.Add("TLineSeries");
    AnswerGallery(r.act);
    TChartSeries* made = GalleryHooks().AddSeries(env.Chart(), nullptr);
    EXPECT_EQ(env.Chart().View3D(), r.view3D);
    if (!r.made) {
      EXPECT_EQ(made, nullptr);
      EXPECT_EQ(env.Chart().SeriesCount(), 1);
      continue;
    }
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(QLatin1String(made->metaObject()->className()), QLatin1String(r.made));
    EXPECT_EQ(made->objectName(), QStringLiteral("Series2"));
    EXPECT_EQ(made->parent(), &env.Owner());
    EXPECT_EQ(env.Chart().IndexOfSeries(made), 1);
    if (r.function) {
      ASSERT_NE(made->Function(), nullptr);
      EXPECT_EQ(QLatin1String(made->Function()->metaObject()->className()),
                QLatin1String(r.function));
    }
  }
}

TEST(GalleryDialog, TabsShowOnePagePerKindAndNoEmptyPage) {
  ListedChart env;
  AnswerGallery([](TPlotGallery& g) {
    EXPECT_EQ(g.TypeTabs()->count(), 2);
    EXPECT_EQ(g.PageTabs()->count(), 1);
    EXPECT_EQ(g.PageTabs()->tabText(0), ChartText(ChartMsg::PageStandard));
    EXPECT_EQ(g.Panel()->Count(), static_cast<int>(RegisteredSeriesSamples().size()));
    testsupport::saveArtifact(g.grab().toImage(), QStringLiteral("gallery-series-3d.png"));
    g.View3DBox()->setChecked(false);
    testsupport::saveArtifact(g.grab().toImage(), QStringLiteral("gallery-series-2d.png"));
    g.TypeTabs()->setCurrentIndex(1);
    EXPECT_EQ(g.PageTabs()->count(), 1);
    EXPECT_EQ(g.Panel()->Count(), 7);
    testsupport::saveArtifact(g.grab().toImage(), QStringLiteral("gallery-functions.png"));
    g.CancelButton()->click();
  });
  EXPECT_EQ(GalleryHooks().AddSeries(env.Chart(), nullptr), nullptr);
}

// A line series with a title, an event and a dependant, third in its chart.
struct ChangedLine {
  ListedChart env;
  TChartSeries* series = nullptr;
  TChartSeries* dependant = nullptr;
  int clicks = 0;

  ChangedLine() {
    env.Add("TLineSeries");
    env.Add("TLineSeries");
    series = env.Add("TLineSeries", QStringLiteral("Temperature"));
    series->OnClick = [this](TChartSeries&, int, int, int, int, int) { ++clicks; };
    for (int i = 0; i < 5; ++i) series->AddPointXY(i, i * i);
    dependant = env.Add("TLineSeries");
    dependant->SetDataSource(series);
  }
};

TEST(GalleryDialog, ChangeReplacesTheSeriesInPlace) {
  struct Row {
    const char* what;
    const char* pick;  // null: keep what change mode selected
    bool ok;
    const char* made;  // null: unchanged
  };
  for (const Row& r : {Row{"Bar", "TBarSeries", true, "TBarSeries"},
                       Row{"Line again", nullptr, true, "TLineSeries"},
                       Row{"Cancel", "TBarSeries", false, nullptr}}) {
    SCOPED_TRACE(r.what);
    if (r.pick && !Registered(r.pick)) continue;
    ChangedLine c;
    const QPointer<TChartSeries> old(c.series);
    const auto before = PublishedSnapshot(*c.series);
    AnswerGallery([&](TPlotGallery& g) {
      TChartGalleryPanel& panel = *g.Panel();
      EXPECT_EQ(g.TypeTabs()->count(), 1) << "no functions for a change";
      EXPECT_EQ(panel.SelectedIndex(), SampleOf(panel, "TLineSeries"));
      const auto registered = RegisteredSeriesSamples();
      for (int i = 0; i < panel.Count(); ++i) {
        SCOPED_TRACE(registered[i].className);
        EXPECT_EQ(panel.SampleChart(i)->Available(), !registered[i].ownKindOnly);
      }
      if (r.pick) panel.SelectChart(SampleOf(panel, r.pick));
      if (r.ok && !r.pick)
        testsupport::saveArtifact(g.grab().toImage(), QStringLiteral("gallery-change.png"));
      (r.ok ? g.OkButton() : g.CancelButton())->click();
    });
    TChartSeries* s = c.series;
    const std::optional<GalleryChoice> choice = GalleryHooks().ChangeSeries(s);
    if (!r.made) {
      EXPECT_FALSE(choice.has_value());
      EXPECT_EQ(s, old.data());
      EXPECT_EQ(ChangedPaths(before, PublishedSnapshot(*s)), QStringList());
      continue;
    }
    ASSERT_TRUE(choice.has_value());
    EXPECT_TRUE(old.isNull()) << "the old series was not freed";
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(QLatin1String(s->metaObject()->className()), QLatin1String(r.made));
    EXPECT_EQ(c.env.Chart().IndexOfSeries(s), 2);
    EXPECT_EQ(s->objectName(), QStringLiteral("Series3"));
    EXPECT_EQ(s->Title(), QStringLiteral("Temperature"));
    ASSERT_TRUE(s->OnClick);
    s->OnClick(*s, 0, 0, 0, 0, 0);
    EXPECT_EQ(c.clicks, 1);
    EXPECT_EQ(c.dependant->DataSource(), s);
    if (QLatin1String(r.made) == QLatin1String("TLineSeries")) {
      EXPECT_EQ(ChangedPaths(before, PublishedSnapshot(*s)), QStringList());
    }
  }
}

TEST(GalleryDialog, ChangeKeepsTheSubStylePickedInTheGallery) {
  ChangedLine c;
  AnswerGallery([](TPlotGallery& g) {
    TChartGalleryPanel& panel = *g.Panel();
    QTest::keyClick(&panel, Qt::Key_Down, Qt::AltModifier);
    ASSERT_NE(panel.SubGallery(), nullptr);
    TChartGalleryPanel& inner = *panel.SubGallery()->Inner();
    QTest::mouseClick(inner.Sample(3), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(panel.SubGallery(), nullptr);
    g.OkButton()->click();
  });
  TChartSeries* s = c.series;
  ASSERT_TRUE(GalleryHooks().ChangeSeries(s).has_value());
  ASSERT_NE(qobject_cast<TLineSeries*>(s), nullptr);
  EXPECT_EQ(qobject_cast<TLineSeries*>(s)->LineHeight(), 5) << "sub-style 3, \"Height\"";
}

TEST(GalleryDialog, SubStylesOpenBelowTheSelectedSample) {
  struct Row {
    const char* what;
    bool byCorner;
    bool escape;
    int subStyle;
  };
  for (const Row& r : {Row{"Alt+Down, Dotted", false, false, 2},
                       Row{"corner click, Marks", true, false, 1}, Row{"Escape", false, true, 0}}) {
    SCOPED_TRACE(r.what);
    ListedChart env;
    AnswerGallery([&](TPlotGallery& g) {
      TChartGalleryPanel& panel = *g.Panel();
      const int fast = SampleOf(panel, "TFastLineSeries");
      panel.SelectChart(fast);
      if (r.byCorner) {
        GallerySampleWidget* sample = panel.Sample(fast);
        QTest::mouseClick(sample, Qt::LeftButton, {}, QPoint(5, sample->height() - 5));
      } else {
        QTest::keyClick(&panel, Qt::Key_Down, Qt::AltModifier);
      }
      GallerySubStylePopup* popup = panel.SubGallery();
      ASSERT_NE(popup, nullptr);
      EXPECT_EQ(SampleTitles(*popup->Inner()), (QStringList{"Normal", "Marks", "Dotted"}));
      if (r.subStyle == 2)
        testsupport::saveArtifact(popup->grab().toImage(), QStringLiteral("gallery-popup.png"));
      if (r.escape) {
        QTest::keyClick(popup->Inner(), Qt::Key_Escape);
      } else {
        QTest::mouseClick(popup->Inner()->Sample(r.subStyle), Qt::LeftButton, {}, QPoint(20, 20));
      }
      EXPECT_EQ(panel.SubGallery(), nullptr);
      EXPECT_EQ(panel.SelectedChart()->SubStyle(), r.subStyle);
      g.OkButton()->click();
    });
    TChartSeries* made = GalleryHooks().AddSeries(env.Chart(), nullptr);
    ASSERT_NE(made, nullptr);
    const auto picked = PublishedSnapshot(*made);
    delete made;
    // The same series made by hand, given the sub-style.
    TChartSeries* reference =
        CreateSeriesOfClass(&env.Owner(), &env.Chart(), TFastLineSeries::staticMetaObject);
    if (r.subStyle != 0) reference->SetSubGallery(r.subStyle);
    EXPECT_EQ(ChangedPaths(PublishedSnapshot(*reference), picked), QStringList());
  }
}

TEST(GalleryDialog, ListAddsThroughTheGalleryAndSelectsOnlyTheNewSeries) {
  ListedChart env;
  env.Add("TLineSeries");
  env.Add("TLineSeries");
  TChartListBox list;
  list.SetChart(&env.Chart());
  list.item(0)->setSelected(true);
  list.item(1)->setSelected(true);
  list.setCurrentRow(0, QItemSelectionModel::Select);
  AnswerGallery([](TPlotGallery& g) {
    g.Panel()->SelectChart(SampleOf(*g.Panel(), "TPointSeries"));
    g.OkButton()->click();
  });
  TChartSeries* made = list.AddSeriesGallery();
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(list.CurrentSeries(), made);
  EXPECT_EQ(list.SelectedSeries(), std::vector<TChartSeries*>{made});
}

}  // namespace

namespace {

TEST(GalleryDialog, ListChangesOnlyTheSeriesTheClassCanStandIn) {
  struct Row {
    const char* what;
    std::vector<const char*> series;  // selected, the first current
    const char* pick;                 // null: Cancel
    std::vector<const char*> after;
  };
  const Row rows[] = {
      {"lines to bars",
       {"TLineSeries", "TLineSeries", "TAreaSeries"},
       "TBarSeries",
       {"TBarSeries", "TBarSeries", "TBarSeries"}},
      {"a Gantt series stays, the others cannot follow",
       {"TGanttSeries", "TLineSeries", "TBarSeries"},
       "TGanttSeries",
       {"TGanttSeries", "TLineSeries", "TBarSeries"}},
      {"cancelled: none changes",
       {"TLineSeries", "TAreaSeries"},
       nullptr,
       {"TLineSeries", "TAreaSeries"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    bool all = r.pick == nullptr || Registered(r.pick);
    for (const char* name : r.series) all = all && Registered(name);
    if (!all) continue;
    ListedChart env;
    std::vector<QPointer<TChartSeries>> before;
    for (const char* name : r.series) before.emplace_back(env.Add(name));
    TChartListBox list;
    list.SetChart(&env.Chart());
    for (int i = 0; i < list.count(); ++i) list.item(i)->setSelected(true);
    list.setCurrentRow(0, QItemSelectionModel::Select);
    AnswerGallery([&](TPlotGallery& g) {
      if (!r.pick) {
        g.CancelButton()->click();
        return;
      }
      g.Panel()->SelectChart(SampleOf(*g.Panel(), r.pick));
      g.OkButton()->click();
    });
    list.ChangeTypeSeries();
    ASSERT_EQ(env.Chart().SeriesCount(), static_cast<int>(r.after.size()));
    for (std::size_t k = 0; k < r.after.size(); ++k) {
      TChartSeries* s = env.Chart().GetSeries(static_cast<int>(k));
      EXPECT_EQ(QLatin1String(s->metaObject()->className()), QLatin1String(r.after[k])) << k;
      // Unchanged series are the same objects; every row stays selected.
      if (k > 0 && QLatin1String(r.after[k]) == QLatin1String(r.series[k])) {
        EXPECT_EQ(s, before[k].data()) << k;
      }
      EXPECT_TRUE(list.item(static_cast<int>(k))->isSelected()) << k;
    }
    if (!r.pick) {
      EXPECT_EQ(env.Chart().GetSeries(0), before[0].data());
    }
    // Every series draws what its lists hold.
    QImage image(400, 300, QImage::Format_RGB32);
    QPainter painter(&image);
    QPainterBackend backend(painter);
    env.Chart().Draw(backend, TRect{0, 0, 400, 300});
  }
}

}  // namespace

namespace {

TEST(GalleryDialog, PagesOfOneKindStandardFirstNoneEmpty) {
  const ChartEngineScope engine;
  ChartClassRegistry classes;
  TPlotSeriesTypes types;
  auto add = [&](PlotClassSpec series, PlotClassSpec function, ChartMsg page, int count) {
    types.RegisterPlotSeries(classes, series, function, ChartMsg::GalleryLine, page, count);
  };
  add(PlotClassSpec::Of<TAreaSeries>(), {}, ChartMsg::PageExtended, 1);
  add(PlotClassSpec::Of<TPointSeries>(), {}, ChartMsg::PageOther, 0);
  add(PlotClassSpec::Of<TLineSeries>(), {}, ChartMsg::PageStandard, 2);
  add(PlotClassSpec::Of<TFastLineSeries>(), {}, ChartMsg::PageExtended, 2);
  add({}, PlotClassSpec::Of<TAddPlotFunction>(), ChartMsg::PageFunctions, 2);
  EXPECT_EQ(GalleryPages(types, false),
            (QStringList{ChartText(ChartMsg::PageStandard), ChartText(ChartMsg::PageExtended)}));
  EXPECT_EQ(GalleryPages(types, true), QStringList{ChartText(ChartMsg::PageFunctions)});
}

}  // namespace

namespace {

TEST(GalleryDialog, ReplacingAPieKeepsTheChartsOwnView) {
  if (!Registered("TPieSeries")) return;
  for (const char* to : {"TPieSeries", "TLineSeries"}) {
    SCOPED_TRACE(to);
    ListedChart env;
    env.Chart().View3DOptions()->SetRotation(20);
    env.Chart().View3DOptions()->SetElevation(340);
    TChartSeries* pie = env.Add("TPieSeries");
    ASSERT_NE(env.Chart().View3DOptions()->Rotation(), 20) << "a pie turns the view its way";
    ReplaceSeriesWithStyle(
        pie, CreateSeriesOfClass(&env.Owner(), &env.Chart(), *ChartClasses().Find(to)->metaObject),
        0);
    delete pie;
    EXPECT_EQ(env.Chart().View3DOptions()->Rotation(), 20);
    EXPECT_EQ(env.Chart().View3DOptions()->Elevation(), 340);
  }
}

}  // namespace
