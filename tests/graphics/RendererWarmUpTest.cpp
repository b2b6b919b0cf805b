#include "platform/gl/RendererWarmUp.h"
#include "platform/gl/PreparedContexts.h"

#include <gtest/gtest.h>

TEST(RendererWarmUp, ContextsAreHandedOutOnceByPixelFormatAndTheRestDestroyed) {
    {
        const RendererWarmUp warmUp(2);
        // Taking waits for the thread to finish making them.
        OSMesaContext first = PreparedContexts::Take(1);
        OSMesaContext second = PreparedContexts::Take(1);
        EXPECT_NE(first, nullptr);
        EXPECT_NE(second, nullptr);
        EXPECT_NE(first, second);
        EXPECT_EQ(PreparedContexts::Take(1), nullptr);
        EXPECT_EQ(PreparedContexts::Take(2), nullptr);
        // Handed back, for the warm-up to destroy.
        PreparedContexts::Add(1, first);
        PreparedContexts::Add(1, second);
    }
    EXPECT_EQ(PreparedContexts::Take(1), nullptr);
}
