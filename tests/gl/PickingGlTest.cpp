#include "gl/TGLTransform.h"
#include "tests/gl/GlTestWindow.h"
#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>
#include <QOffscreenSurface>
#include <QOpenGLContext>

#include <GL/gl.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kQuadZ = 0.25;
constexpr double kTriangleZ = 0.5;
constexpr double kDegrees = 20;

// The scene: a red quad at z = 0.25 and a blue triangle in front of part of
// it at z = 0.5, both facing +z.
void drawScene() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glColor3ub(204, 26, 26);
  glBegin(GL_QUADS);
  glVertex3d(-0.5, -0.5, kQuadZ);
  glVertex3d(0.5, -0.5, kQuadZ);
  glVertex3d(0.5, 0.5, kQuadZ);
  glVertex3d(-0.5, 0.5, kQuadZ);
  glEnd();
  glColor3ub(26, 51, 204);
  glBegin(GL_TRIANGLES);
  glVertex3d(-0.4, -0.4, kTriangleZ);
  glVertex3d(0.0, -0.4, kTriangleZ);
  glVertex3d(-0.2, 0.0, kTriangleZ);
  glEnd();
}

class PickingThroughTheChain : public ::testing::Test {
 protected:
  void SetUp() override {
    transform.setTranX(0.1f);
    transform.setTranY(-0.05f);
    transform.setScaleX(0.8f);
    transform.setScaleY(0.8f);
    transform.setScaleZ(0.8f);
    transform.setAngleX(float(kDegrees));
    transform.setOnPaint([](TGLTransform&) { drawScene(); });
    w.gl->setOnPaint([this] { transform.Paint(); });
    ASSERT_TRUE(w.open(300, 200, [](TOpenGL& gl) {
      gl.setProjection(TProjection::Orthographic);
      gl.setprxNear(-10);
      gl.setprxFar(10);
      gl.setDepthBits(24);
      gl.setClearRed(0.9f);
      gl.setClearGreen(0.9f);
      gl.setClearBlue(0.88f);
    }));
    image = w.frame();
  }

  // Window point (logical, origin bottom left) of a scene point on a plane z.
  QPointF windowPoint(double x, double y, double z) const {
    const double s = 0.8, a = kDegrees * std::numbers::pi / 180;
    const double ex = 0.8 * 0.1 + s * x;
    const double ey = 0.8 * -0.05 + std::cos(a) * s * y - std::sin(a) * s * z;
    return {(ex + 1) / 2 * 300, (ey + 1) / 2 * 300 - 50};
  }
  // Scene point on the plane z seen at the window point (logical pixels); a
  // pick answers for the centre of its pixel, where the depth was sampled.
  void scenePoint(double wx, double wy, double z, double& x, double& y) const {
    const double s = 0.8, a = kDegrees * std::numbers::pi / 180;
    const double ex = wx / 300 * 2 - 1, ey = (wy + 50) / 300 * 2 - 1;
    x = (ex - 0.8 * 0.1) / s;
    y = (ey - 0.8 * -0.05 + std::sin(a) * s * z) / (std::cos(a) * s);
  }
  QRgb probe(QPointF window) const {
    const double dpr = w.gl->DevicePixelRatio();
    return image.pixel(int(window.x() * dpr), image.height() - 1 - int(window.y() * dpr)) |
           0xFF000000u;
  }

  GlTestWindow w;
  TGLTransform transform;
  QImage image;
};

}  // namespace

TEST_F(PickingThroughTheChain, DrawnPixelsGiveTheirScenePoint) {
  testsupport::saveArtifact(image, "gl_picking_scene.png");
  ASSERT_EQ(w.gl->DevicePixelRatio(), 1.0);  // the expectations below count logical pixels

  const QPointF onQuad = windowPoint(0.3, 0.2, kQuadZ);
  EXPECT_EQ(probe(onQuad), qRgb(204, 26, 26));
  double ox = 0, oy = 0, oz = 0, x = 0, y = 0;
  ASSERT_TRUE(transform.PickPoint(*w.gl, int(onQuad.x()), int(onQuad.y()), ox, oy, oz));
  scenePoint(int(onQuad.x()) + 0.5, int(onQuad.y()) + 0.5, kQuadZ, x, y);
  EXPECT_NEAR(ox, x, 1e-3);
  EXPECT_NEAR(oy, y, 1e-3);
  EXPECT_NEAR(oz, kQuadZ, 1e-3);

  // The triangle hides the quad: the nearer surface is picked.
  const QPointF onTriangle = windowPoint(-0.2, -0.3, kTriangleZ);
  EXPECT_EQ(probe(onTriangle), qRgb(26, 51, 204));
  ASSERT_TRUE(transform.PickPoint(*w.gl, int(onTriangle.x()), int(onTriangle.y()), ox, oy, oz));
  scenePoint(int(onTriangle.x()) + 0.5, int(onTriangle.y()) + 0.5, kTriangleZ, x, y);
  EXPECT_NEAR(ox, x, 1e-3);
  EXPECT_NEAR(oy, y, 1e-3);
  EXPECT_NEAR(oz, kTriangleZ, 1e-3);
}

TEST_F(PickingThroughTheChain, BackgroundAndOutsidePixelsMiss) {
  double ox = 7, oy = 8, oz = 9;
  const QPointF corner(3, 3);
  EXPECT_EQ(probe(corner), qRgb(230, 230, 224));
  EXPECT_FALSE(transform.PickPoint(*w.gl, 3, 3, ox, oy, oz));
  // Outside the drawing area; (10, -10) and (10, 210) are still inside the
  // square viewport, which overhangs the area.
  EXPECT_FALSE(transform.PickPoint(*w.gl, -1, 100, ox, oy, oz));
  EXPECT_FALSE(transform.PickPoint(*w.gl, 300, 100, ox, oy, oz));
  EXPECT_FALSE(transform.PickPoint(*w.gl, 150, -10, ox, oy, oz));
  EXPECT_FALSE(transform.PickPoint(*w.gl, 150, 210, ox, oy, oz));
  EXPECT_EQ(ox, 7);
  EXPECT_EQ(oy, 8);
  EXPECT_EQ(oz, 9);

  // On the current context with a viewport that leaves the point out.
  w.gl->MakeCurrent();
  const QPointF onQuad = windowPoint(0.3, 0.2, kQuadZ);
  glViewport(0, 0, 10, 10);
  EXPECT_FALSE(transform.PickPoint(int(onQuad.x()), int(onQuad.y()), ox, oy, oz));
  EXPECT_EQ(ox, 7);
}

TEST_F(PickingThroughTheChain, ZeroScaleMissesInsteadOfFailing) {
  transform.setScaleX(0);
  transform.setScaleY(0);
  transform.setScaleZ(0);
  const QPointF onQuad = windowPoint(0.3, 0.2, kQuadZ);
  double ox = 7, oy = 8, oz = 9;
  // The depth is that of the last frame, but the chain has no inverse.
  EXPECT_FALSE(transform.PickPoint(*w.gl, int(onQuad.x()), int(onQuad.y()), ox, oy, oz));
  EXPECT_EQ(ox, 7);
  const QImage blank = w.frame();  // draws a degenerate scene without errors
  EXPECT_EQ(blank.pixel(150, 100) | 0xFF000000u, qRgb(230, 230, 224));
}

namespace {

class OffscreenContext : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(context.create());
    surface.setFormat(context.format());
    surface.create();
    ASSERT_TRUE(context.makeCurrent(&surface));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
  }
  void TearDown() override { context.doneCurrent(); }

  static TGLTransform::Matrix modelview() {
    TGLTransform::Matrix m{};
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
  }

  QOpenGLContext context;
  QOffscreenSurface surface;
};

}  // namespace

// The chain must equal GL's own sequence: scale, translate, inverse scale,
// axis rotation, x, y and z rotations, scale.
TEST_F(OffscreenContext, ChainMatchesTheGlCallSequence) {
  struct Case {
    float tran[3], axis[3], angle, angles[3], scale[3];
  };
  const Case cases[] = {
      {{-0.1f, -0.07f, -1}, {1, -0.5f, -0.2f}, 0, {0, 0, 0}, {1, 1, 1}},
      {{1, 0, 0}, {0, 0, 0}, 0, {0, 0, 0}, {2, 1, 1}},
      {{0.3f, -2, 5}, {1, -0.5f, -0.2f}, 33, {10, -75, 200}, {0.02f, 0.03f, 4}},
      {{-4, 1, 0.5f}, {0, 1, 0}, -90, {45, 45, 45}, {-1, 2, 0.5f}},
  };
  for (const Case& c : cases) {
    glLoadIdentity();
    glScalef(c.scale[0], c.scale[1], c.scale[2]);
    glTranslatef(c.tran[0], c.tran[1], c.tran[2]);
    glScalef(1 / c.scale[0], 1 / c.scale[1], 1 / c.scale[2]);
    glRotatef(c.angle, c.axis[0], c.axis[1], c.axis[2]);
    glRotatef(c.angles[0], 1, 0, 0);
    glRotatef(c.angles[1], 0, 1, 0);
    glRotatef(c.angles[2], 0, 0, 1);
    glScalef(c.scale[0], c.scale[1], c.scale[2]);
    const TGLTransform::Matrix expected = modelview();

    TGLTransform t;
    t.setTranX(c.tran[0]);
    t.setTranY(c.tran[1]);
    t.setTranZ(c.tran[2]);
    t.setAxisX(c.axis[0]);
    t.setAxisY(c.axis[1]);
    t.setAxisZ(c.axis[2]);
    t.setAngle(c.angle);
    t.setAngleX(c.angles[0]);
    t.setAngleY(c.angles[1]);
    t.setAngleZ(c.angles[2]);
    t.setScaleX(c.scale[0]);
    t.setScaleY(c.scale[1]);
    t.setScaleZ(c.scale[2]);
    const TGLTransform::Matrix actual = t.ChainMatrix();
    for (int i = 0; i < 16; ++i)
      EXPECT_NEAR(actual[size_t(i)], expected[size_t(i)],
                  2e-5 * (1 + std::abs(expected[size_t(i)])))
          << "element " << i << " of case with angle " << c.angle;
  }
}

TEST_F(OffscreenContext, PaintDrawsInsideTheChainAndRestoresTheMatrix) {
  TGLTransform t;
  t.setTranX(0.5f);
  t.setAngleZ(90);
  TGLTransform::Matrix during{};
  t.setOnPaint([&](TGLTransform& sender) {
    EXPECT_EQ(&sender, &t);
    during = modelview();
    glMatrixMode(GL_PROJECTION);  // a painter that leaves another mode current
  });
  glTranslatef(0, 0, -1);
  const TGLTransform::Matrix before = modelview();
  t.Paint();
  TGLTransform::Matrix expected = t.ChainMatrix();
  expected[14] += -1;  // the chain multiplies onto what was there
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(during[size_t(i)], expected[size_t(i)], 1e-6) << i;
  EXPECT_EQ(modelview(), before);

  t.setOnPaint([](TGLTransform&) { throw std::runtime_error("no grid"); });
  EXPECT_THROW(t.Paint(), std::runtime_error);
  EXPECT_EQ(modelview(), before);
  GLint depth = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  EXPECT_EQ(depth, 1);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
