// CalFillet: tangent points and centre of a fillet in a corner.
#include "geometry/fillet.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace {

void ExpectPoint(const CDblPoint& p, double x, double y)
{
    EXPECT_NEAR(p.x, x, 1e-12);
    EXPECT_NEAR(p.y, y, 1e-12);
}

} // namespace

TEST(Fillet, RightAngleCorners)
{
    CDblPoint t1, t2, m;
    EXPECT_EQ(CalFillet({10, 0}, {0, 0}, {0, 10}, 2.0, t1, t2, m), 1);
    ExpectPoint(t1, 2.0, 0.0); // r from the corner towards A
    ExpectPoint(t2, 0.0, 2.0); // r from the corner towards E
    ExpectPoint(m, 2.0, 2.0);
    // A bar coming down a face and turning along the bottom at (100, 50), radius 25.
    EXPECT_EQ(CalFillet({100, 500}, {100, 50}, {900, 50}, 25.0, t1, t2, m), 1);
    ExpectPoint(t1, 100.0, 75.0);
    ExpectPoint(t2, 125.0, 50.0);
    ExpectPoint(m, 125.0, 75.0);
}

TEST(Fillet, SixtyAndHundredTwentyDegreeCorners)
{
    const double r3 = std::sqrt(3.0);
    CDblPoint t1, t2, m;
    // 60 degrees: tangents r / tan 30 = sqrt 3 from B; centre 2 r from B along the 30-degree bisector.
    EXPECT_EQ(CalFillet({10, 0}, {0, 0}, {5, 5 * r3}, 1.0, t1, t2, m), 1);
    ExpectPoint(t1, r3, 0.0);
    ExpectPoint(t2, r3 / 2.0, 1.5);
    ExpectPoint(m, r3, 1.0);
    // 120 degrees: tangents r / tan 60 = 1 / sqrt 3; the centre stands r above T1.
    EXPECT_EQ(CalFillet({-10, 0}, {0, 0}, {5, 5 * r3}, 1.0, t1, t2, m), 1);
    ExpectPoint(t1, -1.0 / r3, 0.0);
    ExpectPoint(t2, 0.5 / r3, 0.5);
    ExpectPoint(m, -1.0 / r3, 1.0);
    EXPECT_NEAR(std::hypot(m.x - t2.x, m.y - t2.y), 1.0, 1e-12);
}

TEST(Fillet, NoCornerGivesTheCornerPoint)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        CDblPoint a, b, e;
        double r;
    };
    for (const Case& c : {Case{{-10, 0}, {0, 0}, {10, 0}, 1.0}, // straight on
                          Case{{10, 0}, {0, 0}, {5, 0}, 1.0},   // folded back
                          Case{{0, 0}, {0, 0}, {0, 10}, 1.0},   // A at the corner
                          Case{{10, 0}, {0, 0}, {0, 10}, 0.0},
                          Case{{10, 0}, {0, 0}, {0, 10}, -2.0},
                          Case{{10, 0}, {0, 0}, {0, 10}, nan},
                          Case{{10, nan}, {0, 0}, {0, 10}, 1.0}}) {
        CDblPoint t1(9, 9), t2(9, 9), m(9, 9);
        EXPECT_EQ(CalFillet(c.a, c.b, c.e, c.r, t1, t2, m), 0);
        ExpectPoint(t1, c.b.x, c.b.y);
        ExpectPoint(t2, c.b.x, c.b.y);
        ExpectPoint(m, c.b.x, c.b.y);
    }
}
