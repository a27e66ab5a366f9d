#include "gl/TGLLight.h"
#include "gl/TGLMaterial.h"

#include <gtest/gtest.h>
#include <QOffscreenSurface>
#include <QOpenGLContext>

#include <GL/gl.h>

#include <array>

namespace {

using V4 = std::array<GLfloat, 4>;

class LightingState : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(context.create());
    surface.setFormat(context.format());
    surface.create();
    ASSERT_TRUE(context.makeCurrent(&surface));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
  }
  void TearDown() override {
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    context.doneCurrent();
  }

  static V4 material(GLenum face, GLenum what) {
    V4 v{-1, -1, -1, -1};
    glGetMaterialfv(face, what, v.data());
    return v;
  }
  static V4 light(GLenum which, GLenum what) {
    V4 v{-1, -1, -1, -1};
    glGetLightfv(which, what, v.data());
    return v;
  }

  QOpenGLContext context;
  QOffscreenSurface surface;
};

}  // namespace

TEST_F(LightingState, ShininessSelectsTheSpecularColour) {
  TGLMaterial m;
  m.setambRed(0.2f);
  m.setambGreen(0.3f);
  m.setambBlue(0.4f);
  m.setambAlpha(0.5f);
  m.setdifRed(0.57f);
  m.setdifGreen(0.83f);
  m.setdifBlue(0.2f);
  m.setdifAlpha(1);
  m.Apply();
  EXPECT_EQ(material(GL_FRONT, GL_SPECULAR), (V4{0, 0, 0, 1}));
  EXPECT_EQ(material(GL_FRONT, GL_SHININESS)[0], 0.f);
  EXPECT_EQ(material(GL_FRONT, GL_AMBIENT), (V4{0.2f, 0.3f, 0.4f, 0.5f}));
  EXPECT_EQ(material(GL_FRONT, GL_DIFFUSE), (V4{0.57f, 0.83f, 0.2f, 1}));

  m.setmShine(1);
  m.Apply();
  EXPECT_EQ(material(GL_FRONT, GL_SPECULAR), (V4{1, 1, 1, 1}));
  EXPECT_EQ(material(GL_FRONT, GL_SHININESS)[0], 1.f);
}

TEST_F(LightingState, EachSettingGoesToItsFaces) {
  const V4 backDiffuse = material(GL_BACK, GL_DIFFUSE);
  TGLMaterial m;
  m.setaFace(TFace::faBack);
  m.setdFace(TFace::faFront);
  m.setsFace(TFace::faFrontAndBack);
  m.setambRed(0.1f);
  m.setambAlpha(0.5f);
  m.setdifGreen(0.7f);
  m.setmShine(20);
  m.Apply();
  EXPECT_EQ(material(GL_BACK, GL_AMBIENT), (V4{0.1f, 0, 0, 0.5f}));
  EXPECT_NE(material(GL_FRONT, GL_AMBIENT), (V4{0.1f, 0, 0, 0.5f}));
  EXPECT_EQ(material(GL_FRONT, GL_DIFFUSE), (V4{0, 0.7f, 0, 0}));
  EXPECT_EQ(material(GL_BACK, GL_DIFFUSE), backDiffuse);
  EXPECT_EQ(material(GL_FRONT, GL_SHININESS)[0], 20.f);
  EXPECT_EQ(material(GL_BACK, GL_SHININESS)[0], 20.f);
  EXPECT_EQ(material(GL_BACK, GL_SPECULAR), (V4{1, 1, 1, 1}));
}

TEST_F(LightingState, EnabledLightSendsWhatItsSwitchesAsk) {
  TGLLight l;
  l.setWhich(9);  // out of range: light 0
  EXPECT_EQ(l.Which(), 0);
  l.setEnabled(true);
  l.setAmbientRed(0.8f);
  l.setAmbientGreen(0.8f);
  l.setAmbientBlue(0.8f);
  l.setAmbientAlpha(1);
  l.setDiffuseRed(1);
  l.setSpecularRed(0.095f);
  l.setSpecularBlue(0.1f);
  l.setCutoff(45);
  l.setPositionVector(10, 20, 30, 0);
  l.setSpotDirection(0, 1, 0);
  const V4 position = light(GL_LIGHT0, GL_POSITION);
  const V4 direction = light(GL_LIGHT0, GL_SPOT_DIRECTION);
  const GLfloat cutoff = light(GL_LIGHT0, GL_SPOT_CUTOFF)[0];
  l.Apply();
  EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
  EXPECT_EQ(light(GL_LIGHT0, GL_AMBIENT), (V4{0.8f, 0.8f, 0.8f, 1}));
  EXPECT_EQ(light(GL_LIGHT0, GL_DIFFUSE), (V4{1, 0, 0, 0}));
  EXPECT_EQ(light(GL_LIGHT0, GL_SPECULAR), (V4{0.095f, 0, 0.1f, 0}));
  // Position, direction and cutoff are left as they were.
  EXPECT_EQ(light(GL_LIGHT0, GL_POSITION), position);
  EXPECT_EQ(light(GL_LIGHT0, GL_SPOT_DIRECTION), direction);
  EXPECT_EQ(light(GL_LIGHT0, GL_SPOT_CUTOFF)[0], cutoff);

  l.setPosition(true);
  l.setDirection(true);
  l.setSpotlight(true);
  l.Apply();  // the modelview is the identity, so GL keeps the values as sent
  EXPECT_EQ(light(GL_LIGHT0, GL_POSITION), (V4{10, 20, 30, 0}));
  const V4 sentDirection = light(GL_LIGHT0, GL_SPOT_DIRECTION);
  EXPECT_EQ(sentDirection[0], 0.f);
  EXPECT_EQ(sentDirection[1], 1.f);
  EXPECT_EQ(sentDirection[2], 0.f);
  EXPECT_EQ(light(GL_LIGHT0, GL_SPOT_CUTOFF)[0], 45.f);
}

TEST_F(LightingState, DisabledLightOnlySwitchesOff) {
  const V4 preset{0.3f, 0.3f, 0.3f, 1};
  glLightfv(GL_LIGHT2, GL_AMBIENT, preset.data());
  glEnable(GL_LIGHT2);
  TGLLight l;
  l.setWhich(2);
  EXPECT_EQ(l.Which(), 2);
  l.setAmbientRed(1);
  l.setPosition(true);
  l.setPositionVector(5, 5, 5, 1);
  const V4 position = light(GL_LIGHT2, GL_POSITION);
  l.Apply();
  EXPECT_FALSE(glIsEnabled(GL_LIGHT2));
  EXPECT_EQ(light(GL_LIGHT2, GL_AMBIENT), preset);
  EXPECT_EQ(light(GL_LIGHT2, GL_POSITION), position);
}
