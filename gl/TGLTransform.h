#pragma once
// One modelview transform of a view: a translation, a rotation about an
// arbitrary axis, rotations about x, y and z, and a scale. Paint() draws the
// scene (OnPaint) inside the transform; PickPoint() maps a window point back
// to scene coordinates through the depth buffer.
//
// The chain, from scene to eye (each step applies to what follows it):
//   translate (ScaleX*TranX, ScaleY*TranY, ScaleZ*TranZ)
//   rotate Angle about (AxisX, AxisY, AxisZ)
//   rotate AngleX about x, AngleY about y, AngleZ about z
//   scale (ScaleX, ScaleY, ScaleZ)
// so the scene origin lands at the scaled translation, and the view's pan and
// zoom-to-box, which divide their steps by the scale, move it as expected.
// The matrix is built here rather than with glScalef/glTranslatef, so it is
// exact for a scale of 0 and can be checked without a context.
#include <array>
#include <functional>

class TOpenGL;

class TGLTransform {
 public:
  // Column-major 4x4, as glMultMatrixf takes it.
  using Matrix = std::array<float, 16>;

  virtual ~TGLTransform() = default;

  float TranX() const { return tranX_; }
  float TranY() const { return tranY_; }
  float TranZ() const { return tranZ_; }
  void setTranX(float v) { tranX_ = v; }
  void setTranY(float v) { tranY_ = v; }
  void setTranZ(float v) { tranZ_ = v; }
  // Axis of the Angle rotation; a zero axis means no rotation.
  float AxisX() const { return axisX_; }
  float AxisY() const { return axisY_; }
  float AxisZ() const { return axisZ_; }
  void setAxisX(float v) { axisX_ = v; }
  void setAxisY(float v) { axisY_ = v; }
  void setAxisZ(float v) { axisZ_ = v; }
  // Degrees.
  float Angle() const { return angle_; }
  float AngleX() const { return angleX_; }
  float AngleY() const { return angleY_; }
  float AngleZ() const { return angleZ_; }
  void setAngle(float v) { angle_ = v; }
  void setAngleX(float v) { angleX_ = v; }
  void setAngleY(float v) { angleY_ = v; }
  void setAngleZ(float v) { angleZ_ = v; }
  float ScaleX() const { return scaleX_; }
  float ScaleY() const { return scaleY_; }
  float ScaleZ() const { return scaleZ_; }
  void setScaleX(float v) { scaleX_ = v; }
  void setScaleY(float v) { scaleY_ = v; }
  void setScaleZ(float v) { scaleZ_ = v; }

  // Draws the scene; the transform is the sender.
  void setOnPaint(std::function<void(TGLTransform& sender)> onPaint) {
    onPaint_ = std::move(onPaint);
  }

  // The chain as one matrix.
  Matrix ChainMatrix() const;

  // Multiplies the chain onto the modelview matrix, draws, and restores the
  // matrix (also when drawing throws). Needs a current context.
  void Paint();

  // Scene point under the window point (x, y) of `gl`'s drawing area, in
  // logical pixels with the origin at the bottom left. Makes the context
  // current and sets viewport and projection as a paint does, then reads the
  // depth of the last frame and unprojects the centre of the pixel. False on the background (depth
  // above 0.99) and outside the viewport or the drawing area; the outputs are then untouched.
  bool PickPoint(TOpenGL& gl, int x, int y, double& ox, double& oy, double& oz);
  // The same on the current context and viewport, (x, y) in frame-buffer pixels.
  bool PickPoint(int x, int y, double& ox, double& oy, double& oz);

 protected:
  virtual void DoPaint();

 private:
  float tranX_ = 0, tranY_ = 0, tranZ_ = 0;
  float axisX_ = 0, axisY_ = 0, axisZ_ = 0;
  float angle_ = 0, angleX_ = 0, angleY_ = 0, angleZ_ = 0;
  float scaleX_ = 1, scaleY_ = 1, scaleZ_ = 1;
  std::function<void(TGLTransform&)> onPaint_;
};
