// The panel of gallery samples: what it shows, where, how keys and clicks
// move the selection, and what the selection and the mouse look like.
#include "chart/core/ChartMessages.h"
#include "charteditor/series/GallerySampleWidget.h"
#include "charteditor/series/GallerySubStylePopup.h"
#include "charteditor/series/TChartGalleryPanel.h"
#include "charteditor/series/TGalleryChart.h"
#include "tests/charteditor/series/GallerySamples.h"
#include "tests/charteditor/series/ListedChart.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>
#include "base/Colors.h"

#include <QTest>

namespace {

class GalleryPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    panel.resize(400, 300);
    panel.CreateChartList(ChartText(ChartMsg::PageStandard));
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
  }

  QStringList Titles() const {
    QStringList titles;
    for (int i = 0; i < panel.Count(); ++i)
      titles << panel.SampleChart(i)->Title()->Text().join(QString());
    return titles;
  }

  QImage Grab(int index) { return panel.Sample(index)->grab().toImage(); }
  // Without the frame of the mouse, wherever the pointer was left.
  QImage Unhovered(int index) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(panel.Sample(index), &leave);
    return Grab(index);
  }

  ListedChart env;
  TChartGalleryPanel panel;
};

TEST_F(GalleryPanel, SeriesSamplesInRegistrationOrder) {
  QStringList expected;
  for (const GallerySampleName& s : RegisteredSeriesSamples()) expected << ChartText(s.title);
  EXPECT_EQ(Titles(), expected);
  // Each sample shows its class, in as many series as its entry asks (at least one).
  for (int i = 0; i < panel.Count(); ++i) {
    ASSERT_FALSE(panel.SampleChart(i)->SeriesList().empty());
    EXPECT_EQ(
        QString::fromLatin1(panel.SampleChart(i)->SeriesList().front()->metaObject()->className()),
        QString::fromLatin1(RegisteredSeriesSamples()[i].className));
  }
  panel.SetFunctionsOnly(true);
  panel.CreateChartList(ChartText(ChartMsg::PageStandard));
  EXPECT_EQ(Titles(),
            (QStringList{"Add", "Subtract", "Multiply", "Divide", "High", "Low", "Average"}));
  panel.CreateChartList(QString());
  EXPECT_EQ(panel.Count(), 0);
}

TEST_F(GalleryPanel, SamplesLookTheSameEachTime) {
  std::vector<QImage> first;
  for (int i = 0; i < panel.Count(); ++i) first.push_back(Unhovered(i));
  panel.CreateChartList(ChartText(ChartMsg::PageStandard));
  for (int i = 0; i < panel.Count(); ++i) EXPECT_EQ(Unhovered(i), first[i]) << i;
}

TEST_F(GalleryPanel, SamplesSitInTheirCells) {
  struct Row {
    const char* what;
    QSize size;
    int cols;
    int rows;
    QRect first, second, fifth;  // samples 0, 1 and 4
  };
  for (const Row& r : {
           Row{"4 x 3", {400, 300}, 4, 3, {0, 0, 99, 99}, {100, 0, 99, 99}, {0, 100, 99, 99}},
           Row{"rest dropped",
               {403, 302},
               4,
               3,
               {0, 0, 99, 99},
               {100, 0, 99, 99},
               {0, 100, 99, 99}},
           Row{"2 x 2", {400, 300}, 2, 2, {0, 0, 199, 149}, {200, 0, 199, 149}, {0, 300, 199, 149}},
           Row{"no columns", {400, 300}, 0, 3, {}, {}, {}},
           Row{"no rows", {400, 300}, 4, 0, {}, {}, {}},
           Row{"negative", {400, 300}, -2, 3, {}, {}, {}},
       }) {
    SCOPED_TRACE(r.what);
    panel.resize(r.size);
    panel.SetNumCols(r.cols);
    panel.SetNumRows(r.rows);
    EXPECT_EQ(panel.SampleRect(0), r.first);
    EXPECT_EQ(panel.SampleRect(1), r.second);
    EXPECT_EQ(panel.SampleRect(4), r.fifth);
    EXPECT_EQ(panel.Sample(0)->isVisible(), !r.first.isEmpty());
    if (!r.first.isEmpty()) {
      EXPECT_EQ(panel.Sample(1)->geometry(), r.second);
    }
    const bool cells = r.cols > 0 && r.rows > 0;
    EXPECT_EQ(panel.CellWidth(), cells ? r.size.width() / r.cols : 0);
    EXPECT_EQ(panel.CellHeight(), cells ? r.size.height() / r.rows : 0);
    // Keys, a repaint and the sub-styles with no cells must not divide by zero.
    QTest::keyClick(&panel, Qt::Key_Down);
    panel.repaint();
    panel.SelectChart(0);
    QTest::keyClick(&panel, Qt::Key_Down, Qt::AltModifier);
    ASSERT_NE(panel.SubGallery(), nullptr);
    panel.SubGallery()->Finish(false);
    panel.SelectChart(-1);
  }
}

TEST_F(GalleryPanel, ArrowKeysMoveOnlyOntoAvailableNeighbours) {
  struct Row {
    const char* what;
    int from;
    Qt::Key key;
    int to;
  };
  const Row rows[] = {
      {"nothing selected: the first sample", -1, Qt::Key_Right, 0},
      {"down from 1", 1, Qt::Key_Down, 5},
      {"right", 1, Qt::Key_Right, 2},
      {"left from column 0 stays", 4, Qt::Key_Left, 4},
      {"right from the last column stays", 3, Qt::Key_Right, 3},
      {"up in row 0 stays", 2, Qt::Key_Up, 2},
      {"up", 5, Qt::Key_Up, 1},
      {"down past the last sample stays", 8, Qt::Key_Down, 8},
      {"onto an unavailable sample stays", 5, Qt::Key_Right, 5},  // sample 6 made unavailable
  };
  for (const Row& r : rows) {
    if (r.from >= panel.Count() || r.to >= panel.Count()) continue;  // types not yet there
    SCOPED_TRACE(r.what);
    panel.CreateChartList(ChartText(ChartMsg::PageStandard));
    panel.SampleChart(std::min(6, panel.Count() - 1))->SetAvailableLook(false);
    panel.SelectChart(r.from);
    QTest::keyClick(&panel, r.key);
    EXPECT_EQ(panel.SelectedIndex(), r.to);
  }
}

TEST_F(GalleryPanel, EnterPicksOnlyASelectedSample) {
  int picked = 0;
  panel.OnSelectedChart = [&](TChartGalleryPanel&) { ++picked; };
  QTest::keyClick(&panel, Qt::Key_Return);
  EXPECT_EQ(picked, 0);
  panel.SelectChart(1);
  QTest::keyClick(&panel, Qt::Key_Return);
  EXPECT_EQ(picked, 1);
  GalleryChoice choice;
  ASSERT_TRUE(panel.GetSeriesClass(choice));
  EXPECT_EQ(QString::fromLatin1(choice.seriesClass->className()),
            QString::fromLatin1(RegisteredSeriesSamples()[1].className));
  EXPECT_EQ(choice.functionClass, nullptr);
}

TEST_F(GalleryPanel, ClicksSelectAvailableSamplesOnly) {
  panel.SampleChart(2)->SetAvailableLook(false);
  QTest::mouseClick(panel.Sample(2), Qt::LeftButton, {}, QPoint(50, 50));
  EXPECT_EQ(panel.SelectedIndex(), -1);
  QTest::mouseClick(panel.Sample(1), Qt::LeftButton, {}, QPoint(50, 50));
  EXPECT_EQ(panel.SelectedIndex(), 1);
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(panel.Sample(2), &enter);
  EXPECT_EQ(panel.Sample(2)->cursor().shape(), Qt::ForbiddenCursor);
  EXPECT_EQ(panel.Sample(1)->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(GalleryPanel, SelectionShowsInTheCornersAndHoverDrawsNoChart) {
  panel.SelectChart(1);
  const QImage selected = Grab(1);
  const QImage other = Grab(0);
  testsupport::saveArtifact(panel.grab().toImage(), QStringLiteral("gallery-panel-selected.png"));
  // The selected sample's gradient starts grey in the far corner (inside
  // the lowered bevel) and ends white at the top left; the others show
  // the panel colour there.
  const QColor start = selected.pixelColor(selected.width() - 3, selected.height() - 3);
  EXPECT_NEAR(start.red(), 0xC0, 2);
  EXPECT_EQ(start.red(), start.blue());
  EXPECT_GE(selected.pixelColor(2, 2).red(), 0xFC);
  const base::TColor face = base::ColorToRGB(base::clBtnFace);
  EXPECT_EQ(other.pixelColor(other.width() - 3, other.height() - 3),
            QColor(face & 0xFF, face >> 8 & 0xFF, face >> 16 & 0xFF));

  int renders = 0;
  for (int i = 0; i < panel.Count(); ++i)
    QObject::connect(panel.SampleChart(i), &TCustomPlotPanelExtended::afterDraw,
                     [&renders] { ++renders; });
  for (int i = 0; i < panel.Count(); ++i) {
    SCOPED_TRACE(i);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(panel.Sample(i), &enter);
    const QImage hovered = Grab(i);
    EXPECT_EQ(hovered.pixelColor(20, 0), QColor(Qt::white));
    EXPECT_EQ(hovered.pixelColor(hovered.width() - 1, 20), QColor(0x80, 0x80, 0x80));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(panel.Sample(i), &leave);
    EXPECT_NE(Grab(i).pixelColor(20, 0), QColor(Qt::white));
  }
  EXPECT_EQ(renders, 0) << "hovering drew a sample chart again";
}

}  // namespace
