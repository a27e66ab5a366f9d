#include "gl/TTransformationManager.h"

#include <gtest/gtest.h>

namespace {
struct NoTransformation : ITransformation {
  void SetTranX(float) override {}
  void SetTranY(float) override {}
  void SetTranZ(float) override {}
  void SetAngleX(float) override {}
  void SetAngleY(float) override {}
  void SetAngleZ(float) override {}
  void SetScaleX(float) override {}
  void SetScaleY(float) override {}
  void SetScaleZ(float) override {}
};
}  // namespace

TEST(TransformationRegistryListsRegistrations, TwiceRegisteredIsListedTwiceAndRemovedOnce) {
  TTransformationManager registry;
  NoTransformation a, b;
  registry.Register(&a);
  registry.Register(&b);
  registry.Register(&a);
  ASSERT_EQ(registry.Count(), 3);
  registry.Unregister(&a);
  ASSERT_EQ(registry.Count(), 2);
  EXPECT_EQ(registry.Items(0), &b);
  EXPECT_EQ(registry.Items(1), &a);
  NoTransformation unknown;
  registry.Unregister(&unknown);
  EXPECT_EQ(registry.Count(), 2);
}
