#pragma once
// A fixed-function material for front, back or both faces; Apply() sends it
// to the current context.

enum class TFace { faFront, faBack, faFrontAndBack };

// GL_FRONT, GL_BACK or GL_FRONT_AND_BACK.
unsigned GLFace(TFace face);

class TGLMaterial {
 public:
  float ambRed() const { return ambient_[0]; }
  float ambGreen() const { return ambient_[1]; }
  float ambBlue() const { return ambient_[2]; }
  float ambAlpha() const { return ambient_[3]; }
  void setambRed(float v) { ambient_[0] = v; }
  void setambGreen(float v) { ambient_[1] = v; }
  void setambBlue(float v) { ambient_[2] = v; }
  void setambAlpha(float v) { ambient_[3] = v; }
  float difRed() const { return diffuse_[0]; }
  float difGreen() const { return diffuse_[1]; }
  float difBlue() const { return diffuse_[2]; }
  float difAlpha() const { return diffuse_[3]; }
  void setdifRed(float v) { diffuse_[0] = v; }
  void setdifGreen(float v) { diffuse_[1] = v; }
  void setdifBlue(float v) { diffuse_[2] = v; }
  void setdifAlpha(float v) { diffuse_[3] = v; }
  // Faces the ambient, diffuse and specular/shininess settings go to.
  TFace aFace() const { return aFace_; }
  TFace dFace() const { return dFace_; }
  TFace sFace() const { return sFace_; }
  void setaFace(TFace f) { aFace_ = f; }
  void setdFace(TFace f) { dFace_ = f; }
  void setsFace(TFace f) { sFace_ = f; }
  // Shininess; 0 also means a black specular colour, anything else white.
  float mShine() const { return mShine_; }
  void setmShine(float v) { mShine_ = v; }

  // Ambient, diffuse, specular, shininess, in that order.
  void Apply() const;

 private:
  float ambient_[4] = {0, 0, 0, 0};
  float diffuse_[4] = {0, 0, 0, 0};
  TFace aFace_ = TFace::faFront, dFace_ = TFace::faFront, sFace_ = TFace::faFront;
  float mShine_ = 0;
};
