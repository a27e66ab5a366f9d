// Screenshots of the Data page on the extractor's date series with colours
// and of every tab of the General, Paging, 3D and Tools pages, kept as
// artifacts to look at; each must show more than a blank form.
#include "PageRows.h"
#include "chart/series/TFastLineSeries.h"
#include "charteditor/grid/TChartGrid.h"
#include "charteditor/pages/ChartDataPage.h"
#include "charteditor/pages/TFormPlot3D.h"
#include "charteditor/pages/TFormPlotGeneral.h"
#include "charteditor/pages/TFormPlotPage.h"
#include "charteditor/pages/TFormPlotTools.h"
#include "tests/support/Artifacts.h"

#include <QTabWidget>

#include <set>

namespace {

int ColourCount(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); y += 2)
    for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
  return static_cast<int>(colours.size());
}

void Keep(QWidget& page, const char* name) {
  page.resize(480, 360);
  page.show();
  const QImage image = page.grab().toImage();
  testsupport::saveArtifact(image, QStringLiteral("chart-page-%1.png").arg(QLatin1String(name)));
  EXPECT_GT(ColourCount(image), 4) << name;
}

TEST(PagesScreenshots, DataPageAndEveryTab) {
  RecordingChartPrompts prompts;
  LocaleScope locale(QLocale(QLocale::English, QLocale::UnitedStates));
  EditedChart chart;
  auto* dates = new TFastLineSeries(&chart.Chart());
  dates->SetTitle(QStringLiteral("Mean temperature"));
  dates->XValues()->SetDateTime(true);
  for (int i = 0; i < 200; ++i) dates->AddPointXY(43831.0 + i, 20 + (i % 17) * 0.25);
  chart.Chart().AddSeries(dates);
  chart.Chart().ExchangeSeries(0, 1);
  for (int i = 0; i < 200; i += 3) dates->SetPointColor(i, base::RGB(200, 40 + i % 200, 40));
  {
    ChartDataPage data(&chart.Chart());
    Keep(data, "data");
    EXPECT_TRUE(data.Grid()->ShowColors());
  }
  {
    TFormPlotGeneral general(&chart.Chart());
    auto* tabs = general.findChild<QTabWidget*>();
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      Keep(general, i == 0 ? "general-zoom" : "general-scroll");
    }
  }
  {
    chart.Chart().SetMaxPointsPerPage(50);
    TFormPlotPage paging(&chart.Chart());
    Keep(paging, "paging");
  }
  {
    TFormPlot3D threeD(&chart.Chart());
    Keep(threeD, "3d");
  }
  {
    TFormPlotTools tools(&chart.Chart());
    Keep(tools, "tools");
  }
}

}  // namespace
