// Paint time of a large scalar view (1000 x 1000 cells, smooth relief, grid
// lines off) against a bare reference that draws the same triangles from the
// same prebuilt arrays with one glDrawElements in the same context. Both
// finish the frame (glFinish), so the time is what the GL driver needs, not
// just what the calls queue. Needs an X display (./build.sh bench starts Xvfb).
//
// The figure of merit is the ratio of BM_ViewOverReference, which times both
// frames in turn (BM_ViewPaint / BM_ReferenceDraw give the same figure when
// the machine is quiet).
#include "gl/TGLLight.h"
#include "gl/TGLMaterial.h"
#include "gl/TGLTransform.h"
#include "resultdata/TGrid.h"
#include "tests/support/FixedViewHost.h"
#include "viewer/view/ViewModel.h"
#include "viewer/view/ViewPainter.h"
#include "viewer/widgets/ColorLegendModel.h"

#include <benchmark/benchmark.h>
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int Cells = 1000;
constexpr int FrameSize = 800;

class BenchHost : public FixedViewHost {
 public:
  BenchHost() {
    const int n = Cells + 1;
    std::vector<float> x(static_cast<std::size_t>(n)), y(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) x[std::size_t(i)] = y[std::size_t(i)] = 0.01f * float(i);
    std::vector<std::int16_t> materials(std::size_t(n) * std::size_t(n), 0);
    for (int i = 1; i < n; ++i)
      for (int j = 1; j < n; ++j) materials[std::size_t(i * n + j)] = i < n / 2 ? 1 : 2;
    grid_.Build(n, n, materials, y, x);
    // One warm hump over the whole range, like a heated corner: steep
    // enough to make every class colour show, gentle enough that the tilted
    // view sees no polygon from behind.
    values_.resize(std::size_t(n) * std::size_t(n));
    const double pi = 3.14159265358979;
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j)
        values_[std::size_t(i * n + j)] =
            float(-20.0 + 40.0 * std::sin(pi * i / (n - 1)) * std::sin(pi * j / (n - 1)));
  }
  const TGrid* Grid() const override { return &grid_; }
  float RangeMin(TDataKind) const override { return -20; }
  float RangeMax(TDataKind) const override { return 20; }
  const float* FieldValues(TDataKind) const override { return values_.data(); }
  const float* FieldDirections(TDataKind) const override { return nullptr; }
  QString FileName() const override { return QStringLiteral("bench.res"); }

 private:
  TGrid grid_;
  std::vector<float> values_;
};

// One GL context with an off-screen frame buffer, the view and its painter,
// shared by both benchmarks so that they draw under the same conditions.
struct Scene {
  QOpenGLContext context;
  QOffscreenSurface surface;
  std::unique_ptr<QOpenGLFramebufferObject> fbo;
  BenchHost host;
  ColorLegendModel legend;
  std::unique_ptr<ViewModel> model;
  TGLMaterial material1, material2;
  TGLLight light;
  std::unique_ptr<ViewPainter> painter;
  TGLTransform user, overlay;

  Scene() {
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    context.setFormat(format);
    if (!context.create()) {
      std::fprintf(stderr, "no GL context\n");
      std::exit(1);
    }
    surface.setFormat(context.format());
    surface.create();
    context.makeCurrent(&surface);
    fbo = std::make_unique<QOpenGLFramebufferObject>(
        FrameSize, FrameSize, QOpenGLFramebufferObject::CombinedDepthStencil);
    fbo->bind();
    glViewport(0, 0, FrameSize, FrameSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -50, 100);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    ViewPainter::InitializeContext();

    model = std::make_unique<ViewModel>(host, dkTemperature, legend);
    model->SetFlag(dfOutline, false);
    model->ResetView();
    model->SetAngleX(-30);
    model->SetAngleZ(15);
    painter = std::make_unique<ViewPainter>(*model, ViewLighting{material1, material2, light});
    model->PrepareForPaint();  // the colours of the step, as after the first paint
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void BM_ViewPaint(benchmark::State& state) {
  Scene& s = TheScene();
  for (auto _ : state) {
    s.painter->PaintFrame(s.user, s.overlay, FrameSize + 160, FrameSize);
    glFinish();
  }
}

// The bare reference: the same transform, depth test and arrays as the
// view's relief, one glDrawElements.
void DrawReference(Scene& s) {
  const TGrid& grid = *s.model->Grid();
  ViewPainter::LoadTransform(s.model->Transform(), s.user);
  s.user.setOnPaint([&](TGLTransform&) {
    glClearColor(0.9f, 0.9f, 0.88f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glTranslatef(-grid.Width() / 2, -grid.Height() / 2, 0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, s.model->Vertices().data());
    glEnableClientState(GL_COLOR_ARRAY);
    glColorPointer(3, GL_UNSIGNED_BYTE, 0, s.model->Colors().data());
    glDrawElements(GL_TRIANGLES, grid.FillIndexCount(), GL_UNSIGNED_INT, grid.FillIndices().data());
    glDisableClientState(GL_COLOR_ARRAY);
  });
  s.user.Paint();
}

void BM_ReferenceDraw(benchmark::State& state) {
  Scene& s = TheScene();
  for (auto _ : state) {
    DrawReference(s);
    glFinish();
  }
}

// Both frames in turn, timed apiece, so that a change of machine load hits
// both alike; reports the ratio of their total times.
void BM_ViewOverReference(benchmark::State& state) {
  Scene& s = TheScene();
  using Clock = std::chrono::steady_clock;
  Clock::duration view{}, reference{};
  for (auto _ : state) {
    const auto t0 = Clock::now();
    s.painter->PaintFrame(s.user, s.overlay, FrameSize + 160, FrameSize);
    glFinish();
    const auto t1 = Clock::now();
    DrawReference(s);
    glFinish();
    const auto t2 = Clock::now();
    view += t1 - t0;
    reference += t2 - t1;
  }
  state.counters["ratio"] =
      double(view.count()) / double(std::max<Clock::rep>(reference.count(), 1));
}

// Recomputing heights and colours for a new step (not part of a paint that
// only rotates or zooms).
void BM_ComputeColors(benchmark::State& state) {
  Scene& s = TheScene();
  for (auto _ : state) s.model->ComputeColors();
}

BENCHMARK(BM_ReferenceDraw)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ViewPaint)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ViewOverReference)->Unit(benchmark::kMillisecond)->MinTime(4.0);
BENCHMARK(BM_ComputeColors)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::fprintf(stderr, "ViewPaintBench needs an X display\n");
    return 1;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
