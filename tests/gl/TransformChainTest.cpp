#include "gl/TGLTransform.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

TEST(TransformChainPlacesScene, ScaleTranslateThenRotationsThenScale) {
  using P = std::array<double, 3>;
  struct Case {
    float tran[3], axis[3], angle, angles[3], scale[3];
    P point, expected;
  };
  const Case cases[] = {
      // The origin lands at Scale x Translation.
      {{1, 0, 0}, {0, 0, 0}, 0, {0, 0, 0}, {2, 1, 1}, {0, 0, 0}, {2, 0, 0}},
      {{0.5f, -2, 3}, {1, 0, 0}, 0, {0, 0, 0}, {1, 1, 1}, {1, 1, 1}, {1.5, -1, 4}},  // no angle
      // Z first (x -> y), then X (y -> z); Y turns x to -z, and the axis rotation
      // after it leaves a point on z, whatever the axis length.
      {{0, 0, 0}, {0, 0, 0}, 0, {90, 0, 90}, {1, 1, 1}, {1, 0, 0}, {0, 0, 1}},
      {{0, 0, 0}, {0, 0, 5}, 90, {0, 90, 0}, {1, 1, 1}, {1, 0, 0}, {0, 0, -1}},
      {{0, 0, 0}, {1, 1, 1}, 120, {0, 0, 0}, {1, 1, 1}, {1, 0, 0}, {0, 1, 0}},
      // Scaled to (3,0,0), turned to (0,3,0), moved by ScaleX * TranX.
      {{1, 0, 0}, {0, 0, 0}, 0, {0, 0, 90}, {3, 1, 1}, {1, 0, 0}, {3, 3, 0}},
      {{5, 0, 0}, {0, 0, 0}, 0, {30, 0, 0}, {0, 0, 0}, {7, 8, 9}, {0, 0, 0}},  // finite
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    TGLTransform t;
    t.setTranX(c.tran[0]);
    t.setTranY(c.tran[1]);
    t.setTranZ(c.tran[2]);
    t.setAxisX(c.axis[0]);
    t.setAxisY(c.axis[1]);
    t.setAxisZ(c.axis[2]);
    t.setAngle(c.angle);
    t.setAngleX(c.angles[0]);
    t.setAngleY(c.angles[1]);
    t.setAngleZ(c.angles[2]);
    t.setScaleX(c.scale[0]);
    t.setScaleY(c.scale[1]);
    t.setScaleZ(c.scale[2]);
    const TGLTransform::Matrix m = t.ChainMatrix();  // column-major
    for (float v : m) EXPECT_TRUE(std::isfinite(v));
    const auto [x, y, z] = c.point;
    EXPECT_NEAR(m[0] * x + m[4] * y + m[8] * z + m[12], c.expected[0], 1e-5);
    EXPECT_NEAR(m[1] * x + m[5] * y + m[9] * z + m[13], c.expected[1], 1e-5);
    EXPECT_NEAR(m[2] * x + m[6] * y + m[10] * z + m[14], c.expected[2], 1e-5);
  }
}
