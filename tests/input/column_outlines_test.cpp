// Column outlines in plan: the section shapes about the column centre and the columns placed under the cap.
#include "input/pier_origin_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

void expectPoint(const CDblPoint& p, double x, double y, double tol = 1e-9)
{
    EXPECT_NEAR(p.x, x, tol);
    EXPECT_NEAR(p.y, y, tol);
}

// Twice the signed area of a polygon (positive counter-clockwise).
double twiceArea(const CDblPointArray& pts)
{
    double s = 0.0;
    for (int i = 0; i < pts.GetSize(); ++i) {
        const CDblPoint& p = pts[i];
        const CDblPoint& q = pts[(i + 1) % pts.GetSize()];
        s += p.x * q.y - q.x * p.y;
    }
    return s;
}

std::unique_ptr<CPM001org> rectangularColumns(int fillet)
{
    auto org = std::make_unique<CPM001org>();
    org->ColumnSectionType = 0;
    org->bRec = 1600.0;
    org->lRec = 1200.0;
    org->FilletMode = fillet;
    return org;
}

TEST(ColumnOutline, CircularColumnIsTheWholeCircleFromItsRightmostPoint)
{
    CPM001org org;
    org.ColumnSectionType = 1;
    org.D = 1000.0;
    CDblPointArray outline;
    outline.Add(CDblPoint(1, 1));   // replaced, not appended to
    org.Get_DZ_Coordinate(outline);
    ASSERT_EQ(outline.GetSize(), 64);
    expectPoint(outline[0], 500, 0);
    expectPoint(outline[16], 0, 500);
    expectPoint(outline[32], -500, 0);
    for (int i = 0; i < outline.GetSize(); ++i) EXPECT_NEAR(std::hypot(outline[i].x, outline[i].y), 500, 1e-9);
    EXPECT_GT(twiceArea(outline), 0.0);
}

TEST(ColumnOutline, RectangleWithoutChamfers)
{
    auto owner = rectangularColumns(0);
    const CPM001org& org = *owner;
    CDblPointArray outline;
    org.Get_DZ_Coordinate(outline);
    ASSERT_EQ(outline.GetSize(), 4);
    expectPoint(outline[0], 800, 600);
    expectPoint(outline[1], -800, 600);
    expectPoint(outline[2], -800, -600);
    expectPoint(outline[3], 800, -600);
}

TEST(ColumnOutline, StraightChamfersCutEveryCorner)
{
    auto owner = rectangularColumns(1);
    CPM001org& org = *owner;
    org.X = 100.0;
    org.Y = 50.0;
    CDblPointArray outline;
    org.Get_DZ_Coordinate(outline);
    const double expected[8][2] = {{800, 550},  {700, 600},   {-700, 600}, {-800, 550},
                                   {-800, -550}, {-700, -600}, {700, -600}, {800, -550}};
    ASSERT_EQ(outline.GetSize(), 8);
    for (int i = 0; i < 8; ++i) expectPoint(outline[i], expected[i][0], expected[i][1]);
    // 1600 × 1200 less four corner triangles of 100 × 50 / 2.
    EXPECT_NEAR(twiceArea(outline) / 2, 1600.0 * 1200.0 - 4 * 2500.0, 1e-6);
}

TEST(ColumnOutline, ArcChamfersRoundEveryCornerCounterClockwise)
{
    for (int fillet : {2, 3}) {   // any mode beyond the straight chamfer rounds the corners
        SCOPED_TRACE(fillet);
        auto owner = rectangularColumns(fillet);
        CPM001org& org = *owner;
        org.R = 100.0;
        CDblPointArray outline;
        org.Get_DZ_Coordinate(outline);
        ASSERT_EQ(outline.GetSize(), 4 * 17);
        // Corner centres (±700, ±500); each arc a quarter circle of radius 100.
        expectPoint(outline[0], 800, 500);
        expectPoint(outline[8], 700 + 100 / std::sqrt(2.0), 500 + 100 / std::sqrt(2.0));
        expectPoint(outline[16], 700, 600);
        expectPoint(outline[17], -700, 600);
        expectPoint(outline[33], -800, 500);
        expectPoint(outline[34], -800, -500);
        expectPoint(outline[50], -700, -600);
        expectPoint(outline[51], 700, -600);
        expectPoint(outline[67], 800, -500);
        const double centres[4][2] = {{700, 500}, {-700, 500}, {-700, -500}, {700, -500}};
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 17; ++k) {
                const CDblPoint& p = outline[c * 17 + k];
                EXPECT_NEAR(std::hypot(p.x - centres[c][0], p.y - centres[c][1]), 100.0, 1e-9);
            }
        // Close to the rounded rectangle's area 1600·1200 − (4 − π)·100², a little less (chords).
        const double rounded = 1600.0 * 1200.0 - (4 - std::numbers::pi) * 100.0 * 100.0;
        EXPECT_LT(twiceArea(outline) / 2, rounded);
        EXPECT_GT(twiceArea(outline) / 2, rounded - 4 * 100.0 * 100.0 * 0.002);
    }
}

TEST(ColumnOutlines, ColumnsOnOneFoundationAreCentredOnTheGroup)
{
    auto owner = rectangularColumns(0);
    CPM001org& org = *owner;
    org.BaseLayMode = 1;
    org.DY = 200.0;
    org.bBz.Add(3000.0);
    org.bBz.Add(5000.0);
    OwnedOutlines list;
    list.push_back(std::make_unique<CDblPointArray>());   // an old entry is dropped
    org.Get_DZ_Coordinate_Array(list);
    // Spacings 3000 and 5000: half the group is 4000, centres at −4000, −1000 and 4000.
    ASSERT_EQ(list.size(), 3u);
    const double centres[3] = {-4000, -1000, 4000};
    for (int c = 0; c < 3; ++c) {
        ASSERT_EQ(list[c]->GetSize(), 4);
        expectPoint((*list[c])[0], centres[c] + 800, 200 + 600);
        expectPoint((*list[c])[2], centres[c] - 800, 200 - 600);
    }
}

TEST(ColumnOutlines, SeparateFoundationsOrOneColumnGiveOneOutline)
{
    auto owner = rectangularColumns(0);
    CPM001org& org = *owner;
    org.DY = -150.0;
    org.bBz.Add(6500.0);
    org.bBz.Add(6500.0);
    OwnedOutlines list;
    org.BaseLayMode = 0;
    org.Get_DZ_Coordinate_Array(list);
    ASSERT_EQ(list.size(), 1u);
    expectPoint((*list[0])[0], 800, 450);

    org.BaseLayMode = 1;
    org.bBz.RemoveAll();
    org.Get_DZ_Coordinate_Array(list);
    ASSERT_EQ(list.size(), 1u);
    expectPoint((*list[0])[3], 800, -750);
}

TEST(ColumnOutlines, SkewedPierKeepsTheColumnSectionsSquareToTheAxes)
{
    // The columns stand square to the bridge whatever the skew: only DY and the spacings place them.
    CPM001org org;
    org.ColumnSectionType = 1;
    org.D = 1400.0;
    org.a = std::atan(0.5);
    org.BaseLayMode = 1;
    org.bBz.Add(6500.0);
    OwnedOutlines list;
    org.Get_DZ_Coordinate_Array(list);
    ASSERT_EQ(list.size(), 2u);
    expectPoint((*list[0])[0], -3250 + 700, 0);
    expectPoint((*list[1])[16], 3250, 700);
}

} // namespace
