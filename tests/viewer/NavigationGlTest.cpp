// Navigation on a rendered view of a writer-made file: the mouse over the
// drawing gives the status texts through the real depth-buffer pick, Shift
// draws a zoom box and zooms into it, the middle button names the material.
#include "platform/TApplication.h"
#include "tests/support/Artifacts.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/LocaleGuard.h"
#include "tests/viewer/NavigationTestHost.h"
#include "viewer/TColorScrollBox.h"
#include "viewer/TfrmGLBase.h"
#include "viewer/ViewNavigationInput.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QOpenGLWidget>
#include <QRegularExpression>
#include <QRubberBand>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

class NavigationGl : public testing::Test {
 protected:
  void SetUp() override {
    TApplication::SetMessageBoxHook(
        [this](QMessageBox::Icon, const QString&, const QString& text) { messages_ << text; });
  }
  void TearDown() override { TApplication::SetMessageBoxHook(nullptr); }

  std::unique_ptr<TfrmGLBase> open(TDataKind kind) {
    auto view = std::make_unique<TfrmGLBase>(host_, kind);
    InstallViewNavigation(*view);
    view->resize(800, 520);
    view->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    view->ResetView();
    view->GrabFrame();
    return view;
  }

  static QOpenGLWidget* area(TfrmGLBase& view) { return view.OpenGL1.Widget(); }
  // The drawing as it stands (GrabFrame would fit the scale to the window).
  static QImage frame(TfrmGLBase& view) { return area(view)->grabFramebuffer(); }

  // Mouse input through the window system layer, as the display would send
  // it; positions are drawing-area pixels. (QTest's widget overload moves the
  // display's shared pointer for a move without a button.)
  static QPoint inWindow(TfrmGLBase& view, QPoint p) { return area(view)->mapTo(&view, p); }
  static void move(TfrmGLBase& view, QPoint p) {
    QTest::mouseMove(view.windowHandle(), inWindow(view, p));
  }
  static void press(TfrmGLBase& view, Qt::MouseButton b, Qt::KeyboardModifiers m, QPoint p) {
    QTest::mousePress(view.windowHandle(), b, m, inWindow(view, p));
  }
  static void release(TfrmGLBase& view, Qt::MouseButton b, Qt::KeyboardModifiers m, QPoint p) {
    QTest::mouseRelease(view.windowHandle(), b, m, inWindow(view, p));
  }
  static void click(TfrmGLBase& view, Qt::MouseButton b, QPoint p) {
    press(view, b, {}, p);
    release(view, b, {}, p);
  }

  // Drawing-area point (logical pixels from the top left) over the grid point
  // (x, y) in metres, through the last frame's transform and the square
  // viewport, as the view is seen from straight above.
  static QPoint pointOver(TfrmGLBase& view, float x, float y) {
    const TGLTransform::Matrix m = view.Transform1.ChainMatrix();
    const TGrid& grid = *view.Model().Grid();
    const float px = x - grid.Width() / 2, py = y - grid.Height() / 2;
    const float ex = m[0] * px + m[4] * py + m[12];
    const float ey = m[1] * px + m[5] * py + m[13];
    const SquareViewport vp = view.OpenGL1.FrameViewport();
    const double ratio = view.OpenGL1.DevicePixelRatio();
    const double col = (vp.x + (ex + 1.0) / 2.0 * vp.side) / ratio;
    const double rowFromBottom = (vp.y + (ey + 1.0) / 2.0 * vp.side) / ratio;
    return {int(std::floor(col)), area(view)->height() - 1 - int(std::floor(rowFromBottom))};
  }

  LocaleGuard locale_{LocaleGuard::English()};
  NavigationTestHost host_{NavigationTestSpec()};
  QStringList messages_;
};

TEST_F(NavigationGl, HoverShowsCellPositionAndValueOfTheCellUnderTheMouse) {
  auto view = open(dkTemperature);
  testsupport::saveArtifact(view->grab().toImage(), "NavigationHoverView.png");
  move(*view, pointOver(*view, 4.5f, 3.5f));
  // Cell (5, 4) holds 504 °C; the position is that of the picked pixel.
  const QRegularExpression position(QStringLiteral(R"(^\(5,4\)=\(4\.\d{3}m,3\.\d{3}m\)$)"));
  EXPECT_TRUE(position.match(view->StaticText2->text()).hasMatch())
      << view->StaticText2->text().toStdString();
  EXPECT_EQ(view->StaticText3->text(), QStringLiteral(" 504 [°C]"));
  EXPECT_EQ(host_.Calls, (QStringList{"ShowMaterial 0"}));

  // Left of the material: the boundary cell's value, no material listed.
  move(*view, pointOver(*view, 1.5f, 4.5f));
  EXPECT_TRUE(view->StaticText2->text().startsWith(QStringLiteral("(3,5)=(1.")))
      << view->StaticText2->text().toStdString();
  EXPECT_EQ(view->StaticText3->text(), QStringLiteral(" 305 [°C]"));
  EXPECT_EQ(host_.Calls.size(), 1);

  // Off the grid both texts are cleared.
  move(*view, QPoint(3, 3));
  EXPECT_EQ(view->StaticText2->text(), QString());
  EXPECT_EQ(view->StaticText3->text(), QString());
}

TEST_F(NavigationGl, ShiftDragDrawsAZoomBoxAndZoomsIntoIt) {
  auto view = open(dkTemperature);
  const float scale = view->ScaleX();
  QOpenGLWidget* a = area(*view);
  const QPoint from = pointOver(*view, 4.0f, 3.0f);
  const QPoint to = pointOver(*view, 6.0f, 1.0f);  // down and to the right
  press(*view, Qt::LeftButton, Qt::ShiftModifier, from);
  move(*view, to);
  auto* band = a->findChild<QRubberBand*>();
  ASSERT_NE(band, nullptr);
  EXPECT_TRUE(band->isVisible());
  EXPECT_EQ(band->geometry(), QRect(from, to).normalized());
  testsupport::saveArtifact(view->grab().toImage(), "NavigationZoomBox.png");
  release(*view, Qt::LeftButton, Qt::ShiftModifier, to);

  EXPECT_FALSE(band->isVisible());
  EXPECT_GT(view->ScaleX(), scale * 3);
  // The box's centre, grid point (5, 2), moved to the middle of the scene.
  EXPECT_NEAR(view->TranX(), 0.0, 0.05);
  EXPECT_NEAR(view->TranY(), 2.0, 0.05);
  testsupport::saveArtifact(frame(*view), "NavigationZoomed.png");
}

TEST_F(NavigationGl, MiddleClickNamesTheMaterial) {
  auto view = open(dkTemperature);
  click(*view, Qt::MiddleButton, pointOver(*view, 6.5f, 4.5f));
  EXPECT_EQ(messages_, QStringList{"mortar"});
  click(*view, Qt::MiddleButton, pointOver(*view, 1.5f, 1.5f));
  EXPECT_EQ(messages_.size(), 1);
}

}  // namespace
