#include "StApplicationId.h"

#include <gtest/gtest.h>

#include <memory>

TEST(StApplicationId, FirstInstanceIsProcessWide)
{
    ASSERT_EQ(StApplicationId::sId, nullptr);
    EXPECT_EQ(StApplicationId::Id(), 0u);

    auto a = std::make_unique<StApplicationId>(5);
    StApplicationId b(7);
    EXPECT_EQ(StApplicationId::Id(), 5u);
    EXPECT_EQ(StApplicationId::sId, a.get());

    a->SetId(98102);
    EXPECT_EQ(StApplicationId::Id(), 98102u);
    b.SetId(1);
    EXPECT_EQ(StApplicationId::Id(), 98102u);
    EXPECT_EQ(b.GetId(), 1u);

    // A copy carries the id but does not take the place while it is held.
    StApplicationId c(*a);
    EXPECT_EQ(c.GetId(), 98102u);
    EXPECT_EQ(StApplicationId::sId, a.get());

    a.reset();
    EXPECT_EQ(StApplicationId::sId, nullptr);
    EXPECT_EQ(StApplicationId::Id(), 0u);

    // Later instances take the free place; existing ones do not.
    StApplicationId d(42);
    EXPECT_EQ(StApplicationId::Id(), 42u);
    b = d;
    EXPECT_EQ(b.GetId(), 42u);
    EXPECT_EQ(StApplicationId::sId, &d);
}
