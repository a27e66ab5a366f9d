#include "gl/TGLTransform.h"
#include "tests/gl/GlTestWindow.h"
#include "tests/support/Artifacts.h"

#include <QVector3D>

#include <cmath>
#include <numbers>

namespace {

constexpr double kQuadZ = 0.25, kScale = 0.8, kTranX = 0.1, kTranY = -0.05;
const double kTilt = 20 * std::numbers::pi / 180;  // about x
const QRgb kBackground = qRgb(230, 230, 224);
const QPoint kOnQuad(180, 100);  // window pixel, origin bottom left

// A red quad at z = 0.25 facing +z, seen through a scaled, moved and tilted chain
// in a 300 x 200 window: the square viewport is 300 x 300, starting 50 below the window.
class PickingThroughTheChain : public ::testing::Test {
 protected:
  void SetUp() override {
    transform.setTranX(float(kTranX));
    transform.setTranY(float(kTranY));
    transform.setScaleX(float(kScale));
    transform.setScaleY(float(kScale));
    transform.setScaleZ(float(kScale));
    transform.setAngleX(20);
    transform.setOnPaint([](TGLTransform&) {
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
      glColor3ub(204, 26, 26);
      glTranslated(0, 0, kQuadZ);
      glRectd(-0.5, -0.5, 0.5, 0.5);
    });
    w.gl->setOnPaint([this] { transform.Paint(); });
    ASSERT_TRUE(w.open(300, 200));
    ASSERT_EQ(w.gl->DevicePixelRatio(), 1.0);  // the expectations count logical pixels
    image = w.frame();
  }

  QRgb probe(QPoint p) const { return image.pixel(p.x(), 199 - p.y()) | 0xFF000000u; }

  GlTestWindow w;
  TGLTransform transform;
  QImage image;
};

}  // namespace

TEST_F(PickingThroughTheChain, QuadPixelsGiveTheirScenePointOthersMiss) {
  testsupport::saveArtifact(image, "gl_picking_scene.png");
  EXPECT_EQ(probe(kOnQuad), qRgb(204, 26, 26));
  double ox = 0, oy = 0, oz = 0;
  ASSERT_TRUE(transform.PickPoint(*w.gl, kOnQuad.x(), kOnQuad.y(), ox, oy, oz));
  // The quad's point seen at the centre of the pixel, where the depth was sampled.
  const double ex = 180.5 / 150 - 1, ey = 150.5 / 150 - 1;
  EXPECT_NEAR(ox, ex / kScale - kTranX, 1e-3);
  EXPECT_NEAR(oy, (ey / kScale - kTranY + std::sin(kTilt) * kQuadZ) / std::cos(kTilt), 1e-3);
  EXPECT_NEAR(oz, kQuadZ, 1e-3);

  ox = 7, oy = 8, oz = 9;
  EXPECT_EQ(probe({3, 3}), kBackground);
  // Outside the drawing area, though (150, -10) and (150, 210) are inside the
  // square viewport, which overhangs the area.
  for (const QPoint p :
       {QPoint(3, 3), QPoint(-1, 100), QPoint(300, 100), QPoint(150, -10), QPoint(150, 210)})
    EXPECT_FALSE(transform.PickPoint(*w.gl, p.x(), p.y(), ox, oy, oz)) << p.x() << "," << p.y();
  // On the current context with a viewport that leaves the point out.
  w.gl->MakeCurrent();
  glViewport(0, 0, 10, 10);
  EXPECT_FALSE(transform.PickPoint(kOnQuad.x(), kOnQuad.y(), ox, oy, oz));
  // A zero scale: the depth is that of the last frame, but the chain has no inverse.
  transform.setScaleX(0);
  transform.setScaleY(0);
  transform.setScaleZ(0);
  EXPECT_FALSE(transform.PickPoint(*w.gl, kOnQuad.x(), kOnQuad.y(), ox, oy, oz));
  EXPECT_EQ(QVector3D(ox, oy, oz), QVector3D(7, 8, 9));
  EXPECT_EQ(w.frame().pixel(150, 100) | 0xFF000000u, kBackground);  // degenerate, without errors
}

TEST_F(PickingThroughTheChain, PaintRestoresTheModelviewEvenWhenThePainterThrows) {
  w.gl->MakeCurrent();
  TGLTransform::Matrix before{}, after{};
  glGetFloatv(GL_MODELVIEW_MATRIX, before.data());
  transform.setOnPaint([](TGLTransform&) {
    glMatrixMode(GL_PROJECTION);  // a painter that leaves another mode current
    throw std::runtime_error("no grid");
  });
  EXPECT_THROW(transform.Paint(), std::runtime_error);
  glGetFloatv(GL_MODELVIEW_MATRIX, after.data());
  EXPECT_EQ(after, before);
}
