#include "ModelTestSupport.h"

namespace {

class TextPropertyHolderTest : public ModelTest {};

// Instances of a class share their property names: a name added to one
// instance's holder is that holder's own.
TEST_F(TextPropertyHolderTest, ANameAddedToOneInstanceIsItsOwn) {
    auto holderOf = [](const Pointer<Instance>& instance) {
        return instance.As<HasProperties>("HasProperties")->GetHolders()[1];
    };
    Pointer<PropertyHolder> first = holderOf(Place("Actor", nullptr, 1, 1, 10));
    Pointer<PropertyHolder> second = holderOf(Place("Actor", nullptr, 2, 1, 10));
    first->AddProperty("Shine", "0.5");
    first->AddProperty("ScaleX", "2");
    String value;
    EXPECT_TRUE(first->GetPropertyValue("Shine", value));
    EXPECT_EQ(value, "0.5");
    EXPECT_TRUE(first->GetPropertyValue("ScaleX", value));
    EXPECT_EQ(value, "2");
    EXPECT_FALSE(second->HasProperty("Shine"));
    EXPECT_TRUE(second->GetPropertyValue("ScaleX", value));
    EXPECT_EQ(value, "1.000000");
    EXPECT_EQ(first->GetPropertyNames().GetCount(), second->GetPropertyNames().GetCount() + 1);
}

} // namespace
