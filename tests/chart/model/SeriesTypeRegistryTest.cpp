// The gallery's series and function types: kept once per pair, in the order
// registered, each class creatable by name; tools registered the same way.
#include "chart/core/ChartEngine.h"
#include "chart/core/ChartExceptions.h"
#include "chart/model/TPlotSeriesTypes.h"

#include <QObject>

#include <gtest/gtest.h>

class TGallerySeriesA : public TPlotPersistent {
  Q_OBJECT
 public:
  explicit TGallerySeriesA(QObject* owner = nullptr) : TPlotPersistent({}, owner) {}
};

class TGallerySeriesB : public TPlotPersistent {
  Q_OBJECT
 public:
  explicit TGallerySeriesB(QObject* owner = nullptr) : TPlotPersistent({}, owner) {}
};

class TGalleryFunction : public TPlotPersistent {
  Q_OBJECT
 public:
  explicit TGalleryFunction(QObject* owner = nullptr) : TPlotPersistent({}, owner) {}
};

class TGalleryTool : public TPlotPersistent {
  Q_OBJECT
 public:
  explicit TGalleryTool(QObject* owner = nullptr) : TPlotPersistent({}, owner) {}
};

namespace other {
// Another class under the name of the first series, as a copy-and-paste slip makes.
class TGallerySeriesA : public TPlotPersistent {
  Q_OBJECT
 public:
  explicit TGallerySeriesA(QObject* owner = nullptr) : TPlotPersistent({}, owner) {}
};
}  // namespace other

namespace {

const auto A = PlotClassSpec::Of<TGallerySeriesA>;
const auto B = PlotClassSpec::Of<TGallerySeriesB>;
const auto F = PlotClassSpec::Of<TGalleryFunction>;

struct Row {
  const QMetaObject* series;
  const QMetaObject* function;
  ChartMsg description;
  int count;
};

TEST(SeriesTypeRegistryKeepsPairsOnceInOrder, AcrossRepeatsAndKinds) {
  ChartClassRegistry classes;
  TPlotSeriesTypes types;
  types.RegisterPlotSeries(classes, B(), {}, ChartMsg::GalleryBar, ChartMsg::PageStandard, 2);
  types.RegisterPlotSeries(classes, A(), {}, ChartMsg::GalleryLine, ChartMsg::PageStandard, 2);
  types.RegisterPlotSeries(classes, {}, F(), ChartMsg::FunctionAdd, ChartMsg::PageStandard, 2);
  types.RegisterPlotSeries(classes, A(), F(), ChartMsg::FunctionCopy, ChartMsg::PageFunctions, 1);
  // The same pairs again (an engine restart, a unit registering twice).
  types.RegisterPlotSeries(classes, B(), {}, ChartMsg::GalleryPie, ChartMsg::PageExtended, 1);
  types.RegisterPlotSeries(classes, {}, F(), ChartMsg::FunctionAdd, ChartMsg::PageStandard, 2);

  const Row expected[] = {
      {&TGallerySeriesB::staticMetaObject, nullptr, ChartMsg::GalleryBar, 2},
      {&TGallerySeriesA::staticMetaObject, nullptr, ChartMsg::GalleryLine, 2},
      {nullptr, &TGalleryFunction::staticMetaObject, ChartMsg::FunctionAdd, 2},
      {&TGallerySeriesA::staticMetaObject, &TGalleryFunction::staticMetaObject,
       ChartMsg::FunctionCopy, 1},
  };
  ASSERT_EQ(types.Count(), 4);
  for (int i = 0; i < types.Count(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(types[i].SeriesClass, expected[i].series);
    EXPECT_EQ(types[i].FunctionClass, expected[i].function);
    EXPECT_EQ(types[i].Description, expected[i].description);
    EXPECT_EQ(types[i].NumGallerySeries, expected[i].count);
  }
  // Each class once in the class registry, of its kind.
  EXPECT_EQ(classes.Entries(ChartClassKind::Series).size(), 2);
  EXPECT_EQ(classes.Entries(ChartClassKind::Function).size(), 1);
  // The plain entry of a class, not the one with a function.
  EXPECT_EQ(types.FindByClass(&TGallerySeriesA::staticMetaObject), &types[1]);
  EXPECT_EQ(types.FindByClass(&TGalleryTool::staticMetaObject), nullptr);
  EXPECT_THROW(types.GetItem(4), ChartException);
  EXPECT_THROW(types.GetItem(-1), ChartException);
}

TEST(SeriesTypeRegistryKeepsPairsOnceInOrder, EveryRegisteredNameCreatesItsClass) {
  ChartClassRegistry classes;
  TPlotSeriesTypes types;
  TPlotToolTypes tools;
  types.RegisterPlotSeries(classes, A(), {}, ChartMsg::GalleryLine, ChartMsg::PageStandard, 2);
  types.RegisterPlotSeries(classes, B(), F(), ChartMsg::FunctionAdd, ChartMsg::PageStandard, 2);
  tools.Register(classes, PlotClassSpec::Of<TGalleryTool>());
  tools.Register(classes, PlotClassSpec::Of<TGalleryTool>());
  ASSERT_EQ(tools.Count(), 1);
  EXPECT_EQ(tools.Get(0), &TGalleryTool::staticMetaObject);
  EXPECT_THROW(tools.Get(1), ChartException);

  std::vector<const QMetaObject*> all = {tools.Get(0)};
  for (int i = 0; i < types.Count(); ++i) {
    for (const QMetaObject* m : {types[i].SeriesClass, types[i].FunctionClass}) {
      if (m) all.push_back(m);
    }
  }
  ASSERT_EQ(all.size(), 4u);
  QObject owner;
  for (const QMetaObject* m : all) {
    SCOPED_TRACE(m->className());
    TPlotPersistent* made = classes.Create(QString::fromLatin1(m->className()), &owner);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->metaObject(), m);
    EXPECT_EQ(made->parent(), &owner);
  }
}

TEST(SeriesTypeRegistryKeepsPairsOnceInOrder, AClassUnderATakenNameAddsNoEntry) {
  ChartClassRegistry classes;
  TPlotSeriesTypes types;
  types.RegisterPlotSeries(classes, A(), {}, ChartMsg::GalleryLine, ChartMsg::PageStandard, 2);
  EXPECT_THROW(types.RegisterPlotSeries(classes, PlotClassSpec::Of<other::TGallerySeriesA>(), {},
                                        ChartMsg::GalleryBar, ChartMsg::PageStandard, 2),
               ChartException);
  EXPECT_EQ(types.Count(), 1);
}

void registerGallery(ChartClassRegistry& r) {
  RegisterSeriesClass<TGallerySeriesA>(r, ChartMsg::GalleryFastLine, ChartMsg::PageStandard, 2);
  RegisterBasicFunctionClass<TGalleryFunction>(r, ChartMsg::FunctionAverage);
}

TEST(SeriesTypeRegistryKeepsPairsOnceInOrder, TextsComeFromTheMessageTableWhenRead) {
  PlotSeriesTypes().Clear();
  {
    ChartEngineScope engine({registerGallery});
    ASSERT_EQ(PlotSeriesTypes().Count(), 2);
    EXPECT_EQ(PlotSeriesTypes()[0].DescriptionText(), QStringLiteral("Fast Line"));
    EXPECT_EQ(PlotSeriesTypes()[1].DescriptionText(), QStringLiteral("Average"));
    EXPECT_EQ(PlotSeriesTypes()[1].GalleryPageText(), QStringLiteral("Standard"));
    EXPECT_EQ(PlotSeriesTypes()[1].NumGallerySeries, 2);
    TGallerySeriesA a;
    TGallerySeriesB b;
    EXPECT_EQ(GallerySeriesName(a), QStringLiteral("Fast Line"));
    EXPECT_EQ(GallerySeriesName(b), QStringLiteral("TGallerySeriesB"));
  }
  // No table: the entries stay, their texts are empty until the next start.
  EXPECT_EQ(PlotSeriesTypes()[0].DescriptionText(), QString());
  {
    ChartEngineScope again;  // the registrar runs again and adds nothing
    EXPECT_EQ(PlotSeriesTypes().Count(), 2);
    EXPECT_NE(ChartClasses().Find(QStringLiteral("TGallerySeriesA")), nullptr);
  }
  RemoveChartClassRegistrar(registerGallery);
  PlotSeriesTypes().Clear();
}

TEST(SeriesTypeRegistryKeepsPairsOnceInOrder, NewSeriesNameTakesTheFirstFreeNumber) {
  ChartEngineScope engine;  // the word comes from the message table
  QObject owner;
  EXPECT_EQ(NewSeriesName(&owner), QStringLiteral("Series1"));
  for (const char* name : {"Series1", "series3", "Chart1"}) {
    auto* child = new QObject(&owner);
    child->setObjectName(QString::fromLatin1(name));
  }
  EXPECT_EQ(NewSeriesName(&owner), QStringLiteral("Series2"));
  EXPECT_EQ(NewSeriesName(nullptr), QStringLiteral("Series1"));
}

}  // namespace

#include "SeriesTypeRegistryTest.moc"
