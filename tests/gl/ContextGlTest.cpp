#include "base/Exceptions.h"
#include "gl/GlxPixelFormats.h"
#include "tests/gl/GlTestWindow.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>

namespace {

using Mat = std::array<double, 16>;

Mat projectionMatrix() {
  Mat m{};
  glGetDoublev(GL_PROJECTION_MATRIX, m.data());
  return m;
}

Mat ortho(double l, double r, double b, double t, double n, double f) {
  Mat m{};
  m[0] = 2 / (r - l);
  m[5] = 2 / (t - b);
  m[10] = -2 / (f - n);
  m[12] = -(r + l) / (r - l);
  m[13] = -(t + b) / (t - b);
  m[14] = -(f + n) / (f - n);
  m[15] = 1;
  return m;
}

Mat frustum(double l, double r, double b, double t, double n, double f) {
  Mat m{};
  m[0] = 2 * n / (r - l);
  m[5] = 2 * n / (t - b);
  m[8] = (r + l) / (r - l);
  m[9] = (t + b) / (t - b);
  m[10] = -(f + n) / (f - n);
  m[11] = -1;
  m[14] = -2 * f * n / (f - n);
  return m;
}

void expectMatrix(const Mat& actual, const Mat& expected) {
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(actual[size_t(i)], expected[size_t(i)], 1e-6) << i;
}

void viewConfiguration(TOpenGL& gl) {
  gl.setpfdFlags(TPFDFlag::DoubleBuffer | TPFDFlag::Draw_To_Window | TPFDFlag::Support_OPENGL);
  gl.setProjection(TProjection::Orthographic);
  gl.setprxNear(-50);
  gl.setprxFar(100);
  gl.setDepthBits(24);
  gl.setClearRed(0.9f);
  gl.setClearGreen(0.9f);
  gl.setClearBlue(0.88f);
}

}  // namespace

TEST(GlContextFollowsProperties, CapabilitiesClearColourAndFormat) {
  GlTestWindow w;
  ASSERT_TRUE(w.open(300, 200, viewConfiguration));
  w.gl->MakeCurrent();
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
  GLfloat clear[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
  EXPECT_FLOAT_EQ(clear[0], 0.9f);
  EXPECT_FLOAT_EQ(clear[2], 0.88f);
  EXPECT_FLOAT_EQ(clear[3], 1.0f);

  // The display offers configurations; one of them was asked for and the
  // obtained buffers have at least the wanted bits.
  EXPECT_FALSE(DisplayPixelFormats().empty());
  const TPixelFormatDescriptor got = w.gl->SelectedPixelFormat();
  EXPECT_GE(got.colorBits, 24);
  EXPECT_GE(got.depthBits, 24);
  EXPECT_TRUE(got.flags.testFlag(TPFDFlag::Support_OPENGL));

  GlTestWindow lit;
  ASSERT_TRUE(lit.open(50, 50, [](TOpenGL& gl) { gl.setEnable(TEnable::Lighting); }));
  lit.gl->MakeCurrent();
  EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}

TEST(GlContextFollowsProperties, EachFrameGetsProjectionAndCentredSquareViewport) {
  GlTestWindow w;
  std::array<GLint, 4> viewport{};
  Mat projection{};
  w.gl->setOnPaint([&] {
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    projection = projectionMatrix();
  });
  ASSERT_TRUE(w.open(300, 200, viewConfiguration));
  w.frame();
  const double dpr = w.gl->DevicePixelRatio();
  const SquareViewport expected = CenteredSquareViewport(int(300 * dpr), int(200 * dpr));
  EXPECT_EQ(viewport, (std::array<GLint, 4>{expected.x, expected.y, expected.side, expected.side}));
  EXPECT_EQ(viewport[1], int(-50 * dpr));
  expectMatrix(projection, ortho(-1, 1, -1, 1, -50, 100));
}

TEST(GlContextFollowsProperties, ProjectionSettersReloadFromIdentity) {
  GlTestWindow w;
  ASSERT_TRUE(w.open(100, 100, viewConfiguration));
  w.gl->MakeCurrent();
  glMatrixMode(GL_MODELVIEW);
  w.gl->setprxNear(-10);
  w.gl->MakeCurrent();
  expectMatrix(projectionMatrix(), ortho(-1, 1, -1, 1, -10, 100));
  w.gl->setprxNear(2);
  w.gl->setProjection(TProjection::Perspective);
  w.gl->MakeCurrent();
  expectMatrix(projectionMatrix(), frustum(-1, 1, -1, 1, 2, 100));
  w.gl->setProjection(TProjection::Perspective);  // again: not multiplied twice
  expectMatrix(projectionMatrix(), frustum(-1, 1, -1, 1, 2, 100));
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST(GlContextFollowsProperties, ResizeSetsViewportAndReportsShrinking) {
  GlTestWindow w;
  ASSERT_TRUE(w.open(300, 200, viewConfiguration));
  EXPECT_FALSE(w.gl->Resize());  // first size: grown from nothing
  w.gl->setWidth(200);
  w.gl->setHeight(300);
  EXPECT_FALSE(w.gl->Resize());
  std::array<GLint, 4> viewport{};
  glGetIntegerv(GL_VIEWPORT, viewport.data());
  const SquareViewport v = w.gl->FrameViewport();
  EXPECT_EQ(viewport, (std::array<GLint, 4>{v.x, v.y, v.side, v.side}));
  EXPECT_LT(v.x, 0);
  w.gl->setWidth(150);
  EXPECT_TRUE(w.gl->Resize());
}

TEST(GlContextReleasesWithOwner, OwnerGoneMeansInactive) {
  auto w = std::make_unique<GlTestWindow>();
  ASSERT_TRUE(w->open(60, 60, viewConfiguration));
  TOpenGL* gl = w->gl.release();
  w.reset();  // the form takes the drawing area and its context with it
  EXPECT_FALSE(gl->Active());
  EXPECT_EQ(gl->Widget(), nullptr);
  EXPECT_FALSE(gl->Resize());
  gl->MakeCurrent();  // harmless
  delete gl;
}

TEST(GlPaintExceptionsAreReported, MessageThenPendingGlErrorsAndTheProcessGoesOn) {
  QStringList boxes;
  TApplication::SetMessageBoxHook([&](QMessageBox::Icon, const QString& title,
                                      const QString& text) { boxes << title + "|" + text; });
  GlTestWindow w;
  bool fail = false;
  w.gl->setOnPaint([&] {
    if (!fail) return;
    glEnable(GLenum(0x7FFF));  // leaves GL_INVALID_ENUM pending
    throw base::Exception("Cannot draw the field");
  });
  ASSERT_TRUE(w.open(80, 80, viewConfiguration));
  fail = true;
  w.frame();
  EXPECT_TRUE(QTest::qWaitFor([&] { return boxes.size() >= 2; }, 5000));
  EXPECT_EQ(boxes,
            QStringList({"Application Error|Cannot draw the field", "Error|invalid enumerant"}));

  fail = false;
  EXPECT_FALSE(w.frame().isNull());
  w.gl.reset();
  EXPECT_EQ(TApplication::ExceptionHandlerOwner(), nullptr);
  TApplication::SetMessageBoxHook(nullptr);
}
