#pragma once
// One of the eight fixed-function lights; Apply() sends it to the current
// context.

class TGLLight {
 public:
  TGLLight();

  // 0 to 7; any other value selects light 0.
  int Which() const;
  void setWhich(int which);
  // The GL light enum (GL_LIGHT0 + Which).
  unsigned Light() const { return light_; }

  // Spot cutoff angle, degrees.
  float Cutoff() const { return cutoff_; }
  void setCutoff(float v) { cutoff_ = v; }

  float AmbientRed() const { return ambient_[0]; }
  float AmbientGreen() const { return ambient_[1]; }
  float AmbientBlue() const { return ambient_[2]; }
  float AmbientAlpha() const { return ambient_[3]; }
  void setAmbientRed(float v) { ambient_[0] = v; }
  void setAmbientGreen(float v) { ambient_[1] = v; }
  void setAmbientBlue(float v) { ambient_[2] = v; }
  void setAmbientAlpha(float v) { ambient_[3] = v; }
  float DiffuseRed() const { return diffuse_[0]; }
  float DiffuseGreen() const { return diffuse_[1]; }
  float DiffuseBlue() const { return diffuse_[2]; }
  float DiffuseAlpha() const { return diffuse_[3]; }
  void setDiffuseRed(float v) { diffuse_[0] = v; }
  void setDiffuseGreen(float v) { diffuse_[1] = v; }
  void setDiffuseBlue(float v) { diffuse_[2] = v; }
  void setDiffuseAlpha(float v) { diffuse_[3] = v; }
  float SpecularRed() const { return specular_[0]; }
  float SpecularGreen() const { return specular_[1]; }
  float SpecularBlue() const { return specular_[2]; }
  float SpecularAlpha() const { return specular_[3]; }
  void setSpecularRed(float v) { specular_[0] = v; }
  void setSpecularGreen(float v) { specular_[1] = v; }
  void setSpecularBlue(float v) { specular_[2] = v; }
  void setSpecularAlpha(float v) { specular_[3] = v; }

  // Which parts Apply sends besides the colours.
  bool Direction() const { return direction_; }
  bool Position() const { return position_; }
  bool Spotlight() const { return spotlight_; }
  bool Enabled() const { return enabled_; }
  void setDirection(bool v) { direction_ = v; }
  void setPosition(bool v) { position_ = v; }
  void setSpotlight(bool v) { spotlight_ = v; }
  void setEnabled(bool v) { enabled_ = v; }

  // Homogeneous position (w 0: a directional light), default (0, 0, 0, 1).
  void setPositionVector(float x, float y, float z, float w) {
    positionVector_[0] = x;
    positionVector_[1] = y;
    positionVector_[2] = z;
    positionVector_[3] = w;
  }
  const float* PositionVector() const { return positionVector_; }
  // Spot direction, default (0, 0, -1).
  void setSpotDirection(float x, float y, float z) {
    spotDirection_[0] = x;
    spotDirection_[1] = y;
    spotDirection_[2] = z;
  }
  const float* SpotDirection() const { return spotDirection_; }

  // Disabled: switches the light off and sends nothing else. Enabled:
  // switches it on, sends position, direction and cutoff where asked, then
  // ambient, diffuse and specular.
  void Apply() const;

 private:
  unsigned light_;
  float cutoff_ = 0;
  float ambient_[4] = {0, 0, 0, 0};
  float diffuse_[4] = {0, 0, 0, 0};
  float specular_[4] = {0, 0, 0, 0};
  bool direction_ = false, position_ = false, spotlight_ = false, enabled_ = false;
  float positionVector_[4] = {0, 0, 0, 1};
  float spotDirection_[3] = {0, 0, -1};
};
