// What a new user sees of a six-field file on a large and on a small screen:
// the first layout, both tilings, the overlap, playback and the material
// window, probed in the windows and kept as screenshots.
#include "tests/viewer/ProjectFakes.h"

#include "base/Colors.h"
#include "gl/SquareViewport.h"
#include "platform/SettingsStore.h"
#include "tests/support/Artifacts.h"
#include "tests/support/writer/ResultFileWriter.h"
#include "viewer/project/TZolProject.h"
#include "viewer/view/TfrmGLBase.h"
#include "viewer/widgets/TColorScrollBox.h"
#include "viewer/widgets/TQuroProgress.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QBackingStore>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>
#include <string>

namespace {

constexpr int Nx = 13, Ny = 9;

// Water content, relative humidity, temperature, vapour pressure, vapour
// diffusion and heat flow on a 0.6 m x 0.4 m grid: the fields of the demo.
QString WriteSixFieldFile(const QString& folder) {
  resultwriter::ResultFileSpec spec = SmallSpec({0, 1, 2, 3, 5, 6}, 0);
  spec.x.clear();
  spec.y.clear();
  for (int i = 0; i < Nx; ++i) spec.x.push_back(0.05F * float(i));
  for (int j = 0; j < Ny; ++j) spec.y.push_back(0.05F * float(j));
  // Boundary nodes without material, as a simulation writes them.
  const std::size_t nx = spec.x.size(), ny = spec.y.size();
  spec.cellMaterials.assign(nx * ny, 0);
  for (std::size_t i = 1; i + 1 < nx; ++i)
    for (std::size_t j = 1; j + 1 < ny; ++j) spec.cellMaterials[i * ny + j] = 1;
  resultwriter::Ranges ranges{};
  for (auto& r : ranges) r = {0.0F, 100.0F};
  ranges[1] = {0.0F, 1.0F};
  ranges[3] = {600.0F, 2300.0F};
  ranges[5] = {0.0F, 6.85e-7F};  // captions in exponent form, the widest
  spec.ranges = ranges;
  resultwriter::addNumberedSteps(spec, 30);
  return WriteResultFile(spec, folder, QStringLiteral("wall.vq3"));
}

class FirstScreen : public testing::TestWithParam<QSize> {
 protected:
  void SetUp() override {
    window_ = std::make_unique<TfrmMain>(store_);
    window_->SetPrompts(std::make_unique<FakePrompts>());
    window_->showNormal();
    window_->setGeometry(QRect(QPoint(0, 0), GetParam()));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    RunEventsFor(50);
    ASSERT_TRUE(window_->OpenProject(WriteSixFieldFile(dir_.path())));
    RunEventsFor(100);
  }

  std::vector<TfrmGLBase*> Views() const {
    std::vector<TfrmGLBase*> views;
    for (const auto& v : window_->Projects().front()->Views())
      views.push_back(dynamic_cast<TfrmGLBase*>(v.get()));
    return views;
  }
  QMdiSubWindow* Frame(TfrmGLBase* view) const {
    return qobject_cast<QMdiSubWindow*>(view->parentWidget());
  }
  void Trigger(const char* action) {
    window_->Action(QString::fromLatin1(action))->trigger();
    RunEventsFor(200);
  }
  void Shoot(const QString& what) {
    const QSize size = GetParam();
    testsupport::saveArtifact(
        window_->grab().toImage(),
        QStringLiteral("first-screen-%1x%2-%3.png").arg(size.width()).arg(size.height()).arg(what));
  }

  QTemporaryDir dir_;
  platform::SettingsStore store_{dir_.filePath(QStringLiteral("s.ini"))};
  std::unique_ptr<TfrmMain> window_;
};

// The frame the area last drew, as the screen shows it: read back without
// drawing anew, whatever other windows lie over it.
QImage LastFrame(QOpenGLWidget& area) {
  area.makeCurrent();
  const QSize size = area.size() * area.devicePixelRatio();
  QImage image(size, QImage::Format_RGBA8888);
  QOpenGLFunctions* gl = QOpenGLContext::currentContext()->functions();
  gl->glBindFramebuffer(GL_FRAMEBUFFER, area.defaultFramebufferObject());
  gl->glReadPixels(0, 0, size.width(), size.height(), GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
  area.doneCurrent();
  return image.mirrored().convertToFormat(QImage::Format_RGB32);
}

// The drawing of a relief view through its own transform and a square
// viewport centred in the GL area's present size: inside the grid the field,
// beyond its corners the background. `shown`: the frame last drawn;
// otherwise one drawn anew for the probe.
void ExpectFieldCentred(TfrmGLBase& view, bool shown = true) {
  QOpenGLWidget* area = view.OpenGL1.Widget();
  const QImage image =
      shown ? LastFrame(*area) : area->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
  const QRgb background = image.pixel(image.width() - 3, image.height() - 3);
  const TGrid& grid = *view.Model().Grid();
  const TGLTransform::Matrix m = view.Transform1.ChainMatrix();
  const SquareViewport vp = CenteredSquareViewport(image.width(), image.height());
  auto at = [&](float fx, float fy) {
    const float px = (fx - 0.5f) * grid.Width(), py = (fy - 0.5f) * grid.Height();
    const float ex = m[0] * px + m[4] * py + m[12], ey = m[1] * px + m[5] * py + m[13];
    return QPoint(int(std::floor(vp.x + (ex + 1.0) / 2.0 * vp.side)),
                  image.height() - 1 - int(std::floor(vp.y + (ey + 1.0) / 2.0 * vp.side)));
  };
  const QString name = view.windowTitle().section(QLatin1Char(' '), 0, 0);
  testsupport::saveArtifact(image, QStringLiteral("first-screen-field-%1.png").arg(name));
  SCOPED_TRACE(name.toStdString());
  // The material ends a cell before the grid's far edges.
  const float right = float(Nx - 2) / float(Nx - 1), top = float(Ny - 2) / float(Ny - 1);
  for (const auto& [fx, fy] : {std::pair{0.5f * right, 0.5f * top},
                               {0.04f, 0.5f},
                               {right - 0.04f, 0.5f},
                               {0.5f, 0.06f},
                               {0.5f, top - 0.06f}}) {
    const QPoint p = at(fx, fy);
    ASSERT_TRUE(image.rect().contains(p)) << fx << ", " << fy;
    EXPECT_NE(image.pixel(p), background) << fx << ", " << fy;
  }
  // Beyond the corners, clear of the boundary markers along the sides and
  // of the axis tripod at the top left.
  for (const auto& [fx, fy] :
       {std::pair{-0.06f, -0.09f}, {right + 0.06f, -0.09f}, {right + 0.06f, top + 0.09f}}) {
    const QPoint p = at(fx, fy);
    if (image.rect().contains(p)) {
      EXPECT_EQ(image.pixel(p), background) << fx << ", " << fy;
    }
  }
}

// Every row caption and the title show whole in the legend's visible width.
void ExpectLegendTextsFit(const TfrmGLBase& view) {
  const TColorScrollBox& legend = *view.csb;
  const int visible = legend.viewport()->width();
  QFont bold = legend.font();
  bold.setBold(true);
  SCOPED_TRACE(legend.Caption().toStdString());
  EXPECT_LE(QFontMetrics(bold).horizontalAdvance(legend.Caption()), visible);
  const int left = legend.Layout().CaptionPos(false).x();
  for (int i = 1; i <= legend.BoxCount(); ++i)
    EXPECT_LE(left + QFontMetrics(legend.font()).horizontalAdvance(legend.Model().BoxCaption(i)),
              visible)
        << legend.Model().BoxCaption(i).toStdString();
}

bool IsRelief(const TfrmGLBase& view) {
  return !IsVectorKind(view.Kind());
}

}  // namespace

TEST_P(FirstScreen, ViewsOpenWholeTileCentredOverlapWithRoomAndPlay) {
  const QRect area = window_->MdiArea()->viewport()->rect();
  const std::vector<TfrmGLBase*> views = Views();
  ASSERT_EQ(views.size(), 6u);
  Shoot(QStringLiteral("open"));
  // Each view whole in the area, none over another, the drawing beside the
  // panel at least as wide as the panel.
  for (TfrmGLBase* v : views) {
    SCOPED_TRACE(v->windowTitle().toStdString());
    EXPECT_TRUE(area.contains(Frame(v)->geometry()));
    for (TfrmGLBase* o : views)
      EXPECT_TRUE(o == v || !Frame(o)->geometry().intersects(Frame(v)->geometry()));
    EXPECT_GE(v->OpenGL1.Widget()->width(), v->Panel1->width());
    if (GetParam().width() >= 1600) ExpectLegendTextsFit(*v);
  }

  // Tiled without a step in between, every relief is drawn centred in its
  // area, and the date strip keeps its height even in small windows.
  for (const char* tiling : {"WindowTileItemHorz", "WindowTileItemVert"}) {
    SCOPED_TRACE(tiling);
    Trigger(tiling);
    Shoot(QString::fromLatin1(tiling));
    for (TfrmGLBase* v : views) {
      if (IsRelief(*v)) ExpectFieldCentred(*v);
      EXPECT_GE(v->QuroProgress->height(), 90);
      // Date strip, legend and status texts one below the other, none over
      // another and none beyond the panel.
      EXPECT_LT(v->PanelCalendar->geometry().bottom(), v->csb->geometry().top());
      EXPECT_LT(v->csb->geometry().bottom(), v->Panel2->geometry().top());
      EXPECT_LE(v->Panel2->geometry().bottom(), v->Panel2->parentWidget()->height());
      // The strip draws its box: a good part of it in the box's grey.
      const QImage strip = v->QuroProgress->grab().toImage().convertToFormat(QImage::Format_RGB32);
      int grey = 0;
      for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x) grey += strip.pixel(x, y) == qRgb(128, 128, 128);
      EXPECT_GT(grey, 300) << v->windowTitle().toStdString();
    }
  }

  // Overlap: cascaded in creation order with equal offsets, each drawing at
  // least as wide as its panel and each legend text whole.
  Trigger("WindowCascadeItem");
  Shoot(QStringLiteral("overlap"));
  const QList<QMdiSubWindow*> frames = window_->MdiArea()->subWindowList(QMdiArea::CreationOrder);
  ASSERT_EQ(frames.size(), 6);
  const QPoint step = frames[1]->pos() - frames[0]->pos();
  EXPECT_GT(step.x(), 0);
  EXPECT_GT(step.y(), 0);
  for (int i = 0; i < frames.size(); ++i) {
    EXPECT_EQ(frames[i]->pos(), frames[0]->pos() + i * step);
    auto* v = qobject_cast<TfrmGLBase*>(frames[i]->widget());
    ASSERT_NE(v, nullptr);
    SCOPED_TRACE(v->windowTitle().toStdString());
    EXPECT_GE(v->OpenGL1.Widget()->width(), v->Panel1->width());
    ExpectLegendTextsFit(*v);
    if (IsRelief(*v)) ExpectFieldCentred(*v, false);
  }

  // Playing after all that still steps and draws.
  TZolProject& project = *window_->Projects().front();
  const auto shown = project.StepsShown();
  Trigger("MovieStart");
  EXPECT_TRUE(RunEventsUntil([&] { return project.StepsShown() > shown + 3; }));
  Trigger("MovieStart");
  Shoot(QStringLiteral("played"));
}

// The legend's texts widen the side panel, which narrows the drawing while
// the window keeps its size: the drawing follows its own area.
TEST_P(FirstScreen, AWiderLegendNarrowsTheDrawingWhichStaysCentred) {
  for (TfrmGLBase* v : Views()) {
    if (!IsRelief(*v)) continue;
    const int before = v->Panel1->width();
    v->csb->SetDigits(7);
    RunEventsFor(100);
    // Small windows keep half their width for the drawing.
    if (GetParam().width() >= 1600) {
      EXPECT_GT(v->Panel1->width(), before);
    }
    ExpectFieldCentred(*v);
  }
  Shoot(QStringLiteral("wide-legends"));
}

// Tiled at once, before the new windows have been laid out even once.
TEST_P(FirstScreen, TiledStraightAfterOpening) {
  ASSERT_TRUE(window_->OpenProject(WriteSixFieldFile(dir_.path())));
  Trigger("WindowTileItemVert");
  for (const auto& view : window_->Projects().back()->Views())
    if (auto* v = dynamic_cast<TfrmGLBase*>(view.get()); v && IsRelief(*v)) ExpectFieldCentred(*v);
}

// The part of a legend that the main window's drawing, as it goes to the
// screen, shows in the legend's own background.
double LegendShareDrawn(QWidget& window, const TfrmGLBase& view) {
  QPaintDevice* device = window.backingStore()->paintDevice();
  if (device->devType() != QInternal::Image) return -1;
  const QWidget* viewport = view.csb->viewport();
  const QRect area(viewport->mapTo(&window, QPoint(0, 0)), viewport->size());
  const QImage shown =
      static_cast<QImage*>(device)->copy(area).convertToFormat(QImage::Format_RGB32);
  const QString name = view.windowTitle().section(QLatin1Char(' '), 0, 0);
  testsupport::saveArtifact(shown, QStringLiteral("legend-drawn-%1.png").arg(name));
  const QRgb background = base::ToQColor(view.csb->Color()).rgb();
  int own = 0;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) own += shown.pixel(x, y) == background;
  return double(own) / std::max(1, shown.width() * shown.height());
}

// Overlapped, then tiled again: each legend is drawn where it now lies, not
// left in the grey of the area the windows lie on.
TEST_P(FirstScreen, LegendsAreDrawnAfterOverlapAndTiling) {
  Trigger("WindowCascadeItem");
  Trigger("WindowTileItemVert");
  for (const TfrmGLBase* v : Views())
    EXPECT_GT(LegendShareDrawn(*window_, *v), 0.25) << v->csb->Caption().toStdString();
}

TEST_P(FirstScreen, MaterialWindowOpensAtItsOwnSize) {
  Trigger("Materials1");
  ASSERT_NE(window_->Projects().front()->MaterialWindow(), nullptr);
  auto* frame = qobject_cast<QMdiSubWindow*>(
      window_->Projects().front()->MaterialWindow()->Widget()->parentWidget());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->size(), QSize(859, 588));
  EXPECT_TRUE(window_->MdiArea()->viewport()->rect().contains(frame->geometry()));
  Shoot(QStringLiteral("material"));
}

INSTANTIATE_TEST_SUITE_P(Screens, FirstScreen, testing::Values(QSize(1600, 1200), QSize(1024, 768)),
                         [](const testing::TestParamInfo<QSize>& info) {
                           return "Screen" + std::to_string(info.param.width()) + "x" +
                                  std::to_string(info.param.height());
                         });
