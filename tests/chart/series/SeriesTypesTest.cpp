// The series layer's types: made by name through the start-up
// registrations, offered by the gallery with their sub-styles, and copied
// between kinds.
#include "chart/core/ChartEngine.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "chart/series/SeriesTypeRegistrations.h"
#include "chart/series/TAreaSeries.h"
#include "chart/series/TBarSeries.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/series/THorizBarSeries.h"
#include "chart/series/THorizLineSeries.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

TEST(SeriesTypes, StartUpRegistersThemByNameAndInTheGallery) {
  ChartEngineScope engine({RegisterSeriesTypes});
  std::unique_ptr<TPlotPersistent> made(ChartClasses().Create(QStringLiteral("tfastlineseries")));
  auto* line = qobject_cast<TFastLineSeries*>(made.get());
  ASSERT_NE(line, nullptr);
  EXPECT_TRUE(line->AutoRepaint());
  EXPECT_TRUE(line->DrawAllPoints());
  EXPECT_FALSE(line->WholeValueAsPoint()) << "a whole-source value is a level line";
  const TPlotSeriesType* entry = PlotSeriesTypes().FindByClass(&TFastLineSeries::staticMetaObject);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->DescriptionText(), QStringLiteral("Fast Line"));
  EXPECT_EQ(entry->NumGallerySeries, 2);
}

TEST(SeriesTypes, FastLineCopiesItsSwitchesWithThePoints) {
  ChartEngineScope engine;
  TFastLineSeries a, b;
  a.SetAutoRepaint(false);
  a.SetDrawAllPoints(false);
  a.AddPointXY(1, 2);
  b.Assign(a);
  EXPECT_FALSE(b.AutoRepaint());
  EXPECT_FALSE(b.DrawAllPoints());
  EXPECT_EQ(b.PointCount(), 1);
}

}  // namespace

namespace {

// What each sub-style of the gallery sets, by name and index, one table per
// type: the check reads the property the style names.
struct SubStyle {
  const char* name;
  std::function<bool(const TCustomSeries&)> applied;
};

template <class T>
void CheckSubStyles(const std::vector<SubStyle>& styles) {
  ChartEngineScope engine;
  QStringList names;
  T probe;
  probe.CreateSubGallery([&](const QString& name) { names << name; });
  ASSERT_EQ(names.size(), static_cast<qsizetype>(styles.size()));
  for (std::size_t k = 0; k < styles.size(); ++k) {
    SCOPED_TRACE(styles[k].name);
    EXPECT_EQ(names[static_cast<qsizetype>(k)], QString::fromUtf8(styles[k].name));
    T s;
    s.SetSubGallery(static_cast<int>(k));
    EXPECT_TRUE(styles[k].applied(s));
  }
}

using P = TSeriesPointer;
bool Fresh(const TCustomSeries&) {
  return true;
}

TEST(SeriesTypes, GallerySubStylesSetWhatTheyName) {
  CheckSubStyles<TLineSeries>({
      {"Normal", [](const TCustomSeries& s) { return !s.Stairs() && !s.Pointer()->Visible(); }},
      {"Stairs", [](const TCustomSeries& s) { return s.Stairs(); }},
      {"Points", [](const TCustomSeries& s) { return s.Pointer()->Visible(); }},
      {"Height", [](const TCustomSeries& s) { return s.LineHeight() == 5; }},
      {"Hollow", [](const TCustomSeries& s) { return s.Brush()->Style() == Graphics::bsClear; }},
      {"Colors", [](const TCustomSeries& s) { return s.ColorEachPoint(); }},
      {"Marks", [](const TCustomSeries& s) { return s.Marks()->Visible(); }},
      {"No Border", [](const TCustomSeries& s) { return !s.LinePen()->Visible(); }},
  });
  auto style = [](P::TSeriesPointerStyle st) {
    return [st](const TCustomSeries& s) { return s.Pointer()->Style() == st; };
  };
  CheckSubStyles<TPointSeries>({
      {"Normal", Fresh},
      {"Colors", [](const TCustomSeries& s) { return s.ColorEachPoint(); }},
      {"Marks", [](const TCustomSeries& s) { return s.Marks()->Visible(); }},
      {"Hollow",
       [](const TCustomSeries& s) { return s.Pointer()->Brush()->Style() == Graphics::bsClear; }},
      {"No Border", [](const TCustomSeries& s) { return !s.Pointer()->Pen()->Visible(); }},
      {"Point 2D", [](const TCustomSeries& s) { return !s.Pointer()->Draw3D(); }},
      {"Triangle", style(P::psTriangle)},
      {"Star", style(P::psStar)},
      {"Circle",
       [](const TCustomSeries& s) {
         return s.Pointer()->Style() == P::psCircle && s.Pointer()->HorizSize() == 8 &&
                s.Pointer()->VertSize() == 8;
       }},
      {"Down Tri.", style(P::psDownTriangle)},
      {"Cross", style(P::psCross)},
      {"Diamond", style(P::psDiamond)},
  });
  CheckSubStyles<TAreaSeries>({
      {"Normal", Fresh},
      {"Stairs", [](const TCustomSeries& s) { return s.Stairs(); }},
      {"Marks", [](const TCustomSeries& s) { return s.Marks()->Visible(); }},
      {"Colors", [](const TCustomSeries& s) { return s.ColorEachPoint(); }},
      {"Hollow",
       [](const TCustomSeries& s) { return s.AreaChartBrush()->Style() == Graphics::bsClear; }},
      {"No Lines", [](const TCustomSeries& s) { return !s.AreaLinesPen()->Visible(); }},
      {"Stack", [](const TCustomSeries& s) { return s.Stacked() == TCustomSeries::cssStack; }},
      {"Stack 100%",
       [](const TCustomSeries& s) { return s.Stacked() == TCustomSeries::cssStack100; }},
      {"Points", [](const TCustomSeries& s) { return s.Pointer()->Visible(); }},
  });
}

TEST(SeriesTypes, LinesBarsAreasAndPointsAreRegisteredInGalleryOrder) {
  ChartEngineScope engine({RegisterSeriesTypes});
  const struct {
    const QMetaObject* meta;
    const char* description;
    int count;
  } types[] = {{&TLineSeries::staticMetaObject, "Line", 2},
               {&TBarSeries::staticMetaObject, "Bar", 2},
               {&THorizBarSeries::staticMetaObject, "Horiz. Bar", 2},
               {&TAreaSeries::staticMetaObject, "Area", 2},
               {&TPointSeries::staticMetaObject, "Point", 2},
               {&THorizLineSeries::staticMetaObject, "Horiz Line", 1}};
  int previous = -1;
  for (const auto& t : types) {
    SCOPED_TRACE(t.description);
    const TPlotSeriesType* entry = PlotSeriesTypes().FindByClass(t.meta);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->DescriptionText(), QString::fromUtf8(t.description));
    EXPECT_EQ(entry->NumGallerySeries, t.count);
    int index = 0;
    while (&PlotSeriesTypes()[index] != entry) ++index;
    EXPECT_GT(index, previous);
    previous = index;
    std::unique_ptr<TPlotPersistent> made(
        ChartClasses().Create(QString::fromUtf8(t.meta->className())));
    EXPECT_NE(made, nullptr);
  }
}

TEST(SeriesTypes, EachTypeCopiesAsItsOwnKind) {
  ChartEngineScope engine;
  TPointSeries points;
  points.SetStairs(true);
  points.Pointer()->SetStyle(TSeriesPointer::psStar);
  TLineSeries line;
  line.Assign(points);
  // A line copied from points keeps the settings but hides the markers and
  // draws its line.
  EXPECT_TRUE(line.Stairs());
  EXPECT_EQ(line.Pointer()->Style(), TSeriesPointer::psStar);
  EXPECT_FALSE(line.Pointer()->Visible());
  EXPECT_TRUE(line.DrawLine());
  TAreaSeries area;
  // Lines and areas show a function's whole-source value as a level.
  EXPECT_FALSE(line.WholeValueAsPoint());
  EXPECT_FALSE(area.WholeValueAsPoint());
  EXPECT_TRUE(points.WholeValueAsPoint());
  area.SetUseYOrigin(true);
  area.SetYOrigin(2.5);
  area.SetTransparency(250);
  EXPECT_EQ(area.Transparency(), 100);
  TAreaSeries copy;
  copy.Assign(area);
  EXPECT_TRUE(copy.UseYOrigin());
  EXPECT_DOUBLE_EQ(copy.YOrigin(), 2.5);
  EXPECT_EQ(copy.Transparency(), 100);
  TPointSeries back;
  back.Assign(line);
  EXPECT_TRUE(back.Pointer()->Visible());
  EXPECT_FALSE(back.DrawLine());
  EXPECT_FALSE(back.ClickableLine());
}

}  // namespace
