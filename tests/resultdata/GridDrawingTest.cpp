// Draws the grid's arrays the way a view does (fill triangles, outlines,
// material edges, side marks) into an image and probes what a person sees.
#include "GridBuilder.h"

#include "tests/support/Artifacts.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr double kScale = 40;  // pixels per grid unit
constexpr int kPad = 20;

QPointF toImage(const TGridVertex& v, int height) {
  return {kPad + kScale * v.X, height - kPad - kScale * v.Y};
}

QImage draw(const TGrid& grid, const GridInput& in) {
  const int w = int(2 * kPad + kScale * grid.Width()), h = int(2 * kPad + kScale * grid.Height());
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  const auto& v = grid.Vertices();
  const QColor materials[] = {Qt::white, QColor(90, 160, 230), QColor(240, 190, 80)};
  p.setPen(Qt::NoPen);
  for (std::size_t n = 0; n < grid.ActiveCells().size(); ++n) {
    const std::int32_t k = grid.ActiveCells()[n];
    p.setBrush(materials[in.cells[std::size_t(k)]]);
    for (std::size_t t = 0; t < 4; ++t) {
      const auto* idx = &grid.FillIndices()[12 * n + 3 * t];
      const QPointF tri[3] = {toImage(v[idx[0]], h), toImage(v[idx[1]], h), toImage(v[idx[2]], h)};
      p.drawPolygon(tri, 3);
    }
  }
  auto lines = [&](const TGrid::IndexArray& indices, const QPen& pen) {
    p.setPen(pen);
    for (std::size_t n = 0; n + 1 < indices.size(); n += 2)
      p.drawLine(toImage(v[indices[n]], h), toImage(v[indices[n + 1]], h));
  };
  lines(grid.OutlineIndices(), QPen(Qt::gray, 1));
  lines(grid.EdgeIndices(), QPen(Qt::black, 3));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::red);
  for (const TSideMark& mark : grid.SideMarks()) {
    const QPointF c = toImage(v[std::size_t(mark.Node)], h);
    p.drawRect(QRectF(c.x() - 3, c.y() - 3, 6, 6));
  }
  return image;
}

TEST(GridDrawing, FillsActiveCellsAndOutlinesMaterialChanges) {
  // 9 x 7 nodes, unit cells; material 1 on the left, 2 on the right, a hole.
  GridInput in = unitGrid(9, 7);
  for (int i = 1; i < 8; ++i)
    for (int j = 1; j < 6; ++j) in.at(i, j) = i <= 4 ? 1 : 2;
  in.at(3, 3) = 0;
  TGrid grid;
  in.build(grid);
  const QImage image = draw(grid, in);
  testsupport::saveArtifact(image, QStringLiteral("grid-two-materials.png"));

  // Cell (i, j) spans x[i-1] .. x[i]; probe a quarter in from its corner so
  // no outline or mark is hit.
  auto pixel = [&](double gx, double gy) {
    return image.pixelColor(int(kPad + kScale * gx), int(image.height() - kPad - kScale * gy));
  };
  EXPECT_EQ(pixel(1.25, 1.25), QColor(90, 160, 230));  // cell (2, 2), material 1
  EXPECT_EQ(pixel(6.25, 3.25), QColor(240, 190, 80));  // cell (7, 4), material 2
  EXPECT_EQ(pixel(2.25, 2.25), QColor(Qt::white));     // the hole, cell (3, 3)
  EXPECT_EQ(pixel(0.25, 3.25), QColor(90, 160, 230));  // cell (1, 4) spans x 0 .. 1
  EXPECT_EQ(pixel(7.5, 5.5), QColor(Qt::white));       // row 6 of cells: inactive
  EXPECT_EQ(pixel(4.0, 2.5), QColor(Qt::black));       // material change at x = 4
  EXPECT_EQ(pixel(2.0, 2.5), QColor(Qt::black));       // hole's left side
}

}  // namespace
