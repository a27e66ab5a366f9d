#include "gl/TOpenGL.h"

#include "gl/GlxPixelFormats.h"
#include "platform/TApplication.h"

#include <QOpenGLContext>
#include <QOpenGLWidget>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdio>

// The drawing area: forwards Qt's GL callbacks to its TOpenGL.
class TGLSurface : public QOpenGLWidget {
 public:
  TGLSurface(TOpenGL* gl, QWidget* parent) : QOpenGLWidget(parent), gl_(gl) {}
  ~TGLSurface() override {
    if (!gl_) return;
    gl_->releaseContextResources();
    gl_->surfaceDestroyed();
  }
  void detach() { gl_ = nullptr; }

 protected:
  void initializeGL() override {
    if (gl_) gl_->contextCreated();
  }
  void resizeGL(int, int) override {}
  void paintGL() override {
    if (!gl_) return;
    // An exception must not unwind through QOpenGLWidget's paint machinery,
    // and a modal report box cannot open in the middle of a paint.
    try {
      gl_->paintFrame();
    } catch (...) {
      // Qt clears GL errors of its own once the paint returns; keep ours.
      gl_->collectPendingErrors();
      TApplication::HandleExceptionLater(std::current_exception());
    }
  }

 private:
  TOpenGL* gl_;
};

namespace {

// Keeps the caller's matrix mode around a change of the projection matrix.
class MatrixModeKeeper {
 public:
  MatrixModeKeeper() { glGetIntegerv(GL_MATRIX_MODE, &mode_); }
  ~MatrixModeKeeper() { glMatrixMode(GLenum(mode_)); }

 private:
  GLint mode_ = GL_MODELVIEW;
};

int toDevice(int logical, double ratio) {
  return int(std::nearbyint(logical * ratio));
}

}  // namespace

TOpenGL::TOpenGL(QWidget* owner) : owner_(owner) {}

TOpenGL::~TOpenGL() {
  TApplication::ClearExceptionHandler(this);
  releaseContextResources();
  if (surface_) {
    surface_->detach();
    delete surface_;  // QOpenGLWidget releases its context
  }
}

QOpenGLWidget* TOpenGL::Widget() const {
  return surface_;
}

void TOpenGL::setProjection(TProjection projection) {
  projection_ = projection;
  reloadProjection();
}

void TOpenGL::setPrx(int index, double value) {
  prx_[index] = value;
  reloadProjection();
}

void TOpenGL::reloadProjection() {
  if (!active_) return;
  MakeCurrent();
  MatrixModeKeeper keep;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  loadProjectionMatrix();
}

void TOpenGL::loadProjectionMatrix() const {
  if (projection_ == TProjection::Perspective)
    glFrustum(prx_[0], prx_[1], prx_[2], prx_[3], prx_[4], prx_[5]);
  else
    glOrtho(prx_[0], prx_[1], prx_[2], prx_[3], prx_[4], prx_[5]);
}

TPixelFormatDescriptor TOpenGL::WantedPixelFormat() const {
  TPixelFormatDescriptor d;
  d.flags = pfdFlags_;
  d.pixelType = pixelType_;
  d.colorBits = colorBits_;
  d.depthBits = depthBits_;
  d.stencilBits = stencilBits_;
  return d;
}

void TOpenGL::Loaded() {
  if (owner_ && !surface_) {
    const TPixelFormatDescriptor wanted = WantedPixelFormat();
    const std::vector<TPixelFormatDescriptor> candidates = DisplayPixelFormats();
    const int index = ChoosePixelFormat(candidates, wanted);
    chosenFromDisplay_ = index >= 0;
    chosen_ = chosenFromDisplay_ ? candidates[size_t(index)] : wanted;
    surface_ = new TGLSurface(this, owner_);
    surface_->setFormat(SurfaceFormatFor(chosen_));
  }
  TApplication::SetExceptionHandler(
      [this](const std::exception_ptr& exception) { ReportException(exception); }, this);
}

void TOpenGL::contextCreated() {
  if (enable_.testFlag(TEnable::depthTest)) glEnable(GL_DEPTH_TEST);
  if (enable_.testFlag(TEnable::cullFace)) glEnable(GL_CULL_FACE);
  if (enable_.testFlag(TEnable::Lighting)) glEnable(GL_LIGHTING);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  loadProjectionMatrix();
  glClearColor(clearRed_, clearGreen_, clearBlue_, 1.0f);
  CheckGLError(QStringLiteral("Loaded"));
  active_ = true;
  if (!onInit_) return;
  // Called from Qt's initialisation of the area: nothing may unwind into it.
  try {
    onInit_();
  } catch (...) {
    TApplication::HandleExceptionLater(std::current_exception());
  }
}

void TOpenGL::releaseContextResources() {
  if (!active_ || !surface_ || !onRelease_) return;
  const std::function<void()> release = std::move(onRelease_);
  onRelease_ = nullptr;
  surface_->makeCurrent();
  try {
    release();
  } catch (...) {
    // The window is going; there is no one left to show it to.
  }
  surface_->doneCurrent();
}

void TOpenGL::surfaceDestroyed() {
  surface_ = nullptr;
  active_ = false;
}

double TOpenGL::DevicePixelRatio() const {
  return surface_ ? surface_->devicePixelRatioF() : 1.0;
}

QSize TOpenGL::FramebufferSize() const {
  if (!surface_) return {};
  const double ratio = DevicePixelRatio();
  return {toDevice(surface_->width(), ratio), toDevice(surface_->height(), ratio)};
}

SquareViewport TOpenGL::FrameViewport() const {
  const double ratio = DevicePixelRatio();
  return CenteredSquareViewport(toDevice(width_, ratio), toDevice(height_, ratio));
}

void TOpenGL::ApplyFrameState() {
  const SquareViewport v = FrameViewport();
  glViewport(v.x, v.y, v.side, v.side);
  MatrixModeKeeper keep;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  loadProjectionMatrix();
}

void TOpenGL::paintFrame() {
  if (!active_) return;
  if (!formatRecorded_) recordSelectedFormat();
  ApplyFrameState();
  if (!onPaint_) return;
  struct PaintFlag {
    bool& flag;
    explicit PaintFlag(bool& f) : flag(f) { flag = true; }
    ~PaintFlag() { flag = false; }
  } inPaint(painting_);
  onPaint_();
}

void TOpenGL::recordSelectedFormat() {
  // Read while the drawing area's frame buffer is bound: that is what the
  // scene is drawn into.
  GLint red = 0, green = 0, blue = 0, alpha = 0, depth = 0, stencil = 0;
  glGetIntegerv(GL_RED_BITS, &red);
  glGetIntegerv(GL_GREEN_BITS, &green);
  glGetIntegerv(GL_BLUE_BITS, &blue);
  glGetIntegerv(GL_ALPHA_BITS, &alpha);
  glGetIntegerv(GL_DEPTH_BITS, &depth);
  glGetIntegerv(GL_STENCIL_BITS, &stencil);
  TPixelFormatDescriptor d = chosen_;
  if (!chosenFromDisplay_) {
    const QSurfaceFormat f = surface_->context()->format();
    d.flags = TPFDFlag::Draw_To_Window | TPFDFlag::Support_OPENGL;
    if (f.swapBehavior() != QSurfaceFormat::SingleBuffer) d.flags |= TPFDFlag::DoubleBuffer;
    if (f.stereo()) d.flags |= TPFDFlag::Stereo;
    d.pixelType = TPFDPixelType::RGBA;
    d.accumBits = 0;
  }
  d.colorBits = red + green + blue;
  d.alphaBits = alpha;
  d.depthBits = depth;
  d.stencilBits = stencil;
  selected_ = d;
  formatRecorded_ = true;
}

bool TOpenGL::Resize() {
  if (!active_) return false;
  MakeCurrent();
  const SquareViewport v = FrameViewport();
  glViewport(v.x, v.y, v.side, v.side);
  CheckGLError(QStringLiteral("Smaller"));
  return resizeWatch_.Update(width_, height_);
}

void TOpenGL::SwapBuffers() {
  if (painting_ || !surface_) return;
  surface_->update();
}

void TOpenGL::MakeCurrent() {
  if (active_ && surface_) surface_->makeCurrent();
}

QString TOpenGL::GLErrorString(unsigned error) {
  const GLubyte* text = gluErrorString(GLenum(error));
  if (!text) return QStringLiteral("unknown GL error %1").arg(error);
  return QString::fromLatin1(reinterpret_cast<const char*>(text));
}

QString TOpenGL::GLErrorText(const QString& place, unsigned error) {
  return QStringLiteral("Error in ") + place + QChar(u'\r') + GLErrorString(error);
}

QString TOpenGL::CheckGLError(const QString& place) {
  const GLenum error = glGetError();
  if (error == GL_NO_ERROR) return {};
  const QString text = GLErrorText(place, error);
  // Nobody can act on it here; keep it where a developer looks.
  QString line = text;
  line.replace(QChar(u'\r'), QStringLiteral(": "));
  std::fprintf(stderr, "%s\n", qPrintable(line));
  return text;
}

void TOpenGL::collectPendingErrors() {
  while (pendingErrors_.size() < kMaxReportedErrors) {
    const GLenum error = glGetError();
    if (error == GL_NO_ERROR) break;
    pendingErrors_ << GLErrorString(error);
  }
}

void TOpenGL::ReportException(const std::exception_ptr& exception) {
  // Read the errors before the first box: its event loop may close the
  // window and take this object with it.
  if (active_ && surface_) {
    QOpenGLContext* previous = QOpenGLContext::currentContext();
    QSurface* previousSurface = previous ? previous->surface() : nullptr;
    surface_->makeCurrent();
    collectPendingErrors();
    if (previous && previous != surface_->context()) previous->makeCurrent(previousSurface);
  }
  QStringList errors;
  errors.swap(pendingErrors_);
  TApplication::ShowMessageBox(QMessageBox::Critical, QStringLiteral("Application Error"),
                               TApplication::ExceptionMessage(exception));
  for (const QString& text : errors)
    TApplication::ShowMessageBox(QMessageBox::Critical, QStringLiteral("Error"), text);
}
