#include "gl/TGLLight.h"

#include <GL/gl.h>

TGLLight::TGLLight() : light_(GL_LIGHT0) {}

int TGLLight::Which() const {
  const unsigned n = light_ - GL_LIGHT0;
  return n >= 1 && n <= 7 ? int(n) : 0;
}

void TGLLight::setWhich(int which) {
  light_ = which >= 1 && which <= 7 ? GL_LIGHT0 + unsigned(which) : GL_LIGHT0;
}

void TGLLight::Apply() const {
  if (!enabled_) {
    glDisable(light_);
    return;
  }
  glEnable(light_);
  if (position_) glLightfv(light_, GL_POSITION, positionVector_);
  if (direction_) glLightfv(light_, GL_SPOT_DIRECTION, spotDirection_);
  if (spotlight_) glLightf(light_, GL_SPOT_CUTOFF, cutoff_);
  glLightfv(light_, GL_AMBIENT, ambient_);
  glLightfv(light_, GL_DIFFUSE, diffuse_);
  glLightfv(light_, GL_SPECULAR, specular_);
}
