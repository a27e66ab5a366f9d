// Chart classes by name: what chart files and the gallery create through.
#include "chart/core/ChartClassRegistry.h"
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartExceptions.h"
#include "chart/core/ChartMessages.h"
#include "tests/base/LocaleScope.h"

#include <gtest/gtest.h>

#include <memory>

class TRegistrySeries : public TPlotPersistent {
  Q_OBJECT
 public:
  explicit TRegistrySeries(QObject* owner = nullptr) : TPlotPersistent({}, owner) {}
};

class TRegistryFunction : public TPlotPersistent {
  Q_OBJECT
 public:
  explicit TRegistryFunction(QObject* owner = nullptr) : TPlotPersistent({}, owner) {}
};

// Another class that claims the series' name, as a copy-and-paste slip would.
namespace other {
class TRegistrySeries : public TPlotPersistent {
  Q_OBJECT
 public:
  explicit TRegistrySeries(QObject* owner = nullptr) : TPlotPersistent({}, owner) {}
};
}  // namespace other

namespace {

void registerBoth(ChartClassRegistry& r) {
  r.Register<TRegistrySeries>(ChartClassKind::Series);
  r.Register<TRegistryFunction>(ChartClassKind::Function);
}

void registerClash(ChartClassRegistry& r) {
  r.Register<other::TRegistrySeries>(ChartClassKind::Other);
}

}  // namespace

TEST(ChartClassRegistry, CreatesByNameInAnyCase) {
  ChartClassRegistry r;
  registerBoth(r);
  QObject owner;
  for (const char* name : {"TRegistrySeries", "tregistryseries", "TREGISTRYSERIES"}) {
    SCOPED_TRACE(name);
    TPlotPersistent* made = r.Create(QString::fromLatin1(name), &owner);
    ASSERT_NE(made, nullptr);
    EXPECT_NE(qobject_cast<TRegistrySeries*>(made), nullptr);
    EXPECT_EQ(made->parent(), &owner);
  }
  const ChartClassEntry* f = r.Find(QStringLiteral("tRegistryFunction"));
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->kind, ChartClassKind::Function);
  EXPECT_EQ(f->metaObject, &TRegistryFunction::staticMetaObject);
  EXPECT_EQ(f->name, QStringLiteral("TRegistryFunction"));
  // Each kind lists its classes in registration order.
  ASSERT_EQ(r.Entries(ChartClassKind::Series).size(), 1);
  EXPECT_EQ(r.Entries(ChartClassKind::Series)[0]->name, QStringLiteral("TRegistrySeries"));
  EXPECT_TRUE(r.Entries(ChartClassKind::Tool).isEmpty());
  EXPECT_EQ(r.Count(), 2);
}

TEST(ChartClassRegistry, UnknownNamesGiveNull) {
  ChartClassRegistry r;
  registerBoth(r);
  for (const char* name : {"", "TRegistry", "TRegistrySeriesX", "TPlotPersistent", "QObject"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(r.Find(QString::fromLatin1(name)), nullptr);
    EXPECT_EQ(r.Create(QString::fromLatin1(name)), nullptr);
  }
}

TEST(ChartClassRegistry, ADuplicateNameRaisesAndKeepsTheFirst) {
  ChartClassRegistry r;
  registerBoth(r);
  EXPECT_THROW(registerClash(r), ChartException);
  EXPECT_THROW(r.Register<TRegistrySeries>(ChartClassKind::Series), ChartException);
  EXPECT_EQ(r.Count(), 2);
  EXPECT_EQ(r.Find(QStringLiteral("TRegistrySeries"))->metaObject,
            &TRegistrySeries::staticMetaObject);
}

TEST(ChartClassRegistry, StartUpRegistersAndLastStopForgets) {
  {
    ChartEngineScope engine({registerBoth});
    std::unique_ptr<TPlotPersistent> made(ChartClasses().Create(QStringLiteral("tregistryseries")));
    EXPECT_NE(made, nullptr);
    ChartEngineScope nested({registerBoth});  // already added: not run twice
    EXPECT_EQ(ChartClasses().Count(), 2);
  }
  EXPECT_EQ(ChartClasses().Count(), 0);
  RemoveChartClassRegistrar(registerBoth);
}

TEST(ChartClassRegistry, ADuplicateFailsTheStartUpWhichUndoesItself) {
  AddChartClassRegistrar(registerBoth);
  AddChartClassRegistrar(registerClash);
  EXPECT_THROW(StartChartEngine(), ChartException);
  EXPECT_FALSE(ChartEngineRunning());
  EXPECT_EQ(ChartClasses().Count(), 0);
  EXPECT_TRUE(ChartText(ChartMsg::Banner).isEmpty());
  RemoveChartClassRegistrar(registerClash);
  {
    ChartEngineScope engine;
    EXPECT_EQ(ChartClasses().Count(), 2);
    // Added while running: run at once, and not kept when it raises.
    EXPECT_THROW(AddChartClassRegistrar(registerClash), ChartException);
  }
  {
    ChartEngineScope engine;
    EXPECT_EQ(ChartClasses().Count(), 2);
  }
  RemoveChartClassRegistrar(registerBoth);
}

#include "ChartClassRegistryTest.moc"
