// The published-property mechanism, checked over a table of classes. The
// table starts with sample classes that use every kind of property; each
// chart layer's own PublishedPropertiesTest.cpp adds its real classes.
#include "chart/core/ChartDefaults.h"
#include "chart/core/PublishedProperties.h"
#include "chart/core/TChartValueList.h"
#include "chart/core/TPlotPersistent.h"
#include "tests/base/LocaleScope.h"
#include "tests/chart/support/PublishedPropertyChecks.h"

#include <gtest/gtest.h>
#include <QImage>

#include <limits>

// A nested object: changes go to its owner.
class TSampleEdge : public TPlotPersistent {
  Q_OBJECT
  Q_PROPERTY(uint Color READ Color WRITE SetColor)
  Q_CLASSINFO("default:Color", "$000000")
  Q_CLASSINFO("kind:Color", "color")
  Q_PROPERTY(int Width READ Width WRITE SetWidth)
  Q_CLASSINFO("default:Width", "1")
  // Another name for Width: not stored, so it needs no default.
  Q_PROPERTY(int Thickness READ Width WRITE SetWidth STORED false)

 public:
  using TPlotPersistent::TPlotPersistent;
  uint Color() const { return color_; }
  void SetColor(uint c) { Store(color_, c); }
  int Width() const { return width_; }
  void SetWidth(int w) { Store(width_, w); }

 private:
  uint color_ = 0;
  int width_ = 1;
};

// A picture object: its image is stored besides the published values.
class TSamplePicture : public TPlotPersistent {
  Q_OBJECT

 public:
  using TPlotPersistent::TPlotPersistent;
  QImage image;

  void Assign(const TSamplePicture& other) { Store(image, other.image); }
  QStringList ExtraStoredNames() const override { return {QStringLiteral("Data")}; }
  QVariant ExtraStoredValue(const QString& name) const override {
    return name == QLatin1String("Data") ? QVariant(image) : QVariant();
  }
  bool ReadExtraStored(const QString& name, const QVariant& value) override {
    if (name != QLatin1String("Data") || !value.canConvert<QImage>()) return false;
    Store(image, value.value<QImage>());
    return true;
  }
};

// One property of every kind.
class TSampleWall : public TPlotPersistent {
  Q_OBJECT
 public:
  enum TSampleShape { esRound, esSquare, esDiamond };
  Q_ENUM(TSampleShape)
  enum TSampleOption { soShadow = 1, soFrame = 2, soClip = 4 };
  Q_DECLARE_FLAGS(TSampleOptions, TSampleOption)
  Q_FLAG(TSampleOptions)

 private:
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_CLASSINFO("default:Visible", "true")
  Q_PROPERTY(uint Color READ Color WRITE SetColor)
  Q_CLASSINFO("default:Color", "$1FFFFFFF")
  Q_CLASSINFO("kind:Color", "color")
  Q_PROPERTY(double Transparency READ Transparency WRITE SetTransparency)
  Q_CLASSINFO("default:Transparency", "0.5")
  Q_PROPERTY(TSampleShape Shape READ Shape WRITE SetShape)
  Q_CLASSINFO("default:Shape", "esSquare")
  Q_PROPERTY(TSampleOptions Options READ Options WRITE SetOptions)
  Q_CLASSINFO("default:Options", "soShadow|soClip")
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_CLASSINFO("default:Caption", "Wall")
  Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
  Q_CLASSINFO("default:FontName", "@startup")
  Q_PROPERTY(int Size READ Size WRITE SetSize)
  Q_CLASSINFO("default:Size", "@owner")
  Q_PROPERTY(QImage Picture READ Picture WRITE SetPicture)
  Q_CLASSINFO("kind:Picture", "picture")
  Q_PROPERTY(QStringList Labels READ Labels WRITE SetLabels)
  Q_CLASSINFO("kind:Labels", "collection")
  Q_PROPERTY(TSampleEdge* Edge READ Edge)
  Q_PROPERTY(TSamplePicture* Back READ Back WRITE SetBack)
  Q_CLASSINFO("kind:Back", "picture")

 public:
  explicit TSampleWall(ChangeHandler onChange = {}, int size = 4,
                       QString caption = QStringLiteral("Wall"))
      : TPlotPersistent(std::move(onChange)),
        caption_(std::move(caption)),
        size_(size),
        edge_([this] { Changed(); }, this),
        back_([this] { Changed(); }, this) {}

  bool Visible() const { return visible_; }
  void SetVisible(bool v) { Store(visible_, v); }
  uint Color() const { return color_; }
  void SetColor(uint c) { Store(color_, c); }
  double Transparency() const { return transparency_; }
  void SetTransparency(double t) { Store(transparency_, t); }
  TSampleShape Shape() const { return shape_; }
  void SetShape(TSampleShape s) { Store(shape_, s); }
  TSampleOptions Options() const { return options_; }
  void SetOptions(TSampleOptions o) { Store(options_, o); }
  QString Caption() const { return caption_; }
  void SetCaption(const QString& c) { Store(caption_, c); }
  QString FontName() const { return fontName_; }
  void SetFontName(const QString& f) { Store(fontName_, f); }
  int Size() const { return size_; }
  void SetSize(int s) { Store(size_, s); }
  QImage Picture() const { return picture_; }
  void SetPicture(const QImage& p) { Store(picture_, p); }
  QStringList Labels() const { return labels_; }
  void SetLabels(const QStringList& l) { Store(labels_, l); }
  TSampleEdge* Edge() { return &edge_; }
  TSamplePicture* Back() { return &back_; }
  // Copies the picture, as setters of nested objects do.
  void SetBack(TSamplePicture* p) {
    if (p) back_.Assign(*p);
  }

  // A value stored besides the published ones.
  QStringList ExtraStoredNames() const override { return {QStringLiteral("Identifier")}; }
  QVariant ExtraStoredValue(const QString& name) const override {
    return name == QLatin1String("Identifier") ? QVariant(identifier_) : QVariant();
  }
  bool ReadExtraStored(const QString& name, const QVariant& value) override {
    if (name != QLatin1String("Identifier")) return false;
    identifier_ = value.toString();
    return true;
  }
  QString identifier_;

 private:
  bool visible_ = true;
  uint color_ = 0x1FFFFFFF;
  double transparency_ = 0.5;
  TSampleShape shape_ = esSquare;
  TSampleOptions options_ = TSampleOptions(soShadow) | soClip;
  QString caption_;
  QString fontName_ = DefaultChartFontName();
  int size_;
  QImage picture_;
  QStringList labels_;
  TSampleEdge edge_;
  TSamplePicture back_;
};

// A derived class with its own default for an inherited property.
class TSampleBackWall : public TSampleWall {
  Q_OBJECT
  Q_CLASSINFO("default:Caption", "Back")

 public:
  explicit TSampleBackWall(ChangeHandler onChange = {})
      : TSampleWall(std::move(onChange), 4, QStringLiteral("Back")) {}
};

namespace {

template <class T>
PublishedClassRow Row(const char* name) {
  return {name, [](TPlotPersistent::ChangeHandler onChange) {
            return std::unique_ptr<TPlotPersistent>(new T(std::move(onChange)));
          }};
}

const PublishedClassRow kCoreClasses[] = {
    Row<TSampleEdge>("TSampleEdge"),
    Row<TSampleWall>("TSampleWall"),
    Row<TSampleBackWall>("TSampleBackWall"),
    {"TChartValueList",
     [](TPlotPersistent::ChangeHandler onChange) {
       return std::unique_ptr<TPlotPersistent>(
           new TChartValueList(nullptr, QStringLiteral("Y"), std::move(onChange)));
     }},
};

}  // namespace

PUBLISHED_PROPERTY_TESTS(Core, kCoreClasses);

TEST(CorePublishedProperties, KeepTheStoredOrder) {
  EXPECT_EQ(PublishedNames(TChartValueList::staticMetaObject), "DateTime Name Order ValueSource");
}

TEST(PublishedPropertyWalk, ListsKindsAndDefaultsInDeclarationOrder) {
  TSampleWall wall;
  const QList<PublishedProperty> props = PublishedProperties(wall);
  struct Expected {
    const char* name;
    PublishedKind kind;
    DefaultSource source;
  };
  const Expected expected[] = {
      {"Visible", PublishedKind::Value, DefaultSource::Declared},
      {"Color", PublishedKind::Color, DefaultSource::Declared},
      {"Transparency", PublishedKind::Value, DefaultSource::Declared},
      {"Shape", PublishedKind::Value, DefaultSource::Declared},
      {"Options", PublishedKind::Value, DefaultSource::Declared},
      {"Caption", PublishedKind::Value, DefaultSource::Declared},
      {"FontName", PublishedKind::Value, DefaultSource::Startup},
      {"Size", PublishedKind::Value, DefaultSource::Owner},
      {"Picture", PublishedKind::Picture, DefaultSource::Declared},
      {"Labels", PublishedKind::Collection, DefaultSource::Declared},
      {"Edge", PublishedKind::Object, DefaultSource::Undeclared},
      {"Back", PublishedKind::Picture, DefaultSource::Undeclared},
  };
  ASSERT_EQ(props.size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(props[i].name, QLatin1String(expected[i].name));
    EXPECT_EQ(props[i].kind, expected[i].kind);
    EXPECT_EQ(props[i].defaultSource, expected[i].source);
  }
  EXPECT_EQ(props[1].defaultValue.toUInt(), 0x1FFFFFFFu);
  EXPECT_EQ(props[3].defaultValue.toInt(), TSampleWall::esSquare);
  EXPECT_EQ(props[4].defaultValue.toInt(), TSampleWall::soShadow | TSampleWall::soClip);
  EXPECT_EQ(PublishedObject(wall, props[10]), wall.Edge());
  EXPECT_TRUE(props[10].nested && props[11].nested && !props[9].nested);
}

TEST(PublishedPropertyWalk, DefaultsReadTheSameUnderAnyLocale) {
  LocaleScope german(LocaleScope::german());
  TSampleWall wall;
  for (const PublishedProperty& p : PublishedProperties(wall)) {
    if (p.name == QLatin1String("Transparency")) {
      EXPECT_EQ(p.defaultValue.toDouble(), 0.5);
      EXPECT_TRUE(IsDefaultValue(wall, p));
    }
  }
}

TEST(PublishedPropertyWalk, CopyTakesNestedValuesAndExtrasNotPointers) {
  TSampleWall from, to;
  from.Edge()->SetWidth(7);
  from.identifier_ = QStringLiteral("id-3");
  from.Back()->image = QImage(4, 3, QImage::Format_RGB32);
  from.Back()->image.fill(Qt::red);
  TSampleEdge* ownEdge = to.Edge();
  TSamplePicture* ownBack = to.Back();
  int changes = 0;
  to.SetChangeHandler([&] { ++changes; });
  CopyPublished(from, to);
  EXPECT_EQ(to.Edge(), ownEdge);
  EXPECT_EQ(to.Back(), ownBack);
  EXPECT_EQ(to.Edge()->Width(), 7);
  EXPECT_EQ(to.Back()->image, from.Back()->image);
  EXPECT_EQ(changes, 2) << "the edge and the picture, once each";
  EXPECT_TRUE(SamePublished(from, to));
  to.Back()->image.fill(Qt::blue);
  EXPECT_FALSE(SamePublished(from, to)) << "a picture's image takes part in the comparison";
  to.Back()->image = from.Back()->image;
  EXPECT_EQ(to.identifier_, QStringLiteral("id-3"));
  to.identifier_ = QStringLiteral("other");
  EXPECT_FALSE(SamePublished(from, to)) << "extras take part in the comparison";
}

TEST(PublishedPropertyWalk, NaNEqualsNaNAndStoringItAgainIsNoChange) {
  int changes = 0;
  TSampleWall a([&] { ++changes; });
  TSampleWall b;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  a.SetTransparency(nan);
  b.SetTransparency(nan);
  EXPECT_EQ(changes, 1);
  a.SetTransparency(nan);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(SamePublished(a, b));
}

#include "PublishedPropertiesTest.moc"
