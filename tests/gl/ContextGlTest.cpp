#include "base/Exceptions.h"
#include "tests/gl/GlTestWindow.h"

#include <array>

using Mat = std::array<double, 16>;

// glOrtho's matrix for the unit square between the near and far planes.
static void expectOrtho(const Mat& actual, double n, double f) {
  const Mat expected{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -2 / (f - n), 0, 0, 0, -(f + n) / (f - n), 1};
  for (size_t i = 0; i < 16; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-6) << i;
}

TEST(GlContextFollowsProperties, CapabilitiesProjectionAndSquareViewportAsAskedUntilTheOwnerGoes) {
  GlTestWindow w;
  std::array<GLint, 4> viewport{};
  Mat projection{};
  w.gl->setOnPaint([&] {
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
  });
  ASSERT_TRUE(w.open(300, 200));
  w.frame();
  const double dpr = w.gl->DevicePixelRatio();
  const SquareViewport expected = CenteredSquareViewport(int(300 * dpr), int(200 * dpr));
  EXPECT_EQ(viewport, (std::array<GLint, 4>{expected.x, expected.y, expected.side, expected.side}));
  expectOrtho(projection, -50, 100);

  w.gl->MakeCurrent();
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
  // One of the display's configurations, with at least the wanted bits.
  EXPECT_GE(w.gl->SelectedPixelFormat().colorBits, 24);
  EXPECT_GE(w.gl->SelectedPixelFormat().depthBits, 24);

  // A setter reloads the projection from the identity and keeps the matrix mode.
  glMatrixMode(GL_MODELVIEW);
  w.gl->setprxNear(-10);
  w.gl->setProjection(TProjection::Orthographic);
  w.gl->MakeCurrent();
  glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
  expectOrtho(projection, -10, 100);
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);

  auto lit = std::make_unique<GlTestWindow>();
  ASSERT_TRUE(lit->open(50, 50, [](TOpenGL& gl) { gl.setEnable(TEnable::Lighting); }));
  lit->gl->MakeCurrent();
  EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  // The form takes the drawing area and its context with it; what is left is harmless.
  const std::unique_ptr<TOpenGL> orphan = std::move(lit->gl);
  lit.reset();
  EXPECT_FALSE(orphan->Active());
  EXPECT_EQ(orphan->Widget(), nullptr);
  EXPECT_FALSE(orphan->Resize());
  orphan->MakeCurrent();
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
  ASSERT_TRUE(w.open(80, 80));
  fail = true;
  w.frame();
  EXPECT_TRUE(QTest::qWaitFor([&] { return boxes.size() >= 2; }, 5000));
  EXPECT_EQ(boxes,
            QStringList({"Application Error|Cannot draw the field", "Error|invalid enumerant"}));
  fail = false;
  EXPECT_FALSE(w.frame().isNull());

  // The last one loaded reports; only the owner of the reporter clears it.
  auto headless = std::make_unique<TOpenGL>();
  headless->Loaded();
  w.gl.reset();
  EXPECT_EQ(TApplication::ExceptionHandlerOwner(), headless.get());
  TApplication::HandleException(std::make_exception_ptr(base::Exception("No context")));
  EXPECT_EQ(boxes.last(), "Application Error|No context");  // and no GL errors to list
  headless.reset();
  EXPECT_EQ(TApplication::ExceptionHandlerOwner(), nullptr);
  TApplication::SetMessageBoxHook(nullptr);
}
