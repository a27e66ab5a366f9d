#include "gl/TGLTransform.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct P {
  double x, y, z;
};

// Applies a column-major matrix to the point (x, y, z, 1).
P apply(const TGLTransform::Matrix& m, P p) {
  return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
          m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
          m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

void expectNear(P actual, P expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-5);
  EXPECT_NEAR(actual.y, expected.y, 1e-5);
  EXPECT_NEAR(actual.z, expected.z, 1e-5);
}

}  // namespace

TEST(TransformChainPlacesScene, DefaultIsIdentity) {
  const TGLTransform t;
  const TGLTransform::Matrix m = t.ChainMatrix();
  for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(m[size_t(i)], i % 5 == 0 ? 1.f : 0.f) << i;
}

TEST(TransformChainPlacesScene, WithoutRotationOrScaleOnlyTranslates) {
  TGLTransform t;
  t.setTranX(0.5f);
  t.setTranY(-2);
  t.setTranZ(3);
  t.setAxisX(1);  // an axis without an angle turns nothing
  expectNear(apply(t.ChainMatrix(), {1, 1, 1}), {1.5, -1, 4});
}

TEST(TransformChainPlacesScene, OriginLandsAtScaledTranslation) {
  TGLTransform t;
  t.setScaleX(2);
  t.setTranX(1);
  expectNear(apply(t.ChainMatrix(), {0, 0, 0}), {2, 0, 0});
  expectNear(apply(t.ChainMatrix(), {1, 0, 0}), {4, 0, 0});  // the scene is scaled by 2
}

TEST(TransformChainPlacesScene, RotatesZThenYThenXThenAboutTheAxis) {
  TGLTransform t;
  t.setAngleZ(90);  // x -> y
  t.setAngleX(90);  // y -> z
  expectNear(apply(t.ChainMatrix(), {1, 0, 0}), {0, 0, 1});

  TGLTransform u;
  u.setAngleY(90);  // x -> -z
  u.setAngle(90);   // then about z: nothing for a point on z
  u.setAxisZ(5);    // the axis need not be of unit length
  expectNear(apply(u.ChainMatrix(), {1, 0, 0}), {0, 0, -1});

  TGLTransform w;
  w.setAngle(120);  // about the diagonal: x -> y -> z
  w.setAxisX(1);
  w.setAxisY(1);
  w.setAxisZ(1);
  expectNear(apply(w.ChainMatrix(), {1, 0, 0}), {0, 1, 0});
}

TEST(TransformChainPlacesScene, ScaleAppliesBeforeRotation) {
  TGLTransform t;
  t.setScaleX(3);
  t.setAngleZ(90);
  t.setTranX(1);
  // (1,0,0) scaled to (3,0,0), turned to (0,3,0), moved by ScaleX*TranX.
  expectNear(apply(t.ChainMatrix(), {1, 0, 0}), {3, 3, 0});
}

TEST(TransformChainPlacesScene, ZeroScaleStaysFinite) {
  TGLTransform t;
  t.setScaleX(0);
  t.setScaleY(0);
  t.setScaleZ(0);
  t.setTranX(5);
  t.setAngleX(30);
  for (float v : t.ChainMatrix()) EXPECT_TRUE(std::isfinite(v));
  expectNear(apply(t.ChainMatrix(), {7, 8, 9}), {0, 0, 0});
}
