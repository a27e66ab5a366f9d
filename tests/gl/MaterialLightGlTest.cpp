#include "gl/TGLLight.h"
#include "gl/TGLMaterial.h"
#include "tests/gl/GlTestWindow.h"

#include <array>

using V4 = std::array<GLfloat, 4>;

static V4 got(void (*get)(GLenum, GLenum, GLfloat*), GLenum which, GLenum what) {
  V4 v{-1, -1, -1, -1};
  get(which, what, v.data());
  return v;
}

TEST(LightingState, MaterialAndLightValuesReadBackThroughGlGet) {
  GlTestWindow w;
  ASSERT_TRUE(w.open(20, 20));
  w.gl->MakeCurrent();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();  // so GL keeps positions and directions as sent
  const V4 backDiffuse = got(glGetMaterialfv, GL_BACK, GL_DIFFUSE);
  TGLMaterial m;
  m.setambRed(0.2f);
  m.setambAlpha(0.5f);
  m.setdifGreen(0.83f);
  m.Apply();
  EXPECT_EQ(got(glGetMaterialfv, GL_FRONT, GL_AMBIENT), (V4{0.2f, 0, 0, 0.5f}));
  EXPECT_EQ(got(glGetMaterialfv, GL_FRONT, GL_DIFFUSE), (V4{0, 0.83f, 0, 0}));
  EXPECT_EQ(got(glGetMaterialfv, GL_FRONT, GL_SPECULAR), (V4{0, 0, 0, 1}));  // no shine: none
  // Each setting goes to its faces; shininess selects the white highlight.
  m.setaFace(TFace::faBack);
  m.setdFace(TFace::faFront);
  m.setsFace(TFace::faFrontAndBack);
  m.setambRed(0.1f);
  m.setmShine(20);
  m.Apply();
  EXPECT_EQ(got(glGetMaterialfv, GL_BACK, GL_AMBIENT), (V4{0.1f, 0, 0, 0.5f}));
  EXPECT_EQ(got(glGetMaterialfv, GL_FRONT, GL_AMBIENT), (V4{0.2f, 0, 0, 0.5f}));
  EXPECT_EQ(got(glGetMaterialfv, GL_BACK, GL_DIFFUSE), backDiffuse);
  EXPECT_EQ(got(glGetMaterialfv, GL_BACK, GL_SHININESS)[0], 20.f);
  EXPECT_EQ(got(glGetMaterialfv, GL_BACK, GL_SPECULAR), (V4{1, 1, 1, 1}));

  TGLLight l;
  l.setWhich(9);  // out of range: light 0
  l.setEnabled(true);
  l.setAmbientRed(0.8f);
  l.setSpecularBlue(0.1f);
  l.setCutoff(45);
  l.setPositionVector(10, 20, 30, 0);
  l.setSpotDirection(0, 1, 0);
  l.Apply();
  EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
  EXPECT_EQ(got(glGetLightfv, GL_LIGHT0, GL_AMBIENT), (V4{0.8f, 0, 0, 0}));
  EXPECT_EQ(got(glGetLightfv, GL_LIGHT0, GL_SPECULAR), (V4{0, 0, 0.1f, 0}));
  EXPECT_EQ(got(glGetLightfv, GL_LIGHT0, GL_POSITION), (V4{0, 0, 1, 0}));  // switched off: GL's
  EXPECT_EQ(got(glGetLightfv, GL_LIGHT0, GL_SPOT_CUTOFF)[0], 180.f);
  l.setPosition(true);
  l.setDirection(true);
  l.setSpotlight(true);
  l.Apply();
  EXPECT_EQ(got(glGetLightfv, GL_LIGHT0, GL_POSITION), (V4{10, 20, 30, 0}));
  EXPECT_EQ(got(glGetLightfv, GL_LIGHT0, GL_SPOT_DIRECTION), (V4{0, 1, 0, -1}));  // three values
  EXPECT_EQ(got(glGetLightfv, GL_LIGHT0, GL_SPOT_CUTOFF)[0], 45.f);
  // A disabled light only switches off.
  glEnable(GL_LIGHT2);
  l.setWhich(2);
  l.setEnabled(false);
  l.Apply();
  EXPECT_FALSE(glIsEnabled(GL_LIGHT2));
  EXPECT_EQ(got(glGetLightfv, GL_LIGHT2, GL_AMBIENT), (V4{0, 0, 0, 1}));
  EXPECT_EQ(got(glGetLightfv, GL_LIGHT2, GL_POSITION), (V4{0, 0, 1, 0}));
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
