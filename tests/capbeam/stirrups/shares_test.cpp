// Every stirrup laid along the cap beam stands in exactly one record (main, taper, skewed end), at
// every skew angle and in every layout; counts worked by hand from the zone layout.
#include "capbeam/stirrups/bar_set_steps_test_support.h"

#include "common/bar_sizes.h"
#include "host/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

namespace {

constexpr double kPi = 3.14159265358979323846;

double Degrees(double angle)
{
    return angle * kPi / 180.0;
}

// The plain cap beam of the stirrup tests with one stirrup group over all four frames.
void SetUpBeam(CPM001T0101Atom& beam)
{
    SetUpPlainCapBeam(beam);
    AddGroups(beam, {{1, 4}});
}

// Tapered parts of 1000 under both cantilevers (the slopes of SetTaperedOutline: dL = dR = 1050).
void UseTaperedEnds(CPM001T0101Atom& beam)
{
    beam.bBpl = beam.bBpr = 1000.0;
    beam.hHpl = beam.hHpr = 600.0;
    SetTaperedOutline(beam);
}

// Outline of SetTaperedOutline with the lower ends of the two slopes moved to x = left and x = right.
void MoveSlopeEnds(CPM001T0101Atom& beam, double left, double right)
{
    beam.bBpl = beam.bBpr = 1000.0;
    beam.hHpl = beam.hHpr = 600.0;
    SetTaperedOutline(beam);
    beam.PYXTCJpa1[2].x = left;
    beam.PYXTCJpa1[3].x = right;
}

// A tapered part of 1000 under one cantilever (the slope of SetTaperedOutline), the other end square.
void TaperOneEnd(CPM001T0101Atom& beam, bool left)
{
    (left ? beam.bBpl : beam.bBpr) = 1000.0;
    (left ? beam.hHpl : beam.hHpr) = 600.0;
    SetTaperedOutline(beam);
}

// sg_a 250, s3 100, skew `degrees`: TaperOneEnd with the intake's square end, a token 1e-5 by 1e-5 step.
void SquareEndBesideTaperedOne(CPM001T0101Atom& beam, bool squareRight, double degrees)
{
    beam.sg.a = 250.0;
    beam.sg.s3 = 100.0;
    beam.a = Degrees(degrees);
    TaperOneEnd(beam, squareRight);
    (squareRight ? beam.bBpr : beam.bBpl) = 1e-5;
    (squareRight ? beam.hHpr : beam.hHpl) = 1e-5;
    const double x = squareRight ? 9950.0 - 1e-5 : 50.0;
    beam.PYXTCJpa1[squareRight ? 3 : 1] = CDblPoint(x, 60.0);
    beam.PYXTCJpa1[squareRight ? 4 : 2] = CDblPoint(x + 1e-5, 60.0);
}

class StirrupShares : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReportLog::Current().Clear();
        SetUpBeam(atom);
    }

    CPM001T0101Atom atom;
};

struct SkewRow {
    const char* name;
    double angle;  // radians
    double left, right;  // cantilevers; the span stays 6000
    double s3, Min;
    int main;
    int skewLeft, skewRight;  // -1: no skew-end record
};

} // namespace

// Square ends, span 6000, densified zones 5 x 100; an end-zone stirrup d from a main one on the
// axis stands at most d + 900 t from it at the skeleton edges (+-900), t = tan a.
TEST_F(StirrupShares, TheSharedStirrupAtTheEndOfAnEndZoneIsCountedOnceAtEveryAngle)
{
    const double half = Degrees(0.5), one = Degrees(1.0), three = Degrees(3.0), four = Degrees(4.0);
    const SkewRow rows[] = {
        // Cantilevers 2100, s3 75: 7.75 -> 7 spacings, main 200 ... 10000 (61), zone 50, 125, 200
        // (a main stirrup joins one end stirrup at most, though 125 is 75 < 80 from it): 65.
        {"square", 0.0, 2100.0, 2100.0, 75.0, 80.0, 65, -1, -1},
        // 1 degree, t = 0.017455: (2084.29 - 550) / 200 -> 7, outermost still at 200 on the axis;
        // end zone 215.71 - 50 = 2 x 75 + 15.71: 50, 125, 200. The one at 200 crosses the main
        // stirrup at 200 and stays within 15.71 < sg_Min 80 of it: the same stirrup. Main 61,
        // skew ends 50 and 125 at each end: 61 + 2 x 2 = 65 as on the square beam (the
        // unmended count, 3 at each end, would lay 67).
        {"one degree", one, 2100.0, 2100.0, 75.0, 80.0, 61, 2, 2},
        // t = 0.25: (1875 - 550) / 200 = 6.6 -> 6, outermost at 2100 - 500 - 1200 = 400; end zone
        // 625 - 50 = 7 x 75 + 50: 50 ... 575, eight stirrups; those at 425, 500, 575 cross main
        // stirrups but stand 225 from them at the edges: all eight are skew-end stirrups. Main
        // 400 ... 9800: 6 + 5 + 5 + 1 + 24 + 1 + 5 + 5 + 6 = 58 spacings, 59 stirrups.
        {"t = 0.25", std::atan(0.25), 2100.0, 2100.0, 75.0, 80.0, 59, 8, 8},
        // Left 2110, right 2030, s3 150, sg_Min 50: main 210 ... 10010 (61) to 4 degrees (900 t <=
        // 62.93). Left zone 50, 200: 200 is that main stirrup while 10 + 900 t < 50 (below 2.54
        // degrees); right zone 50 alone, 80 from the main 130: its own. 0: 61 + 2 = 63.
        {"10 mm zone rest, 0", 0.0, 2110.0, 2030.0, 150.0, 50.0, 63, -1, -1},
        // 0.5 degree: 10 + 7.85 < 50: 63.
        {"10 mm zone rest, 0.5 degree", half, 2110.0, 2030.0, 150.0, 50.0, 61, 1, 1},
        // 1 degree: 10 + 15.71 < 50: 63.
        {"10 mm zone rest, 1 degree", one, 2110.0, 2030.0, 150.0, 50.0, 61, 1, 1},
        // 3 degrees: 10 + 47.17 >= 50, 200 is a skew-end stirrup of its own at the left: 64.
        {"10 mm zone rest, 3 degrees", three, 2110.0, 2030.0, 150.0, 50.0, 61, 2, 1},
        {"10 mm zone rest, 4 degrees", four, 2110.0, 2030.0, 150.0, 50.0, 61, 2, 1},
        // Mirror: right 2090, left 2050, 1 degree: right zone 50, 200; 200 is 10 + 15.71 < 50 from
        // the main 190: that stirrup.
        {"1 degree, zone stirrup past the outermost main one", one, 2050.0, 2090.0, 150.0, 50.0, 61, 1, 1},
        // sg_Min 80, left 2029, right 2030: main 129 ... 9929 (61); zones 50 alone, 79 < 80 from the
        // main 129 (joined), exactly 80 from 130 (its own): 62.
        {"zone stirrup sg_Min from the main one, 0", 0.0, 2029.0, 2030.0, 150.0, 80.0, 62, -1, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CPM001T0101Atom beam;
        SetUpBeam(beam);
        beam.sg.s3 = row.s3;
        beam.sg.Min = row.Min;
        beam.bBzl = row.left;
        beam.bBzr = row.right;
        beam.bBg = row.left + 6000.0 + row.right;
        beam.a = row.angle;
        ReportLog::Current().Clear();
        ASSERT_EQ(RunSetsgData(beam), 1);
        EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Error), 0);
        EXPECT_EQ(beam.sg.sg1[0].n, row.main);
        ASSERT_EQ(beam.sg.sg3.GetSize(), row.skewLeft < 0 ? 0 : 1);
        if (row.skewLeft >= 0) {
            EXPECT_EQ(beam.sg.sg3[0].nl, row.skewLeft);
            EXPECT_EQ(beam.sg.sg3[0].nr, row.skewRight);
            EXPECT_EQ(beam.sg.sg3[0].n, row.skewLeft + row.skewRight);
        }
    }
}

namespace {

// Tapered ends with s3 = 50, four densified spacings, slopes 0.02 / 0.01 from the crown at 5050.
void UseSlopedTaperedEnds(CPM001T0101Atom& beam)
{
    beam.sg.s3 = 50.0;
    for (int k = 0; k < 2; ++k) beam.sg.lns2[k] = beam.sg.rns2[k] = 4;
    UseTaperedEnds(beam);
    beam.iLb = 0.02;
    beam.iRb = 0.01;
    beam.bAc = 5050.0;
}

} // namespace

// Square: the outermost normal stirrup at 2000 - 400 - 400 = 1200; end zone 50 ... 1200 (23 x 50);
// 21 of them (50 ... 1050) stand on each tapered part, 1100 and 1150 are main: 48 + 2 x 2 = 52.
TEST_F(StirrupShares, EachRecordTakesItsLegsFromTheStirrupsItHoldsWhenASlightSkewMovesTheEndZones)
{
    UseSlopedTaperedEnds(atom);
    ASSERT_EQ(RunSetsgData(atom), 1);
    EXPECT_EQ(atom.sg.sg1[0].n, 52);
    EXPECT_EQ(atom.sg.sg2[0].n, 42);
    // Outermost main stirrups 1100 and 8900: 1680 - 3950 x 0.02 = 1601 (+ 30).
    EXPECT_NEAR(atom.sg.sg1[0].L1, 1631.0, 1e-9);

    // 1 degree: (1984.29 - 400 - 1050) / 200 -> 2, outermost at 1200 on the axis; end zone
    // 1215.71 - 50 = 23 x 50 + 15.71: 50 ... 1200 again, the one at 1200 the main stirrup. The
    // tapered parts keep 21 each; 1100 and 1150 (8900 and 8850) go to the skew-end record. Main
    // 1200 ... 8800: 47 spacings, 48 stirrups; 48 + 42 + 4 = 94 as without skew.
    CPM001T0101Atom skewed;
    SetUpBeam(skewed);
    UseSlopedTaperedEnds(skewed);
    skewed.a = Degrees(1.0);
    ASSERT_EQ(RunSetsgData(skewed), 1);
    const auto& sg = skewed.sg;
    EXPECT_EQ(sg.sg1[0].n, 48);
    EXPECT_EQ(sg.sg2[0].nl, 21);
    EXPECT_EQ(sg.sg2[0].nr, 21);
    ASSERT_EQ(sg.sg3.GetSize(), 1);
    EXPECT_EQ(sg.sg3[0].nl, 2);
    EXPECT_EQ(sg.sg3[0].nr, 2);
    // Main from 1200 and 8800: 1680 - 3850 x 0.02 = 1603 and 1680 - 3750 x 0.01 = 1642.5.
    EXPECT_NEAR(sg.sg1[0].L1, 1633.0, 1e-9);
    // Skew ends 1100, 1150 and 8900, 8850: 1601, 1602, 1641.5, 1642; the lowest and the highest.
    EXPECT_NEAR(sg.sg3[0].L1, 1631.0, 1e-9);
    EXPECT_NEAR(sg.sg3[0].L1p, 1672.0, 1e-9);
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Error), 0);
}

namespace {

struct UnlaidRow {
    const char* name;
    void (*setUp)(CPM001T0101Atom&);
    const char* message;
};

} // namespace

TEST_F(StirrupShares, StirrupsThatCannotBeLaidStopTheDesignNamingTheCount)
{
    const UnlaidRow rows[] = {
        // Skewed layout, tapered parts of 6000 on a beam of 10000: they overlap. The layout lays
        // 63 stirrups (end zones 2 x 125 + 6 x 200 at each end, see the layout tests); each tapered
        // part would hold 5 - trunc(-4000 / 100) + 6 + 2 = 53 of them: 63 - 106 < 0 main stirrups.
        {"overlapping tapered parts",
         [](CPM001T0101Atom& beam) {
             beam.sg.fLayMode = 1;
             MoveSlopeEnds(beam, 6000.0, 4000.0);
         },
         "计算错误：箍筋无法布置，PM001_T0101_sg1[1]_n 小于0，请检查箍筋间距和加密间距数"},
        // Densified square layout: 35 + 30 densified spacings of 100 either side of a span of 6000
        // need 6500: the zones overlap by 500.
        {"overlapping densified zones",
         [](CPM001T0101Atom& beam) {
             beam.sg.rns2[0] = 35;
             beam.sg.lns2[1] = 30;
         },
         "计算错误：箍筋无法布置，第1跨两侧的箍筋加密区重叠，PM001_T0101_sg_as 小于0，请检查箍筋间距和加密间距数"},
        {"overlapping densified zones, stirrups along the skew",
         [](CPM001T0101Atom& beam) {
             beam.sg.fLayMode = 1;
             beam.sg.rns2[0] = 35;
             beam.sg.lns2[1] = 30;
         },
         "计算错误：箍筋无法布置，第1跨两侧的箍筋加密区重叠，PM001_T0101_sg_as 小于0，请检查箍筋间距和加密间距数"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CPM001T0101Atom beam;
        SetUpBeam(beam);
        row.setUp(beam);
        ReportLog::Current().Clear();
        EXPECT_EQ(RunSetsgData(beam), 0);
        const auto& entries = ReportLog::Current().Entries();
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].kind, ReportEntry::Error);
        EXPECT_STREQ(entries[0].message, row.message);
        // No record keeps a count below zero, no zone a rest below zero.
        if (beam.sg.sg1.GetSize() > 0) {
            EXPECT_GE(beam.sg.sg1[0].n, 0);
        }
        for (double rest : beam.sg.as) EXPECT_GE(rest, 0.0);
        EXPECT_GE(beam.sg.lns3, 0);
        EXPECT_GE(beam.sg.rns3, 0);
    }
}

namespace {

struct EndRestRow {
    const char* name;
    double cantilever;
    bool tapered;
    int main;
    int taper;  // per end
};

} // namespace

// Stirrups along the skew, densified at both columns: s 150, s2 100, eight densified spacings at
// each side of each column, sg_a 50, sg_Min 50, one span of 6000: 6000 - 1600 = 4400 = 100 +
// 28 x 150 + 100. Every stirrup from end to end is laid once: spacings + 1.
TEST_F(StirrupShares, TheLastStirrupOfTheSkewedLayoutIsCountedWhateverTheEndRest)
{
    const EndRestRow rows[] = {
        // 1750 - 800 - 50 = 900 = 6 x 150, no end rest (as[2] = 0): 6 + 8 + 8 + 1 + 28 + 1 + 8 +
        // 8 + 6 = 74 spacings, 75 stirrups from 50 to 9450 (the unmended count, 74, lost the last).
        {"square ends, exact end", 1750.0, false, 75, 0},
        // Tapered parts of 1021: 50, 200, ... 950 stand on each (8 - trunc(729 / 100) + 6 = 7);
        // 75 - 14 = 61 (unmended 60).
        {"tapered ends, exact end", 1750.0, true, 61, 7},
        // 1800 - 800 - 50 = 950 = 50 + 6 x 150: one end rest at each end, 77 stirrups as before.
        {"square ends, end rest 50", 1800.0, false, 77, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CPM001T0101Atom beam;
        SetUpBeam(beam);
        auto& sg = beam.sg;
        sg.fLayMode = 1;
        sg.s = 150.0;
        sg.Min = 50.0;
        sg.Max = 200.0;
        for (int k = 0; k < 2; ++k) sg.lns2[k] = sg.rns2[k] = 8;
        beam.bBzl = beam.bBzr = row.cantilever;
        beam.bBg = 2.0 * row.cantilever + 6000.0;
        if (row.tapered) {
            beam.bBpl = beam.bBpr = 1000.0;
            const double e = beam.bBg - 50.0;
            beam.PYXTCJpa1.RemoveAll();
            for (auto [x, y] : {std::pair{50.0, 1740.0}, {50.0, 660.0}, {1021.0, 60.0}, {beam.bBg - 1021.0, 60.0},
                                {e, 660.0}, {e, 1740.0}})
                beam.PYXTCJpa1.Add(CDblPoint(x, y));
        }
        ReportLog::Current().Clear();
        ASSERT_EQ(RunSetsgData(beam), 1);
        EXPECT_EQ(sg.sg1[0].n, row.main);
        if (row.tapered) {
            ASSERT_EQ(sg.sg2.GetSize(), 1);
            EXPECT_EQ(sg.sg2[0].nl, row.taper);
            EXPECT_EQ(sg.sg2[0].nr, row.taper);
        } else {
            EXPECT_EQ(sg.sg2.GetSize(), 0);
        }
        EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Error), 0);
    }
}

// Three columns at 2000, 2000 + span and 2000 + span + 6000; five densified spacings at each side.
TEST_F(StirrupShares, ASpanWithRestSpacingsButNoNormalOneHasBothRests)
{
    struct Row {
        double span;
        int main;
    };
    const Row rows[] = {
        // Gap 200, one spacing: 71 spacings from 100 to 11100: 72 (50 and 11150 are 50 < 80 from
        // 100 and 11100: those stirrups).
        {1200.0, 72},
        // Gap 300 = 150 + 150: 72 spacings from 100 to 11200: 73, 50 and 11250 among them (one rest
        // only gives 72).
        {1300.0, 73},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.span);
        CPM001T0101Atom beam;
        SetUpBeam(beam);
        beam.nPier = 3;
        beam.bBz.RemoveAll();
        beam.bBz.Add(row.span);
        beam.bBz.Add(6000.0);
        beam.bBg = 4000.0 + row.span + 6000.0;
        beam.sg.lns2.Add(5);
        beam.sg.rns2.Add(5);
        ASSERT_EQ(RunSetsgData(beam), 1);
        EXPECT_EQ(beam.sg.ns[1], 0);
        EXPECT_EQ(beam.sg.sg1[0].n, row.main);
    }
}

TEST_F(StirrupShares, TheTaperRecordsInnermostLegIsItsLastStirrup)
{
    for (int k = 0; k < 2; ++k) atom.sg.lns2[k] = atom.sg.rns2[k] = 10;
    UseTaperedEnds(atom);
    ASSERT_EQ(RunSetsgData(atom), 1);
    // Zone 50 ... 950, its 950 the stirrup at 1000 (50 < 80): 10 on the tapered part. Slope at 1000:
    // 660 - 0.6 x 950 = 90, 1740 - 90 = 1650 (+ 30); at the end distance 1740 - 660 = 1080 (+ 30).
    const auto& taper = atom.sg.sg2[0];
    EXPECT_EQ(taper.nl, 10);
    EXPECT_NEAR(taper.L1, 1110.0, 1e-9);
    EXPECT_NEAR(taper.L1p, 1680.0, 1e-9);
    const double hook = KVDataCommon::WG3(10.0, 1, KVDataCommon::DEGRE_135);
    EXPECT_DOUBLE_EQ(taper.TL, std::floor(1110.0 + 1680.0 + 2.0 * 1830.0 + 2.0 * hook + 0.5));
}

namespace {

// Stirrups held by each record of the beam's only group; -1: the beam has no such record.
struct Held {
    int main;
    int taperLeft, taperRight;
    int skewLeft, skewRight;
};

// Designs the stirrups and checks what each record holds.
void ExpectHeld(CPM001T0101Atom& beam, const Held& held)
{
    ReportLog::Current().Clear();
    ASSERT_EQ(RunSetsgData(beam), 1);
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Error), 0);
    const auto& sg = beam.sg;
    EXPECT_EQ(sg.sg1[0].n, held.main);
    ASSERT_EQ(sg.sg2.GetSize(), held.taperLeft < 0 ? 0 : 1);
    if (held.taperLeft >= 0) {
        EXPECT_EQ(sg.sg2[0].nl, held.taperLeft);
        EXPECT_EQ(sg.sg2[0].nr, held.taperRight);
        EXPECT_EQ(sg.sg2[0].n, held.taperLeft + held.taperRight);
    }
    ASSERT_EQ(sg.sg3.GetSize(), held.skewLeft < 0 ? 0 : 1);
    if (held.skewLeft >= 0) {
        EXPECT_EQ(sg.sg3[0].nl, held.skewLeft);
        EXPECT_EQ(sg.sg3[0].nr, held.skewRight);
        EXPECT_EQ(sg.sg3[0].n, held.skewLeft + held.skewRight);
    }
}

struct UniformRow {
    const char* name;
    int fLayMode;
    double angle;  // radians
    bool tapered;  // tapered parts of 1000 (dL = dR = 1050)
    Held held;
};

struct TaperRow {
    const char* name;
    double angle;  // radians
    double left, right;  // cantilevers on a beam of 10000
    double slopeLeft, slopeRight;  // x of the lower ends of the two slopes
    int main, taperLeft, taperRight;
};

} // namespace

// Densified zones of 10 x 100 reaching onto the tapered parts, which hold every stirrup on them.
TEST_F(StirrupShares, ADensifiedZoneOnTheTaperedPartNeverLeavesANegativeSkewEndCount)
{
    const double six = Degrees(6.0);  // t = 0.105104, 900 t = 94.59
    const TaperRow rows[] = {
        // Cantilevers 1950, tapered 1050: zone 50 ... 950 (1 degree: 9 x 100 + 15.71), 950 the main
        // outermost; tapered 11 each (50 ... 950, 1050), main 1150 ... 8850: 58; skew-end 0, not -1.
        {"0", 0.0, 1950.0, 1950.0, 1050.0, 8950.0, 58, 11, 11},
        {"1 degree", Degrees(1.0), 1950.0, 1950.0, 1050.0, 8950.0, 58, 11, 11},
        // 6 degrees, left 1950, right 2000: no normal spacing. Left zone 50 ... 950, 94.59 >= 80 from
        // the main 950: 10 + main 950, 1050 = 12; right zone 50 ... 1050 and main 1000: 12. Main
        // 950 ... 9000 (62) less 3: 59; 12 + 12 + 59 = 83 = 10 + 62 + 11.
        {"6 degrees, unequal cantilevers", six, 1950.0, 2000.0, 1050.0, 8950.0, 59, 12, 12},
        // 6 degrees, tapered 1000: zone 50 ... 950 (10) and the main 950 on it: 11; main 62 - 2 = 60.
        {"6 degrees, main stirrup on the tapered part", six, 1950.0, 1950.0, 1000.0, 9000.0, 60, 11, 11},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CPM001T0101Atom beam;
        SetUpBeam(beam);
        beam.bBzl = row.left;
        beam.bBzr = row.right;
        beam.bBz[0] = 10000.0 - row.left - row.right;
        for (int k = 0; k < 2; ++k) beam.sg.lns2[k] = beam.sg.rns2[k] = 10;
        MoveSlopeEnds(beam, row.slopeLeft, row.slopeRight);
        beam.a = row.angle;
        const int skew = row.angle != 0.0 ? 0 : -1;
        ExpectHeld(beam, {row.main, row.taperLeft, row.taperRight, skew, skew});
    }
}

// One uniform layout over the plain beam (10000 long, 2000 wide, skeleton edges at +-900, sg_a 50,
// s 200, s3 150, sg_Min 80); t = tan a; a skewed-end stirrup reaches 900 t either side of its station.
TEST_F(StirrupShares, TheUniformLayoutsLayEveryStirrupInOneRecordAtEveryAngle)
{
    const double oneDegree = Degrees(1.0);  // t = 0.0174551: t x 2000 = 34.91, reach 15.71
    const double quarter = std::atan(0.25);
    const UniformRow rows[] = {
        // Square to the axis, square ends. 0: BJ4(10000, 50, 200) = 49 x 200 and 100 at either end,
        // main 100 ... 9900 (50); end zone trunc((100 - 50) / 150) = 0 spacings: the stirrup at 50,
        // 50 < sg_Min 80 from the main one at 100 across the whole width: it is that stirrup, 50.
        {"square to the axis, square ends, 0", 0, 0.0, false, {50, -1, -1, -1, -1}},
        // 1 degree: 10000 - 34.91 = 9965.09: 49 x 200, b = 82.55, first at 17.45 + 82.55 = 100
        // again; end zone trunc((33.17 + 82.55 - 50) / 150) = 0: 50 stands at most 50 + 15.71 =
        // 65.71 < 80 from 100 across the width: the main stirrup again, 50 and no skew-end stirrup.
        {"square to the axis, square ends, 1 degree", 0, oneDegree, false, {50, -1, -1, 0, 0}},
        // t = 0.25: 9500 = 47 x 200 + 2 x 50, first at 250 + 50 = 300, main 300 ... 9700 (48); end
        // zone trunc((475 + 50 - 50) / 150) = 3: 50, 200, 350, 500, the last three crossing main
        // stirrups but 325, 275, 225 apart at the edges: 48 + 2 x 4 = 56.
        {"square to the axis, square ends, t = 0.25", 0, quarter, false, {48, -1, -1, 4, 4}},
        // The skew the other way lays the same: the end zones reach 475 past the first main stirrup either way.
        {"square to the axis, square ends, t = -0.25", 0, -quarter, false, {48, -1, -1, 4, 4}},
        // Tapered ends, 0: 10000 - 2000 = 8000 = 39 x 200 + 2 x 100, main 1150 ... 8850 (40); end
        // zone trunc((100 + 1000 - 50) / 150) = 7: 50 ... 1100; the tapered part holds
        // trunc(1000 / 150) + 1 = 7 (50 ... 950). 1100 stands 50 < 80 from 1150: that main
        // stirrup. 40 + 14 = 54.
        {"square to the axis, tapered ends, 0", 0, 0.0, true, {40, 7, 7, -1, -1}},
        // 1 degree: 7965.09 = 39 x 200 + 2 x 82.55, main 1150 ... 8850 (40); end zone
        // trunc((33.17 + 82.55 + 950) / 150) = 7: 1100 stays within 50 + 15.71 < 80 of 1150, the
        // main stirrup again: 40 + 14 = 54, no skew-end stirrup.
        {"square to the axis, tapered ends, 1 degree", 0, oneDegree, true, {40, 7, 7, 0, 0}},
        // t = 0.25: 7500 = 37 x 200 + 2 x 50, main 1350 ... 8650 (38); end zone
        // trunc((475 + 50 + 950) / 150) = 9: 50 ... 1400, beyond the taper 1100, 1250 and 1400 (the
        // last two cross the main stirrup at 1350 but stand 325 and 275 from it at the edges):
        // 38 + 14 + 6 = 58.
        {"square to the axis, tapered ends, t = 0.25", 0, quarter, true, {38, 7, 7, 3, 3}},
        {"square to the axis, tapered ends, t = -0.25", 0, -quarter, true, {38, 7, 7, 3, 3}},
        // Along the skew: BJ4(10000 - 100, 80, 200) = 48 x 200 and 150 at either end: 50, 200 ...
        // 9800, 9950, 51 stirrups at every angle.
        {"along the skew, square ends, 0", 1, 0.0, false, {51, -1, -1, -1, -1}},
        {"along the skew, square ends, 1 degree", 1, oneDegree, false, {51, -1, -1, -1, -1}},
        {"along the skew, square ends, t = 0.25", 1, quarter, false, {51, -1, -1, -1, -1}},
        // Tapered ends: trunc((1050 - 50 - 150) / 200) + 2 = 6 on each (50, 200 ... 1000): 51 - 12 = 39.
        {"along the skew, tapered ends, 0", 1, 0.0, true, {39, 6, 6, -1, -1}},
        {"along the skew, tapered ends, 1 degree", 1, oneDegree, true, {39, 6, 6, -1, -1}},
        {"along the skew, tapered ends, t = 0.25", 1, quarter, true, {39, 6, 6, -1, -1}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CPM001T0101Atom beam;
        SetUpBeam(beam);
        beam.sg.fenG = 0;
        beam.sg.fLayMode = row.fLayMode;
        beam.a = row.angle;
        if (row.tapered) UseTaperedEnds(beam);
        ExpectHeld(beam, row.held);
    }
}

TEST_F(StirrupShares, UniformEndStirrupsThatAreMainOnesOrOnTheTaperAreCountedOnce)
{
    struct Row {
        const char* name;
        void (*setUp)(CPM001T0101Atom&);
        Held held;
        int lns3 = 0, rns3 = 0;   // the end zones' published counts
    };
    const Row rows[] = {
        // sg_a 100: BJ4(10000, 100, 200) = 49 x 200 and 100 at either end: the end zone's only
        // stirrup (trunc(0 / 150) = 0 spacings) stands at 100, on the first main stirrup: 50.
        {"end stirrup on the first main one",
         [](CPM001T0101Atom& beam) { beam.sg.a = 100.0; }, {50, -1, -1, -1, -1}},
        // sg_a 10: the end zone's only stirrup stands 90 >= sg_Min before the first main one: 50 + 2.
        {"end stirrup of its own", [](CPM001T0101Atom& beam) { beam.sg.a = 10.0; }, {52, -1, -1, -1, -1}},
        // t = 0.25, sg_a 60, the left slope running on to 3000 (right 1050): 7500 = 37 x 200 +
        // 2 x 50, first at 1050 + 300 on the right; end zones trunc((475 + 50 + 1000 - 60) / 150) = 9
        // spacings (60 ... 1410). The left tapered part holds its trunc(2940 / 150) + 1 = 20 (60 ...
        // 2910), more than the end zone: none of it is left for the skewed end (the unmended count
        // was 9 - 19 < 0); right 7 (60 ... 960) and 1110, 1260, 1410 beyond.
        {"tapered part longer than its end zone",
         [](CPM001T0101Atom& beam) {
             beam.sg.a = 60.0;
             beam.a = std::atan(0.25);
             MoveSlopeEnds(beam, 3000.0, 8950.0);
         },
         {38, 20, 7, 0, 3}, 9, 9},
        // Along the skew, a square left end (token tapered part) next to a tapered right one, 10200
        // long, sg_a 150: BJ4(9900, 80, 200) = 48 x 200 and 150 at either end: 150, 300 ... 9900,
        // 10050, 51 stirrups. The right tapered part (1050) holds trunc((1050 - 300) / 200) + 2 = 5
        // (150, 300 ... 900 from the right end), the left none: 46 main (the unmended count took
        // trunc((50 - 300) / 200) = -1 stirrups off the left end: 47).
        {"along the skew, square end beside a tapered one",
         [](CPM001T0101Atom& beam) {
             beam.sg.fLayMode = 1;
             beam.sg.a = 150.0;
             beam.bBg = 10200.0;
             beam.bBzr = 2200.0;
             beam.bBpl = 1e-5;
             beam.bBpr = 1000.0;
             beam.hHpl = 1e-5;
             beam.hHpr = 600.0;
             beam.PYXTCJpa1.RemoveAll();
             for (auto [x, y] : {std::pair{50.0, 1740.0}, {50.0, 60.0}, {50.00001, 60.0}, {9150.0, 60.0},
                                 {10150.0, 660.0}, {10150.0, 1740.0}})
                 beam.PYXTCJpa1.Add(CDblPoint(x, y));
         },
         {46, 0, 5, -1, -1}},
        // sg_a 250, right end tapered: 9000 = 44 x 200 + 2 x 100, uniform 100 ... 8900 (45); left
        // trunc((100 - 250) / 150) = -1, kept 0; right trunc(850 / 150) = 5: 45 + 6 = 51.
        {"square to the axis, sg_a beyond the first uniform stirrup at a square left end",
         [](CPM001T0101Atom& beam) { beam.sg.a = 250.0; TaperOneEnd(beam, false); },
         {51, -1, -1, -1, -1}, 0, 5},
        // Mirror, sg_a 400: right trunc(-300 / 150) = -2, kept 0; left trunc(700 / 150) = 4: 50.
        {"square to the axis, sg_a beyond the first uniform stirrup at a square right end",
         [](CPM001T0101Atom& beam) { beam.sg.a = 400.0; TaperOneEnd(beam, true); },
         {50, -1, -1, -1, -1}, 4, 0},
        // Square right end beside the tapered left one, sg_a 250, s3 100: 44 x 200 + 2 b, the left zone
        // 250 ... 1050 all on the tapered part; right trunc((1900 t + b - 250) / 100) = -1 (-1.07 at
        // 2.75 degrees) lays nothing and holds 0 (it stopped the design): 45 + 9.
        {"square end beside a tapered one, 2.75 degrees",
         [](CPM001T0101Atom& beam) { SquareEndBesideTaperedOne(beam, true, 2.75); }, {45, 9, 0, 0, 0}, 8},
        {"the mirror, 1 degree",
         [](CPM001T0101Atom& beam) { SquareEndBesideTaperedOne(beam, false, 1.0); }, {45, 0, 9, 0, 0}, 0, 8},
        // Plain square right end, sg_a 300, 1 degree: left 300 ... 1050 and 100 >= 80 before the first
        // uniform stirrup, six skew-end stirrups; right trunc(-1.23) = -1: 0.
        {"plain square end, end zone before the end distance",
         [](CPM001T0101Atom& beam) { beam.sg.a = 300.0; beam.a = Degrees(1.0); TaperOneEnd(beam, true); },
         {45, -1, -1, 6, 0}, 5},
        // End distance beyond the tapered parts (1050): they and the end zones lay nothing and hold 0
        // (it stopped the design); square 1150 ... 8850: 40, along the skew 1700 ... 8300: 35.
        {"end distance beyond the tapered parts",
         [](CPM001T0101Atom& beam) { beam.sg.a = 1400.0; UseTaperedEnds(beam); }, {40, 0, 0, -1, -1}},
        {"along the skew, end distance beyond the tapered parts",
         [](CPM001T0101Atom& beam) { beam.sg.fLayMode = 1; beam.sg.a = 1700.0; UseTaperedEnds(beam); },
         {35, 0, 0, -1, -1}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CPM001T0101Atom beam;
        SetUpBeam(beam);
        beam.sg.fenG = 0;
        row.setUp(beam);
        ExpectHeld(beam, row.held);
        EXPECT_EQ(beam.sg.lns3, row.lns3);
        EXPECT_EQ(beam.sg.rns3, row.rns3);
    }
}

// Top sloping 0.02 to the left and 0.01 to the right of the crown at 5050: net height
// 1680 - 0.02 (5050 - x) left of it, 1680 - 0.01 (x - 5050) right of it; legs + 30.
TEST_F(StirrupShares, TheUniformSquareLayoutTakesEachRecordsLegsFromItsOwnStirrups)
{
    struct Row {
        const char* name;
        double angle;
        bool tapered;
        double mainL1;
        double skewL1, skewL1p;  // 0: no skew-end record
    };
    const Row rows[] = {
        // The end stirrups 50 and 9950 are the main ones at 100 and 9900 (nearer than sg_Min), so
        // the main record's outermost stirrups are 100 and 9900: min(1581, 1631.5) + 30.
        {"square ends, 0", 0.0, false, 1611.0, 0.0, 0.0},
        // The same at 1 degree; the skew-end record holds no stirrup and keeps the legs of the
        // stations the skewed end would lay at, 50 and 9950 (1580 + 30, 1631 + 30).
        {"square ends, 1 degree", Degrees(1.0), false, 1611.0, 1610.0, 1661.0},
        // Main from 1150 and 8850 (1100 and 8900 are those stirrups): 1602 and 1642.
        {"tapered ends, 0", 0.0, true, 1632.0, 0.0, 0.0},
        // The same at 1 degree; the empty skew-end record keeps 1100 and 8900: 1601 and 1641.5.
        {"tapered ends, 1 degree", Degrees(1.0), true, 1632.0, 1631.0, 1671.5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CPM001T0101Atom beam;
        SetUpBeam(beam);
        beam.sg.fenG = 0;
        beam.a = row.angle;
        if (row.tapered) UseTaperedEnds(beam);
        beam.iLb = 0.02;
        beam.iRb = 0.01;
        beam.bAc = 5050.0;
        ASSERT_EQ(RunSetsgData(beam), 1);
        const auto& sg = beam.sg;
        EXPECT_NEAR(sg.sg1[0].L1, row.mainL1, 1e-9);
        ASSERT_EQ(sg.sg3.GetSize(), row.skewL1 > 0.0 ? 1 : 0);
        if (row.skewL1 > 0.0) {
            EXPECT_NEAR(sg.sg3[0].L1, row.skewL1, 1e-9);
            EXPECT_NEAR(sg.sg3[0].L1p, row.skewL1p, 1e-9);
        }
    }
}
