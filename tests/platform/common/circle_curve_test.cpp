// CCircleCurve: control points kept in order with their radius and flag; clearing; bad indexes.
#include "common/circle_curve.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(CircleCurve, NewCurveHasNoControlPoints)
{
    CCircleCurve c;
    EXPECT_EQ(c.GetControlPointCount(), 0);
    EXPECT_THROW(c.GetControlPoint(0), std::out_of_range);
}

TEST(CircleCurve, ControlPointsKeepOrderRadiusAndFlag)
{
    CCircleCurve c;
    c.AddControlPoint(0.0, 150.0, 0.0, 1);
    c.AddControlPoint(2500.0, 80.0, 6000.0, 1);
    c.AddControlPoint(5000.0, 150.0, 0.0, 0);
    ASSERT_EQ(c.GetControlPointCount(), 3);
    EXPECT_EQ(c.GetControlPoint(0).y, 150.0);
    EXPECT_EQ(c.GetControlPoint(1).x, 2500.0);
    EXPECT_EQ(c.GetControlPoint(1).y, 80.0);
    EXPECT_EQ(c.GetControlPoint(1).r, 6000.0);
    EXPECT_EQ(c.GetControlPoint(1).flag, 1);
    EXPECT_EQ(c.GetControlPoint(2).x, 5000.0);
    EXPECT_EQ(c.GetControlPoint(2).flag, 0);
}

TEST(CircleCurve, ClearEmptiesAndTheCurveCanBeRefilled)
{
    CCircleCurve c;
    c.AddControlPoint(1.0, 2.0, 3.0, 1);
    c.AddControlPoint(4.0, 5.0, 6.0, 1);
    c.Clear();
    EXPECT_EQ(c.GetControlPointCount(), 0);
    c.AddControlPoint(7.0, 8.0, 9.0, 2);
    ASSERT_EQ(c.GetControlPointCount(), 1);
    EXPECT_EQ(c.GetControlPoint(0).x, 7.0);
    EXPECT_EQ(c.GetControlPoint(0).flag, 2);
}

TEST(CircleCurve, IndexOutsideTheListThrows)
{
    CCircleCurve c;
    c.AddControlPoint(1.0, 2.0, 3.0, 1);
    EXPECT_THROW(c.GetControlPoint(-1), std::out_of_range);
    EXPECT_THROW(c.GetControlPoint(1), std::out_of_range);
}
