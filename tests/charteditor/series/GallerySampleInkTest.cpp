// Every sample of the gallery's two tabs, on each of their pages, in 2D and
// 3D, painted as its window paints it: each shows its series type as the
// types prepare themselves (a pie with its slices, bars one by one, point
// markers of the size for the sample), kept as pictures to look at.
#include "chart/canvas/QPainterBackend.h"
#include "chart/model/TPlotSeriesTypes.h"
#include "chart/series/TPointSeries.h"
#include "charteditor/series/GallerySampleWidget.h"
#include "charteditor/series/TChartGalleryPanel.h"
#include "charteditor/series/TGalleryChart.h"
#include "tests/charteditor/series/ListedChart.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <map>
#include <set>

namespace {

QImage Paint(TGalleryChart& chart) {
  QImage image(chart.Width(), chart.Height(), QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QPainterBackend backend(painter);
    chart.Draw(backend, TRect{0, 0, chart.Width(), chart.Height()});
  }
  return image;
}

QRgb Rgb(base::TColor c) {
  return base::ToQColor(c).rgb() & 0xFFFFFF;
}

// Pixels of each colour inside `r`.
std::map<QRgb, int> Colours(const QImage& image, const TRect& r) {
  std::map<QRgb, int> n;
  for (int y = std::max(0, r.Top); y < std::min(image.height(), r.Bottom); ++y)
    for (int x = std::max(0, r.Left); x < std::min(image.width(), r.Right); ++x)
      ++n[image.pixel(x, y) & 0xFFFFFF];
  return n;
}

// Runs of the colours `on` along a line through the image, from `from` in
// steps of `step`.
int Runs(const QImage& image, QPoint from, QPoint step, const std::set<QRgb>& on) {
  int runs = 0;
  bool inside = false;
  for (QPoint p = from; image.rect().contains(p); p += step) {
    const bool hit = on.count(image.pixel(p) & 0xFFFFFF) > 0;
    runs += hit && !inside;
    inside = hit;
  }
  return runs;
}

// The most runs over the lines across the chart rectangle.
int MostRuns(const QImage& image, const TRect& r, bool alongX, const std::set<QRgb>& on) {
  int most = 0;
  if (alongX) {
    for (int y = r.Top; y < r.Bottom; ++y)
      most = std::max(most, Runs(image, {r.Left, y}, {1, 0}, on));
  } else {
    for (int x = r.Left; x < r.Right; ++x)
      most = std::max(most, Runs(image, {x, r.Top}, {0, 1}, on));
  }
  return most;
}

class GallerySampleInk : public ::testing::Test {
 protected:
  // The gallery dialog's smallest panel.
  void SetUp() override { panel.resize(400, 300); }

  // The pages of one tab, in the order of the series types.
  QStringList Pages(bool functions) const {
    QStringList pages;
    for (int e = 0; e < PlotSeriesTypes().Count(); ++e) {
      const TPlotSeriesType& t = PlotSeriesTypes()[e];
      if ((t.FunctionClass != nullptr) == functions && !pages.contains(t.GalleryPageText()))
        pages << t.GalleryPageText();
    }
    return pages;
  }

  ListedChart env;
  TChartGalleryPanel panel;
};

TEST_F(GallerySampleInk, EverySampleShowsItsSeries) {
  int checked = 0;
  for (const bool functions : {false, true}) {
    panel.SetFunctionsOnly(functions);
    for (const QString& page : Pages(functions)) {
      for (const bool view3D : {false, true}) {
        panel.SetView3D(view3D);
        panel.CreateChartList(page);
        for (int i = 0; i < panel.Count(); ++i) {
          TGalleryChart& chart = *panel.SampleChart(i);
          const QString title = chart.Title()->Text().join(QString());
          SCOPED_TRACE(
              QStringLiteral("%1 %2 %3").arg(page, title, view3D ? "3D" : "2D").toStdString());
          ASSERT_GE(chart.Width(), 50);
          const QImage image = Paint(chart);
          testsupport::saveArtifact(
              image, QStringLiteral("GallerySampleInk_%1_%2_%3.png")
                         .arg(functions ? "functions" : "series",
                              QString(title).remove(' ').remove('.'), view3D ? "3D" : "2D"));
          ASSERT_FALSE(chart.SeriesList().empty());
          TChartSeries& first = *chart.SeriesList().front();
          const QString kind = QString::fromLatin1(first.metaObject()->className());
          const TRect r = chart.ChartRect();
          const std::map<QRgb, int> colours = Colours(image, r);
          std::set<QRgb> seriesColours;
          for (const TChartSeries* s : chart.SeriesList())
            seriesColours.insert(Rgb(s->SeriesColor()));
          const auto pixels = [&](QRgb c) {
            const auto it = colours.find(c);
            return it == colours.end() ? 0 : it->second;
          };
          if (kind == QLatin1String("TPieSeries")) {
            // Slices: several of the palette's colours, each a real area.
            int slices = 0;
            for (int k = 0; k < first.PointCount(); ++k)
              slices += pixels(Rgb(first.GetValueColor(k))) >= 20;
            EXPECT_GE(slices, 5);
            // Marks all round would leave the pie no room: its "Marks" style has them.
            EXPECT_FALSE(first.Marks()->Visible());
          } else if (kind == QLatin1String("TBarSeries") ||
                     kind == QLatin1String("THorizBarSeries")) {
            // One bar per point, side by side: counted across them.
            const bool horizontal = kind == QLatin1String("THorizBarSeries");
            EXPECT_GE(MostRuns(image, r, !horizontal, seriesColours), first.PointCount());
          } else {
            int ink = 0;
            for (QRgb c : seriesColours) ink += pixels(c);
            EXPECT_GT(ink, 10);
          }
          if (auto* points = qobject_cast<TPointSeries*>(&first);
              points && kind == QLatin1String("TPointSeries")) {
            EXPECT_EQ(points->Pointer()->HorizSize(), 6);
            EXPECT_EQ(points->Pointer()->VertSize(), 6);
          }
          ++checked;
        }
      }
    }
  }
  EXPECT_GE(checked, 2 * (12 + 7));
}

}  // namespace
