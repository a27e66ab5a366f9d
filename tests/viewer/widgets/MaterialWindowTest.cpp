#include "viewer/widgets/TFormMaterial.h"

#include "tests/support/Artifacts.h"

#include <gtest/gtest.h>

#include <QScrollBar>

namespace {

// A listed material as the project writes it (abridged).
QStringList Brick() {
  return {QStringLiteral("Solid brick, old"),
          QString(),
          QStringLiteral("Bulk density [kg/m^3] ................. 1650.00"),
          QStringLiteral("Moisture Storage Function"),
          QStringLiteral("   0.3000 | 2.10"),
          QStringLiteral("x-Direction"),
          QStringLiteral("Thermal conductivity"),
          QStringLiteral("  dry [W/(m K)] ..... 0.60")};
}

// True when some pixel of the band y0..y1 is darker than mid grey.
bool HasInk(const QImage& image, int y0, int y1, int x1) {
  for (int y = y0; y < y1; ++y)
    for (int x = 0; x < x1; ++x)
      if (qGray(image.pixel(x, y)) < 128) return true;
  return false;
}

}  // namespace

TEST(MaterialWindowShowsLines, ListedMaterialFitsOnePageAndLongTextScrolls) {
  TFormMaterial window(nullptr);
  window.show();
  window.SetLines(Brick());
  EXPECT_EQ(window.ScrollBar1()->maximum(), 0);
  const QImage image = window.RenderImage();
  testsupport::saveArtifact(image, QStringLiteral("material_window.png"));
  const int h = window.Model().LineHeight();
  const int lines = window.Model().LineCount();
  EXPECT_TRUE(HasInk(image, 0, h, 300));                        // the name
  EXPECT_FALSE(HasInk(image, h, 2 * h, 800));                   // the empty line after it
  EXPECT_TRUE(HasInk(image, (lines - 1) * h, lines * h, 300));  // the last line
  EXPECT_FALSE(HasInk(image, lines * h, image.height(), 800));  // nothing below

  QStringList many;
  for (int i = 0; i < 120; ++i) many << QStringLiteral("line %1").arg(i);
  window.SetLines(many);
  EXPECT_EQ(window.ScrollBar1()->maximum(), 120 - window.Model().LinesPerPage());
}
