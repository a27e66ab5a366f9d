// Elements reach their chart through a guarded reference that never dangles.
#include "chart/core/ChartHost.h"
#include "tests/chart/support/FakeChartHost.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// An element that asks for its chart while it is being freed.
struct ProbingElement {
  ParentChartPtr chart;
  ChartHost** seenAtDestruction;
  ~ProbingElement() { *seenAtDestruction = chart.get(); }
};

// A host that owns elements and frees them in its destructor, as the panel does.
class OwningHost final : public ChartHost {
 public:
  explicit OwningHost(bool goneFirst) : goneFirst_(goneFirst) {}
  ~OwningHost() override {
    if (goneFirst_) HostGone();
    element.reset();
  }
  void Invalidate() override {}
  void BroadcastSeriesEvent(ChartSeriesEvent, TPlotPersistent*) override {}
  bool ReadingStoredState() const override { return false; }
  void ElementAttached(TPlotPersistent*) override {}
  void ElementDetached(TPlotPersistent*) override {}

  std::unique_ptr<ProbingElement> element;

 private:
  bool goneFirst_;
};

}  // namespace

TEST(ParentChartReference, ReadsNullOnceItsHostIsGone) {
  auto host = std::make_unique<FakeChartHost>();
  ParentChartPtr a(host.get());
  ParentChartPtr b = a;
  ParentChartPtr none;
  EXPECT_EQ(a.get(), host.get());
  EXPECT_TRUE(b);
  EXPECT_FALSE(none);
  a->Invalidate();
  EXPECT_EQ(host->invalidations, 1);
  host.reset();
  EXPECT_EQ(a.get(), nullptr);
  EXPECT_EQ(b.get(), nullptr);
  EXPECT_FALSE(a);
}

TEST(ParentChartReference, OutlivesAHostWithoutTouchingIt) {
  ParentChartPtr survivor;
  {
    FakeChartHost host;
    survivor = &host;
    ASSERT_TRUE(survivor == &host);
  }
  EXPECT_EQ(survivor.get(), nullptr);  // ASan would report a read of the freed host
  survivor = nullptr;
  EXPECT_FALSE(survivor);
}

TEST(ParentChartReference, ElementsFreedByTheirHostSeeNoHalfDestroyedChart) {
  for (bool goneFirst : {true, false}) {
    ChartHost* seen = reinterpret_cast<ChartHost*>(1);
    {
      OwningHost host(goneFirst);
      host.element.reset(new ProbingElement{ParentChartPtr(&host), &seen});
    }
    if (goneFirst)
      EXPECT_EQ(seen, nullptr);
    else
      EXPECT_NE(seen, nullptr) << "without HostGone() the element still sees the host";
  }
}
