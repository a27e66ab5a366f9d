#pragma once
// The GL context of a window. A form keeps one TOpenGL: it chooses the pixel
// format, creates the drawing area (a QOpenGLWidget child of the form) whose
// context it configures with the capabilities, projection and clear colour
// below, keeps a square viewport centred in the area, and reports exceptions
// together with pending GL errors.
//
// Use: set the properties, call Loaded() once, put Widget() into the form's
// layout and give it a paint callback (setOnPaint). Qt paints through the
// callback with the context current, projection and viewport applied; the
// form asks for a frame with Widget()->update(). On every resize of the area
// the form sets Width and Height (logical pixels) and calls Resize(); when it
// returns true (the area shrank) the form asks for a frame.
//
// Main thread only.
#include "gl/PixelFormat.h"
#include "gl/SquareViewport.h"

#include <QFlags>
#include <QSize>
#include <QString>
#include <QStringList>

#include <exception>
#include <functional>

class QOpenGLWidget;
class QWidget;
class TGLSurface;

enum class TProjection { Orthographic, Perspective };

enum class TEnable : quint32 { depthTest = 0x1, cullFace = 0x2, Lighting = 0x4 };
Q_DECLARE_FLAGS(TEnables, TEnable)
Q_DECLARE_OPERATORS_FOR_FLAGS(TEnables)

class TOpenGL {
 public:
  // `owner` is the form whose drawing area this is; without one no context
  // is ever made (Loaded still installs the exception reporter).
  explicit TOpenGL(QWidget* owner = nullptr);
  // Releases the context (the drawing area goes with it) and removes the
  // exception reporter when it is still this one's.
  ~TOpenGL();
  TOpenGL(const TOpenGL&) = delete;
  TOpenGL& operator=(const TOpenGL&) = delete;

  // ---- properties; setters store the value (the context picks up the
  // format, capabilities and clear colour when it is made) ----
  TPFDFlags pfdFlags() const { return pfdFlags_; }
  void setpfdFlags(TPFDFlags flags) { pfdFlags_ = flags; }
  TPFDPixelType PixelType() const { return pixelType_; }
  void setPixelType(TPFDPixelType type) { pixelType_ = type; }
  TEnables Enable() const { return enable_; }
  void setEnable(TEnables enable) { enable_ = enable; }
  float ClearRed() const { return clearRed_; }
  float ClearGreen() const { return clearGreen_; }
  float ClearBlue() const { return clearBlue_; }
  void setClearRed(float v) { clearRed_ = v; }
  void setClearGreen(float v) { clearGreen_ = v; }
  void setClearBlue(float v) { clearBlue_ = v; }
  int ColorBits() const { return colorBits_; }
  int DepthBits() const { return depthBits_; }
  int StencilBits() const { return stencilBits_; }
  void setColorBits(int bits) { colorBits_ = bits; }
  void setDepthBits(int bits) { depthBits_ = bits; }
  void setStencilBits(int bits) { stencilBits_ = bits; }
  // Size of the drawing area in logical pixels, set by the owner before Resize.
  int Width() const { return width_; }
  int Height() const { return height_; }
  void setWidth(int width) { width_ = width; }
  void setHeight(int height) { height_ = height; }

  // The projection: a frustum (Perspective) or a box (Orthographic) between
  // the prx planes. Setting any of these also reloads the projection matrix
  // when the context exists.
  TProjection Projection() const { return projection_; }
  void setProjection(TProjection projection);
  double prxLeft() const { return prx_[0]; }
  double prxRight() const { return prx_[1]; }
  double prxBottom() const { return prx_[2]; }
  double prxTop() const { return prx_[3]; }
  double prxNear() const { return prx_[4]; }
  double prxFar() const { return prx_[5]; }
  void setprxLeft(double v) { setPrx(0, v); }
  void setprxRight(double v) { setPrx(1, v); }
  void setprxBottom(double v) { setPrx(2, v); }
  void setprxTop(double v) { setPrx(3, v); }
  void setprxNear(double v) { setPrx(4, v); }
  void setprxFar(double v) { setPrx(5, v); }

  // ---- operations ----

  // After the properties are set: chooses the pixel format among the
  // display's configurations, creates the drawing area with it (its context
  // comes to life when the area is first shown) and installs the exception
  // reporter. Once only.
  void Loaded();

  // Makes the context current and sets the square viewport. True when
  // neither side grew since the last call; false while there is no context.
  bool Resize();
  // Inside a paint this does nothing: Qt shows the frame when the paint
  // returns. Outside one it asks for a frame.
  void SwapBuffers();
  // Makes the context current with the drawing area's frame buffer bound.
  void MakeCurrent();

  // The context exists and can be made current.
  bool Active() const { return active_; }

  // The drawing area for the owner's layout; nullptr before Loaded, without
  // owner and after the owner destroyed it.
  QOpenGLWidget* Widget() const;
  // Called for every frame with the context current, viewport and projection
  // set. An exception it throws is reported after the paint has returned.
  void setOnPaint(std::function<void()> onPaint) { onPaint_ = std::move(onPaint); }
  // Called once the context exists, with it current: the place to make
  // textures. An exception it throws is reported from the event loop.
  void setOnInit(std::function<void()> onInit) { onInit_ = std::move(onInit); }
  // Called with the context current just before it goes, to free what
  // OnInit made; also when the drawing area is destroyed with its owner.
  void setOnRelease(std::function<void()> onRelease) { onRelease_ = std::move(onRelease); }

  // Viewport and projection, as Qt resets the viewport before each paint;
  // the context must be current. Paints and picks call it.
  void ApplyFrameState();
  // The square viewport in frame-buffer pixels for the current Width/Height.
  SquareViewport FrameViewport() const;
  // Device pixels per logical pixel of the drawing area (1 without one).
  double DevicePixelRatio() const;
  // Size of the drawing area's frame buffer in device pixels.
  QSize FramebufferSize() const;

  // The format asked for: the properties as a descriptor.
  TPixelFormatDescriptor WantedPixelFormat() const;
  // The format obtained, known from the first frame on: bit counts read from
  // the context, flags of the display configuration chosen (or of the
  // context's format when the platform chose).
  TPixelFormatDescriptor SelectedPixelFormat() const { return selected_; }

  // Reads one pending GL error; when there is one, writes "Error in " +
  // place + CR + its text to stderr and returns that text, else "".
  QString CheckGLError(const QString& place);
  static QString GLErrorText(const QString& place, unsigned error);
  // gluErrorString's text of a GL error code.
  static QString GLErrorString(unsigned error);

  // The exception reporter: an "Application Error" box with the message, then
  // one box per pending GL error of this context, at most six.
  void ReportException(const std::exception_ptr& exception);

 private:
  friend class TGLSurface;
  void setPrx(int index, double value);
  void reloadProjection();
  void loadProjectionMatrix() const;
  void contextCreated();
  void paintFrame();
  void surfaceDestroyed();
  void releaseContextResources();
  void recordSelectedFormat();
  // Moves pending GL errors of the current context into pendingErrors_.
  void collectPendingErrors();
  static constexpr int kMaxReportedErrors = 6;

  QWidget* owner_;
  TGLSurface* surface_ = nullptr;
  bool active_ = false;
  bool painting_ = false;
  bool formatRecorded_ = false;
  std::function<void()> onPaint_;
  std::function<void()> onInit_;
  std::function<void()> onRelease_;
  TResizeWatch resizeWatch_;
  QStringList pendingErrors_;  // read when a paint failed, shown by the reporter

  TPFDFlags pfdFlags_ = TPFDFlag::Draw_To_Window | TPFDFlag::Support_OPENGL;
  TPFDPixelType pixelType_ = TPFDPixelType::RGBA;
  TProjection projection_ = TProjection::Perspective;
  TEnables enable_ = TEnable::depthTest | TEnable::cullFace;
  float clearRed_ = 0, clearGreen_ = 0, clearBlue_ = 0;
  double prx_[6] = {-1, 1, -1, 1, 2, 9};
  int colorBits_ = 24, depthBits_ = 32, stencilBits_ = 0;
  int width_ = 0, height_ = 0;

  TPixelFormatDescriptor chosen_;
  bool chosenFromDisplay_ = false;
  TPixelFormatDescriptor selected_;
};
