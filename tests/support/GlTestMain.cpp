// Test entry point for OpenGL tests. Qt's offscreen platform has no GL, so
// these run on the X display (Xvfb in CI). Listing the tests must work
// without a display, because ctest discovers them before Xvfb matters.
#include <gtest/gtest.h>
#include <QApplication>
#include <QSurfaceFormat>

#include <dlfcn.h>
#include <link.h>

#include <cstring>
#include <memory>

// The leak suppressions name the GL driver's modules. Closing the display
// unloads the driver before the leak check runs, and its leaks then show
// unknown modules; keeping the driver mapped lets them match. (The slow
// unwinder is no way out: it deadlocks in libgcc once llvmpipe has registered
// the frames of its compiled shaders.)
static void keepGlDriversLoaded() {
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void*) {
        if (info->dlpi_name && std::strstr(info->dlpi_name, "/dri/"))
          dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
        return 0;
      },
      nullptr);
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
  keepGlDriversLoaded();
  return result;
}
