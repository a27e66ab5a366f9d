// What a user sees of a written file in each drawing mode: renders kept as
// artifacts, probed at pixels computed from the view's own transform.
#include "base/Colors.h"
#include "tests/support/Artifacts.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "tests/viewer/ViewFileHost.h"
#include "viewer/view/TfrmGLBase.h"
#include "viewer/widgets/TColorScrollBox.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

constexpr int Nx = 11, Ny = 9;               // 10 x 8 unit cells, 9 x 7 of them active
constexpr float HoleX = 2.5f, HoleY = 3.5f;  // centre of the inactive cell (3, 4)
const base::TColor Background = base::RGB(230, 230, 224);

// Temperature of cell column i: the middle of legend class i of [-10, 30].
float T(int i) {
  return -10.0f + 4.0f * float(i - 1) + 2.0f;
}

// Temperature (kind 2) and capillary flux 1 along +x (kind 4) on two
// materials (columns 1-5 and 6-10) with one inactive cell; the last column
// and row inactive, as a simulation's boundary cells are.
QString writeFile(const QString& dir) {
  resultwriter::ResultFileSpec spec;
  spec.version = 2;
  spec.setKinds({2, 4});
  for (int i = 0; i < Nx; ++i) spec.x.push_back(float(i));
  for (int j = 0; j < Ny; ++j) spec.y.push_back(float(j));
  spec.cellMaterials.assign(std::size_t(Nx * Ny), 0);
  resultwriter::Step step;
  step.values[2].resize(std::size_t(Nx * Ny));
  for (int i = 0; i < Nx; ++i)
    for (int j = 0; j < Ny; ++j) {
      const std::size_t cell = std::size_t(i * Ny + j);
      if (i > 0 && j > 0 && i < Nx - 1 && j < Ny - 1) spec.cellMaterials[cell] = i <= 5 ? 1 : 2;
      step.values[2][cell] = T(std::max(i, 1));
    }
  spec.cellMaterials[std::size_t(3 * Ny + 4)] = 0;
  spec.materials.resize(2);
  spec.ranges.emplace();
  (*spec.ranges)[2] = {-10.0f, 30.0f};
  (*spec.ranges)[4] = {0.0f, 2.0f};
  step.values[4].assign(std::size_t(Nx * Ny), 1.0f);
  step.directions[4].assign(std::size_t(Nx * Ny), 0.0f);
  spec.steps.push_back(step);
  const QString path = dir + "/wall.res";
  resultwriter::writeFile(spec, path);
  return path;
}

bool near(base::TColor a, base::TColor b, int tolerance) {
  return std::abs(base::GetRValue(a) - base::GetRValue(b)) <= tolerance &&
         std::abs(base::GetGValue(a) - base::GetGValue(b)) <= tolerance &&
         std::abs(base::GetBValue(a) - base::GetBValue(b)) <= tolerance;
}

struct Frame {
  TfrmGLBase& view;
  QImage image;

  // Pixel of a grid point (metres from the grid's corner) at height z through
  // the last frame's transform, the box [-1, 1] and the square viewport.
  QPoint at(float x, float y, float z = 0) const {
    const TGLTransform::Matrix m = view.Transform1.ChainMatrix();
    const TGrid& grid = *view.Model().Grid();
    const float px = x - grid.Width() / 2, py = y - grid.Height() / 2;
    const float ex = m[0] * px + m[4] * py + m[8] * z + m[12];
    const float ey = m[1] * px + m[5] * py + m[9] * z + m[13];
    const SquareViewport vp = view.OpenGL1.FrameViewport();
    return {int(std::floor(vp.x + (ex + 1.0) / 2.0 * vp.side)),
            image.height() - 1 - int(std::floor(vp.y + (ey + 1.0) / 2.0 * vp.side))};
  }
  base::TColor colour(QPoint p) const {
    const QRgb rgb = image.pixel(p);
    return base::RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
  }
  base::TColor colour(float x, float y, float z = 0) const { return colour(at(x, y, z)); }
  int count(base::TColor c, int tolerance) const {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (near(colour(QPoint(x, y)), c, tolerance)) ++n;
    return n;
  }
  // A line of width 1 or 2 lands within two pixels of its computed point.
  std::optional<QPoint> lineNear(QPoint p, base::TColor c) const {
    for (int dx = -2; dx <= 2; ++dx)
      if (near(colour(p + QPoint(dx, 0)), c, 3)) return p + QPoint(dx, 0);
    return std::nullopt;
  }
  base::TColor legend(float value, bool classColour) const {
    const ColorLegendModel& l = view.csb->Model();
    return base::ColorToRGB(classColour ? l.ValueToClassColor(value)
                                        : l.ValueToInterpolatedColor(value));
  }
};

const base::TColor BorderGrey = base::RGB(26, 26, 26);  // 0.1
const base::TColor GridGrey = base::RGB(77, 77, 77);    // 0.3
const base::TColor Wall = base::RGB(143, 138, 120);     // 0.56, 0.54, 0.47

// Open polygons (wireframe, back faces): background inside, the lines there.
void outlinesOnly(const Frame& f) {
  EXPECT_EQ(f.colour(6.3f, 4.5f, T(7)), Background);
  EXPECT_GT(f.count(f.legend(T(7), false), 6), 20);
}

// Border lines are found only where the materials meet, x = 5, when they set
// their own vertex array after the grid lines, tripod and markers.
void flatClassesAndBorders(const Frame& f) {
  for (int i : {1, 4, 7, 9}) EXPECT_EQ(f.colour(i - 0.5f, 2.5f, T(i)), f.legend(T(i), true)) << i;
  EXPECT_EQ(f.colour(HoleX, HoleY), Background);
  const auto border = f.lineNear(f.at(5.0f, 2.5f, T(5)), BorderGrey);
  ASSERT_TRUE(border);
  EXPECT_FALSE(near(f.colour(*border + QPoint(6, 0)), BorderGrey, 20));
  EXPECT_FALSE(near(f.colour(*border - QPoint(6, 0)), BorderGrey, 20));
}

void smoothHeights(const Frame& f) {
  for (int i : {2, 5, 8})
    EXPECT_TRUE(near(f.colour(i - 0.5f, 6.5f, T(i)), f.legend(T(i), false), 4)) << i;
  EXPECT_EQ(f.colour(HoleX, HoleY), Background);
}

// Arrows start at cell centres and point along +x, MaxCellSize / 1.1 long or,
// logarithmic with k = 2.2 * 1 / (0 + 2), ln(1 + 1) * 1.1 = 0.76 of a cell.
void arrowsOfLength(const Frame& f, float length) {
  for (int i : {2, 6, 9}) {
    EXPECT_TRUE(near(f.colour(i - 0.5f + 0.4f * length, 3.5f), base::clBlack, 40)) << i;
    EXPECT_EQ(f.colour(i - 0.5f + 0.4f * length, 3.8f), Background) << i;
  }
  EXPECT_EQ(f.colour(8.5f + length + 0.08f, 3.5f), Background);  // past the last tip
}

constexpr int Relief = dfOutline | dfSidePanel | dfMaterialBorders;
constexpr int Flat = 0x100;  // not a draw flag: the flat shade model
constexpr int Arrows = dfArrow | dfArrowNorm | dfMaterialBorders;

const struct Mode {
  const char* name;
  TDataKind kind;
  int flags;
  float angleX, angleZ;
  void (*check)(const Frame&);
} modes[] = {
    {"Flat", dkTemperature, Relief | Flat, 0, 0, flatClassesAndBorders},
    {"NoMaterialBorders", dkTemperature, (Relief | Flat) & ~dfMaterialBorders, 0, 0,
     [](const Frame& f) { EXPECT_FALSE(f.lineNear(f.at(5.0f, 2.5f, T(5)), BorderGrey)); }},
    {"Smooth", dkTemperature, Relief, 0, 0, smoothHeights},
    {"Wireframe", dkTemperature, Relief | dfWireFrame, 0, 0, outlinesOnly},
    // Every polygon faces away: each is outlined.
    {"FromBelow", dkTemperature, Relief & ~dfSidePanel, 180, 0, outlinesOnly},
    {"SidePanel", dkTemperature, Relief, -60, 20,
     [](const Frame& f) { EXPECT_GT(f.count(Wall, 3), 500); }},
    {"NoSidePanel", dkTemperature, Relief & ~dfSidePanel, -60, 20,
     [](const Frame& f) { EXPECT_EQ(f.count(Wall, 3), 0); }},
    {"ArrowsNormalised", dkCapillaryFlux, Arrows, 0, 0,
     [](const Frame& f) { arrowsOfLength(f, 1.0f / 1.1f); }},
    {"ArrowsLogarithmic", dkCapillaryFlux, (Arrows & ~dfArrowNorm) | dfArrowLog, 0, 0,
     [](const Frame& f) { arrowsOfLength(f, std::log(2.0f) * 1.1f); }},
    // The arrows replace the vertex array: grid lines lie on the grid only
    // when they set their own.
    {"GridOverArrows", dkCapillaryFlux, Arrows | dfOutline, 0, 0,
     [](const Frame& f) { EXPECT_TRUE(f.lineNear(f.at(4.0f, 3.0f), GridGrey)); }},
};

}  // namespace

TEST(ViewPaint, EveryDrawingModeShowsWhatItsModelHolds) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ViewFileHost host(writeFile(dir.path()));
  for (const Mode& mode : modes) {
    SCOPED_TRACE(mode.name);
    TfrmGLBase view(host, mode.kind);
    view.resize(800, 520);
    view.show();
    view.ResetView();
    view.Model().SetShadeModel(mode.flags & Flat ? ViewModel::glFlat : ViewModel::glSmooth);
    view.Model().SetDrawFlags(std::uint8_t(mode.flags));
    view.Model().SetNumberingEnabled(true);
    view.SetAngleX(mode.angleX);
    view.SetAngleZ(mode.angleZ);
    const Frame frame{view, view.GrabFrame().convertToFormat(QImage::Format_RGB32)};
    testsupport::saveArtifact(frame.image, QString("View%1.png").arg(mode.name));
    EXPECT_EQ(frame.colour(QPoint(2, 2)), Background);
    mode.check(frame);
  }
}

// A zoom the user set stays in the picture: the same cells, 1.5 times as
// large each way (and still all inside the viewport), cover 2.25 times the
// pixels.
TEST(ViewPaint, AZoomedViewIsDrawnAtItsZoom) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ViewFileHost host(writeFile(dir.path()));
  TfrmGLBase view(host, dkTemperature);
  view.resize(800, 520);
  view.show();
  view.ResetView();
  view.Model().SetShadeModel(ViewModel::glFlat);
  view.Model().SetDrawFlags(0);
  const Frame fitted{view, view.GrabFrame().convertToFormat(QImage::Format_RGB32)};
  const float fit = view.ScaleX();
  const base::TColor column4 = fitted.legend(T(4), true);
  const int before = fitted.count(column4, 0);
  ASSERT_GT(before, 100);

  view.SetScaleX(1.5f * fit);
  view.SetScaleY(1.5f * fit);
  const Frame zoomed{
      view, view.GrabFrame(TfrmGLBase::GrabScale::AsShown).convertToFormat(QImage::Format_RGB32)};
  testsupport::saveArtifact(zoomed.image, QStringLiteral("ViewZoomed.png"));
  EXPECT_FLOAT_EQ(view.Transform1.ScaleX(), 1.5f * fit);
  const int after = zoomed.count(column4, 0);
  EXPECT_GT(after, 2.1 * before);
  EXPECT_LT(after, 2.4 * before);
  EXPECT_EQ(zoomed.colour(HoleX, HoleY), Background);
  EXPECT_EQ(zoomed.colour(3.5f, 6.5f), column4);
}
