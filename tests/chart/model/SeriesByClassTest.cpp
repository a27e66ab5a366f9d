// Series made, copied, changed and drawn by class: owners and names, the
// points a copy takes, what a class change keeps, and an icon drawn for a
// series that has no chart.
#include "chart/canvas/RecordingBackend.h"
#include "chart/core/ChartClassRegistry.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/ModelClassRegistrations.h"
#include "chart/model/SeriesByClass.h"
#include "chart/model/TCustomAxisPanel.h"
#include "chart/model/TPlotFunction.h"

#include <gtest/gtest.h>
#include <QObject>

#include <memory>

class TByClassLineSeries : public TChartSeries {
  Q_OBJECT
 public:
  explicit TByClassLineSeries(QObject* owner = nullptr) : TChartSeries(owner) {}
};

class TByClassBarSeries : public TChartSeries {
  Q_OBJECT
 public:
  explicit TByClassBarSeries(QObject* owner = nullptr) : TChartSeries(owner) {}
};

class TByClassFunction : public TPlotFunction {
  Q_OBJECT
 public:
  explicit TByClassFunction(QObject* owner = nullptr) : TPlotFunction(owner) {}
  void AddPoints(const std::vector<TChartSeries*>&) override {}
};

namespace {

void RegisterByClassTypes(ChartClassRegistry& r) {
  r.Register<TByClassLineSeries>(ChartClassKind::Series);
  r.Register<TByClassBarSeries>(ChartClassKind::Series);
  r.Register<TByClassFunction>(ChartClassKind::Function);
}

class ByClassChart final : public TCustomAxisPanel {
 public:
  using TCustomAxisPanel::TCustomAxisPanel;
  void InternalDraw(const TRect&) override {}
};

class SeriesByClass : public testing::Test {
 public:
  ChartEngineScope engine{RegisterByClassTypes};
  QObject form;  // owns the series, as a window owns its components
  ByClassChart chart{&form};

  TChartSeries* Line(int points) {
    TChartSeries* s = CreateSeriesOfClass(&form, &chart, TByClassLineSeries::staticMetaObject);
    for (int i = 0; i < points; ++i) s->AddPointXY(i, 10 * i, i == 1 ? QStringLiteral("one") : "");
    return s;
  }
};

TEST_F(SeriesByClass, CreatedSeriesGetOwnerNameAndChart) {
  TChartSeries* a = Line(0);
  EXPECT_EQ(a->parent(), &form);
  EXPECT_EQ(a->objectName(), QStringLiteral("Series1"));
  EXPECT_EQ(a->ParentChart(), &chart);
  // No owner: the chart owns it.
  ByClassChart other;
  TChartSeries* b = CreateSeriesOfClass(nullptr, &other, TByClassBarSeries::staticMetaObject);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->parent(), &other);
  // Once the chart owns a series it owns every new one.
  TChartSeries* c = CreateSeriesOfClass(&form, &other, TByClassLineSeries::staticMetaObject,
                                        &TByClassFunction::staticMetaObject);
  EXPECT_EQ(c->parent(), &other);
  EXPECT_EQ(c->objectName(), QStringLiteral("Series2"));
  ASSERT_NE(c->Function(), nullptr);
  EXPECT_EQ(c->Function()->metaObject(), &TByClassFunction::staticMetaObject);
  EXPECT_EQ(c->Function()->objectName(), QStringLiteral("TPlotFunction1"));
  // Classes nobody registered (as that kind) make nothing.
  EXPECT_EQ(CreateSeriesOfClass(&form, &chart, TChartSeries::staticMetaObject), nullptr);
  EXPECT_EQ(CreateSeriesOfClass(&form, &chart, TByClassFunction::staticMetaObject), nullptr);
  EXPECT_EQ(chart.SeriesCount(), 1);
}

TEST_F(SeriesByClass, FunctionsOfOneFormHaveNamesOfTheirOwn) {
  // Each function goes to its series once named: every later name must
  // still see it, whichever way the function came (gallery, copy, editor).
  const auto function = [&] {
    return CreateSeriesOfClass(&form, &chart, TByClassLineSeries::staticMetaObject,
                               &TByClassFunction::staticMetaObject);
  };
  TChartSeries* a = function();
  TChartSeries* b = function();
  TChartSeries* copy = CopySeriesToNew(*b);
  TChartSeries* plain = Line(0);
  CreateFunctionForSeries(*plain, TByClassFunction::staticMetaObject);
  QStringList names;
  for (TChartSeries* s : {a, b, copy, plain}) {
    ASSERT_NE(s->Function(), nullptr);
    EXPECT_EQ(s->Function()->parent(), s);
    names << s->Function()->objectName();
  }
  EXPECT_EQ(names,
            QStringList({"TPlotFunction1", "TPlotFunction2", "TPlotFunction3", "TPlotFunction4"}));
}

TEST_F(SeriesByClass, CopyTakesPointsAndSettings) {
  TChartSeries* a = Line(3);
  a->SetPointColor(2, base::clRed);
  a->SetTitle(QStringLiteral("Moisture"));
  TChartSeries* copy = CopySeriesToNew(*a);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->metaObject(), a->metaObject());
  EXPECT_EQ(copy->parent(), &form);
  EXPECT_EQ(copy->ParentChart(), &chart);
  EXPECT_EQ(copy->objectName(), QStringLiteral("Series2"));
  EXPECT_EQ(copy->Title(), QStringLiteral("Moisture"));
  ASSERT_EQ(copy->PointCount(), 3);
  EXPECT_EQ(copy->GetYValue(2), 20);
  EXPECT_EQ(copy->GetXLabel(1), QStringLiteral("one"));
  EXPECT_EQ(copy->GetValueColor(2), base::clRed);
}

TEST_F(SeriesByClass, ClassChangeKeepsEventsNameListPlaceAndLinks) {
  TChartSeries* first = Line(2);
  TChartSeries* old = Line(3);
  TChartSeries* last = Line(1);
  TChartSeries* other = Line(1);
  // old takes its points from `first`; a dependant takes from `other` and old.
  old->SetDataSource(first);
  TChartSeries* dependant = Line(0);
  dependant->SetDataSource(other);
  chart.BeginReading();  // two sources, as a loaded chart has
  dependant->SetDataSource(old);
  chart.EndReading();
  chart.CheckDatasource(*dependant);
  int clicks = 0;
  old->OnClick = [&](TChartSeries&, int, int, int, int, int) { ++clicks; };
  old->OnGetMarkText = [](const TChartSeries&, int, QString& text) { text = QStringLiteral("m"); };
  std::vector<int> events;
  struct Listener final : TPlotEventListener {
    std::vector<int>* events;
    void PlotEvent(TPlotEvent& e) override {
      if (auto* s = dynamic_cast<TPlotSeriesEvent*>(&e)) events->push_back(s->Event);
    }
  } listener;
  listener.events = &events;
  chart.AddListener(&listener);

  TChartSeries* changed = old;
  ChangeSeriesClass(changed, TByClassLineSeries::staticMetaObject);  // same class
  EXPECT_EQ(changed, old);
  EXPECT_TRUE(events.empty());

  ChangeSeriesClass(changed, TByClassBarSeries::staticMetaObject);
  ASSERT_NE(changed, nullptr);
  EXPECT_EQ(changed->metaObject(), &TByClassBarSeries::staticMetaObject);
  EXPECT_EQ(changed->objectName(), QStringLiteral("Series2"));
  EXPECT_EQ(chart.SeriesList(),
            (std::vector<TChartSeries*>{first, changed, last, other, dependant}));
  changed->OnClick(*changed, 0, 0, 0, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(changed->MarkText(0), QStringLiteral("m"));
  // Its source feeds the new series; the dependant takes from it, in the
  // same order among its sources.
  EXPECT_EQ(changed->DataSource(), first);
  EXPECT_EQ(first->LinkedSeries(), std::vector<TChartSeries*>{changed});
  EXPECT_EQ(dependant->DataSources(), (std::vector<QObject*>{other, changed}));
  EXPECT_EQ(changed->LinkedSeries(), std::vector<TChartSeries*>{dependant});
  EXPECT_EQ(other->LinkedSeries(), std::vector<TChartSeries*>{dependant});
  EXPECT_EQ(changed->PointCount(), 2);
  changed->AddPointXY(5, 5);  // the link works: the dependant hears of it
  EXPECT_EQ(dependant->PointCount(), changed->PointCount());
  // Added (and set up), moved into place, the old one gone, then "changed".
  ASSERT_GE(events.size(), 4u);
  EXPECT_EQ(events.front(), seAdd);
  EXPECT_EQ(std::vector<int>(events.end() - 3, events.end()),
            (std::vector<int>{seOrderChanged, seRemove, seChanged}));
  chart.RemoveListener(&listener);
}

TEST_F(SeriesByClass, IconOfAChartlessSeriesLeavesItUnchanged) {
  TChartSeries lonely;
  lonely.AddPointXY(1, 2);
  TChartSeries source;
  ByClassChart sourceChart;
  sourceChart.AddSeries(&source);
  ASSERT_EQ(lonely.SeriesColor(), clPlotColor);
  RecordingBackend target;
  PaintSeriesIcon(lonely, target, TRect{2, 3, 18, 13});
  EXPECT_EQ(lonely.ParentChart(), nullptr);
  EXPECT_EQ(lonely.SeriesColor(), clPlotColor);  // no palette colour taken
  EXPECT_EQ(lonely.PointCount(), 1);
  const QStringList rects = target.lines(QStringLiteral("rectangle"));
  ASSERT_FALSE(rects.isEmpty()) << target.lines().join('\n').toStdString();
  EXPECT_TRUE(rects.front().contains(QStringLiteral("2,3,18,13"))) << rects.front().toStdString();

  // A series in a chart draws through its own chart, which keeps its canvas.
  TChartSeries* line = Line(1);
  line->SetSeriesColor(base::clBlue);
  RecordingBackend second;
  PaintSeriesIcon(*line, second, TRect{0, 0, 10, 10});
  EXPECT_FALSE(second.lines(QStringLiteral("rectangle")).isEmpty());
  EXPECT_EQ(line->ParentChart(), &chart);
  EXPECT_NE(&chart.Canvas().ReferenceCanvas(), static_cast<DrawingBackend*>(&second));
}

// A chartless series' icon stands on a new legend's white, as in a chart:
// a white series is outlined so that it stays seen.
TEST_F(SeriesByClass, IconOfAChartlessSeriesStandsOnALegendsWhite) {
  for (const base::TColor colour : {base::clWhite, base::clRed}) {
    SCOPED_TRACE(colour);
    TChartSeries lonely;
    lonely.SetSeriesColor(colour);
    RecordingBackend target;
    PaintSeriesIcon(lonely, target, TRect{2, 3, 18, 13});
    const QStringList rects = target.lines(QStringLiteral("rectangle"));
    ASSERT_EQ(rects.size(), colour == base::clWhite ? 2 : 1) << rects.join('\n').toStdString();
    if (colour == base::clWhite) {
      EXPECT_TRUE(rects[1].contains(QStringLiteral("bsClear"))) << rects[1].toStdString();
    }
  }
}

TEST(ModelClassesByName, AxesTitlesAndMarks) {
  ChartEngineScope engine{RegisterModelClasses};
  QObject owner;
  for (const char* name : {"TChartAxisTitle", "TChartAxis", "tchartdepthaxis", "TSeriesMarks"}) {
    SCOPED_TRACE(name);
    TPlotPersistent* made = ChartClasses().Create(QString::fromLatin1(name), &owner);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(QString::fromLatin1(made->metaObject()->className()).toLower(),
              QString::fromLatin1(name).toLower());
    EXPECT_EQ(made->parent(), &owner);
  }
}

}  // namespace

#include "SeriesByClassTest.moc"
