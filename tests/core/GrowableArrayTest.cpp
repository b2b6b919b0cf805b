#include "core/GrowableArray.h"

#include <gtest/gtest.h>

namespace {

TEST(GrowableArrayTest, GrowsByOneCompactsOnRemovalAndKeepsItsStorageForAnAbsentItem) {
    int a, b, c, d;
    GrowableArray<int*> array;
    EXPECT_EQ(array.GetData(), nullptr);
    array.Add(&a);
    array.Add(&b);
    array.Add(&c);
    array.RemoveAll(&b);
    array.Add(&d); // no free slot after compaction: appended
    ASSERT_EQ(array.GetCount(), 3);
    EXPECT_EQ(array[0], &a);
    EXPECT_EQ(array[1], &c);
    EXPECT_EQ(array[2], &d);
    const int* const* storage = array.GetData();
    array.RemoveAll(&b);
    EXPECT_EQ(array.GetData(), storage);
    EXPECT_EQ(array.GetCount(), 3);
}

TEST(GrowableArrayTest, FillsTheFirstEmptySlotAndTheLastRemovalFreesTheStorage) {
    int a, b;
    GrowableArray<int*> array;
    array.Add(&a);
    array.Add(nullptr);
    array.Add(&b); // slot 1 is empty and is filled
    EXPECT_EQ(array.GetCount(), 2);
    EXPECT_EQ(array[1], &b);
    array.Add(&a);
    EXPECT_EQ(array.GetCount(), 3);
    array.RemoveAll(&a); // every occurrence goes
    EXPECT_EQ(array.GetCount(), 1);
    array.RemoveAll(&b);
    EXPECT_EQ(array.GetData(), nullptr);
}

} // namespace
