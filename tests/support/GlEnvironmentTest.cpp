#include <gtest/gtest.h>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <GL/gl.h>

// The views draw with fixed-function GL; the test display must offer a
// compatibility context in which glBegin/glEnd and the matrix stack work.
TEST(TestEnvironment, OffersCompatibilityGlContext) {
  QOpenGLContext ctx;
  ASSERT_TRUE(ctx.create());
  QOffscreenSurface surface;
  surface.setFormat(ctx.format());
  surface.create();
  ASSERT_TRUE(ctx.makeCurrent(&surface));
  EXPECT_NE(ctx.format().profile(), QSurfaceFormat::CoreProfile);

  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(1.f, 2.f, 3.f);
  GLfloat m[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  EXPECT_FLOAT_EQ(m[12], 1.f);
  EXPECT_FLOAT_EQ(m[14], 3.f);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  ctx.doneCurrent();
}
