// Test entry point for everything that needs no OpenGL: a QApplication on
// Qt's offscreen platform, so widgets and fonts work without an X server.
#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
