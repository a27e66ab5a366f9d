#include <gtest/gtest.h>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

TEST(TestEnvironment, RunsOnOffscreenPlatformWithFonts) {
  EXPECT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
  // Widget tests measure text: a platform without fonts would give zero widths.
  QFontMetrics fm(QApplication::font());
  EXPECT_GT(fm.horizontalAdvance(QStringLiteral("Temperature")), 20);
}

TEST(TestEnvironment, PaintsIntoImages) {
  QImage img(8, 8, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.fillRect(2, 2, 3, 3, QColor(10, 20, 30));
  p.end();
  EXPECT_EQ(img.pixelColor(3, 3), QColor(10, 20, 30));
  EXPECT_EQ(img.pixelColor(5, 5), QColor(Qt::white));
}
