// Chart elements and series on a fake chart: stores repaint only on a
// change, series events go out as the listeners expect, stored extras are
// read as untrusted values, and neither element nor chart dangles when the
// other goes first.
#include "chart/core/PublishedProperties.h"
#include "chart/model/TCustomChartElement.h"
#include "chart/model/TCustomChartSeries.h"
#include "tests/chart/support/FakeChartHost.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Opens the stores to the test, the way an element type uses them.
class StoringElement : public TCustomChartElement {
 public:
  using TCustomChartElement::TCustomChartElement;
  bool flag = false;
  int number = 0;
  base::TColor color = base::clBlack;
  double value = 0;
  QString text;
  void All(int step) {
    SetBooleanProperty(flag, step % 2 != 0);
    SetIntegerProperty(number, step);
    SetColorProperty(color, static_cast<base::TColor>(step));
    SetDoubleProperty(value, step / 2.0);
    SetStringProperty(text, QString::number(step));
  }
};

TEST(ChartElement, StoresRepaintOnlyOnAChange) {
  FakeChartHost chart;
  int changes = 0;
  StoringElement element([&changes] { ++changes; });
  element.SetParentChart(&chart);
  element.All(1);
  EXPECT_EQ(chart.invalidations, 5);
  EXPECT_EQ(changes, 5);
  element.All(1);
  EXPECT_EQ(chart.invalidations, 5);

  // A pen or brush change is one.
  element.All(2);
  chart.invalidations = 0;
  element.Pen()->SetWidth(4);
  element.Brush()->SetColor(base::clRed);
  element.Brush()->SetColor(base::clRed);
  EXPECT_EQ(chart.invalidations, 2);

  // Without a chart the values are still stored.
  StoringElement alone;
  alone.All(3);
  EXPECT_EQ(alone.number, 3);
  EXPECT_EQ(alone.text, "3");
}

TEST(ChartElement, JoinsAndLeavesItsChart) {
  FakeChartHost a;
  FakeChartHost b;
  auto element = std::make_unique<TCustomChartElement>();
  element->SetParentChart(&a);
  element->SetParentChart(&a);
  element->SetParentComponent(nullptr);  // not a chart: nothing changes
  EXPECT_EQ(element->ParentChart(), &a);
  element->SetParentChart(&b);
  TPlotPersistent* const self = element.get();
  EXPECT_EQ(a.attached, std::vector<TPlotPersistent*>{self});
  EXPECT_EQ(a.detached, std::vector<TPlotPersistent*>{self});
  EXPECT_EQ(b.attached, std::vector<TPlotPersistent*>{self});
  element.reset();
  EXPECT_EQ(b.detached, std::vector<TPlotPersistent*>{self});
}

TEST(ChartElement, EitherGoesFirstWithoutDangling) {
  // The chart first: the element stores and repaints nowhere, then frees
  // itself without calling the freed chart (ASan would report it).
  auto chart = std::make_unique<FakeChartHost>();
  auto series = std::make_unique<TCustomChartSeries>();
  series->SetParentChart(chart.get());
  chart.reset();
  EXPECT_EQ(series->ParentChart(), nullptr);
  series->SetTitle(QStringLiteral("after"));
  series->SetActive(false);
  series->Pen()->SetColor(base::clRed);
  series.reset();

  // The element first: the chart hears it leave, with the element's address.
  FakeChartHost host;
  auto element = std::make_unique<TCustomChartSeries>();
  TPlotPersistent* const self = element.get();
  element->SetParentChart(&host);
  element.reset();
  EXPECT_EQ(host.detached, std::vector<TPlotPersistent*>{self});
  EXPECT_EQ(host.invalidations, 0);
}

TEST(ChartSeries, ActiveAndTitleBroadcastEvenWithoutAChange) {
  FakeChartHost chart;
  TCustomChartSeries series;
  series.SetParentChart(&chart);
  series.SetActive(true);  // its current value: no repaint, still an event
  EXPECT_EQ(chart.invalidations, 0);
  series.SetActive(false);
  EXPECT_EQ(chart.invalidations, 1);
  series.SetTitle(QStringLiteral("Flow"));
  series.SetTitle(QStringLiteral("Flow"));
  EXPECT_EQ(chart.invalidations, 2);
  using Event = std::pair<ChartSeriesEvent, TPlotPersistent*>;
  EXPECT_EQ(chart.events, (std::vector<Event>{{seActiveChanged, &series},
                                              {seActiveChanged, &series},
                                              {seChanged, &series},
                                              {seChanged, &series}}));
}

struct StyleCase {
  QVariant stored;
  int style;  // as restored
};

TEST(ChartSeries, StoredStyleKeepsItsSixMembers) {
  const StyleCase cases[] = {
      {5, 5},          {69, 5},
      {-1, 63},        {QStringLiteral("5"), 5},
      {QVariant(), 9}, {QStringLiteral("x"), 9},
      {2.5, 9},        {qlonglong{1} << 40 | 2, 2},
  };
  for (const StyleCase& c : cases) {
    SCOPED_TRACE(c.stored.toString().toStdString());
    TCustomChartSeries series;
    series.SetStyle(9);
    EXPECT_TRUE(series.ReadExtraStored(QStringLiteral("Style"), c.stored));
    EXPECT_EQ(series.Style(), c.style);
  }
  TCustomChartSeries series;
  ASSERT_TRUE(series.ReadExtraStored(QStringLiteral("Style"), 69));
  for (int k = 0; k < TCustomChartSeries::StyleMembers; ++k)
    EXPECT_EQ(series.HasStyleMember(k), k == 0 || k == 2) << k;
  EXPECT_FALSE(series.HasStyleMember(6));
}

TEST(ChartSeries, ExtrasTravelWithCopies) {
  TCustomChartSeries a;
  a.SetIdentifier(QStringLiteral("temperature"));
  a.SetStyle(0b100001);
  a.SetTitle(QStringLiteral("T"));
  a.SetTag(7);
  EXPECT_EQ(a.ExtraStoredNames(), QStringList({"Identifier", "Style"}));
  EXPECT_FALSE(a.ReadExtraStored(QStringLiteral("Multiplier"), 2));
  EXPECT_TRUE(a.ReadExtraStored(QStringLiteral("Identifier"), 12));  // not a text: ignored
  EXPECT_EQ(a.Identifier(), "temperature");

  TCustomChartSeries walked;
  EXPECT_FALSE(SamePublished(a, walked));
  CopyPublished(a, walked);
  EXPECT_TRUE(SamePublished(a, walked));
  EXPECT_EQ(walked.Identifier(), "temperature");
  EXPECT_EQ(walked.Style(), 0b100001);

  TCustomChartSeries assigned;
  assigned.Assign(a);
  EXPECT_TRUE(SamePublished(a, assigned));
  EXPECT_EQ(assigned.Tag(), 7);

  // From a plain element only the element's values come.
  TCustomChartElement element;
  element.SetActive(false);
  assigned.Assign(element);
  EXPECT_FALSE(assigned.Active());
  EXPECT_EQ(assigned.Title(), "T");
}

TEST(ChartElement, SameOrDerivedClass) {
  TCustomChartElement element;
  TCustomChartSeries series;
  TCustomChartSeries other;
  QObject plain;
  EXPECT_TRUE(TCustomChartElement::SameOrDerivedClass(&element, &series));
  EXPECT_TRUE(TCustomChartElement::SameOrDerivedClass(&series, &element));
  EXPECT_TRUE(TCustomChartElement::SameOrDerivedClass(&series, &other));
  EXPECT_FALSE(TCustomChartElement::SameOrDerivedClass(&series, series.Pen()));
  EXPECT_TRUE(TCustomChartElement::SameOrDerivedClass(&plain, &series));
  EXPECT_FALSE(TCustomChartElement::SameOrDerivedClass(&series, nullptr));
}

}  // namespace
