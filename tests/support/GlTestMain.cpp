// Test entry point for OpenGL tests. Qt's offscreen platform has no GL, so
// these run on the X display (Xvfb in CI). Listing the tests must work
// without a display, because ctest discovers them before Xvfb matters.
#include <gtest/gtest.h>
#include <QApplication>
#include <QSurfaceFormat>

#include <cstring>
#include <memory>

// The GL driver allocates from code without frame pointers; only the slow
// unwinder sees far enough to match the driver's leak suppressions.
extern "C" const char* __asan_default_options() {
  return "fast_unwind_on_malloc=0";
}

int main(int argc, char** argv) {
  bool listing = false;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--gtest_list_tests") == 0) listing = true;
  testing::InitGoogleTest(&argc, argv);
  if (listing) return RUN_ALL_TESTS();

  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::fprintf(stderr, "GL tests need an X display (DISPLAY is not set)\n");
    return 1;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  // Fixed-function GL: ask for a compatibility-profile context everywhere.
  QSurfaceFormat fmt = QSurfaceFormat::defaultFormat();
  fmt.setProfile(QSurfaceFormat::CompatibilityProfile);
  fmt.setDepthBufferSize(24);
  QSurfaceFormat::setDefaultFormat(fmt);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
