// The axis panel's paint: the order of the frame's steps, the depth each
// series gets in 3D, and how the series are drawn (clipped, shared depth
// slots point by point in turn, backwards on an inverted axis).
#include "chart/canvas/RecordingBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/TCustomAxisPanel.h"
#include "tests/chart/support/TestSeriesTypes.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// The complete chart's steps, logged.
class StubChart final : public TCustomAxisPanel {
 public:
  QStringList* log = nullptr;

 protected:
  void DrawTitlesAndLegend(bool beforeSeries) override {
    *log << QStringLiteral("titles %1").arg(beforeSeries);
  }
  void CalcWallsRect() override {
    *log << QStringLiteral("walls rect");
    TCustomAxisPanel::CalcWallsRect();
  }
  void DrawBackgroundAndWalls() override { *log << QStringLiteral("walls"); }
};

class LoggingTool final : public TChartTool {
 public:
  QStringList* log = nullptr;
  void ChartEvent(TChartToolEvent event) override { *log << QStringLiteral("tool %1").arg(event); }
};

class AxisPanelDrawing : public testing::Test {
 public:
  ChartEngineScope engine;
  QStringList log;
  StubChart chart;
  std::vector<std::unique_ptr<TRecordingTestSeries>> owned;
  RecordingBackend backend;

  AxisPanelDrawing() { chart.log = &log; }

  TRecordingTestSeries* Series(const char* name, int points) {
    owned.push_back(std::make_unique<TRecordingTestSeries>());
    TRecordingTestSeries* s = owned.back().get();
    s->setObjectName(QString::fromLatin1(name));
    for (int i = 0; i < points; ++i) s->AddPointXY(i, 10 * i);
    s->log = &log;
    s->BeforeDrawValues = [this](TChartSeries& t) { log << "before " + t.objectName(); };
    s->AfterDrawValues = [this](TChartSeries& t) { log << "after " + t.objectName(); };
    chart.AddSeries(s);
    return s;
  }
  void Paint() {
    log.clear();
    backend.clearLines();
    chart.Draw(backend, chart.GetRectangle());
  }
};

TEST_F(AxisPanelDrawing, FrameStepsInOrder) {
  auto tool = std::make_unique<LoggingTool>();
  tool->log = &log;
  chart.Tools().Add(std::move(tool));
  chart.OnBeforeDrawChart = [this](TCustomAxisPanel&) { log << QStringLiteral("chart event"); };
  chart.OnBeforeDrawAxes = [this](TCustomAxisPanel&) { log << QStringLiteral("axes"); };
  chart.OnBeforeDrawSeries = [this](TCustomAxisPanel&) { log << QStringLiteral("series event"); };
  chart.SetView3D(false);
  Series("a", 2);
  Series("b", 1)->SetActive(false);

  const QStringList start = {"tool 2", "chart event", "titles 1", "walls rect", "walls"};
  const QStringList series = {"tool 1", "series event", "before a", "a[0]", "a[1]", "after a"};
  const QStringList end = {"titles 0", "tool 0"};
  Paint();
  EXPECT_EQ(log, start + QStringList{"axes"} + series + end);
  chart.SetAxisBehind(false);
  Paint();
  EXPECT_EQ(log, start + series + QStringList{"axes"} + end);
  chart.SetAxisVisible(false);
  Paint();
  EXPECT_EQ(log, start + series + end);
}

TEST_F(AxisPanelDrawing, DepthOfEachSeriesIn3D) {
  struct Case {
    const char* name;
    std::function<void(AxisPanelDrawing&)> setup;
    int seriesDepth, width3D;
    std::vector<int> startZ, endZ;
  } cases[] = {
      {"perspective at 15 %", [](AxisPanelDrawing&) {}, 11, 33, {22, 11, 0}, {33, 22, 11}},
      {"a fixed slot moves its series",
       [](AxisPanelDrawing& t) { t.owned[2]->SetZOrder(0); },
       11,
       22,
       {11, 0, 11},
       {22, 11, 22}},
      {"an own depth",
       [](AxisPanelDrawing& t) { t.owned[1]->SetDepth(4); },
       11,
       33,
       {22, 11, 0},
       {33, 15, 11}},
      {"an inactive series takes no slot",
       [](AxisPanelDrawing& t) { t.owned[0]->SetActive(false); },
       11,
       22,
       {0, 11, 0},
       {0, 22, 11}},
      {"orthogonal at 45 degrees",
       [](AxisPanelDrawing& t) { t.chart.View3DOptions()->SetOrthogonal(true); },
       6,
       18,
       {12, 6, 0},
       {18, 12, 6}},
      // A steep angle leaves no depth across: the view is flat.
      {"orthogonal at 89 degrees",
       [](AxisPanelDrawing& t) {
         t.chart.View3DOptions()->SetOrthogonal(true);
         t.chart.View3DOptions()->SetOrthoAngle(89);
       },
       0,
       0,
       {0, 0, 0},
       {0, 0, 0}},
      {"orthogonal at a right angle, as flat as at 89",
       [](AxisPanelDrawing& t) {
         t.chart.View3DOptions()->SetOrthogonal(true);
         t.chart.View3DOptions()->SetOrthoAngle(90);
       },
       0,
       0,
       {0, 0, 0},
       {0, 0, 0}},
      {"all in one slot",
       [](AxisPanelDrawing& t) { t.chart.SetApplyZOrder(false); },
       11,
       11,
       {0, 0, 0},
       {11, 11, 11}},
      {"2D", [](AxisPanelDrawing& t) { t.chart.SetView3D(false); }, 0, 0, {0, 0, 0}, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (auto& s : owned) chart.RemoveSeries(s.get());
    owned.clear();
    chart.SetView3D(true);
    chart.SetApplyZOrder(true);
    chart.View3DOptions()->SetOrthogonal(false);
    chart.View3DOptions()->SetOrthoAngle(45);
    for (const char* name : {"a", "b", "c"}) Series(name, 0);
    c.setup(*this);
    Paint();
    EXPECT_EQ(chart.SeriesWidth3D(), c.seriesDepth);
    EXPECT_EQ(chart.Width3D(), c.width3D);
    std::vector<int> startZ, endZ;
    for (auto& s : owned) {
      startZ.push_back(s->StartZ());
      endZ.push_back(s->EndZ());
      EXPECT_EQ(s->MiddleZ(), (s->StartZ() + s->EndZ()) / 2);
    }
    EXPECT_EQ(startZ, c.startZ);
    EXPECT_EQ(endZ, c.endZ);
  }
}

TEST_F(AxisPanelDrawing, SeriesInOneSlotDrawPointByPointInTurn) {
  TRecordingTestSeries* a = Series("a", 3);
  TRecordingTestSeries* b = Series("b", 2);
  TRecordingTestSeries* c = Series("c", 1);
  a->SetZOrder(0);
  b->SetZOrder(0);
  for (TChartSeries* s : {a, b}) s->Marks()->SetVisible(true);
  Paint();
  const QStringList expected = {
      "titles 1", "walls rect", "walls",   "before a", "before b", "a[0]",    "b[0]",
      "a[1]",     "b[1]",       "a[2]",    "mark 0",   "mark 10",  "mark 20", "after a",
      "mark 0",   "mark 10",    "after b", "before c", "c[0]",     "after c", "titles 0"};
  EXPECT_EQ(log, expected);
  EXPECT_EQ(a->MiddleZ(), b->MiddleZ());
  EXPECT_NE(a->StartZ(), c->StartZ());
}

TEST_F(AxisPanelDrawing, AnInvertedAxisDrawsBackwards) {
  chart.SetView3D(false);
  Series("a", 3);
  chart.BottomAxis()->SetInverted(true);
  Paint();
  EXPECT_EQ(log, (QStringList{"titles 1", "walls rect", "walls", "before a", "a[2]", "a[1]", "a[0]",
                              "after a", "titles 0"}));
}

class SeriesEventLog final : public TPlotEventListener {
 public:
  std::vector<std::pair<int, bool>> events;  // kind, still a series
  void PlotEvent(TPlotEvent& event) override {
    if (auto* e = dynamic_cast<TPlotSeriesEvent*>(&event))
      events.emplace_back(e->Event, dynamic_cast<TChartSeries*>(e->Series) != nullptr);
  }
};

TEST_F(AxisPanelDrawing, ALeavingSeriesIsStillASeries) {
  SeriesEventLog events;
  chart.AddListener(&events);
  TRecordingTestSeries* source = Series("source", 2);
  auto dependant = std::make_unique<TRecordingTestSeries>();
  chart.AddSeries(dependant.get());
  dependant->SetDataSource(source);
  ASSERT_EQ(source->LinkedSeries().size(), 1u);
  chart.RemoveSeries(dependant.get());  // Removed: the source forgets it
  EXPECT_TRUE(source->LinkedSeries().empty());
  chart.AddSeries(dependant.get());  // Added: back among the source's dependants
  EXPECT_EQ(source->LinkedSeries().size(), 1u);
  dependant.reset();
  EXPECT_TRUE(source->LinkedSeries().empty());
  const std::vector<std::pair<int, bool>> expected = {
      {seAdd, true}, {seAdd, true}, {seRemove, true}, {seAdd, true}, {seRemove, true}};
  EXPECT_EQ(events.events, expected);
  chart.RemoveListener(&events);
}

}  // namespace
