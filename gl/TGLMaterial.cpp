#include "gl/TGLMaterial.h"

#include <GL/gl.h>

namespace {
const GLfloat kSpecularBlack[4] = {0, 0, 0, 1};
const GLfloat kSpecularWhite[4] = {1, 1, 1, 1};
}  // namespace

unsigned GLFace(TFace face) {
  switch (face) {
    case TFace::faBack:
      return GL_BACK;
    case TFace::faFrontAndBack:
      return GL_FRONT_AND_BACK;
    case TFace::faFront:
      break;
  }
  return GL_FRONT;
}

void TGLMaterial::Apply() const {
  glMaterialfv(GLFace(aFace_), GL_AMBIENT, ambient_);
  glMaterialfv(GLFace(dFace_), GL_DIFFUSE, diffuse_);
  glMaterialfv(GLFace(sFace_), GL_SPECULAR, mShine_ == 0 ? kSpecularBlack : kSpecularWhite);
  glMaterialf(GLFace(sFace_), GL_SHININESS, mShine_);
}
