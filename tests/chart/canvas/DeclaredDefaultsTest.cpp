// Every chart attribute class starts with the values its declared defaults
// name, so "stored only when not default" never writes a fresh object, and
// the variants override exactly what they claim.
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TPlotFont.h"
#include "chart/canvas/TPlotShadow.h"
#include "chart/canvas/TView3DOptions.h"
#include "chart/core/ChartDefaults.h"

#include <gtest/gtest.h>

#include <QMetaClassInfo>
#include <QMetaEnum>
#include <QMetaProperty>

#include <functional>
#include <memory>

namespace {

QString declaredDefault(const QMetaObject* meta, const char* property) {
  const int index = meta->indexOfClassInfo(QByteArray("default:") + property);
  return index < 0 ? QString() : QString::fromUtf8(meta->classInfo(index).value());
}

// The declared default of `prop`, read as the meta-object would store it.
QVariant parseDefault(const QMetaProperty& prop, const QString& text) {
  if (prop.isEnumType()) {
    if (prop.isFlagType() && text.isEmpty()) return QVariant(0);
    bool ok = false;
    const QByteArray key = text.toUtf8();
    const int value = prop.isFlagType() ? prop.enumerator().keysToValue(key.constData(), &ok)
                                        : prop.enumerator().keyToValue(key.constData(), &ok);
    return ok ? QVariant(value) : QVariant();
  }
  if (text.startsWith(QLatin1Char('$'))) return QVariant(text.mid(1).toUInt(nullptr, 16));
  if (text == QLatin1String("true")) return true;
  if (text == QLatin1String("false")) return false;
  if (prop.metaType().id() == QMetaType::QString) return text;
  return QVariant(text.toLongLong());
}

struct DefaultsCase {
  const char* name;
  std::function<std::unique_ptr<QObject>()> make;
  int expectedDeclared;  // how many defaults the class names, inherited ones included
};

void PrintTo(const DefaultsCase& c, std::ostream* os) {
  *os << c.name;
}

class DeclaredDefaults : public testing::TestWithParam<DefaultsCase> {};

TEST_P(DeclaredDefaults, FreshObjectHoldsThem) {
  const std::unique_ptr<QObject> object = GetParam().make();
  const QMetaObject* meta = object->metaObject();
  int declared = 0;
  for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
    const QMetaProperty prop = meta->property(i);
    const QString text = declaredDefault(meta, prop.name());
    if (text.isNull()) continue;
    ++declared;
    if (text == QLatin1String("@startup")) continue;
    const QVariant want = parseDefault(prop, text);
    ASSERT_TRUE(want.isValid()) << prop.name() << " default " << text.toStdString();
    QVariant have = prop.read(object.get());
    if (prop.isEnumType()) have = QVariant(have.toInt());
    if (want.metaType().id() == QMetaType::LongLong) have = QVariant(have.toLongLong());
    if (want.metaType().id() == QMetaType::UInt) have = QVariant(have.toUInt());
    EXPECT_EQ(have, want) << GetParam().name << "." << prop.name();
  }
  EXPECT_EQ(declared, GetParam().expectedDeclared);
}

template <class T>
std::function<std::unique_ptr<QObject>()> maker() {
  return [] { return std::make_unique<T>(); };
}

INSTANTIATE_TEST_SUITE_P(
    Classes, DeclaredDefaults,
    testing::Values(DefaultsCase{"TChartPen", maker<TChartPen>(), 7},
                    DefaultsCase{"TChartHiddenPen", maker<TChartHiddenPen>(), 7},
                    DefaultsCase{"TDottedGrayPen", maker<TDottedGrayPen>(), 7},
                    DefaultsCase{"TDarkGrayPen", maker<TDarkGrayPen>(), 7},
                    DefaultsCase{"TChartAxisPen", maker<TChartAxisPen>(), 7},
                    DefaultsCase{"TChartArrowPen", maker<TChartArrowPen>(), 7},
                    DefaultsCase{"TChartBrush", maker<TChartBrush>(), 2},
                    DefaultsCase{"TPlotShadow", maker<TPlotShadow>(), 3},
                    DefaultsCase{"TPlotFont", maker<TPlotFont>(), 6},
                    DefaultsCase{"TView3DOptions", maker<TView3DOptions>(), 10}),
    [](const testing::TestParamInfo<DefaultsCase>& info) { return info.param.name; });

TEST(DeclaredDefaults, PropertiesKeepTheStoredOrder) {
  auto names = [](const QMetaObject& meta) {
    QStringList out;
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta.propertyCount(); ++i)
      out << QString::fromLatin1(meta.property(i).name());
    return out.join(QLatin1Char(' '));
  };
  EXPECT_EQ(names(TDottedGrayPen::staticMetaObject),
            "Color Mode Style Width EndStyle SmallDots Visible");
  EXPECT_EQ(names(TChartBrush::staticMetaObject), "Color Style Image");
  EXPECT_EQ(names(TPlotFont::staticMetaObject),
            "Charset Color Height InterCharSize Name OutLine Shadow Style Size");
  EXPECT_EQ(names(TView3DOptions::staticMetaObject),
            "Elevation HorizOffset OrthoAngle Orthogonal Perspective Rotation Tilt VertOffset Zoom "
            "ZoomText");
  EXPECT_FALSE(
      TPlotFont::staticMetaObject.property(TPlotFont::staticMetaObject.indexOfProperty("Size"))
          .isStored());
}

TEST(DeclaredDefaults, FontStartsFromTheEngineDefault) {
  const QString oldName = DefaultChartFontName();
  const int oldSize = DefaultChartFontSize();
  SetDefaultChartFont(QStringLiteral("DejaVu Serif"), 10);
  TPlotFont font;
  SetDefaultChartFont(oldName, oldSize);
  EXPECT_EQ(font.Name(), "DejaVu Serif");
  EXPECT_EQ(font.Height(), -13);
  EXPECT_EQ(font.Size(), 10);
  EXPECT_FALSE(font.OutLine()->Visible());
  EXPECT_EQ(font.Shadow()->Color(), base::clSilver);
}

}  // namespace
