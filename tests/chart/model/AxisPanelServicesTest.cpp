// What the axis panel answers its axes and editors: which axes are drawn,
// text widths, label hooks, series names, tools, data-source components,
// copying; and the point questions of the series helpers.
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartExceptions.h"
#include "chart/model/SeriesHelpers.h"
#include "chart/model/TCustomAxisPanel.h"
#include "chart/model/TPlotSeriesSource.h"
#include "tests/chart/support/RecordingChartPrompts.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

class ServicePanel final : public TCustomAxisPanel {
 public:
  void InternalDraw(const TRect&) override {}
};

class AxisPanelServices : public testing::Test {
 public:
  ChartEngineScope engine;
  std::vector<std::unique_ptr<TChartSeries>> owned;
  ServicePanel panel;

  TChartSeries* Series(int points = 3) {
    owned.push_back(std::make_unique<TChartSeries>());
    TChartSeries* s = owned.back().get();
    for (int i = 0; i < points; ++i) s->AddPointXY(i, i);
    return panel.AddSeries(s);
  }
  void Clear() {
    for (auto& s : owned) panel.RemoveSeries(s.get());
  }
  int Width(const QString& text) { return panel.Canvas().TextWidth(text); }
};

TEST_F(AxisPanelServices, WhichAxesAreDrawn) {
  struct Case {
    const char* name;
    std::function<void(AxisPanelServices&)> setup;
    // left, top, right, bottom, depth
    std::vector<bool> drawn;
  } cases[] = {
      {"no series: every visible axis", [](AxisPanelServices&) {}, {true, true, true, true, false}},
      {"a series on the left and bottom axes",
       [](AxisPanelServices& t) { t.Series(); },
       {true, false, false, true, false}},
      {"an inactive series counts for nothing",
       [](AxisPanelServices& t) {
         t.Series();
         t.Series()->SetVertAxis(TChartSeries::aRightAxis);
         t.owned.back()->SetActive(false);
       },
       {true, false, false, true, false}},
      {"both kinds",
       [](AxisPanelServices& t) {
         t.Series()->SetVertAxis(TChartSeries::aBothVertAxis);
         t.owned.back()->SetHorizAxis(TChartSeries::aBothHorizAxis);
       },
       {true, true, true, true, false}},
      {"axes switched off",
       [](AxisPanelServices& t) { t.panel.SetAxisVisible(false); },
       {false, false, false, false, false}},
      {"a hidden axis",
       [](AxisPanelServices& t) { t.panel.LeftAxis()->SetVisible(false); },
       {false, true, true, true, false}},
      {"the depth axis in 3D",
       [](AxisPanelServices& t) {
         t.Series();
         t.panel.DepthAxis()->SetVisible(true);
       },
       {true, false, false, true, true}},
      {"the depth axis in 2D",
       [](AxisPanelServices& t) {
         t.panel.SetView3D(false);
         t.panel.DepthAxis()->SetVisible(true);
       },
       {true, true, true, true, false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Clear();
    panel.SetAxisVisible(true);
    panel.SetView3D(true);
    panel.LeftAxis()->SetVisible(true);
    panel.DepthAxis()->SetVisible(false);
    c.setup(*this);
    std::vector<bool> drawn;
    for (TChartAxis* axis : {panel.LeftAxis(), panel.TopAxis(), panel.RightAxis(),
                             panel.BottomAxis(), static_cast<TChartAxis*>(panel.DepthAxis())})
      drawn.push_back(panel.AxisServices().AxisDrawn(*axis));
    EXPECT_EQ(drawn, c.drawn);
  }
}

TEST_F(AxisPanelServices, WidestTextsAndTheLabelHooks) {
  TAxisChart& axes = panel.AxisServices();
  TChartSeries* a = Series(3);
  a->SetXLabel(0, QStringLiteral("ab"));
  a->SetXLabel(2, QStringLiteral("x\rwidest\ry"));  // measured by its widest line
  TChartSeries* b = Series(2);
  b->SetXLabel(1, QStringLiteral("abcd"));
  b->SetActive(false);  // point labels count whatever the series' state
  int lines = 0;
  EXPECT_EQ(axes.MultiLineTextWidth(QStringLiteral("ab\rabcde\r"), lines), Width("abcde"));
  EXPECT_EQ(lines, 3);
  EXPECT_EQ(axes.MaxTextWidth(*panel.BottomAxis()), Width("widest"));
  // Marks only of active series: "ab", "1", "x\rwidest\ry" as labels.
  EXPECT_EQ(axes.MaxMarkWidth(*panel.BottomAxis()), Width("widest"));
  a->SetActive(false);
  EXPECT_EQ(axes.MaxMarkWidth(*panel.BottomAxis()), 0);

  QString text = QStringLiteral("5");
  axes.GetAxisLabel(*panel.LeftAxis(), nullptr, -1, text);
  EXPECT_EQ(text, QStringLiteral("5"));  // no hook: unchanged
  panel.OnGetAxisLabel = [&](const TChartAxis& axis, TChartSeries* series, int index, QString& t) {
    t = QStringLiteral("%1:%2:%3").arg(&axis == panel.LeftAxis()).arg(series == b).arg(index);
  };
  axes.GetAxisLabel(*panel.LeftAxis(), b, 4, text);
  EXPECT_EQ(text, QStringLiteral("1:1:4"));
  EXPECT_EQ(panel.LeftAxis()->LabelValue(2), QStringLiteral("1:0:-1"));

  EXPECT_FALSE(axes.HasNextAxisLabel());
  panel.OnGetNextAxisLabel = [](const TChartAxis&, int, double&, bool&) {};
  EXPECT_TRUE(axes.HasNextAxisLabel());
}

TEST_F(AxisPanelServices, SeriesNamesAndLegendPositions) {
  TChartSeries* a = Series();
  TChartSeries* b = Series();
  TChartSeries* c = Series();
  a->SetTitle(QStringLiteral("Temperature"));
  b->setObjectName(QStringLiteral("Series7"));
  b->SetShowInLegend(false);
  c->SetActive(false);
  EXPECT_EQ(panel.SeriesTitleOrName(*a), QStringLiteral("Temperature"));
  EXPECT_EQ(panel.SeriesTitleOrName(*b), QStringLiteral("Series7"));
  EXPECT_EQ(panel.SeriesTitleOrName(*c), QStringLiteral("Series 2"));
  EXPECT_EQ(panel.SeriesLegend(1, false), c);
  EXPECT_EQ(panel.SeriesLegend(1, true), nullptr);
  EXPECT_EQ(panel.SeriesTitleLegend(1, false), QStringLiteral("Series 2"));
  EXPECT_EQ(panel.SeriesTitleLegend(1, true), QString());
  EXPECT_EQ(panel.ActiveSeriesTitle(1), QStringLiteral("Series7"));
  const auto titles = panel.FillSeriesTitles();
  ASSERT_EQ(titles.size(), 3u);
  EXPECT_EQ(titles[2].first, QStringLiteral("Series 2"));
  EXPECT_EQ(titles[2].second, c);
}

class RecordingTool final : public TChartTool {
 public:
  std::string* log = nullptr;
  char name = '?';
  bool handles = false;
  void ChartEvent(TChartToolEvent event) override { *log += name + std::to_string(event) + ' '; }
  void ChartMouseEvent(int kind, TMouseButton, TShiftState, int x, int y) override {
    *log += name + std::to_string(kind) + ':' + std::to_string(x) + ',' + std::to_string(y) + ' ';
    if (handles) dynamic_cast<TCustomPlotPanel*>(ParentChart())->SetCancelMouse(true);
  }
};

TEST_F(AxisPanelServices, ToolsHearPaintsAndStopMouseEvents) {
  std::string log;
  for (char name : {'a', 'b', 'c'}) {
    auto tool = std::make_unique<RecordingTool>();
    tool->log = &log;
    tool->name = name;
    EXPECT_EQ(panel.Tools().Add(std::move(tool))->ParentChart(), &panel);
  }
  static_cast<RecordingTool*>(panel.Tools().Get(0))->SetActive(false);
  static_cast<RecordingTool*>(panel.Tools().Get(1))->handles = true;
  panel.NotifyToolsPaint(cteBeforeDraw);
  panel.NotifyToolsMouse(0, mbLeft, {}, 5, 6);
  EXPECT_EQ(log, "b2 c2 b0:5,6 ");
  panel.Tools().Delete(1);
  EXPECT_EQ(panel.Tools().Count(), 2);
  EXPECT_THROW(panel.Tools().Get(2), ChartException);
}

class ListSource final : public TPlotSeriesSource {
  Q_OBJECT
 public:
  bool available = true;
  int loads = 0;
  bool Available() const override { return available; }
  void Load() override {
    ++loads;
    if (Series()) Series()->AddPointXY(7, 8);
  }
};

TEST_F(AxisPanelServices, DataSourceComponents) {
  TChartSeries* s = Series(0);
  ListSource source;
  EXPECT_TRUE(panel.IsValidDataSource(*s, &source));
  source.available = false;
  EXPECT_FALSE(panel.IsValidDataSource(*s, &source));
  EXPECT_FALSE(panel.IsValidDataSource(*s, s));
  source.available = true;
  s->SetDataSource(&source);  // inactive: no load
  EXPECT_EQ(source.loads, 0);
  source.SetActive(true);
  EXPECT_EQ(source.loads, 1);  // opening loads the series it knows (none yet)
  panel.CheckDatasource(*s);
  EXPECT_EQ(source.loads, 2);
  EXPECT_EQ(s->PointCount(), 1);
  EXPECT_TRUE(source.HasSeries(*s));
  EXPECT_FALSE(source.HasSeries(*Series(0)));
}

TEST_F(AxisPanelServices, AssignCopiesAxesCustomAxesAndPages) {
  ServicePanel other;
  other.DepthAxis()->SetVisible(true);
  other.CustomAxes()->Add()->SetHorizontal(true);
  other.SetMaxPointsPerPage(5);
  other.SetMarginLeft(9);
  panel.Assign(other);
  EXPECT_TRUE(panel.DepthAxis()->Visible());
  ASSERT_EQ(panel.CustomAxes()->Count(), 1);
  EXPECT_NE(panel.CustomAxes()->Get(0), other.CustomAxes()->Get(0));  // a copy
  EXPECT_TRUE(panel.CustomAxes()->Get(0)->Horizontal());
  EXPECT_EQ(panel.Axes().size(), 6u);
  EXPECT_EQ(panel.MaxPointsPerPage(), 5);
  EXPECT_EQ(panel.MarginLeft(), 9);  // then the panel's own settings
}

TEST(SeriesHelpers, PointQuestions) {
  ChartEngineScope engine;
  struct Case {
    const char* name;
    std::function<void(TChartSeries&)> fill;
    bool customX, ownColors, labels;
  } cases[] = {
      {"no points", [](TChartSeries&) {}, false, false, false},
      {"indices",
       [](TChartSeries& s) {
         for (int i = 0; i < 5; ++i) s.Add(i);
       },
       false, false, false},
      {"first X not 0", [](TChartSeries& s) { s.AddPointXY(1, 0); }, true, false, false},
      {"last X not the count",
       [](TChartSeries& s) {
         s.AddPointXY(0, 0);
         s.AddPointXY(2, 0);
       },
       true, false, false},
      {"a gap inside",
       [](TChartSeries& s) {
         for (double x : {0.0, 1.5, 1.6, 3.0}) s.AddPointXY(x, 0);
       },
       true, false, false},
      {"the series' own colour is no own colour",
       [](TChartSeries& s) {
         s.SetSeriesColor(base::clRed);
         s.Add(0, {}, base::clRed);
       },
       false, false, false},
      {"a point colour",
       [](TChartSeries& s) {
         s.SetSeriesColor(base::clRed);
         s.Add(0);
         s.Add(0, {}, base::clBlue);
       },
       false, true, false},
      {"a colour beyond the first 10,001 points",
       [](TChartSeries& s) {
         for (int i = 0; i < 10001; ++i) s.Add(i);
         s.Add(0, {}, base::clBlue);
       },
       false, false, false},
      {"a label",
       [](TChartSeries& s) {
         s.Add(0);
         s.Add(0, QStringLiteral("b"));
       },
       false, false, true},
      {"a label beyond the first 101 points",
       [](TChartSeries& s) {
         for (int i = 0; i < 101; ++i) s.Add(i);
         s.Add(0, QStringLiteral("late"));
       },
       false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TChartSeries s;
    c.fill(s);
    EXPECT_EQ(HasCustomXValues(s), c.customX);
    EXPECT_EQ(HasOwnPointColors(s), c.ownColors);
    EXPECT_EQ(HasPointLabels(s), c.labels);
  }
  EXPECT_EQ(SplitInLines(QStringLiteral("a||b||"), QStringLiteral("||")), QStringLiteral("a\rb\r"));
  RecordingChartPrompts prompts;
  ShowErrorMessage(QStringLiteral("Disk full"));
  EXPECT_EQ(prompts.errors(), QStringList{QStringLiteral("Disk full")});
}

}  // namespace

#include "AxisPanelServicesTest.moc"
