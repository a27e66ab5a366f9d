// A complete chart painted on a raster image (or recorded), checked for
// what its settings say: a series added without a colour in the colour it
// takes, the panel's bevels, text shadows, axis labels straight on what
// lies behind them, and point texts as axis labels from the first paint.
#include "chart/canvas/QPainterBackend.h"
#include "chart/canvas/RecordingBackend.h"
#include "chart/core/ChartEngine.h"
#include "chart/model/PlotPanelSwitches.h"
#include "chart/model/TChart.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "tests/support/Artifacts.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr base::TColor kPanel = 0x80FFFF;  // $BBGGRR: light yellow
const int kWidth = 400, kHeight = 300;

class ChartPaintsItsSettings : public testing::Test {
 protected:
  ~ChartPaintsItsSettings() override { ResetPanelSwitches(); }

  ChartEngineScope engine;
  TChart chart;

  ChartPaintsItsSettings() {
    chart.SetView3D(false);
    chart.SetColor(kPanel);
  }
  QImage Render(const QString& name, bool printing = false) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      QPainterBackend backend(painter);
      if (printing)
        chart.PrintPartialCanvas(backend, TRect{0, 0, kWidth, kHeight});
      else
        chart.Draw(backend, TRect{0, 0, kWidth, kHeight});
    }
    testsupport::saveArtifact(image, name);
    return image;
  }
};

QRgb Rgb(base::TColor c) {
  return base::ToQColor(c).rgb();
}

// Pixels of `image` inside `r` (right and bottom exclusive) that are `rgb`.
int Count(const QImage& image, const TRect& r, QRgb rgb) {
  int n = 0;
  for (int y = std::max(0, r.Top); y < std::min(image.height(), r.Bottom); ++y)
    for (int x = std::max(0, r.Left); x < std::min(image.width(), r.Right); ++x)
      n += (image.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
  return n;
}

// Pixels inside `r` that `is` picks.
int Count(const QImage& image, const TRect& r, const std::function<bool(QRgb)>& is) {
  int n = 0;
  for (int y = std::max(0, r.Top); y < std::min(image.height(), r.Bottom); ++y)
    for (int x = std::max(0, r.Left); x < std::min(image.width(), r.Right); ++x)
      n += is(image.pixel(x, y));
  return n;
}
// Text is smoothed: its pixels are dark, or mostly red, rather than exact.
bool Dark(QRgb c) {
  return qGray(c) < 96;
}
bool Reddish(QRgb c) {
  return qRed(c) > 180 && qGreen(c) < 120 && qBlue(c) < 120;
}

TEST_F(ChartPaintsItsSettings, FastLineAddedWithoutColourDrawsInTheColourItTakes) {
  auto* line = new TFastLineSeries(&chart);
  chart.AddSeries(line);
  for (int i = 0; i < 10; ++i) line->AddPointXY(i, (i * 37) % 11);
  const base::TColor color = line->SeriesColor();
  ASSERT_NE(color, clPlotColor);
  EXPECT_EQ(line->Pen()->Color(), color);
  const QImage image = Render(QStringLiteral("ChartPaintsItsSettings_fastline.png"));
  EXPECT_GT(Count(image, chart.ChartRect(), Rgb(color)), 100);
  // The legend lists the points, each with the line's symbol.
  ASSERT_FALSE(chart.Legend()->Items().empty());
  for (const TChartLegend::Item& item : chart.Legend()->Items())
    EXPECT_GT(Count(image, item.rect, Rgb(color)), 5) << item.index;
}

TEST_F(ChartPaintsItsSettings, PanelBevelsFrameThePanel) {
  const QRgb light = Rgb(base::clBtnHighlight), dark = Rgb(base::clBtnShadow), back = Rgb(kPanel);
  const struct {
    const char* name;
    TPanelBevel outer, inner;
    int width;
    // Colours at the left and right edge, 0 .. 2 pixels in.
    QRgb left[3], right[3];
  } cases[] = {
      {"raised", bvRaised, bvNone, 1, {light, back, back}, {dark, back, back}},
      {"lowered", bvLowered, bvNone, 1, {dark, back, back}, {light, back, back}},
      {"none", bvNone, bvNone, 1, {back, back, back}, {back, back, back}},
      {"raised and lowered inner",
       bvRaised,
       bvLowered,
       2,
       {light, light, dark},
       {dark, dark, light}},
  };
  const int y = kHeight / 2;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    chart.SetBevelOuter(c.outer);
    chart.SetBevelInner(c.inner);
    chart.SetBevelWidth(c.width);
    const QImage image = Render(QStringLiteral("ChartPaintsItsSettings_bevel_%1.png")
                                    .arg(QString::fromLatin1(c.name).replace(' ', '_')));
    for (int k = 0; k < 3; ++k) {
      SCOPED_TRACE(k);
      EXPECT_EQ(image.pixel(k, y) & 0xFFFFFF, c.left[k] & 0xFFFFFF);
      EXPECT_EQ(image.pixel(kWidth - 1 - k, y) & 0xFFFFFF, c.right[k] & 0xFFFFFF);
    }
  }
  // On paper, with the background and without it: the bevel goes with it.
  chart.SetBevelOuter(bvLowered);
  chart.SetBevelInner(bvNone);
  chart.SetBevelWidth(1);
  for (const bool background : {true, false}) {
    SCOPED_TRACE(background);
    PanelSwitches().PaintBackgroundWhenPrinting = background;
    const QImage paper =
        Render(QStringLiteral("ChartPaintsItsSettings_bevel_paper_%1.png").arg(background), true);
    const int shadowed = Count(paper, TRect{0, 0, kWidth, kHeight}, dark);
    if (background)
      EXPECT_GT(shadowed, kWidth / 2);
    else
      EXPECT_EQ(shadowed, 0);
  }
}

TEST_F(ChartPaintsItsSettings, TextShadowsLieBehindTheirTexts) {
  auto* points = new TPointSeries(&chart);
  chart.AddSeries(points);
  for (int i = 0; i < 5; ++i) points->AddPointXY(i, i);
  chart.Legend()->SetVisible(false);
  chart.Foot()->SetText({QStringLiteral("Foot text")});
  chart.LeftAxis()->Title()->SetCaption(QStringLiteral("Axis title"));
  const base::TColor shadow = base::clRed;
  const struct {
    const char* name;
    TPlotFont* font;
    // Where the text lies.
    std::function<TRect()> area;
  } cases[] = {
      {"title", chart.Title()->Font(),
       [&] {
         return TRect{0, 0, kWidth, chart.ChartRect().Top};
       }},
      {"foot", chart.Foot()->Font(),
       [&] {
         return TRect{0, chart.ChartRect().Bottom + 20, kWidth, kHeight};
       }},
      {"axis title", chart.LeftAxis()->Title()->Font(),
       [&] {
         return TRect{0, 0, chart.ChartRect().Left - 20, kHeight};
       }},
  };
  chart.Title()->SetText({QStringLiteral("Shadowed title")});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    c.font->SetColor(base::clBlack);
    c.font->Shadow()->SetColor(shadow);
    const QImage plain = Render(QStringLiteral("ChartPaintsItsSettings_plain_%1.png")
                                    .arg(QString::fromLatin1(c.name).replace(' ', '_')));
    EXPECT_EQ(Count(plain, c.area(), Reddish), 0);
    EXPECT_GT(Count(plain, c.area(), Dark), 20);
    c.font->Shadow()->SetHorizSize(2);
    c.font->Shadow()->SetVertSize(2);
    const QImage shadowed = Render(QStringLiteral("ChartPaintsItsSettings_shadow_%1.png")
                                       .arg(QString::fromLatin1(c.name).replace(' ', '_')));
    EXPECT_GT(Count(shadowed, c.area(), Reddish), 20);
    EXPECT_GT(Count(shadowed, c.area(), Dark), 20);
    c.font->Shadow()->SetHorizSize(0);
    c.font->Shadow()->SetVertSize(0);
  }
}

TEST_F(ChartPaintsItsSettings, AxisLabelsLieStraightOnThePanel) {
  auto* points = new TPointSeries(&chart);
  points->SetTitle(QStringLiteral("Points"));
  chart.AddSeries(points);
  for (int i = 0; i < 10; ++i) points->AddPointXY(i * 100, i * 1000);
  const struct {
    const char* name;
    TChartLegend::TLegendAlignment legend;
    bool wallTransparent;
  } cases[] = {
      {"legend right", TChartLegend::laRight, true},
      {"legend bottom", TChartLegend::laBottom, true},
      {"legend top", TChartLegend::laTop, true},
      {"legend left", TChartLegend::laLeft, true},
      {"coloured wall", TChartLegend::laRight, false},
      {"coloured wall, legend bottom", TChartLegend::laBottom, false},
  };
  const base::TColor kWall = 0xFFC0C0;  // light blue
  chart.BackWall()->SetColor(kWall);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    chart.Legend()->SetAlignment(c.legend);
    chart.BackWall()->SetTransparent(c.wallTransparent);
    const QImage image =
        Render(QStringLiteral("ChartPaintsItsSettings_labels_%1.png")
                   .arg(QString::fromLatin1(c.name).replace(' ', '_').replace(',', QString())));
    const TRect r = chart.ChartRect();
    // Left of the ticks, and below them: the labels' text on the panel.
    const TRect leftLabels{r.Left - 40, r.Top, r.Left - 6, r.Bottom};
    const TRect bottomLabels{r.Left, r.Bottom + 6, r.Right, r.Bottom + 18};
    for (const TRect& labels : {leftLabels, bottomLabels}) {
      EXPECT_GT(Count(image, labels, Dark), 20);
      // No box behind them: neither the legend's white nor the wall's colour.
      EXPECT_EQ(Count(image, labels, qRgb(255, 255, 255)), 0);
      EXPECT_EQ(Count(image, labels, Rgb(kWall)), 0);
    }
  }
}

TEST_F(ChartPaintsItsSettings, PointTextsLabelTheAxisFromTheFirstPaint) {
  auto* points = new TPointSeries(&chart);
  chart.AddSeries(points);
  const QStringList texts = {"Design", "Testing", "Sales", "Banking", "Lamps", "Bikes"};
  for (int i = 0; i < texts.size(); ++i) points->AddPointXY(i, i % 3, texts[i]);
  chart.BottomAxis()->SetLabelStyle(TChartAxis::talText);
  // Only the axis shows the texts.
  chart.Legend()->SetVisible(false);
  const auto drawnTexts = [&] {
    RecordingBackend b;
    chart.Draw(b, TRect{0, 0, kWidth, kHeight});
    QStringList found;
    for (const QString& t : texts)
      if (b.lines().join('\n').contains('"' + t + '"')) found << t;
    return found;
  };
  // A one-shot export: the chart's first paint.
  EXPECT_EQ(drawnTexts(), texts);
  // Zoomed in, then out again: each paint labels the points it shows.
  chart.BottomAxis()->SetMinMax(2, 3);
  EXPECT_EQ(drawnTexts(), (QStringList{"Sales", "Banking"}));
  chart.BottomAxis()->SetAutomatic(true);
  EXPECT_EQ(drawnTexts(), texts);
}

}  // namespace
