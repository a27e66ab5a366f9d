// Value lists hold every series' numbers: the sorted add decides where a
// point lands, the statistics feed the axes, and no index from outside may
// read or write past the values.
#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartPrompts.h"
#include "chart/core/TChartValueLists.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

// A series of three lists (X, Y and one more) that exchanges points in all of
// them, as a series does.
class FakeSeries : public TChartValueListOwner {
 public:
  FakeSeries() {
    lists.Add(QStringLiteral("X"));
    lists.Add(QStringLiteral("Y"));
    lists.Add(QStringLiteral("Z"));
  }
  void SwapValueIndex(int a, int b) override {
    for (int i = 0; i < lists.Count(); ++i) lists[i].Exchange(a, b);
  }
  void ValueChanged(int) override { ++changes; }
  void CheckDataSource() override { ++refills; }

  TChartValueLists lists{this};
  int changes = 0;
  int refills = 0;
};

std::vector<double> Contents(const TChartValueList& list) {
  return {list.Values().begin(), list.Values().end()};
}

std::unique_ptr<TChartValueList> MakeList(TChartListOrder order,
                                          std::initializer_list<double> values) {
  auto list = std::make_unique<TChartValueList>(nullptr, QStringLiteral("V"));
  for (double v : values) list->InsertChartValue(list->Count(), v);
  list->SetOrder(order);
  return list;
}

// Equal as stored bits, so that NaN equals NaN and -0 differs from 0.
bool SameBits(const std::vector<double>& a, const std::vector<double>& b) {
  return a.size() == b.size() &&
         (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

// The add as first written: a downward scan from the last value.
int ModelAdd(std::vector<double>& v, TChartListOrder order, double x) {
  std::size_t at = v.size();
  if (order != loNone && !v.empty()) {
    const bool keepsOrder = order == loAscending ? x >= v.back() : x <= v.back();
    if (!keepsOrder) {
      int i = static_cast<int>(v.size()) - 1;
      while (i >= 0 && (order == loAscending ? v[static_cast<std::size_t>(i)] > x
                                             : v[static_cast<std::size_t>(i)] < x)) {
        --i;
      }
      at = static_cast<std::size_t>(i + 1);
    }
  }
  v.insert(v.begin() + static_cast<std::ptrdiff_t>(at), x);
  return static_cast<int>(at);
}

TEST(ValueListKeepsItsOrder, RandomAddSequencesMatchTheDownwardScan) {
  const double pool[] = {-Inf, -2, -1, -0.0, 0, 0.5, 1, 1, 2, 3, Inf, NaN};
  std::mt19937 rng(112);
  std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(pool)) - 1);
  std::uniform_int_distribution<int> length(0, 40);
  std::uniform_int_distribution<int> orderOf(0, 2);
  std::uniform_int_distribution<int> withNaN(0, 3);
  for (int round = 0; round < 10000; ++round) {
    const auto order = static_cast<TChartListOrder>(orderOf(rng));
    const bool nans = withNaN(rng) == 0;  // most sequences stay orderable
    TChartValueList list(nullptr, QStringLiteral("V"));
    list.SetOrder(order);
    std::vector<double> model;
    const int n = length(rng);
    for (int k = 0; k < n; ++k) {
      double x = pool[pick(rng)];
      if (std::isnan(x) && !nans) x = 4;
      ASSERT_EQ(list.AddChartValue(x), ModelAdd(model, order, x)) << "round " << round;
    }
    ASSERT_TRUE(SameBits(Contents(list), model)) << "round " << round;
  }
}

TEST(ValueListStatistics, SkipNaNAndMatchAReference) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> any(-1e3, 1e3);
  std::uniform_int_distribution<int> length(0, 30);
  std::uniform_int_distribution<int> kind(0, 5);
  for (int round = 0; round < 2000; ++round) {
    TChartValueList list(nullptr, QStringLiteral("V"));
    double minimum = 0, maximum = 0, sum = 0, sumAbs = 0;
    bool any_ = false;
    const int n = length(rng);
    for (int k = 0; k < n; ++k) {
      const double v = kind(rng) == 0 ? NaN : any(rng);
      list.AddChartValue(v);
      if (std::isnan(v)) continue;
      minimum = any_ ? std::min(minimum, v) : v;
      maximum = any_ ? std::max(maximum, v) : v;
      any_ = true;
      sum += v;
      sumAbs += std::fabs(v);
    }
    // Asked twice with a change between, so a stale cache shows.
    EXPECT_EQ(list.Minimum(), minimum);
    list.AddChartValue(0.0);
    list.Delete(list.Count() - 1);
    EXPECT_EQ(list.Minimum(), minimum);
    EXPECT_EQ(list.Maximum(), maximum);
    EXPECT_EQ(list.Sum(), sum);
    EXPECT_EQ(list.SumOfAbsolutes(), sumAbs);
    EXPECT_EQ(list.Range(), maximum - minimum);
  }
  EXPECT_EQ(MakeList(loNone, {})->Maximum(), 0);
  EXPECT_EQ(MakeList(loNone, {NaN, NaN})->Minimum(), 0);
  EXPECT_EQ(MakeList(loNone, {NaN, NaN})->Sum(), 0);
  auto list = MakeList(loNone, {2, -7, 2, 4});
  EXPECT_EQ(list->Locate(2), 0);
  EXPECT_EQ(list->Locate(9), -1);
  EXPECT_EQ(list->Minimum(), -7);
  list->Delete(1);
  EXPECT_EQ(list->Minimum(), 2);
}

TEST(ValueListRefusesIndicesOutside, RaisesAndChangesNothing) {
  FakeSeries series;
  TChartValueList& x = series.lists[0];
  for (double v : {4.0, 2.0, 9.0}) x.InsertChartValue(x.Count(), v);
  const std::vector<double> before = Contents(x);
  const int changesBefore = series.changes;
  struct Case {
    const char* call;
    int index;
    std::function<void()> run;
  };
  const Case cases[] = {
      {"GetValue", -1, [&] { x.GetValue(-1); }},
      {"GetValue", 3, [&] { x.GetValue(3); }},
      {"Delete", 3, [&] { x.Delete(3); }},
      {"Delete", -1, [&] { x.Delete(-1); }},
      {"Insert", 4, [&] { x.InsertChartValue(4, 1.0); }},
      {"Insert", -1, [&] { x.InsertChartValue(-1, 1.0); }},
      {"Exchange", 3, [&] { x.Exchange(0, 3); }},
      {"Exchange", -2, [&] { x.Exchange(-2, 1); }},
      {"Compare", 5, [&] { x.CompareValueIndex(1, 5); }},
      {"GetValueList", 3, [&] { series.lists.GetValueList(3); }},
      {"GetValueList", -1, [&] { series.lists.GetValueList(-1); }},
      {"First", 0, [&] { series.lists[1].First(); }},
      {"Last", -1, [&] { series.lists[1].Last(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call);
    try {
      c.run();
      ADD_FAILURE() << "no exception";
    } catch (const ChartException& e) {
      EXPECT_EQ(e.message(), QStringLiteral("List index out of bounds (%1)").arg(c.index));
    }
    EXPECT_TRUE(SameBits(Contents(x), before));
  }
  EXPECT_EQ(series.changes, changesBefore);
  EXPECT_EQ(series.lists.Count(), 3);
}

TEST(ValueListSort, ExchangesWholePointsThroughTheOwner) {
  for (TChartListOrder order : {loAscending, loDescending, loNone}) {
    SCOPED_TRACE(order);
    FakeSeries series;
    TChartValueList& x = series.lists[0];
    x.SetOrder(order);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> key(0, 20);
    const int n = 500;
    std::vector<double> arrival;
    for (int i = 0; i < n; ++i) {
      arrival.push_back(key(rng));
      // Inserted, not added: the list starts out of order.
      x.InsertChartValue(i, arrival.back());
      series.lists[1].InsertChartValue(i, i);
      series.lists[2].InsertChartValue(i, -i);
    }
    x.Sort();
    for (int i = 0; i < n; ++i) {
      const int point = static_cast<int>(series.lists[1][i]);
      EXPECT_EQ(series.lists[2][i], -point);
      EXPECT_EQ(x[i], arrival[static_cast<std::size_t>(point)]);
      if (order == loNone) {
        EXPECT_EQ(point, i);
      } else if (i > 0) {
        EXPECT_LE(x.CompareValueIndex(i - 1, i), 0);
      }
    }
  }
}

class RecordingPrompts : public ChartPrompts {
 public:
  bool Confirm(const QString&) override { return ++modal, false; }
  bool InputText(const QString&, const QString&, QString&) override { return ++modal, false; }
  bool ChooseColor(base::TColor&) override { return ++modal, false; }
  bool ChooseFont(ChartFontChoice&) override { return ++modal, false; }
  bool OpenFileName(const QString&, const QString&, QString&) override { return ++modal, false; }
  bool SaveFileName(const QString&, const QString&, QString&) override { return ++modal, false; }
  void Error(const QString&) override { ++modal; }
  void Warning(const QString& text) override { warnings << text; }
  int modal = 0;
  QStringList warnings;
};

TEST(ValueListStoredState, ObsoleteMultiplierWarnsWithoutStopping) {
  struct Case {
    const char* name;
    QVariant value;
    bool known;
    int warnings;
  };
  const Case cases[] = {
      {"Multiplier", 2.5, true, 1},   {"multiplier", 0, true, 1},
      {"Multiplier", 1.0, true, 0},   {"Multiplier", 1, true, 0},
      {"Multiplier", "2.5", true, 0}, {"Multiplier", QVariant(), true, 0},
      {"Multiplyer", 2.5, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingPrompts prompts;
    ChartPrompts* previous = SetPrompts(&prompts);
    TChartValueList list(nullptr, QStringLiteral("Y"));
    EXPECT_EQ(list.ReadExtraStored(QString::fromLatin1(c.name), c.value), c.known);
    SetPrompts(previous);
    EXPECT_EQ(prompts.warnings.size(), c.warnings);
    EXPECT_EQ(prompts.modal, 0);
    if (c.warnings > 0) {
      EXPECT_EQ(prompts.warnings[0],
                QStringLiteral("Error: Multiplier property is obsolete.\rModify RerOzur.odo "
                               "(enable Multiplier) and recompile."));
    }
  }
}

// The class table checks defaults and change reports; a new source field
// must also make the owner refill the points.
TEST(ValueListStoredState, NewValueSourceRefillsTheOwner) {
  FakeSeries series;
  TChartValueList list(&series, QStringLiteral("X"));
  list.SetValueSource(QStringLiteral("Amount"));
  list.SetValueSource(QStringLiteral("Amount"));
  EXPECT_EQ(series.refills, 1);
}

// The flags axes read repaint through the owner, once per change.
TEST(ValueListStoredState, NewFlagsRepaintThroughTheOwner) {
  FakeSeries series;
  TChartValueList list(&series, QStringLiteral("X"));
  const struct {
    const char* name;
    std::function<void()> set;
  } cases[] = {
      {"DateTime", [&] { list.SetDateTime(true); }},
      {"Order ascending", [&] { list.SetOrder(loAscending); }},
      {"Order descending", [&] { list.SetOrder(loDescending); }},
      {"DateTime back", [&] { list.SetDateTime(false); }},
  };
  for (const auto& c : cases) {
    const int before = series.changes;
    c.set();
    EXPECT_EQ(series.changes, before + 1) << c.name;
    c.set();
    EXPECT_EQ(series.changes, before + 1) << c.name << " again";
  }
}

}  // namespace
