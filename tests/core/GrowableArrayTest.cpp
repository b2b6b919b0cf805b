#include "core/GrowableArray.h"

#include <gtest/gtest.h>

namespace {

TEST(GrowableArrayTest, GrowsByOneAndCompactsOnRemoval) {
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
}

TEST(GrowableArrayTest, FillsTheFirstEmptySlotBeforeGrowing) {
    int a, b, c;
    GrowableArray<int*> array;
    array.Add(&a);
    array.Add(nullptr);
    array.Add(&b); // slot 1 is empty and is filled
    EXPECT_EQ(array.GetCount(), 2);
    EXPECT_EQ(array[1], &b);
    array.Add(&c);
    EXPECT_EQ(array.GetCount(), 3);
}

TEST(GrowableArrayTest, RemovingAnAbsentItemReallocatesNothing) {
    int a, b;
    GrowableArray<int*> array;
    array.Add(&a);
    const int* const* storage = array.GetData();
    array.RemoveAll(&b);
    EXPECT_EQ(array.GetData(), storage);
    EXPECT_EQ(array.GetCount(), 1);
}

TEST(GrowableArrayTest, EveryOccurrenceGoesAndTheLastRemovalFreesTheStorage) {
    int a;
    GrowableArray<int*> array;
    array.Add(&a);
    array.Add(&a);
    array.RemoveAll(&a);
    EXPECT_EQ(array.GetCount(), 0);
    EXPECT_EQ(array.GetData(), nullptr);
}

} // namespace
