// Navigation on a rendered view: the mouse over the drawing gives the status
// texts through the real depth-buffer pick; the middle button names the material.
#include "platform/TApplication.h"
#include "tests/support/Artifacts.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/LocaleGuard.h"
#include "tests/viewer/NavigationTestHost.h"
#include "viewer/TfrmGLBase.h"
#include "viewer/ViewNavigationInput.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QOpenGLWidget>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

namespace {

// Drawing-area point over grid point (x, y) in metres, seen from straight above.
QPoint pointOver(TfrmGLBase& view, float x, float y) {
  const TGLTransform::Matrix m = view.Transform1.ChainMatrix();
  const TGrid& grid = *view.Model().Grid();
  const float px = x - grid.Width() / 2, py = y - grid.Height() / 2;
  const float ex = m[0] * px + m[4] * py + m[12];
  const float ey = m[1] * px + m[5] * py + m[13];
  const SquareViewport vp = view.OpenGL1.FrameViewport();
  const double ratio = view.OpenGL1.DevicePixelRatio();
  const double col = (vp.x + (ex + 1.0) / 2.0 * vp.side) / ratio;
  const double rowFromBottom = (vp.y + (ey + 1.0) / 2.0 * vp.side) / ratio;
  return {int(std::floor(col)),
          view.OpenGL1.Widget()->height() - 1 - int(std::floor(rowFromBottom))};
}

TEST(NavigationGl, HoverShowsTheCellAndValueUnderTheMouseAndMiddleClickItsMaterial) {
  LocaleGuard locale(LocaleGuard::English());
  NavigationTestHost host(NavigationTestContent());
  QStringList messages;
  TfrmGLBase view(host, dkTemperature);
  InstallViewNavigation(view);
  view.resize(800, 520);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  view.ResetView();
  view.GrabFrame();
  TApplication::SetMessageBoxHook(
      [&](QMessageBox::Icon, const QString&, const QString& text) { messages << text; });
  testsupport::saveArtifact(view.grab().toImage(), "NavigationHoverView.png");
  // Input through the window system layer, as the display sends it.
  const auto at = [&](float x, float y) {
    return view.OpenGL1.Widget()->mapTo(&view, pointOver(view, x, y));
  };
  QWindow* window = view.windowHandle();

  QTest::mouseMove(window, at(4.5f, 3.5f));
  // Cell (5, 4) holds 504 °C; the position is that of the picked pixel.
  const QRegularExpression position(QStringLiteral(R"(^\(5,4\)=\(4\.\d{3}m,3\.\d{3}m\)$)"));
  EXPECT_TRUE(position.match(view.StaticText2->text()).hasMatch())
      << view.StaticText2->text().toStdString();
  EXPECT_EQ(view.StaticText3->text(), QStringLiteral(" 504 [°C]"));
  EXPECT_EQ(host.Calls, (QStringList{"ShowMaterial 0"}));

  QTest::mouseMove(window, at(1.5f, 4.5f));  // left of the material: none listed
  EXPECT_EQ(view.StaticText3->text(), QStringLiteral(" 305 [°C]"));
  EXPECT_EQ(host.Calls.size(), 1);

  QTest::mouseMove(window, view.OpenGL1.Widget()->mapTo(&view, QPoint(3, 3)));  // off the grid
  EXPECT_EQ(view.StaticText2->text(), QString());
  EXPECT_EQ(view.StaticText3->text(), QString());

  // The middle button names the material under the mouse, and only a material.
  for (const QPoint p : {at(6.5f, 4.5f), at(1.5f, 1.5f)}) {
    QTest::mousePress(window, Qt::MiddleButton, {}, p);
    QTest::mouseRelease(window, Qt::MiddleButton, {}, p);
  }
  EXPECT_EQ(messages, QStringList{"mortar"});
  TApplication::SetMessageBoxHook(nullptr);
}

}  // namespace
