// The canvas attribute classes pass the checks every persistent chart class
// passes (declared defaults, one change per change, walker copies), keep the
// stored order, and their pictures travel as stored extras.
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartGradient.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TPicture.h"
#include "chart/canvas/TPlotCustomShape.h"
#include "chart/canvas/TPlotFont.h"
#include "chart/canvas/TPlotShadow.h"
#include "chart/canvas/TView3DOptions.h"
#include "chart/core/ChartDefaults.h"
#include "chart/core/PublishedProperties.h"
#include "tests/chart/support/PublishedPropertyChecks.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

template <class T>
PublishedClassRow Row(const char* name) {
  return {name, [](TPlotPersistent::ChangeHandler onChange) {
            return std::unique_ptr<TPlotPersistent>(new T(std::move(onChange)));
          }};
}

const std::vector<PublishedClassRow> kCanvasClasses = {
    Row<TChartPen>("TChartPen"),
    Row<TChartHiddenPen>("TChartHiddenPen"),
    Row<TDottedGrayPen>("TDottedGrayPen"),
    Row<TDarkGrayPen>("TDarkGrayPen"),
    Row<TChartAxisPen>("TChartAxisPen"),
    Row<TChartArrowPen>("TChartArrowPen"),
    Row<TChartBrush>("TChartBrush"),
    Row<TPlotShadow>("TPlotShadow"),
    Row<TPlotFont>("TPlotFont"),
    Row<TView3DOptions>("TView3DOptions"),
    Row<TChartGradient>("TChartGradient"),
    {"TPlotCustomShape",
     [](TPlotPersistent::ChangeHandler onChange) {
       return std::unique_ptr<TPlotPersistent>(new TPlotCustomShape(nullptr, std::move(onChange)));
     }},
};

}  // namespace

PUBLISHED_PROPERTY_TESTS(Canvas, kCanvasClasses);

namespace {

TEST(CanvasPublishedProperties, KeepTheStoredOrder) {
  EXPECT_EQ(PublishedNames(TDottedGrayPen::staticMetaObject),
            "Color Mode Style Width EndStyle SmallDots Visible");
  EXPECT_EQ(PublishedNames(TChartBrush::staticMetaObject), "Color Style Image");
  EXPECT_EQ(PublishedNames(TPlotFont::staticMetaObject),
            "Charset Color Height InterCharSize Name OutLine Shadow Style Size");
  EXPECT_EQ(PublishedNames(TChartGradient::staticMetaObject),
            "Direction EndColor MidColor StartColor Visible");
  EXPECT_EQ(PublishedNames(TPlotCustomShape::staticMetaObject),
            "Brush Frame Visible Bevel BevelWidth Color Font Gradient ShadowColor ShadowSize "
            "ShapeStyle Transparency Transparent");
  EXPECT_EQ(PublishedNames(TView3DOptions::staticMetaObject),
            "Elevation HorizOffset OrthoAngle Orthogonal Perspective Rotation Tilt VertOffset Zoom "
            "ZoomText");
}

TEST(CanvasPublishedProperties, FontStartsFromTheEngineDefault) {
  const QString oldName = DefaultChartFontName();
  const int oldSize = DefaultChartFontSize();
  SetDefaultChartFont(QStringLiteral("DejaVu Serif"), 10);
  TPlotFont font;
  SetDefaultChartFont(oldName, oldSize);
  EXPECT_EQ(font.Name(), "DejaVu Serif");
  EXPECT_EQ(font.Size(), 10);
}

TEST(CanvasPublishedProperties, BrushPicturesCopyAndCompareByImage) {
  TChartBrush a;
  TChartBrush b;
  QImage image(3, 3, QImage::Format_RGB32);
  image.fill(Qt::green);
  a.Image()->SetImage(image);
  a.Image()->SetTransparent(true);
  EXPECT_FALSE(SamePublished(a, b));
  CopyPublished(a, b);
  EXPECT_TRUE(SamePublished(a, b));
  EXPECT_EQ(b.Image()->Image(), image);
  EXPECT_TRUE(b.Image()->Transparent());

  // Stored extras are untrusted: a value of the wrong type changes nothing.
  int changes = 0;
  TPicture picture([&changes] { ++changes; });
  EXPECT_TRUE(
      picture.ReadExtraStored(QStringLiteral("Data"), QVariant(QStringLiteral("not an image"))));
  EXPECT_TRUE(
      picture.ReadExtraStored(QStringLiteral("Transparent"), QVariant(QStringLiteral("yes"))));
  EXPECT_FALSE(picture.ReadExtraStored(QStringLiteral("Other"), QVariant(1)));
  EXPECT_TRUE(picture.Empty());
  EXPECT_FALSE(picture.Transparent());
  EXPECT_TRUE(picture.ReadExtraStored(QStringLiteral("Data"), QVariant(image)));
  EXPECT_TRUE(picture.ReadExtraStored(QStringLiteral("Data"), QVariant(image)));
  EXPECT_EQ(changes, 1);
}

}  // namespace
