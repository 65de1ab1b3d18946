// KVDataCommon::OffestRect: the sloped corner of an offset outline.
#include "common/offset_rect.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

using KVDataCommon::OffestRect;

// A beam end with a slope of run 4000 and rise 3000 (cos 0.8, sin 0.6, tan of the half angle
// 1/3), bottom cover 300 on the bottom and the slope, end cover 500, passed as the through-bar
// outline passes them: (2 bBg, 2 bBg, b, h, -c, -c, -e).
TEST(OffsetRect, InwardOffsetOfASlopedBeamEnd)
{
    CArray<double> out;
    int flag = -1;
    EXPECT_EQ(OffestRect(20000, 20000, 4000, 3000, -300, -300, -500, flag, out), 1);
    EXPECT_EQ(flag, 1);
    ASSERT_EQ(out.GetSize(), 2);
    EXPECT_NEAR(out[0], 5000.0, 1e-9);
    // (b - e + c tan(theta / 2)) / cos(theta) = (4000 - 500 + 100) / 0.8.
    EXPECT_NEAR(out[1], 4500.0, 1e-9);
    // The outline's point on the moved end face, (e, c + sin x 4500) = (500, 3000), lies 300 from
    // the slope 3x + 4y = 12000.
    EXPECT_NEAR((3.0 * 500.0 + 4.0 * (300.0 + 0.6 * out[1]) - 12000.0) / 5.0, 300.0, 1e-9);

    // Outward by 300 on all three sides: (b + e - c tan(theta / 2)) / cos(theta) = 4200 / 0.8;
    // the list is replaced, not appended to.
    EXPECT_EQ(OffestRect(20000, 20000, 4000, 3000, 300, 300, 300, flag, out), 1);
    ASSERT_EQ(out.GetSize(), 2);
    EXPECT_NEAR(out[1], 5250.0, 1e-9);
}

TEST(OffsetRect, UnusableOutlinesFail)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double w, h, b, rise, d1, d2, d3;
    };
    for (const Case& c : {Case{20000, 20000, 4000, 3000, -300, -300, -4200}, // end cover passes the slope
                          Case{20000, 20000, 0, 3000, -300, -300, -500},     // square end
                          Case{20000, 20000, 4000, 0, -300, -300, -500},
                          Case{3000, 20000, 4000, 3000, -300, -300, -500},   // slope longer than the side
                          Case{20000, 20000, nan, 3000, -300, -300, -500},
                          Case{20000, 20000, 4000, 3000, -300, nan, -500}}) {
        CArray<double> out;
        out.Add(9.0);
        int flag = -1;
        EXPECT_EQ(OffestRect(c.w, c.h, c.b, c.rise, c.d1, c.d2, c.d3, flag, out), 0);
        EXPECT_EQ(flag, 0);
        EXPECT_EQ(out.GetSize(), 0);
    }
}
