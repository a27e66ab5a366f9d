#include "gl/TGLTransform.h"

#include "gl/TOpenGL.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <numbers>

namespace {

// Row-major while building; transposed once at the end.
using M4 = std::array<std::array<double, 4>, 4>;

M4 identity() {
  M4 m{};
  for (int i = 0; i < 4; ++i) m[i][i] = 1.0;
  return m;
}

M4 operator*(const M4& a, const M4& b) {
  M4 r{};
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      for (int k = 0; k < 4; ++k) r[i][j] += a[i][k] * b[k][j];
  return r;
}

M4 translation(double x, double y, double z) {
  M4 m = identity();
  m[0][3] = x;
  m[1][3] = y;
  m[2][3] = z;
  return m;
}

M4 scaling(double x, double y, double z) {
  M4 m = identity();
  m[0][0] = x;
  m[1][1] = y;
  m[2][2] = z;
  return m;
}

// glRotate's matrix: `degrees` counter-clockwise about the normalised axis.
M4 rotation(double degrees, double x, double y, double z) {
  const double length = std::sqrt(x * x + y * y + z * z);
  if (length == 0.0 || degrees == 0.0) return identity();
  x /= length;
  y /= length;
  z /= length;
  const double a = degrees * std::numbers::pi / 180.0;
  const double c = std::cos(a), s = std::sin(a), t = 1.0 - c;
  M4 m = identity();
  m[0] = {x * x * t + c, x * y * t - z * s, x * z * t + y * s, 0};
  m[1] = {y * x * t + z * s, y * y * t + c, y * z * t - x * s, 0};
  m[2] = {x * z * t - y * s, y * z * t + x * s, z * z * t + c, 0};
  return m;
}

// Pops the modelview matrix pushed for a paint, whatever the paint did.
class ModelviewGuard {
 public:
  explicit ModelviewGuard(const TGLTransform::Matrix& m) {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glMultMatrixf(m.data());
  }
  ~ModelviewGuard() {
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
  }
  ModelviewGuard(const ModelviewGuard&) = delete;
  ModelviewGuard& operator=(const ModelviewGuard&) = delete;
};

}  // namespace

TGLTransform::Matrix TGLTransform::ChainMatrix() const {
  const M4 m =
      translation(double(scaleX_) * tranX_, double(scaleY_) * tranY_, double(scaleZ_) * tranZ_) *
      rotation(angle_, axisX_, axisY_, axisZ_) * rotation(angleX_, 1, 0, 0) *
      rotation(angleY_, 0, 1, 0) * rotation(angleZ_, 0, 0, 1) * scaling(scaleX_, scaleY_, scaleZ_);
  Matrix out{};
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 4; ++col) out[size_t(col * 4 + row)] = float(m[row][col]);
  return out;
}

void TGLTransform::DoPaint() {
  if (onPaint_) onPaint_(*this);
}

void TGLTransform::Paint() {
  ModelviewGuard guard(ChainMatrix());
  DoPaint();
}

bool TGLTransform::PickPoint(TOpenGL& gl, int x, int y, double& ox, double& oy, double& oz) {
  if (!gl.Active()) return false;
  gl.MakeCurrent();
  gl.ApplyFrameState();
  const double ratio = gl.DevicePixelRatio();
  const int px = int(std::floor(x * ratio));
  const int py = int(std::floor(y * ratio));
  const QSize frame = gl.FramebufferSize();
  if (px < 0 || py < 0 || px >= frame.width() || py >= frame.height()) return false;
  return PickPoint(px, py, ox, oy, oz);
}

bool TGLTransform::PickPoint(int x, int y, double& ox, double& oy, double& oz) {
  ModelviewGuard guard(ChainMatrix());
  GLint viewport[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, viewport);
  if (x < viewport[0] || y < viewport[1] || x - viewport[0] >= viewport[2] ||
      y - viewport[1] >= viewport[3])
    return false;
  // Stays at "background" if the read delivers nothing.
  GLfloat depth = 1.0f;
  glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
  if (!(depth <= 0.99f)) return false;
  GLdouble modelview[16], projection[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  GLdouble sx = 0, sy = 0, sz = 0;
  // The depth was sampled at the pixel's centre; unprojecting its corner
  // would put the point beside the surface on anything not facing the eye.
  if (gluUnProject(x + 0.5, y + 0.5, depth, modelview, projection, viewport, &sx, &sy, &sz) !=
      GL_TRUE)
    return false;  // singular chain (a scale of 0): no scene point
  ox = sx;
  oy = sy;
  oz = sz;
  return true;
}
