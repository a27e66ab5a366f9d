// The start-up file rule and the two tiling layouts of the main window.
#include "viewer/CommandLineFiles.h"
#include "viewer/MdiTiling.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

std::function<bool(const QString&)> Existing(QSet<QString> files) {
  return [files = std::move(files)](const QString& p) { return files.contains(p); };
}

TEST(MainWindowCommandLine, ExistingParametersOpenInOrderAndTheJoinedTextIsNotTried) {
  const auto exists = Existing({QStringLiteral("/d/b.vq3"), QStringLiteral("/d/a.vq3"),
                                QStringLiteral("/d/b.vq3 /d/a.vq3")});
  EXPECT_EQ(FilesFromCommandLine({QStringLiteral("/d/b.vq3"), QStringLiteral("/d/a.vq3")}, exists),
            (QStringList{QStringLiteral("/d/b.vq3"), QStringLiteral("/d/a.vq3")}));
}

TEST(MainWindowCommandLine, HalvesOfAPathWithABlankOpenAsOnePath) {
  const auto exists = Existing({QStringLiteral("/my results/wall.vq3")});
  EXPECT_EQ(
      FilesFromCommandLine({QStringLiteral("/my"), QStringLiteral("results/wall.vq3")}, exists),
      QStringList{QStringLiteral("/my results/wall.vq3")});
}

TEST(MainWindowCommandLine, NothingNamedGivesNothing) {
  const auto exists = Existing({});
  EXPECT_TRUE(FilesFromCommandLine({}, exists).isEmpty());
  EXPECT_TRUE(FilesFromCommandLine({QStringLiteral("  ")}, exists).isEmpty());
  EXPECT_TRUE(FilesFromCommandLine({QStringLiteral("-x"), QStringLiteral("y")}, exists).isEmpty());
}

// Every point of the area lies in exactly one rectangle.
void ExpectPartition(const QRect& area, const std::vector<QRect>& rects) {
  long long sum = 0;
  for (const QRect& r : rects) {
    EXPECT_TRUE(area.contains(r)) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    sum += static_cast<long long>(r.width()) * r.height();
    for (const QRect& o : rects) {
      if (&o != &r) {
        EXPECT_FALSE(r.intersects(o));
      }
    }
  }
  EXPECT_EQ(sum, static_cast<long long>(area.width()) * area.height());
}

TEST(MainWindowTiling, VerticalPutsWindowsSideBySide) {
  const QRect area(0, 0, 900, 600);
  const auto rects = TileRects(area, 3, TileDirection::Vertical);
  ASSERT_EQ(rects.size(), 3u);
  for (const QRect& r : rects) EXPECT_EQ(r.height(), 600);
  EXPECT_LT(rects[0].left(), rects[1].left());
  EXPECT_LT(rects[1].left(), rects[2].left());
  ExpectPartition(area, rects);
}

TEST(MainWindowTiling, HorizontalStacksWindows) {
  const QRect area(10, 20, 800, 601);
  const auto rects = TileRects(area, 2, TileDirection::Horizontal);
  ASSERT_EQ(rects.size(), 2u);
  for (const QRect& r : rects) EXPECT_EQ(r.width(), 800);
  EXPECT_EQ(rects[0].top(), 20);
  EXPECT_EQ(rects[1].bottom(), area.bottom());
  ExpectPartition(area, rects);
}

TEST(MainWindowTiling, ManyWindowsFillLanesWithTheLastOnesFuller) {
  const QRect area(0, 0, 1000, 700);
  for (int n : {4, 5, 7, 8, 10}) {
    for (TileDirection d : {TileDirection::Vertical, TileDirection::Horizontal}) {
      const auto rects = TileRects(area, n, d);
      ASSERT_EQ(rects.size(), static_cast<size_t>(n));
      ExpectPartition(area, rects);
    }
  }
  // Five windows side by side in two columns: two in the first, three in the second.
  const auto five = TileRects(area, 5, TileDirection::Vertical);
  EXPECT_EQ(five[0].height(), 350);
  EXPECT_EQ(five[2].left(), 500);
  EXPECT_EQ(five[4].bottom(), 699);
}

TEST(MainWindowTiling, NoWindowsOrNoRoomGivesNoRectangles) {
  EXPECT_TRUE(TileRects(QRect(0, 0, 100, 100), 0, TileDirection::Vertical).empty());
  EXPECT_TRUE(TileRects(QRect(), 3, TileDirection::Horizontal).empty());
}

}  // namespace
