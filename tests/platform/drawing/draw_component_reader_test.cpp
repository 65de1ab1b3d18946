// The drawing output calls the reader set on its thread while it draws a component.
#include "drawing/draw_out.h"
#include "host/component_norm.h"

#include <gtest/gtest.h>

#include <thread>

TEST(DrawComponentReader, CalledWithTheComponentAndModeWhileDrawingUntilCleared)
{
    CComponentNorm component;
    int calls = 0;
    SetDrawComponentReader([&](CComponentNorm& drawn, int mode) {
        ++calls;
        EXPECT_EQ(&drawn, &component);
        EXPECT_EQ(mode, 3);
    });
    EXPECT_EQ(KVDrawOut_DrawComponent(nullptr, 3), 0);   // nothing drawn, nothing read
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(KVDrawOut_DrawComponent(&component, 3), 1);
    EXPECT_EQ(calls, 1);

    // Another thread has a reader of its own (none here).
    std::thread other([&] { EXPECT_EQ(KVDrawOut_DrawComponent(&component, 3), 1); });
    other.join();
    EXPECT_EQ(calls, 1);

    SetDrawComponentReader({});
    EXPECT_EQ(KVDrawOut_DrawComponent(&component, 3), 1);
    EXPECT_EQ(calls, 1);
}
