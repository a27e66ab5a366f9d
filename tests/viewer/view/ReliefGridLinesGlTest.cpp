// Grid lines lie on the relief at the nodes' own heights: seen at a slant on
// a sloped surface they must show whole, not broken by the surface's depth.
#include "base/Colors.h"
#include "tests/support/Artifacts.h"
#include "tests/viewer/ViewTestHost.h"
#include "viewer/view/TfrmGLBase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int Nx = 10, Ny = 8;

bool IsGridGrey(QRgb rgb) {
  return std::abs(qRed(rgb) - 77) <= 3 && std::abs(qGreen(rgb) - 77) <= 3 &&
         std::abs(qBlue(rgb) - 77) <= 3;
}

}  // namespace

TEST(ReliefGridLines, ShowWholeAlongAFoldedSlope) {
  ViewTestHost host(Nx, Ny, ViewTestHost::AllActive(Nx, Ny));
  host.SetRange(dkWatercontent, 0, 20);
  // Rising along x, with folds along the grid lines, seen at a slant: the
  // lines lie on creases of the surface, where their depth meets its depth.
  auto& values = host.ValuesOf(dkWatercontent);
  for (int i = 0; i < Nx; ++i)
    for (int j = 0; j < Ny; ++j)
      values[std::size_t(i * Ny + j)] = 4.0f * float(i % 2) + 3.0f * float(j % 2) + float(i);
  TfrmGLBase view(host, dkWatercontent);
  view.resize(800, 560);
  view.show();
  view.ResetView();
  view.Model().SetDrawFlags(dfOutline);
  view.SetAngleX(-65);
  view.SetAngleZ(20);
  const QImage image = view.GrabFrame().convertToFormat(QImage::Format_RGB32);
  testsupport::saveArtifact(image, QStringLiteral("ReliefGridLines.png"));

  // Points along every inner grid segment through the frame's transform and
  // square viewport; a line of width 1 lands within two pixels of each.
  const TGLTransform::Matrix m = view.Transform1.ChainMatrix();
  const TGrid& grid = *view.Model().Grid();
  const SquareViewport vp = view.OpenGL1.FrameViewport();
  auto pixel = [&](const TGridVertex& v) {
    const float px = v.X - grid.Width() / 2, py = v.Y - grid.Height() / 2;
    const float ex = m[0] * px + m[4] * py + m[8] * v.Z + m[12];
    const float ey = m[1] * px + m[5] * py + m[9] * v.Z + m[13];
    return QPointF(vp.x + (ex + 1.0) / 2.0 * vp.side,
                   image.height() - (vp.y + (ey + 1.0) / 2.0 * vp.side));
  };
  const auto& vertices = view.Model().Vertices();
  const auto& outline = grid.OutlineIndices();
  int probes = 0, onLine = 0;
  for (std::size_t k = 0; k + 1 < outline.size(); k += 2) {
    const QPointF a = pixel(vertices[outline[k]]), b = pixel(vertices[outline[k + 1]]);
    for (int s = 1; s < 10; ++s) {
      const QPointF p = a + (b - a) * (s / 10.0);
      if (!image.rect().adjusted(3, 3, -3, -3).contains(p.toPoint())) continue;
      bool found = false;
      for (int dx = -2; dx <= 2 && !found; ++dx)
        for (int dy = -2; dy <= 2 && !found; ++dy) {
          const QPoint q(int(std::floor(p.x())) + dx, int(std::floor(p.y())) + dy);
          found = image.rect().contains(q) && IsGridGrey(image.pixel(q));
        }
      ++probes;
      onLine += found;
    }
  }
  ASSERT_GT(probes, 200);
  EXPECT_EQ(onLine, probes);
}
