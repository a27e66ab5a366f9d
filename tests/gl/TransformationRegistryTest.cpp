#include "gl/TTransformationManager.h"

#include <gtest/gtest.h>

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

TEST(TransformationRegistryListsRegistrations, TwiceRegisteredIsListedTwiceAndRemovedOnce) {
  TTransformationManager registry;
  NoTransformation a, b, unknown;
  registry.Register(&a);
  registry.Register(&b);
  registry.Register(&a);
  registry.Unregister(&a);
  registry.Unregister(&unknown);
  ASSERT_EQ(registry.Count(), 2);
  EXPECT_EQ(registry.Items(0), &b);
  EXPECT_EQ(registry.Items(1), &a);
}
