// Test entry point for OpenGL tests. Qt's offscreen platform has no GL, so
// these run on the X display (Xvfb in CI). Listing the tests must work
// without a display, because ctest discovers them before Xvfb matters.
#include <gtest/gtest.h>
#include <QApplication>
#include <QSurfaceFormat>

#include <cstring>

// The leak check of the sanitizer runtime (absent from builds without it).
extern "C" __attribute__((weak)) void __lsan_do_leak_check();

// Runs the leak check now, while the GL driver's and Qt's threads idle in
// their waits and the driver is still mapped (the suppressions name its
// modules). At exit the check stops the world while Qt and the driver tear
// their threads and libraries down, and the tracer that suspends the threads
// has crashed there (signal 11). The runtime checks only once, so the
// exit-time check is skipped.
static void checkLeaksNow() {
  if (__lsan_do_leak_check) __lsan_do_leak_check();
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
  const int result = RUN_ALL_TESTS();
  checkLeaksNow();
  return result;
}
