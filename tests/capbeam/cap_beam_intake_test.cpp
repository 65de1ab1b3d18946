// The cap-beam parameter intake: copies, variable-height ends, grade number, column class, symmetry,
// concrete volume and slope angles, worked by hand.
#include "capbeam/cap_beam_reinforcement.h"
#include "pier/gz_pm001_atom.h"

#include "capbeam/cap_beam_reinforcement_test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <initializer_list>

namespace {

using Atom = CPM001T0101Atom;

int Intake(Atom& atom, GZ_PM001Atom& gz)
{
    return CPM001T0101AtomTestAccess::SetGZData(atom, &gz);
}

DblArray List(std::initializer_list<double> values)
{
    DblArray out;
    for (double v : values) out.Add(v);
    return out;
}

// A three-column cap beam 10000 long and 2200 wide, 2000 high with a flat top, columns 3000 apart
// with 2000 cantilevers, and 2000 long variable-height ends rising 800 to end faces 1200 high.
GZ_PM001Atom WorkedSection()
{
    GZ_PM001Atom gz;
    gz.PMorPT = 1;
    gz.bBg = 10000;
    gz.lWg = 2200;
    gz.bAc = 5000;
    gz.hHgl = 2000;
    gz.hXbl = 1200;
    gz.hXbr = 1200;
    gz.bBpl = 2000;
    gz.bBpr = 2000;
    gz.hHpl = 800;
    gz.hHpr = 800;
    gz.bBz = List({3000, 3000});
    gz.bBzl = 2000;
    gz.bBzr = 2000;
    gz.iLb = 0.0;
    gz.iRb = 0.0;
    gz.PierCapConGra = "C40";
    gz.ColumnSectionType = 1;
    gz.D = 1400;
    return gz;
}

} // namespace

TEST(CapBeamIntake, ConcreteVolumeOfTheWorkedSection)
{
    // The elevation is the 10000 x 2000 rectangle less two 2000 x 800 corner triangles:
    // 20.0e6 - 2 x 0.8e6 = 18.4e6 mm2; times 2.2 m of width gives 40.48 m3.
    Atom atom;
    GZ_PM001Atom gz = WorkedSection();
    EXPECT_EQ(Intake(atom, gz), 1);
    EXPECT_NEAR(atom.Vcon, 40.48, 1e-9);
}

TEST(CapBeamIntake, ConcreteVolumeFollowsTheCrownAndUnequalEnds)
{
    // Left end face 1000 high over a 1000 long slope rising 500, right end face 1500 high and
    // square, crown 2000 high at 4000; the outline is (0,500) (0,1500) (4000,2000) (10000,1500)
    // (10000,0) (1000,0). Under the top: (1500+2000)/2 x 4000 = 7.0e6 plus (2000+1500)/2 x 6000 =
    // 10.5e6; less the corner triangle 1000 x 500 / 2 = 0.25e6: 17.25e6 mm2, times 1 m of width.
    Atom atom;
    GZ_PM001Atom gz = WorkedSection();
    gz.bAc = 4000;
    gz.hXbl = 1000;
    gz.hHpl = 500;
    gz.bBpl = 1000;
    gz.hXbr = 1500;
    gz.hHpr = 0;
    gz.bBpr = 0;
    gz.lWg = 1000;
    Intake(atom, gz);
    // The square right end gets the tiny 1e-5 step, which changes the area by far less than 1e-6 m3.
    EXPECT_NEAR(atom.Vcon, 17.25, 1e-6);
}

TEST(CapBeamIntake, OtherSectionKindsKeepNoVolume)
{
    Atom atom;
    GZ_PM001Atom gz = WorkedSection();
    gz.SectionType = 1;
    Intake(atom, gz);
    EXPECT_EQ(atom.Vcon, 0.0);
    EXPECT_EQ(atom.SectionType, 1);
}

TEST(CapBeamIntake, CopiesTheGeometryAndTheCarriedValues)
{
    Atom atom;
    GZ_PM001Atom gz = WorkedSection();
    gz.a = 0.1;
    gz.vP = 750;
    gz.lCzf = 11;
    gz.lCzb = 12;
    gz.B = 1900;
    gz.V = 13;
    gz.bRec = 1100;
    gz.lRec = 1300;
    gz.R = 50;
    gz.X = 60;
    gz.Y = 70;
    gz.fZT = 1;
    gz.fTuncateRibLM = 2;
    gz.fNoteFormDM = 3;
    gz.fNoteFormSK = 4;
    gz.FramePaneWidth = 150;
    gz.dGZ1 = 1.5;
    gz.dGZ2 = 2.5;
    gz.dGZ3 = 3.5;
    gz.dGZ4 = 4.5;
    gz.nGZ1 = 9;
    gz.fHaveBedStonef = 1;
    gz.TextStyleMode = 2;
    Intake(atom, gz);
    EXPECT_EQ(atom.PMorPT, 1);
    EXPECT_EQ(atom.nPier, 3);
    EXPECT_EQ(atom.bBz.GetSize(), 2);
    EXPECT_EQ(atom.a, 0.1);
    EXPECT_EQ(atom.vP, 750);
    EXPECT_EQ(atom.lWg, 2200);
    EXPECT_EQ(atom.bBg, 10000);
    EXPECT_EQ(atom.bBzl, 2000);
    EXPECT_EQ(atom.bBzr, 2000);
    EXPECT_EQ(atom.bAc, 5000);
    EXPECT_EQ(atom.hHgl, 2000);
    EXPECT_EQ(atom.lCzf, 11);
    EXPECT_EQ(atom.lCzb, 12);
    EXPECT_EQ(atom.B, 1900);
    EXPECT_EQ(atom.V, 13);
    EXPECT_EQ(atom.ColumnSectionType, 1);
    EXPECT_EQ(atom.bRec, 1100);
    EXPECT_EQ(atom.lRec, 1300);
    EXPECT_EQ(atom.D, 1400);
    EXPECT_EQ(atom.R, 50);
    EXPECT_EQ(atom.X, 60);   // a circular column keeps its chamfer values
    EXPECT_EQ(atom.Y, 70);
    EXPECT_EQ(atom.fZT, 1);
    EXPECT_EQ(atom.fTuncateRibLM, 2);
    EXPECT_EQ(atom.fNoteFormDM, 3);
    EXPECT_EQ(atom.fNoteFormSK, 4);
    EXPECT_EQ(atom.FramePaneWidth, 150);
    EXPECT_EQ(atom.dGZ1, 1.5);
    EXPECT_EQ(atom.dGZ2, 2.5);
    EXPECT_EQ(atom.dGZ3, 3.5);
    EXPECT_EQ(atom.dGZ4, 4.5);
    EXPECT_EQ(atom.nGZ1, 9);
    EXPECT_EQ(atom.fHaveBedStonef, 1);
    EXPECT_EQ(atom.TextStyleMode, 2);
    EXPECT_EQ(atom.PierCapConGra, "C40");
}

TEST(CapBeamIntake, SlopeAnglesOfTheVariableHeightEnds)
{
    Atom atom;
    GZ_PM001Atom gz = WorkedSection();
    gz.hHpr = 500;
    gz.bBpr = 500;
    Intake(atom, gz);
    EXPECT_NEAR(atom.aPl, 0.3805063771, 1e-9);   // atan(800 / 2000)
    EXPECT_NEAR(atom.aPr, 0.7853981634, 1e-9);   // atan(500 / 500): 45 degrees
}

TEST(CapBeamIntake, AMissingVariableHeightEndBecomesATinyStep)
{
    Atom atom;
    GZ_PM001Atom gz = WorkedSection();
    gz.bBpl = 0;
    gz.hHpl = 300;
    gz.bBpr = 500;
    gz.hHpr = 200;
    Intake(atom, gz);
    EXPECT_EQ(atom.bBpl, 1e-5);
    EXPECT_EQ(atom.hHpl, 1e-5);
    EXPECT_EQ(atom.aPl, 0.0);   // 1e-5 is not longer than 1e-5
    EXPECT_EQ(atom.bBpr, 500);
    EXPECT_EQ(atom.hHpr, 200);

    Atom mirrored;
    gz.bBpl = 500;
    gz.hHpl = 200;
    gz.bBpr = 0;
    gz.hHpr = 300;
    Intake(mirrored, gz);
    EXPECT_EQ(mirrored.bBpr, 1e-5);
    EXPECT_EQ(mirrored.hHpr, 1e-5);
    EXPECT_EQ(mirrored.aPr, 0.0);
}

TEST(CapBeamIntake, SquareEndsHaveNoRiseAndNoAngle)
{
    Atom atom;
    GZ_PM001Atom gz = WorkedSection();
    gz.bBpl = 0;
    gz.bBpr = 0;
    gz.hHpl = 300;
    gz.hHpr = 400;
    Intake(atom, gz);
    EXPECT_EQ(atom.bBpl, 0.0);
    EXPECT_EQ(atom.bBpr, 0.0);
    EXPECT_EQ(atom.hHpl, 0.0);
    EXPECT_EQ(atom.hHpr, 0.0);
    EXPECT_EQ(atom.aPl, 0.0);
    EXPECT_EQ(atom.aPr, 0.0);
}

TEST(CapBeamIntake, ConcreteGradeNumberFromItsText)
{
    const struct {
        const char* text;
        int number;
    } cases[] = {{"C40", 40}, {"c30", 30}, {"40", 40}, {" C50", 50}, {"C", 0}, {"abc", 0}, {"", 0},
                 {"C99999999999999", INT_MAX}};
    for (const auto& k : cases) {
        Atom atom;
        GZ_PM001Atom gz = WorkedSection();
        gz.PierCapConGra = k.text;
        Intake(atom, gz);
        EXPECT_EQ(atom.ConLabel, k.number) << k.text;
        EXPECT_EQ(atom.PierCapConGra, k.text);
    }
}

TEST(CapBeamIntake, ColumnSectionClass)
{
    const struct {
        int circular, fillet, cls;
        double x;
    } cases[] = {{1, 7, 1, 60}, {0, 1, 2, 60}, {0, 2, 3, 60}, {0, 0, 2, 0}, {0, 5, 2, 0}};
    for (const auto& k : cases) {
        Atom atom;
        GZ_PM001Atom gz = WorkedSection();
        gz.ColumnSectionType = k.circular;
        gz.FilletMode = k.fillet;
        gz.X = 60;
        gz.Y = 70;
        Intake(atom, gz);
        EXPECT_EQ(atom.enPSection, k.cls) << k.circular << "/" << k.fillet;
        EXPECT_EQ(atom.X, k.x);
        EXPECT_EQ(atom.Y, k.x == 0 ? 0.0 : 70.0);
    }
}

TEST(CapBeamIntake, SymmetryOfAStraightTop)
{
    Atom atom;
    GZ_PM001Atom gz = WorkedSection();
    gz.iLb = 0.02;
    gz.iRb = -0.02;
    Intake(atom, gz);
    EXPECT_EQ(atom.fSymmetric, 1);
    EXPECT_EQ(atom.fCrossContour, 1);

    // The ends are compared in whole millimetres: 1200.4 rounds to 1200, 1200.6 to 1201.
    Atom close;
    gz.hXbr = 1200.4;
    Intake(close, gz);
    EXPECT_EQ(close.fSymmetric, 1);
    Atom apart;
    gz.hXbr = 1200.6;
    Intake(apart, gz);
    EXPECT_EQ(apart.fSymmetric, 0);
}

TEST(CapBeamIntake, SymmetryOfACrownedTopNeedsTheCrownInTheMiddle)
{
    Atom atom;
    GZ_PM001Atom gz = WorkedSection();
    gz.iLb = 0.02;
    gz.iRb = 0.02;
    Intake(atom, gz);
    EXPECT_EQ(atom.fSymmetric, 1);
    EXPECT_EQ(atom.fCrossContour, 0);

    Atom offCentre;
    gz.bAc = 4990;
    Intake(offCentre, gz);
    EXPECT_EQ(offCentre.fSymmetric, 0);

    Atom unequalSlopes;
    gz.bAc = 5000;
    gz.iRb = 0.03;
    Intake(unequalSlopes, gz);
    EXPECT_EQ(unequalSlopes.fSymmetric, 0);
}

TEST(CapBeamIntake, SpansAreComparedInWholeMillimetres)
{
    Atom apart;
    GZ_PM001Atom gz = WorkedSection();
    gz.bBz = List({500.25, 500.75});   // 500 and 501
    Intake(apart, gz);
    EXPECT_EQ(apart.fSymmetric, 0);

    Atom alike;
    gz.bBz = List({500.2, 499.8});     // both 500
    Intake(alike, gz);
    EXPECT_EQ(alike.fSymmetric, 1);

    Atom mirrored;
    gz.bBz = List({3000, 4000, 3000});
    Intake(mirrored, gz);
    EXPECT_EQ(mirrored.fSymmetric, 1);
    EXPECT_EQ(mirrored.nPier, 4);

    Atom unequalEnds;
    gz.bBzr = 2100;
    Intake(unequalEnds, gz);
    EXPECT_EQ(unequalEnds.fSymmetric, 0);
}

TEST(CapBeamIntake, OneColumnHasNoSpansToCompare)
{
    Atom atom;
    GZ_PM001Atom gz = WorkedSection();
    gz.bBz = DblArray();
    Intake(atom, gz);
    EXPECT_EQ(atom.nPier, 1);
    EXPECT_EQ(atom.fSymmetric, 1);
}

TEST(CapBeamIntake, PrestressedCapBeamGetsItsTendonObject)
{
    Atom plain;
    GZ_PM001Atom gz = WorkedSection();
    Intake(plain, gz);
    EXPECT_EQ(CPM001T0101AtomTestAccess::Tendon(plain), nullptr);
    EXPECT_EQ(plain.st.pTendonAtom, nullptr);

    Atom prestressed;
    gz.JGType = 1;
    EXPECT_EQ(Intake(prestressed, gz), 1);
    CPM001T010401Atom* tendon = CPM001T0101AtomTestAccess::Tendon(prestressed);
    ASSERT_NE(tendon, nullptr);
    EXPECT_EQ(prestressed.st.pTendonAtom, tendon);
    EXPECT_EQ(prestressed.JGType, 1);

    // A second intake keeps the object it already holds.
    Intake(prestressed, gz);
    EXPECT_EQ(CPM001T0101AtomTestAccess::Tendon(prestressed), tendon);
}

TEST(CapBeamIntake, AMissingRecordIsRefused)
{
    Atom atom;
    EXPECT_EQ(CPM001T0101AtomTestAccess::SetGZData(atom, nullptr), 0);
    EXPECT_EQ(atom.nPier, 0);
}
