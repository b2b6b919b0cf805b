#include "core/GrowableArray.h"

#include <gtest/gtest.h>

namespace {

TEST(GrowableArrayTest, FillsTheFirstEmptySlotElseGrowsByOneAndRemovalCompactsInOrder) {
    int a, b, c, d;
    GrowableArray<int*> array;
    EXPECT_EQ(array.GetData(), nullptr);
    array.Add(&a);
    array.Add(nullptr);
    array.Add(&b); // slot 1 is empty and is filled
    array.Add(&a);
    array.Add(&c);
    array.RemoveAll(&a); // every occurrence goes
    array.Add(&d);       // no free slot after compaction: appended
    ASSERT_EQ(array.GetCount(), 3);
    EXPECT_EQ(array[0], &b);
    EXPECT_EQ(array[1], &c);
    EXPECT_EQ(array[2], &d);
    const int* const* storage = array.GetData();
    array.RemoveAll(&a); // absent: the storage stays
    EXPECT_EQ(array.GetData(), storage);
    for (int* item : {&b, &c, &d})
        array.RemoveAll(item);
    EXPECT_EQ(array.GetData(), nullptr); // the last removal frees the storage
}

} // namespace
