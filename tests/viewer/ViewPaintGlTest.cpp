// What a user sees in a view window, from a file made by the test writer:
// frames are rendered into images, kept as artifacts and probed at pixels
// computed from the view's own transform.
#include "base/Colors.h"
#include "platform/GlutLoader.h"
#include "tests/support/Artifacts.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/ViewFileHost.h"
#include "viewer/ColorLegendModel.h"
#include "viewer/TColorScrollBox.h"
#include "viewer/TfrmGLBase.h"

#include <gtest/gtest.h>
#include <QOpenGLWidget>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

constexpr int Nx = 11, Ny = 9;  // 10 x 8 unit cells, 9 x 7 of them active
constexpr int HoleI = 3, HoleJ = 4;

int cell(int i, int j) {
  return i * Ny + j;
}

// Temperature of cell column i: the middle of legend class i of [-10, 30].
float temperatureOf(int i) {
  return -10.0f + 4.0f * float(i - 1) + 2.0f;
}

// Temperature (kind 2) and capillary flux (kind 4) on a grid of two materials
// (columns 1-5 and 6-10) with one inactive cell in the first material.
QString writeFile(const QString& dir) {
  resultwriter::ResultFileSpec spec;
  spec.version = 2;
  spec.setKinds({2, 4});
  for (int i = 0; i < Nx; ++i) spec.x.push_back(float(i));
  for (int j = 0; j < Ny; ++j) spec.y.push_back(float(j));
  spec.cellMaterials.assign(std::size_t(Nx * Ny), 0);
  // The last column and row stay inactive, as the boundary cells of a
  // simulation are, so that every side gets its boundary markers.
  for (int i = 1; i < Nx - 1; ++i)
    for (int j = 1; j < Ny - 1; ++j) spec.cellMaterials[std::size_t(cell(i, j))] = i <= 5 ? 1 : 2;
  spec.cellMaterials[std::size_t(cell(HoleI, HoleJ))] = 0;
  for (const char* name : {"brick", "mortar"}) {
    resultwriter::Material m;
    m.name = name;
    spec.materials.push_back(m);
  }
  resultwriter::Ranges ranges{};
  ranges[2] = {-10.0f, 30.0f};
  ranges[4] = {0.0f, 2.0f};
  spec.ranges = ranges;
  resultwriter::Step step;
  step.time = 3600;
  step.values[2].assign(std::size_t(Nx * Ny), 0.0f);
  for (int i = 0; i < Nx; ++i)
    for (int j = 0; j < Ny; ++j)
      step.values[2][std::size_t(cell(i, j))] = temperatureOf(std::max(i, 1));
  step.values[4].assign(std::size_t(Nx * Ny), 1.0f);
  step.directions[4].assign(std::size_t(Nx * Ny), 0.0f);
  spec.steps.push_back(step);
  const QString path = dir + "/wall.res";
  resultwriter::writeFile(spec, path);
  return path;
}

class ViewPaint : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    host_ = std::make_unique<ViewFileHost>(writeFile(dir_.path()));
  }

  std::unique_ptr<TfrmGLBase> open(TDataKind kind) {
    auto view = std::make_unique<TfrmGLBase>(*host_, kind);
    view->resize(800, 520);
    view->show();
    view->ResetView();
    return view;
  }

  // Renders and keeps the frame as an artifact.
  QImage frame(TfrmGLBase& view, const QString& name) {
    QImage image = view.GrabFrame().convertToFormat(QImage::Format_RGB32);
    testsupport::saveArtifact(image, "View" + name + ".png");
    return image;
  }

  // Pixel (column, row from the top) of a scene point of the grid (metres,
  // origin at the grid's corner) at height z, through the transform of the
  // last frame, the orthographic box [-1, 1] and the square viewport.
  static QPoint pixelOf(TfrmGLBase& view, const QImage& image, float x, float y, float z = 0) {
    const TGLTransform::Matrix m = view.Transform1.ChainMatrix();
    const TGrid& grid = *view.Model().Grid();
    const float px = x - grid.Width() / 2, py = y - grid.Height() / 2;
    const float ex = m[0] * px + m[4] * py + m[8] * z + m[12];
    const float ey = m[1] * px + m[5] * py + m[9] * z + m[13];
    const SquareViewport vp = view.OpenGL1.FrameViewport();
    const double col = vp.x + (ex + 1.0) / 2.0 * vp.side;
    const double rowFromBottom = vp.y + (ey + 1.0) / 2.0 * vp.side;
    return {int(std::floor(col)), image.height() - 1 - int(std::floor(rowFromBottom))};
  }

  static base::TColor colourAt(const QImage& image, QPoint p) {
    const QRgb rgb = image.pixel(p);
    return base::RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
  }

  static bool near(base::TColor a, base::TColor b, int tolerance) {
    return std::abs(base::GetRValue(a) - base::GetRValue(b)) <= tolerance &&
           std::abs(base::GetGValue(a) - base::GetGValue(b)) <= tolerance &&
           std::abs(base::GetBValue(a) - base::GetBValue(b)) <= tolerance;
  }

  static int countNear(const QImage& image, base::TColor colour, int tolerance) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (near(colourAt(image, {x, y}), colour, tolerance)) ++n;
    return n;
  }

  QTemporaryDir dir_;
  std::unique_ptr<ViewFileHost> host_;
};

const base::TColor Background = base::RGB(230, 230, 224);

}  // namespace

TEST_F(ViewPaint, FlatCellsShowTheirClassColourAndInactiveCellsTheBackground) {
  auto view = open(dkTemperature);
  view->Model().SetShadeModel(ViewModel::glFlat);
  const QImage image = frame(*view, "Flat");
  const ColorLegendModel& legend = view->csb->Model();

  EXPECT_EQ(colourAt(image, {2, 2}), Background);
  for (int i : {1, 4, 7, 9}) {
    const QPoint p = pixelOf(*view, image, float(i) - 0.5f, 2.5f, temperatureOf(i));
    EXPECT_EQ(colourAt(image, p), base::ColorToRGB(legend.ValueToClassColor(temperatureOf(i))))
        << "column " << i << " at " << p.x() << "," << p.y();
  }
  const QPoint hole = pixelOf(*view, image, HoleI - 0.5f, HoleJ - 0.5f);
  EXPECT_EQ(colourAt(image, hole), Background);
}

TEST_F(ViewPaint, SmoothCellsShowTheInterpolatedColourOfTheirHeight) {
  auto view = open(dkTemperature);
  ASSERT_EQ(view->Model().ShadeModel(), ViewModel::glSmooth);
  const QImage image = frame(*view, "Smooth");
  const ColorLegendModel& legend = view->csb->Model();
  for (int i : {2, 5, 8}) {
    const QPoint p = pixelOf(*view, image, float(i) - 0.5f, 6.5f, temperatureOf(i));
    const base::TColor expected =
        base::ColorToRGB(legend.ValueToInterpolatedColor(temperatureOf(i)));
    EXPECT_TRUE(near(colourAt(image, p), expected, 4))
        << "column " << i << std::hex << " got " << colourAt(image, p) << " expected " << expected;
  }
  EXPECT_EQ(colourAt(image, pixelOf(*view, image, HoleI - 0.5f, HoleJ - 0.5f)), Background);
}

TEST_F(ViewPaint, MaterialBorderIsDarkerThanItsSurroundings) {
  auto view = open(dkTemperature);
  view->Model().SetShadeModel(ViewModel::glFlat);
  const QImage with = frame(*view, "MaterialBorders");
  // The border between the materials runs along x = 5; a line of width 2
  // lands within a pixel or two of the computed point.
  const base::TColor borderGrey = base::RGB(26, 26, 26);  // 0.1 grey
  auto findBorder = [](const QImage& image, QPoint around, base::TColor colour) {
    for (int dx = -2; dx <= 2; ++dx)
      if (near(colourAt(image, around + QPoint(dx, 0)), colour, 3)) return around + QPoint(dx, 0);
    return QPoint(-1, -1);
  };
  const QPoint computed = pixelOf(*view, with, 5.0f, 2.5f, temperatureOf(5));
  const QPoint onBorder = findBorder(with, computed, borderGrey);
  ASSERT_NE(onBorder, QPoint(-1, -1)) << "no border near " << computed.x() << "," << computed.y();
  EXPECT_FALSE(near(colourAt(with, onBorder + QPoint(6, 0)), borderGrey, 20));
  EXPECT_FALSE(near(colourAt(with, onBorder - QPoint(6, 0)), borderGrey, 20));

  view->Model().SetFlag(dfMaterialBorders, false);
  const QImage without = frame(*view, "NoMaterialBorders");
  EXPECT_EQ(findBorder(without, computed, borderGrey), QPoint(-1, -1));
}

TEST_F(ViewPaint, WireframeLeavesTheInsideOfTrianglesOpen) {
  auto view = open(dkTemperature);
  view->Model().SetFlag(dfWireFrame, true);
  const QImage image = frame(*view, "Wireframe");
  // Inside the right-hand triangle of a cell, away from its three edges.
  EXPECT_EQ(colourAt(image, pixelOf(*view, image, 6.3f, 4.5f, temperatureOf(7))), Background);
  // The relief's lines are there.
  const ColorLegendModel& legend = view->csb->Model();
  EXPECT_GT(
      countNear(image, base::ColorToRGB(legend.ValueToInterpolatedColor(temperatureOf(7))), 6), 20);
}

TEST_F(ViewPaint, SeenFromBelowTheReliefShowsOnlyItsOutlines) {
  auto view = open(dkTemperature);
  view->Model().SetFlag(dfSidePanel, false);
  view->SetAngleX(180);  // every polygon faces away: back faces are outlined
  const QImage image = frame(*view, "FromBelow");
  // Seen from below, y runs downwards; x is unchanged.
  EXPECT_EQ(colourAt(image, pixelOf(*view, image, 6.3f, 4.5f, temperatureOf(7))), Background);
  const ColorLegendModel& legend = view->csb->Model();
  EXPECT_GT(
      countNear(image, base::ColorToRGB(legend.ValueToInterpolatedColor(temperatureOf(7))), 6), 20);
}

TEST_F(ViewPaint, SidePanelStandsAroundTheGridWhenSeenFromTheSide) {
  auto view = open(dkTemperature);
  view->Model().SetNumberingEnabled(true);
  view->SetAngleX(-60);
  view->SetAngleZ(20);
  const QImage with = frame(*view, "SidePanel");
  const base::TColor wall = base::RGB(143, 138, 120);  // 0.56, 0.54, 0.47
  EXPECT_GT(countNear(with, wall, 3), 500);
  view->Model().SetFlag(dfSidePanel, false);
  const QImage without = frame(*view, "NoSidePanel");
  EXPECT_EQ(countNear(without, wall, 3), 0);
}

TEST_F(ViewPaint, NormalisedArrowsPointAlongTheirDirection) {
  auto view = open(dkCapillaryFlux);
  ASSERT_TRUE(view->Model().HasFlag(dfArrowNorm));
  const QImage image = frame(*view, "ArrowsNormalised");
  const float length = 1.0f / 1.1f;
  for (int i : {2, 6, 9}) {
    const QPoint shaft = pixelOf(*view, image, float(i) - 0.5f + 0.4f * length, 3.5f);
    EXPECT_TRUE(near(colourAt(image, shaft), base::clBlack, 40)) << "column " << i;
    // Beside the arrow the background shows.
    const QPoint beside = pixelOf(*view, image, float(i) - 0.5f + 0.4f * length, 3.8f);
    EXPECT_EQ(colourAt(image, beside), Background);
  }
}

TEST_F(ViewPaint, LogarithmicArrowsAreShorter) {
  auto view = open(dkCapillaryFlux);
  view->Model().SetFlag(dfArrowNorm, false);
  view->Model().SetFlag(dfArrowLog, true);
  const QImage image = frame(*view, "ArrowsLogarithmic");
  // k = 2.2 * 1 / (0 + 2); length ln(1 + 1) * 1.1 = 0.76 of a cell.
  const float length = std::log(2.0f) * 1.1f;
  const QPoint shaft = pixelOf(*view, image, 3.5f + 0.4f * length, 3.5f);
  EXPECT_TRUE(near(colourAt(image, shaft), base::clBlack, 40));
  const QPoint past = pixelOf(*view, image, 3.5f + length + 0.08f, 3.5f);
  EXPECT_EQ(colourAt(image, past), Background);
}

TEST_F(ViewPaint, AxisTripodStandsTopLeftInScalarViewsOnly) {
  auto scalar = open(dkTemperature);
  const QImage relief = frame(*scalar, "Tripod");
  if (!platform::GlutLoader::instance().hasSolidCube()) GTEST_SKIP() << "no GLUT on this machine";
  const base::TColor tripod = base::RGB(204, 204, 199);  // 0.8, 0.8, 0.78
  const QImage corner = relief.copy(0, 0, relief.width() / 4, relief.height() / 4);
  EXPECT_GT(countNear(corner, tripod, 3), 30);

  auto vector = open(dkCapillaryFlux);
  const QImage arrows = frame(*vector, "NoTripod");
  EXPECT_EQ(countNear(arrows.copy(0, 0, arrows.width() / 4, arrows.height() / 4), tripod, 3), 0);
}
