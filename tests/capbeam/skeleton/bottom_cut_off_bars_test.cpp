// Bottom cut-off bars: pieces of the secondary skeletons, marks by total length, centre lines in the
// spans, weld data and schedule rows, on small cap beams worked by hand.
#include "capbeam/skeleton/bottom_cut_off_bars.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

using namespace CapBeamCutOffBars;

namespace {

using Atom = CPM001T0101Atom;
using KeyFrame = struct CPM001_CapKeyParam::FrameAr;

constexpr double kTol = 1e-6;

// Hook of a 25 mm HRB400 main bar, right-angle: (125 + 25) / 2 x pi / 2 + 250 - (62.5 + 25)
// = 280.31, rounded 280; two of them.
constexpr double kTwoHooks = 560.0;

KeyFrame Secondary(const char* name, std::initializer_list<double> bottom, int weldBottom = 1)
{
    KeyFrame r;
    r.name = name;
    r.fGJJ = 0;
    r.fWeldB = weldBottom;
    for (double v : bottom) r.LenB.Add(v);
    return r;
}

// A beam with three support lines at 1000, 6000 and 11000 (laid out across the beam): the bottom
// bars' axis at 60, a welded cut-off bar one main bar (30) above it; welds 100 long.
class BottomCutOff : public ::testing::Test {
protected:
    void SetUp() override
    {
        atom.nPier = 3;
        atom.bBz.Add(5000.0);
        atom.bBz.Add(5000.0);
        atom.bBzl = 1000.0;
        atom.bBzr = 1000.0;
        atom.bBg = 12000.0;
        atom.st.fLayMode = 1;
        atom.st.da = 60.0;
        atom.st.LWeld = 100.0;
        atom.st.d = 25.0;
        atom.st.type = 3;
        atom.dMainBarWd = 30.0;
    }

    void Frames(std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            kp.FrameName.Add(name);
            kp.FrameY.Add(0.0);
        }
    }

    int Run() { return GetGJFrame_DXJDJ(atom, kp, atom.BottomCutBars, atom.BottomCutRows); }

    std::vector<CString> Marks() const
    {
        std::vector<CString> marks;
        for (const Atom::M_DXZDJBH* bar : atom.BottomCutBars) marks.push_back(bar->R);
        return marks;
    }

    Atom atom;
    CPM001_CapKeyParam kp;
};

void ExpectVertex(const Atom::M_XZR& v, double x, double z, double weld, int fH, int fHzy)
{
    EXPECT_NEAR(v.x, x, kTol);
    EXPECT_NEAR(v.z, z, kTol);
    EXPECT_NEAR(v.LH, weld, kTol);
    EXPECT_EQ(v.fH, fH);
    EXPECT_EQ(v.fHzy, fHzy);
    EXPECT_EQ(v.fHsx, 0);
    EXPECT_EQ(v.RR, 0.0);
    EXPECT_EQ(v.alf, 0.0);
    EXPECT_EQ(v.fArc, 0);
    EXPECT_EQ(v.enPoint, 0);
}

TEST_F(BottomCutOff, ABarLiesAboutTheMiddleOfItsSpan)
{
    // (1500, 1500) in the first span, nothing in the second: one bar centred on 3500, 3000 long.
    Frames({"K2"});
    kp.FrameAr.Add(Secondary("K2", {1500.0, 1500.0, 0.0, 0.0}));
    ASSERT_EQ(Run(), 1);
    ASSERT_EQ(atom.BottomCutBars.GetSize(), 1);
    const Atom::M_DXZDJBH& bar = *atom.BottomCutBars[0];
    EXPECT_EQ(bar.nA, 0);
    EXPECT_EQ(bar.nB, 1);
    EXPECT_EQ(bar.nFrame, 0);
    EXPECT_EQ(bar.dA, 1500.0);
    EXPECT_EQ(bar.dB, 1500.0);
    EXPECT_EQ(bar.dC, 3000.0);
    EXPECT_EQ(bar.R, "1");
    // Welded: one bar above the bottom bars' axis, 60 + 30.
    ASSERT_EQ(bar.PtAr.GetSize(), 2);
    ExpectVertex(bar.PtAr[0], 2000.0, 90.0, 100.0, 1, 0);
    ExpectVertex(bar.PtAr[1], 5000.0, 90.0, 100.0, 1, 1);

    ASSERT_EQ(atom.BottomCutRows.GetSize(), 1);
    const Atom::tRn& row = atom.BottomCutRows[0];
    EXPECT_EQ(row.R, "1");
    EXPECT_EQ(row.n, 1);
    EXPECT_EQ(row.TL, 3000.0 + kTwoHooks);
    ASSERT_EQ(row.szL.GetSize(), 1);
    EXPECT_EQ(row.szL[0], "/");
    // Every piece is kept, the one of no length too.
    EXPECT_EQ(atom.BottomCutPiecePool.GetSize(), 2);
    EXPECT_EQ(atom.BottomCutPool.GetSize(), 1);
}

TEST_F(BottomCutOff, BarsOfOneTotalShareAMarkWhateverTheSplit)
{
    Frames({"K2", "K3"});
    kp.FrameAr.Add(Secondary("K2", {1500.0, 1500.0}));
    kp.FrameAr.Add(Secondary("K3", {0.0, 0.0, 1000.0, 2000.0}));
    ASSERT_EQ(Run(), 1);
    EXPECT_EQ(Marks(), (std::vector<CString>{"1", "1"}));
    const Atom::M_DXZDJBH& second = *atom.BottomCutBars[1];
    EXPECT_EQ(second.nA, 1);
    EXPECT_EQ(second.nFrame, 1);
    EXPECT_EQ(second.dA, 1000.0);
    EXPECT_EQ(second.dB, 2000.0);
    // Middle of the second span 8500: from 7500 to 10500.
    EXPECT_NEAR(second.PtAr[0].x, 7500.0, kTol);
    EXPECT_NEAR(second.PtAr[1].x, 10500.0, kTol);
    ASSERT_EQ(atom.BottomCutRows.GetSize(), 1);
    EXPECT_EQ(atom.BottomCutRows[0].n, 2);
    EXPECT_EQ(atom.BottomCutRows[0].TL, 3000.0 + kTwoHooks);
}

TEST_F(BottomCutOff, LengthsAreStoredRoundedAndTheTotalExact)
{
    Frames({"K2"});
    kp.FrameAr.Add(Secondary("K2", {1000.4, 1499.5}));
    ASSERT_EQ(Run(), 1);
    const Atom::M_DXZDJBH& bar = *atom.BottomCutBars[0];
    EXPECT_EQ(bar.dA, 1000.0);
    EXPECT_EQ(bar.dB, 1500.0);
    EXPECT_NEAR(bar.dC, 2499.9, kTol);
    // The centre line keeps the exact lengths about the middle 3500.
    EXPECT_NEAR(bar.PtAr[0].x, 2499.6, kTol);
    EXPECT_NEAR(bar.PtAr[1].x, 4999.5, kTol);
    // The schedule's cut length: 2499.9 + 560 to the whole millimetre.
    EXPECT_EQ(atom.BottomCutRows[0].TL, 3060.0);
}

TEST_F(BottomCutOff, MarksContinueTheCounterInOrderOfFirstAppearance)
{
    Frames({"K2", "K3"});
    kp.FrameAr.Add(Secondary("K2", {1500.0, 1500.0, 1200.0, 1200.0}));
    kp.FrameAr.Add(Secondary("K3", {1000.0, 2000.0}));
    atom.nMark = 9;
    ASSERT_EQ(Run(), 1);
    EXPECT_EQ(Marks(), (std::vector<CString>{"10", "11", "10"}));
    EXPECT_EQ(atom.nMark, 11);
    ASSERT_EQ(atom.BottomCutRows.GetSize(), 2);
    EXPECT_EQ(atom.BottomCutRows[0].R, "10");
    EXPECT_EQ(atom.BottomCutRows[0].n, 2);
    EXPECT_EQ(atom.BottomCutRows[0].TL, 3000.0 + kTwoHooks);
    EXPECT_EQ(atom.BottomCutRows[1].R, "11");
    EXPECT_EQ(atom.BottomCutRows[1].n, 1);
    EXPECT_EQ(atom.BottomCutRows[1].TL, 2400.0 + kTwoHooks);
}

TEST_F(BottomCutOff, ABarIsWeldedWhenAnyRecordOfItsFrameWeldsTheBottomBars)
{
    // Frame U's only record does not weld: the bar lies on the bottom bars' axis without welds.
    // Frame V has a second record that gives no bottom bars but welds them.
    Frames({"U", "V"});
    kp.FrameAr.Add(Secondary("U", {1500.0, 1500.0}, 0));
    kp.FrameAr.Add(Secondary("V", {1500.0, 1500.0}, 0));
    kp.FrameAr.Add(Secondary("V", {}, 1));
    ASSERT_EQ(Run(), 1);
    ASSERT_EQ(atom.BottomCutBars.GetSize(), 2);
    const Atom::M_DXZDJBH& loose = *atom.BottomCutBars[0];
    ExpectVertex(loose.PtAr[0], 2000.0, 60.0, 0.0, 0, 0);
    ExpectVertex(loose.PtAr[1], 5000.0, 60.0, 0.0, 0, 0);
    const Atom::M_DXZDJBH& welded = *atom.BottomCutBars[1];
    ExpectVertex(welded.PtAr[0], 2000.0, 90.0, 100.0, 1, 0);
    ExpectVertex(welded.PtAr[1], 5000.0, 90.0, 100.0, 1, 1);
}

TEST_F(BottomCutOff, BarsFollowTheFramesInFrameOrder)
{
    // Frames K3, K2, K3: the records are visited frame by frame.
    Frames({"K3", "K2", "K3"});
    kp.FrameAr.Add(Secondary("K2", {1000.0, 1000.0}));
    kp.FrameAr.Add(Secondary("K3", {0.0, 0.0, 700.0, 800.0}));
    ASSERT_EQ(Run(), 1);
    ASSERT_EQ(atom.BottomCutBars.GetSize(), 3);
    EXPECT_EQ(atom.BottomCutBars[0]->nFrame, 0);
    EXPECT_EQ(atom.BottomCutBars[1]->nFrame, 1);
    EXPECT_EQ(atom.BottomCutBars[2]->nFrame, 2);
    EXPECT_EQ(Marks(), (std::vector<CString>{"1", "2", "1"}));
    EXPECT_EQ(atom.BottomCutRows[0].n, 2);
    EXPECT_EQ(atom.BottomCutRows[0].TL, 1500.0 + kTwoHooks);
    EXPECT_EQ(atom.BottomCutRows[1].TL, 2000.0 + kTwoHooks);
}

TEST_F(BottomCutOff, OnASkewedBeamTheMiddleFollowsTheFrame)
{
    // Laid out along the skew, tan a = 0.1: a frame at y = 500 sees the support lines 50 further on.
    atom.st.fLayMode = 0;
    atom.a = std::atan(0.1);
    kp.FrameName.Add("K2");
    kp.FrameY.Add(500.0);
    atom.FrameY.Add(500.0);
    kp.FrameAr.Add(Secondary("K2", {1500.0, 1500.0}));
    ASSERT_EQ(Run(), 1);
    EXPECT_NEAR(atom.BottomCutBars[0]->PtAr[0].x, 2050.0, 1e-6);
    EXPECT_NEAR(atom.BottomCutBars[0]->PtAr[1].x, 5050.0, 1e-6);
}

TEST_F(BottomCutOff, MainSkeletonsAndPairsOfNoLengthOrPastTheLastSpanGiveNoBar)
{
    // A main frame; a secondary frame with (0, 0), (-200, 200), a pair past the two spans and an
    // odd last length; a frame without record.
    Frames({"K1", "K2", "X"});
    KeyFrame main = Secondary("K1", {1500.0, 1500.0});
    main.fGJJ = 1;
    kp.FrameAr.Add(main);
    kp.FrameAr.Add(Secondary("K2", {0.0, 0.0, -200.0, 200.0, 1500.0, 1500.0, 100.0}));
    EXPECT_EQ(Run(), 1);
    EXPECT_TRUE(atom.BottomCutBars.IsEmpty());
    EXPECT_TRUE(atom.BottomCutPool.IsEmpty());
    EXPECT_TRUE(atom.BottomCutRows.IsEmpty());
    EXPECT_EQ(atom.nMark, 0);
    // Every pair of the secondary frame is kept as a piece.
    EXPECT_EQ(atom.BottomCutPiecePool.GetSize(), 3);
}

TEST_F(BottomCutOff, ARowCarriesNoOuterEndLengths)
{
    atom.ScratchRow.L1 = 1450.0;
    atom.ScratchRow.L2 = 1550.0;
    Frames({"K2"});
    kp.FrameAr.Add(Secondary("K2", {1500.0, 1500.0}));
    ASSERT_EQ(Run(), 1);
    EXPECT_EQ(atom.BottomCutRows[0].L1, 0.0);
    EXPECT_EQ(atom.BottomCutRows[0].L2, 0.0);
}

} // namespace
