// CDblPoint and KVDataCommon::distance.
#include "geometry/point_distance.h"

#include <gtest/gtest.h>

TEST(PointDistance, ThreeFourFiveTriangles)
{
    EXPECT_DOUBLE_EQ(KVDataCommon::distance(CDblPoint(0.0, 0.0), CDblPoint(3.0, 4.0)), 5.0);
    // dx = -3, dy = 4
    CDblPoint p;
    p.SetPoint(1.0, -1.0);
    EXPECT_DOUBLE_EQ(KVDataCommon::distance(p, CDblPoint(-2.0, 3.0)), 5.0);
    EXPECT_DOUBLE_EQ(KVDataCommon::distance(CDblPoint(-2.0, 3.0), p), 5.0);
    EXPECT_EQ(KVDataCommon::distance(p, p), 0.0);
}
