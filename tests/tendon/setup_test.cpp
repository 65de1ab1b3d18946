// Tendon set-up: the values taken from the cap-beam parameters, the symmetry flags and the level
// of the beam's top face.
#include "tendon/design_object.h"
#include "tendon/steps_test_access.h"

#include "pier/gz_pm001_atom.h"

#include <gtest/gtest.h>

namespace {

using Atom = CPM001T010401Atom;
using Access = CPM001T010401AtomTestAccess;

// A symmetric cap beam with a top falling 2 % to both sides of its crown at 5000: equal end
// heights, variable-height parts, end-to-column distances and column distances.
GZ_PM001Atom SymmetricBeam()
{
    GZ_PM001Atom gz;
    gz.hXbl = 1200.0;
    gz.hXbr = 1200.0;
    gz.bBg = 10000.0;
    gz.bAc = 5000.0;
    gz.iLb = 0.02;
    gz.iRb = 0.02;
    gz.bBpl = 1500.0;
    gz.bBpr = 1500.0;
    gz.bBzl = 2000.0;
    gz.bBzr = 2000.0;
    gz.bBz.Add(3000.0);
    gz.bBz.Add(3000.0);
    gz.hHgl = 1800.0;
    gz.DesignOpt6 = 1;
    return gz;
}

int Symmetry(const GZ_PM001Atom& record)
{
    GZ_PM001Atom gz = record;
    Atom t;
    Access::SetGZData(t, &gz);
    return t.fJGDC;
}

} // namespace

// ---- values taken over ----------------------------------------------------------------------

TEST(TendonSetUp, TakesTheGeometryColumnsAndTendonValues)
{
    GZ_PM001Atom gz;
    gz.hXbl = 1.0;
    gz.hXbr = 2.0;
    gz.a = 0.25;
    gz.bBg = 4.0;
    gz.iLb = 0.01;
    gz.iRb = 0.03;
    gz.hHpl = 5.0;
    gz.hHpr = 6.0;
    gz.bBpr = 7.0;
    gz.bBpl = 8.0;
    gz.bBz.Add(9.0);
    gz.bBz.Add(9.5);
    gz.bBzl = 10.0;
    gz.bBzr = 11.0;
    gz.bAc = 12.0;
    gz.hHgl = 13.0;
    gz.lCzf = 14.0;
    gz.lCzb = 15.0;
    gz.B = 16.0;
    gz.V = 17.0;
    gz.ColumnSectionType = 1;
    gz.bRec = 18.0;
    gz.lRec = 19.0;
    gz.D = 20.0;
    gz.R = 21.0;
    gz.X = 22.0;
    gz.Y = 23.0;
    gz.FilletMode = 2;
    gz.PierLayMode = 3;
    gz.fSeparationSymmetry = 1;
    gz.bAg = -24.0;
    gz.TendonMaterial = "钢绞线1×7-15.20-1860";
    gz.ComponentLabel = 21;

    Atom t;
    t.ib = 99.0;
    ASSERT_EQ(t.SetData(&gz), 1);
    EXPECT_EQ(t.ib, 0.0);
    EXPECT_EQ(t.hXbl, 1.0);
    EXPECT_EQ(t.hXbr, 2.0);
    EXPECT_EQ(t.a, 0.25);
    EXPECT_EQ(t.bBg, 4.0);
    EXPECT_EQ(t.iLb, 0.01);
    EXPECT_EQ(t.iRb, 0.03);
    EXPECT_EQ(t.hHpl, 5.0);
    EXPECT_EQ(t.hHpr, 6.0);
    EXPECT_EQ(t.bBpr, 7.0);
    EXPECT_EQ(t.bBpl, 8.0);
    ASSERT_EQ(t.bBz.GetSize(), 2);
    EXPECT_EQ(t.bBz[0], 9.0);
    EXPECT_EQ(t.bBz[1], 9.5);
    EXPECT_EQ(t.bBzl, 10.0);
    EXPECT_EQ(t.bBzr, 11.0);
    EXPECT_EQ(t.bAc, 12.0);
    EXPECT_EQ(t.hHgl, 13.0);
    EXPECT_EQ(t.lCzf, 14.0);
    EXPECT_EQ(t.lCzb, 15.0);
    EXPECT_EQ(t.B, 16.0);
    EXPECT_EQ(t.V, 17.0);
    EXPECT_EQ(t.ColumnSectionType, 1);
    EXPECT_EQ(t.bRec, 18.0);
    EXPECT_EQ(t.lRec, 19.0);
    EXPECT_EQ(t.D, 20.0);
    EXPECT_EQ(t.R, 21.0);
    EXPECT_EQ(t.X, 22.0);
    EXPECT_EQ(t.Y, 23.0);
    EXPECT_EQ(t.FilletMode, 2);
    EXPECT_EQ(t.PierLayMode, 3);
    EXPECT_EQ(t.fSeparationSymmetry, 1);
    EXPECT_EQ(t.bAg, -24.0);
    EXPECT_EQ(t.strTendonIndex, "钢绞线1×7-15.20-1860");
    EXPECT_EQ(t.nPierLabel, 21);
}

TEST(TendonSetUp, TakesTheDrawingOptions)
{
    GZ_PM001Atom gz;
    gz.DesignOpt1 = 1;      // curve
    gz.DesignOpt2 = 2;      // face of the coordinate table
    gz.DesignOpt3 = 3;
    gz.DesignOpt4 = 4;      // sampling on
    gz.DesignValue1 = 500.0;
    gz.DesignText1 = "N";
    gz.DesignOpt5 = 5;
    gz.DesignText2 = "cm";

    Atom t;
    t.FVLH = 1;
    t.nLH = 4;
    ASSERT_EQ(t.SetData(&gz), 1);
    EXPECT_EQ(t.FVLH, 0);
    EXPECT_EQ(t.nLH, 0);
    EXPECT_EQ(t.FVcurve, 1);
    EXPECT_EQ(t.FVCkplace, 2);
    EXPECT_EQ(t.FVys, 3);
    EXPECT_EQ(t.FVszb, 4);
    EXPECT_EQ(t.js, 500.0);
    EXPECT_EQ(t.PSF, "N");
    EXPECT_EQ(t.FVleader, 5);
    EXPECT_EQ(t.cU, "cm");
}

TEST(TendonSetUp, LeavesTheTendonListsAndResultsAlone)
{
    GZ_PM001Atom gz = SymmetricBeam();
    Atom t;
    ASSERT_EQ(t.SetData(&gz), 1);
    EXPECT_TRUE(t.Steel.empty());
    EXPECT_TRUE(t.SteelFD.empty());
    EXPECT_TRUE(t.QH.empty());
    EXPECT_TRUE(t.HD.empty());
    EXPECT_EQ(t.fm, 0.0);
    EXPECT_EQ(t.fmr, 0.0);
}

// ---- plan flag, straight slope ----------------------------------------------------------------

TEST(TendonSetUp, PlanFlagIsSetForASkewedPierOnly)
{
    GZ_PM001Atom gz;
    Atom square;
    gz.a = 0.0;
    square.SetData(&gz);
    EXPECT_EQ(square.FVPM, 0);

    Atom skewed;
    gz.a = 15.0;
    skewed.SetData(&gz);
    EXPECT_EQ(skewed.FVPM, 1);

    // Within the tolerance of equality the pier is square.
    Atom nearlySquare;
    gz.a = 5e-7;
    nearlySquare.SetData(&gz);
    EXPECT_EQ(nearlySquare.FVPM, 0);
}

TEST(TendonSetUp, OppositeSlopesAndAFlatTopAreOneStraightSlope)
{
    GZ_PM001Atom gz;
    gz.iLb = 0.02;
    gz.iRb = -0.02;
    Atom oneSlope;
    Access::SetGZData(oneSlope, &gz);
    EXPECT_EQ(oneSlope.FVHP, 1);

    gz.iLb = 0.0;
    gz.iRb = 0.0;
    Atom flat;
    Access::SetGZData(flat, &gz);
    EXPECT_EQ(flat.FVHP, 1);

    gz.iLb = 0.02;
    gz.iRb = 0.02;
    Atom crown;
    Access::SetGZData(crown, &gz);
    EXPECT_EQ(crown.FVHP, 0);
}

// ---- symmetry -------------------------------------------------------------------------------

TEST(TendonSetUp, EqualFallToBothSidesWithMirroredGeometryIsSymmetric)
{
    GZ_PM001Atom gz = SymmetricBeam();
    Atom t;
    ASSERT_EQ(t.SetData(&gz), 1);
    EXPECT_EQ(t.fJGDC, 1);
    EXPECT_EQ(t.fSymLayout, 1);
}

TEST(TendonSetUp, OneStraightSlopeWithMirroredGeometryIsSymmetric)
{
    GZ_PM001Atom gz = SymmetricBeam();
    gz.iLb = 0.02;
    gz.iRb = -0.02;
    gz.bBz.RemoveAll();
    gz.bBz.Add(6000.0);
    gz.bBz.Add(6000.0);
    EXPECT_EQ(Symmetry(gz), 1);
}

TEST(TendonSetUp, UnequalSlopesAreNeverSymmetric)
{
    GZ_PM001Atom gz = SymmetricBeam();
    gz.iLb = 0.02;
    gz.iRb = 0.03;
    Atom t;
    t.SetData(&gz);
    EXPECT_EQ(t.fJGDC, 0);
    EXPECT_EQ(t.fSymLayout, 0);
}

TEST(TendonSetUp, EachMirrorTestCanBreakTheSymmetry)
{
    GZ_PM001Atom ends = SymmetricBeam();
    ends.hXbr = 1300.0;
    EXPECT_EQ(Symmetry(ends), 0);

    GZ_PM001Atom parts = SymmetricBeam();
    parts.bBpr = 1400.0;
    EXPECT_EQ(Symmetry(parts), 0);

    GZ_PM001Atom columns = SymmetricBeam();
    columns.bBzr = 2100.0;
    EXPECT_EQ(Symmetry(columns), 0);

    // Ends equal within the tolerance still mirror each other.
    GZ_PM001Atom nearly = SymmetricBeam();
    nearly.hXbr = 1200.0000005;
    EXPECT_EQ(Symmetry(nearly), 1);
}

TEST(TendonSetUp, ColumnDistancesMustBeExactlyEqual)
{
    GZ_PM001Atom gz = SymmetricBeam();
    gz.bBz.RemoveAll();
    gz.bBz.Add(6000.0);
    gz.bBz.Add(6000.0001);
    EXPECT_EQ(Symmetry(gz), 0);

    // Even a difference within the tolerance of equality counts.
    gz.bBz[1] = 6000.0000001;
    EXPECT_EQ(Symmetry(gz), 0);

    gz.bBz.Add(6000.0);
    gz.bBz[1] = 6000.0;
    EXPECT_EQ(Symmetry(gz), 1);
}

TEST(TendonSetUp, OneOrTwoColumnsHaveEqualSpans)
{
    GZ_PM001Atom one = SymmetricBeam();
    one.bBz.RemoveAll();
    EXPECT_EQ(Symmetry(one), 1);

    GZ_PM001Atom two = SymmetricBeam();
    two.bBz.RemoveAll();
    two.bBz.Add(6000.0);
    EXPECT_EQ(Symmetry(two), 1);

    // One column, but the ends differ: the other tests decide.
    GZ_PM001Atom uneven = SymmetricBeam();
    uneven.bBz.RemoveAll();
    uneven.bBpl = 1000.0;
    EXPECT_EQ(Symmetry(uneven), 0);
}

TEST(TendonSetUp, SymmetricLayoutNeedsTheSymmetricDrawingOption)
{
    GZ_PM001Atom gz = SymmetricBeam();
    gz.DesignOpt6 = 0;
    Atom t;
    t.SetData(&gz);
    EXPECT_EQ(t.fJGDC, 1);
    EXPECT_EQ(t.fSymLayout, 0);
}

TEST(TendonSetUp, SlopesRisingTowardsTheCrownAreNotTakenAsSymmetric)
{
    // iLb 0.02 and iRb 0.02 fall equally; iLb -0.02 and iRb -0.02 rise equally to the crown,
    // which neither test accepts (|iRb| = 0.02 differs from iLb, and iLb is not -iRb).
    GZ_PM001Atom valley = SymmetricBeam();
    valley.iLb = -0.02;
    valley.iRb = -0.02;
    EXPECT_EQ(Symmetry(valley), 0);
}

// ---- level of the top face ------------------------------------------------------------------

TEST(TendonTopLevel, TwoSlopesFallFromTheCrown)
{
    GZ_PM001Atom gz;
    gz.iLb = 0.02;
    gz.iRb = 0.02;
    gz.bAc = 5000.0;
    gz.hHgl = 1800.0;
    Atom t;
    t.SetData(&gz);
    // 1800 - 1000 × 0.02 = 1780 on both sides; the crown keeps 1800.
    EXPECT_DOUBLE_EQ(Access::GetFame_XZ(t, 4000.0), 1780.0);
    EXPECT_DOUBLE_EQ(Access::GetFame_XZ(t, 6000.0), 1780.0);
    EXPECT_DOUBLE_EQ(Access::GetFame_XZ(t, 5000.0), 1800.0);
}

TEST(TendonTopLevel, EachSideUsesItsOwnSlope)
{
    GZ_PM001Atom gz;
    gz.iLb = 0.01;
    gz.iRb = 0.03;
    gz.bAc = 4000.0;
    gz.hHgl = 2000.0;
    Atom t;
    t.SetData(&gz);
    // Left: 2000 - 4000 × 0.01 = 1960; right: 2000 - 2000 × 0.03 = 1940.
    EXPECT_DOUBLE_EQ(Access::GetFame_XZ(t, 0.0), 1960.0);
    EXPECT_DOUBLE_EQ(Access::GetFame_XZ(t, 6000.0), 1940.0);
}

TEST(TendonTopLevel, OneStraightSlopeKeepsTheCrownHeightEverywhere)
{
    GZ_PM001Atom gz;
    gz.iLb = 0.02;
    gz.iRb = -0.02;
    gz.bAc = 5000.0;
    gz.hHgl = 1800.0;
    Atom t;
    t.SetData(&gz);
    for (double x : {0.0, 2500.0, 5000.0, 9000.0}) EXPECT_EQ(Access::GetFame_XZ(t, x), 1800.0);
}
