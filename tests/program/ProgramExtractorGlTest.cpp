// The data extractor in the running program: opened from a view's popup it
// sits over the main window, saves its points through the real file dialog,
// refuses a bad rectangle with a real message, and its chart pans with the
// right button while a right click that did not move opens its menu.
#include "tests/program/RunningProgram.h"

#include "chart/model/TChart.h"
#include "chart/model/TChartAxis.h"
#include "chart/widget/ChartWidget.h"

#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QSpinBox>

namespace programtest {
namespace {

class ProgramExtractor : public RunningProgram {
 protected:
  // Mouse input as the window system delivers it: through the extractor's
  // window, so that an open popup takes what it would take.
  void Press(Qt::MouseButton button, QPoint at) {
    QTest::mousePress(Window(), button, {}, InWindow(at));
  }
  void Release(Qt::MouseButton button, QPoint at) {
    QTest::mouseRelease(Window(), button, {}, InWindow(at));
  }
  void Move(QPoint at) { QTest::mouseMove(Window(), InWindow(at)); }
  void Drag(Qt::MouseButton button, QPoint from, QPoint to) {
    Press(button, from);
    for (int i = 1; i <= 4; ++i) Move(from + (to - from) * i / 4);
    Release(button, to);
  }
  QWindow* Window() const { return extractor_->windowHandle(); }
  // A point of the chart widget in the extractor window's coordinates.
  QPoint InWindow(QPoint chartPoint) const { return chartWidget()->mapTo(extractor_, chartPoint); }
  ChartWidget* chartWidget() const {
    return extractor_->findChild<ChartWidget*>(QStringLiteral("Chart1"));
  }
  QPoint PlotCentre() const {
    const TRect r = extractor_->Chart().ChartRect();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // What the axes show, after the paint that follows any change.
  double BottomMinimum() const {
    chartWidget()->repaint();
    return extractor_->Chart().BottomAxis()->CurMinimum;
  }
  double BottomWidth() const {
    chartWidget()->repaint();
    const TChartAxis& axis = *extractor_->Chart().BottomAxis();
    return axis.CurMaximum - axis.CurMinimum;
  }
  double LeftMinimum() const {
    chartWidget()->repaint();
    return extractor_->Chart().LeftAxis()->CurMinimum;
  }
};

TEST_F(ProgramExtractor, OpensCentredOnTheMainWindowAndSavesThroughTheFileDialog) {
  TfrmData1D& extractor = OpenExtractor();
  const QPoint offset = extractor.frameGeometry().center() - Main().frameGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 2) << "the extractor is centred on the main window";

  Update(extractor, 1);
  ASSERT_EQ(extractor.Series().PointCount(), 48);
  const QString path = dir_.filePath(QStringLiteral("mean.txt"));
  auto answer = ModalAnswer::Of<QFileDialog>([&](QFileDialog& d) { TypeFileName(d, path); });
  extractor.ChartMenu().findChild<QAction*>(QStringLiteral("save1"))->trigger();
  EXPECT_TRUE(answer->Answered());
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << "the points were saved";
  EXPECT_EQ(saved.readAll().count("\r\n"), 48);
}

TEST_F(ProgramExtractor, ARefusedRectangleShowsAMessage) {
  TfrmData1D& extractor = OpenExtractor();
  extractor.findChild<QSpinBox*>(QStringLiteral("SEBLx"))->setValue(4);
  QString shown;
  auto answer = ModalAnswer::Of<QMessageBox>([&](QMessageBox& box) {
    shown = box.text();
    box.accept();
  });
  extractor.UpdateButton().click();
  EXPECT_TRUE(answer->Answered());
  EXPECT_FALSE(shown.isEmpty());
  EXPECT_EQ(extractor.Series().PointCount(), 0);
}

TEST_F(ProgramExtractor, TheRightButtonPansAndItsClickOpensTheMenu) {
  TfrmData1D& extractor = OpenExtractor();
  Update(extractor, 2);
  chartWidget()->repaint();
  const QPoint centre = PlotCentre();

  const double bottom = BottomMinimum();
  const double left = LeftMinimum();
  Drag(Qt::RightButton, centre, centre + QPoint(-60, 40));
  EXPECT_NE(BottomMinimum(), bottom) << "a right drag pans across";
  EXPECT_NE(LeftMinimum(), left) << "and up";
  EXPECT_FALSE(extractor.ChartMenu().isVisible()) << "a drag opens no menu";

  Press(Qt::RightButton, centre);
  Release(Qt::RightButton, centre);
  EXPECT_TRUE(extractor.ChartMenu().isVisible()) << "a right click opens the menu";
  QTest::keyClick(&extractor.ChartMenu(), Qt::Key_Escape);
  EXPECT_FALSE(extractor.ChartMenu().isVisible());

  // With the menu gone and no button held, moving the mouse moves nothing.
  const double pannedBottom = BottomMinimum();
  const double pannedLeft = LeftMinimum();
  Move(centre + QPoint(50, -30));
  Move(centre + QPoint(80, -50));
  EXPECT_EQ(BottomMinimum(), pannedBottom);
  EXPECT_EQ(LeftMinimum(), pannedLeft);

  // And a left drag zooms into the rectangle it spans.
  const double width = BottomWidth();
  Drag(Qt::LeftButton, centre - QPoint(40, 30), centre + QPoint(40, 30));
  EXPECT_LT(BottomWidth(), width / 2);
}

}  // namespace
}  // namespace programtest
