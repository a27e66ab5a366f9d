// The start-up file rule and the two tiling layouts of the main window.
#include "viewer/main/CommandLineFiles.h"
#include "viewer/main/MdiTiling.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

TEST(MainWindowCommandLine, ExistingParametersOpenInOrderAndHalvesOfABlankedPathJoin) {
  const QSet<QString> files = {QStringLiteral("/d/b.vq3"), QStringLiteral("/d/a.vq3"),
                               QStringLiteral("/d/b.vq3 /d/a.vq3"),
                               QStringLiteral("/my results/wall.vq3")};
  const auto exists = [&files](const QString& p) { return files.contains(p); };
  EXPECT_EQ(FilesFromCommandLine({QStringLiteral("/d/b.vq3"), QStringLiteral("/d/a.vq3")}, exists),
            (QStringList{QStringLiteral("/d/b.vq3"), QStringLiteral("/d/a.vq3")}));
  EXPECT_EQ(
      FilesFromCommandLine({QStringLiteral("/my"), QStringLiteral("results/wall.vq3")}, exists),
      QStringList{QStringLiteral("/my results/wall.vq3")});
  EXPECT_TRUE(FilesFromCommandLine({}, exists).isEmpty());
  EXPECT_TRUE(FilesFromCommandLine({QStringLiteral("  ")}, exists).isEmpty());
  EXPECT_TRUE(FilesFromCommandLine({QStringLiteral("-x"), QStringLiteral("y")}, exists).isEmpty());
}

TEST(MainWindowTiling, WindowsPartitionTheAreaInLanesWithTheLastOnesFuller) {
  const QRect area(0, 0, 1000, 700);
  for (int n : {1, 2, 3, 4, 5, 7, 8, 10}) {
    for (TileDirection d : {TileDirection::Vertical, TileDirection::Horizontal}) {
      SCOPED_TRACE(n);
      const auto rects = TileRects(area, n, d);
      ASSERT_EQ(rects.size(), static_cast<size_t>(n));
      long long sum = 0;  // every point of the area lies in exactly one rectangle
      for (const QRect& r : rects) {
        EXPECT_TRUE(area.contains(r));
        // Up to three windows each span the area across their lane.
        EXPECT_TRUE(n > 3 ||
                    (d == TileDirection::Vertical ? r.height() == 700 : r.width() == 1000));
        sum += static_cast<long long>(r.width()) * r.height();
        for (const QRect& o : rects) EXPECT_TRUE(&o == &r || !r.intersects(o));
      }
      EXPECT_EQ(sum, static_cast<long long>(area.width()) * area.height());
    }
  }
  // Five windows side by side in two columns: two in the first, three in the second.
  const auto five = TileRects(area, 5, TileDirection::Vertical);
  EXPECT_EQ((std::vector{five[0].height(), five[2].left(), five[4].bottom()}),
            (std::vector{350, 500, 699}));
  EXPECT_TRUE(TileRects(area, 0, TileDirection::Vertical).empty());
  EXPECT_TRUE(TileRects(QRect(), 3, TileDirection::Horizontal).empty());
}

}  // namespace
