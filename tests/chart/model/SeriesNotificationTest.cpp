// The order of what one added point sets off, updates that hold it all back
// until their end, dependants that follow their flags, and sources that
// would close a circle.
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartExceptions.h"
#include "chart/model/TChartSeries.h"
#include "tests/chart/support/FakeSeriesChart.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <memory>

namespace {

class SeriesNotices : public testing::Test {
 protected:
  ChartEngineScope engine;
  FakeSeriesChart chart;
  QStringList log;

  std::unique_ptr<TChartSeries> Series(const char* name) {
    auto s = std::make_unique<TChartSeries>();
    s->setObjectName(QString::fromLatin1(name));
    s->SetParentChart(&chart);
    return s;
  }
};

TEST_F(SeriesNotices, AddedPointGoesBeforeAddInsertAfterAddDependantsPaint) {
  auto a = Series("A"), b = Series("B");
  b->SetDataSource(a.get());
  chart.onInvalidate = [&] { log << "paint"; };
  a->OnBeforeAdd = [&](TChartSeries& s) {
    log << QStringLiteral("before %1").arg(s.PointCount());
    return true;
  };
  a->OnAfterAdd = [&](TChartSeries& s, int i) {
    log << QStringLiteral("after %1 of %2").arg(i).arg(s.PointCount());
  };
  b->OnAfterAdd = [&](TChartSeries&, int i) { log << QStringLiteral("dependant %1").arg(i); };
  a->AddPointXY(1, 2);
  // The dependant's own paint request comes with its point, the source's last.
  EXPECT_EQ(log, QStringList({"before 0", "after 0 of 1", "dependant 0", "paint", "paint"}));

  log.clear();
  a->OnBeforeAdd = [&](TChartSeries&) {
    log << "refused";
    return false;
  };
  EXPECT_EQ(a->AddPointXY(5, 6, QStringLiteral("label"), 0xFF), -1);
  EXPECT_EQ(log, QStringList({"refused"}));
  EXPECT_EQ(a->PointCount(), 1);
  EXPECT_EQ(a->LabelCount(), 0);
  EXPECT_FALSE(a->HasColorList());
  EXPECT_EQ(b->PointCount(), 1);
}

// The flags its axes read repaint the series' chart.
TEST_F(SeriesNotices, ValueListFlagsRepaintTheChart) {
  auto a = Series("A");
  chart.invalidations = 0;
  a->XValues()->SetDateTime(true);
  EXPECT_EQ(chart.invalidations, 1);
  a->YValues()->SetOrder(loDescending);
  EXPECT_EQ(chart.invalidations, 2);
}

TEST_F(SeriesNotices, UpdateHoldsEverythingBackUntilItsEnd) {
  auto a = Series("A"), b = Series("B");
  b->SetDataSource(a.get());
  chart.events.clear();
  chart.invalidations = 0;
  int afterAdds = 0, dependantRefills = 0;
  a->OnAfterAdd = [&](TChartSeries&, int) { ++afterAdds; };
  b->OnClearValues = [&](TChartSeries&) { ++dependantRefills; };
  a->BeginUpdate();
  a->BeginUpdate();
  for (int i = 0; i < 1000; ++i) a->AddPointXY(i, i);
  a->EndUpdate();
  EXPECT_EQ(chart.invalidations, 0);
  EXPECT_EQ(b->PointCount(), 0);
  a->EndUpdate();
  a->EndUpdate();  // unmatched: nothing more
  EXPECT_EQ(afterAdds, 0);
  EXPECT_EQ(dependantRefills, 1);  // one refresh: the dependant refills once
  EXPECT_EQ(b->PointCount(), 1000);
  ASSERT_EQ(chart.events.size(), 1u);
  EXPECT_EQ(chart.events[0], std::make_pair(seRefresh, static_cast<TPlotPersistent*>(a.get())));

  // A fill with nobody depending on it: seRefresh, then one paint request.
  auto lone = Series("lone");
  chart.events.clear();
  chart.invalidations = 0;
  chart.onInvalidate = [&] {
    log << QStringLiteral("paint after %1 events").arg(chart.events.size());
  };
  lone->BeginUpdate();
  for (int i = 0; i < 100; ++i) lone->AddPointXY(i, i);
  lone->EndUpdate();
  EXPECT_EQ(log, QStringList({"paint after 1 events"}));
}

TEST_F(SeriesNotices, ChainFollowsEachRecalcFlag) {
  struct Case {
    TChartSeries::TRecalcOptions when;
    int afterAdd, afterDelete, afterClear;  // points of C after each step
  } cases[] = {
      {TChartSeries::TRecalcOptions(), 3, 3, 3},
      {TChartSeries::rwInsert, 4, 4, 4},
      {TChartSeries::rwDelete, 3, 2, 2},
      {TChartSeries::rwClear, 3, 3, 0},
      {TChartSeries::rwInsert | TChartSeries::rwDelete | TChartSeries::rwClear, 4, 3, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.when));
    auto a = Series("A"), b = Series("B"), cc = Series("C");
    for (int i = 0; i < 3; ++i) a->AddPointXY(i, 10 * i, QStringLiteral("p%1").arg(i));
    b->SetDataSource(a.get());
    cc->SetDataSource(b.get());
    ASSERT_EQ(cc->PointCount(), 3);
    EXPECT_EQ(cc->GetXLabel(2), QStringLiteral("p2"));
    // B passes everything on; C follows only its own flags.
    cc->SetRecalcWhen(c.when);
    a->AddPointXY(3, 30);
    EXPECT_EQ(b->PointCount(), 4);
    EXPECT_EQ(cc->PointCount(), c.afterAdd);
    a->Delete(0);
    EXPECT_EQ(cc->PointCount(), c.afterDelete);
    a->ClearValues();
    EXPECT_EQ(b->PointCount(), 0);
    EXPECT_EQ(cc->PointCount(), c.afterClear);
  }
}

TEST_F(SeriesNotices, CircleOfSourcesIsRefused) {
  auto a = Series("A"), b = Series("B"), c = Series("C");
  b->SetDataSource(a.get());
  c->SetDataSource(b.get());
  for (TChartSeries* source : {c.get(), b.get()}) {
    try {
      a->SetDataSource(source);
      FAIL() << "accepted";
    } catch (const ChartException& e) {
      EXPECT_EQ(e.message(), QStringLiteral("Circular Series dependences are not allowed"));
    }
  }
  EXPECT_EQ(a->DataSource(), nullptr);
  EXPECT_THROW(a->SetDataSource(a.get()), ChartException);  // not valid: itself
  TChartSeries loose;
  EXPECT_THROW(loose.SetDataSource(a.get()), ChartException);  // no chart to ask
  // Sources and dependants forget a freed series both ways.
  b.reset();
  EXPECT_TRUE(a->LinkedSeries().empty());
  EXPECT_EQ(c->DataSource(), nullptr);
}

TEST_F(SeriesNotices, StoredSourceNamesGoThroughTheSameChecks) {
  QObject owner;
  auto make = [&](const char* name) {
    auto* s = new TChartSeries(&owner);
    s->setObjectName(QString::fromLatin1(name));
    s->SetParentChart(&chart);
    return s;
  };
  TChartSeries *a = make("A"), *b = make("B"), *c = make("C"), *d = make("D");
  a->AddPointXY(1, 1);
  c->AddPointXY(2, 2);
  b->SetDataSource(a);
  // A names B (which takes A: a circle), itself, a name nobody has, then C.
  chart.reading = true;
  ASSERT_TRUE(
      a->ReadExtraStored(QStringLiteral("DataSources"), QStringList({"b", "A", "nobody", "C"})));
  ASSERT_TRUE(d->ReadExtraStored(QStringLiteral("DataSources"), QStringList({"a", "c"})));
  a->Loaded();
  d->Loaded();
  chart.reading = false;
  EXPECT_EQ(a->DataSources(), std::vector<QObject*>({c}));
  EXPECT_EQ(d->DataSources(), std::vector<QObject*>({a, c}));
  // Stored as names, a single source too: no published property holds it.
  EXPECT_TRUE(a->ExtraStoredNames().contains(QStringLiteral("DataSources")));
  EXPECT_EQ(a->ExtraStoredValue(QStringLiteral("DataSources")), QStringList({"C"}));
  EXPECT_TRUE(d->ExtraStoredNames().contains(QStringLiteral("DataSources")));
  EXPECT_EQ(d->ExtraStoredValue(QStringLiteral("DataSources")), QStringList({"A", "C"}));
  // Notices now run along a chain without end: C -> A -> B and A -> D.
  c->AddPointXY(3, 3);
  EXPECT_EQ(a->PointCount(), 2);
  EXPECT_EQ(b->PointCount(), 2);
}

}  // namespace
