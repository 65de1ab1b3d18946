// The key-parameter intake: checks and their messages, frame records spread over the frames by
// name, generated names, skew shifts of the end stations, and the settings taken over.
#include "capbeam/cap_beam_key_intake.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "host/report.h"

#include "capbeam/cap_beam_reinforcement_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

namespace {

using Atom = CPM001T0101Atom;
using KeyFrame = struct CPM001_CapKeyParam::FrameAr;
using Bar = CPM001_CapKeyParam::M_GJJ;

int RunKeyIntake(Atom& atom, CPM001_CapKeyParam* kp)
{
    return CPM001T0101AtomTestAccess::SetKeyData(atom, kp);
}

std::vector<std::string> Errors()
{
    std::vector<std::string> out;
    for (const ReportEntry& e : ReportLog::Current().Entries()) {
        if (e.kind == ReportEntry::Error) out.push_back(e.message.str());
    }
    return out;
}

std::vector<std::string> Names(const CStringArray& names)
{
    std::vector<std::string> out;
    for (int i = 0; i < names.GetSize(); ++i) out.push_back(names[i].str());
    return out;
}

std::vector<std::string> RecordNames(const CPM001_CapKeyParam& kp)
{
    std::vector<std::string> out;
    for (int i = 0; i < kp.FrameAr.GetSize(); ++i) out.push_back(kp.FrameAr[i].name.str());
    return out;
}

Bar MakeBar(int fBar, int fWQ, int fXJ, double dx)
{
    Bar b;
    b.fBar = fBar;
    b.fWQ = fWQ;
    b.fXJ = fXJ;
    b.dx = dx;
    return b;
}

// A main frame record with `groups` groups of one bar each, the bar of group g at dx = 100 (g + 1).
KeyFrame MainRecord(const char* name, int groups)
{
    KeyFrame r;
    r.name = name;
    r.fGJJ = 1;
    for (int g = 0; g < groups; ++g) {
        CArray<Bar> group;
        group.Add(MakeBar(2, 0, 0, 100.0 * (g + 1)));
        r.GJJ.Add(group);
    }
    return r;
}

// A secondary frame record; tag tells the records apart.
KeyFrame SecondaryRecord(const char* name, int tag = 1)
{
    KeyFrame r;
    r.name = name;
    r.fGJJ = 0;
    r.fWeldT = tag;
    return r;
}

// Key parameters of lay mode 0 with the given frame names, at y = 0 each.
CPM001_CapKeyParam Frames(std::initializer_list<const char*> names)
{
    CPM001_CapKeyParam kp;
    kp.st_fLayMode = 0;
    for (const char* n : names) {
        kp.FrameName.Add(n);
        kp.FrameY.Add(0.0);
    }
    return kp;
}

class KeyIntake : public ::testing::Test {
protected:
    void SetUp() override { ReportLog::Current().Clear(); }
};

using KeyFrameChecks = KeyIntake;
using KeyFrameSpreading = KeyIntake;

// ---- checks ----

TEST_F(KeyFrameChecks, MainRecordNeedsTwoGroupsPerColumnLine)
{
    CPM001_CapKeyParam kp = Frames({"W"});
    kp.FrameAr.Add(MainRecord("W", 4));
    EXPECT_EQ(CheckKeyFrames(kp, 2), 1);
    EXPECT_EQ(CheckKeyFrames(kp, 3), 0);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"钢筋面W中墩柱个数和可调数据中的骨架钢筋信息组数不匹配，请检查！"}));

    // A secondary record has no groups to count.
    ReportLog::Current().Clear();
    CPM001_CapKeyParam secondary = Frames({"N"});
    secondary.FrameAr.Add(SecondaryRecord("N"));
    EXPECT_EQ(CheckKeyFrames(secondary, 3), 1);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(KeyFrameChecks, EveryFrameNeedsAPosition)
{
    CPM001_CapKeyParam kp = Frames({"W", "W"});
    kp.FrameY.RemoveAt(1);
    EXPECT_EQ(CheckKeyFrames(kp, 1), 0);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"可调数据中钢筋面的位置个数和钢筋面名称个数不匹配，请检查！"}));
}

TEST_F(KeyFrameChecks, ANameListMustNameEveryFrameItStandsFor)
{
    CPM001_CapKeyParam kp = Frames({"K1", "K1", "K1"});
    kp.FrameAr.Add(SecondaryRecord("K1(K2,K3)"));
    EXPECT_EQ(CheckKeyFrames(kp, 1), 0);
    EXPECT_EQ(Errors(), (std::vector<std::string>{"钢筋面K1(K2,K3)中括号内的钢筋面名称个数少于名为K1的钢筋面个数，请检查！"}));

    // Only lay mode 0 spreads records by name.
    ReportLog::Current().Clear();
    kp.st_fLayMode = 1;
    EXPECT_EQ(CheckKeyFrames(kp, 1), 1);
    // An empty list places nothing and cannot fall short.
    kp.st_fLayMode = 0;
    kp.FrameAr[0].name = "K1()";
    EXPECT_EQ(CheckKeyFrames(kp, 1), 1);
    EXPECT_TRUE(Errors().empty());
}

TEST_F(KeyFrameChecks, ARefusedSetLeavesKeyParametersAndObjectUntouched)
{
    Atom atom;
    atom.nPier = 1;
    CPM001_CapKeyParam kp = Frames({"K1", "K1", "K1"});
    kp.FrameAr.Add(SecondaryRecord("K1(K2,K3)"));
    kp.fCapSep = 1;
    kp.sh_type = 3;
    EXPECT_EQ(RunKeyIntake(atom, &kp), 0);
    EXPECT_EQ(Errors().size(), 1u);
    EXPECT_EQ(RecordNames(kp), (std::vector<std::string>{"K1(K2,K3)"}));
    EXPECT_EQ(Names(kp.FrameName), (std::vector<std::string>{"K1", "K1", "K1"}));
    EXPECT_TRUE(atom.KeyFrames.IsEmpty());
    EXPECT_EQ(atom.fSkewFrames, 1);
    EXPECT_EQ(atom.sh.type, 0);
    EXPECT_EQ(RunKeyIntake(atom, nullptr), 0);
}

// ---- spreading over the frames (lay mode 0) ----

TEST_F(KeyFrameSpreading, ANameListRenamesTheFramesItStandsFor)
{
    CPM001_CapKeyParam kp = Frames({"K1", "K1"});
    kp.FrameAr.Add(SecondaryRecord("K1(K2,K3)", 7));
    SpreadKeyFrames(kp, 0.0, 1, 0);
    ASSERT_EQ(kp.FrameAr.GetSize(), 2);
    EXPECT_EQ(RecordNames(kp), (std::vector<std::string>{"K2", "K3"}));
    EXPECT_EQ(Names(kp.FrameName), (std::vector<std::string>{"K2", "K3"}));
    EXPECT_EQ(kp.FrameAr[0].fWeldT, 7);
    EXPECT_EQ(kp.FrameAr[1].fWeldT, 7);
}

TEST_F(KeyFrameSpreading, ANameListWithoutItsFramesPlacesNothing)
{
    CPM001_CapKeyParam kp = Frames({"W", "N"});
    kp.FrameAr.Add(SecondaryRecord("K1(K2,K3)", 7));
    SpreadKeyFrames(kp, 0.0, 1, 0);
    ASSERT_EQ(kp.FrameAr.GetSize(), 2);
    // Frames that no record names keep default records and lose their names.
    EXPECT_EQ(RecordNames(kp), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(Names(kp.FrameName), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(kp.FrameAr[0].fGJJ, 1);
    EXPECT_EQ(kp.FrameAr[0].fWeldT, 1);
    EXPECT_EQ(kp.FrameAr[0].fWeldB, 1);
    EXPECT_TRUE(kp.FrameAr[0].GJJ.IsEmpty());
}

TEST_F(KeyFrameSpreading, AClosingParenthesisBeforeTheOpeningOneIsNoList)
{
    CPM001_CapKeyParam kp = Frames({"A)B("});
    kp.FrameAr.Add(SecondaryRecord("A)B(", 4));
    SpreadKeyFrames(kp, 0.0, 1, 0);
    EXPECT_EQ(RecordNames(kp), (std::vector<std::string>{"A)B("}));
    EXPECT_EQ(kp.FrameAr[0].fWeldT, 4);
    TrimKeyFrameNames(kp);
    EXPECT_EQ(RecordNames(kp), (std::vector<std::string>{"A)B"}));
}

TEST_F(KeyFrameSpreading, ASecondRecordOfTheSameNameGetsAGeneratedName)
{
    CPM001_CapKeyParam kp = Frames({"W"});
    KeyFrame first = MainRecord("W", 2);
    KeyFrame second = MainRecord("W", 2);
    second.fWeldT = 9;
    kp.FrameAr.Add(first);
    kp.FrameAr.Add(second);
    SpreadKeyFrames(kp, 0.0, 1, 0);
    // Both go to the one frame named W: the first under its name, the second, placed over it,
    // under the first letter name.
    EXPECT_EQ(RecordNames(kp), (std::vector<std::string>{"A"}));
    EXPECT_EQ(kp.FrameAr[0].fWeldT, 9);
}

TEST_F(KeyFrameSpreading, ARecordOfSeveralFramesGetsNewNamesSkippingUsedOnes)
{
    CPM001_CapKeyParam kp = Frames({"B", "N", "N", "N"});
    kp.FrameAr.Add(MainRecord("B", 2));
    kp.FrameAr.Add(MainRecord("N", 2));
    SpreadKeyFrames(kp, 0.0, 1, 0);
    EXPECT_EQ(RecordNames(kp), (std::vector<std::string>{"B", "A", "C", "D"}));
    EXPECT_EQ(Names(kp.FrameName), (std::vector<std::string>{"B", "A", "C", "D"}));
}

TEST_F(KeyFrameSpreading, GeneratedNamesFollowTheTextStyle)
{
    const struct {
        int style;
        std::vector<std::string> names;
    } cases[] = {{1, {"1", "2"}}, {2, {"一", "二"}}, {0, {"A", "B"}}, {5, {"A", "B"}}};
    for (const auto& k : cases) {
        CPM001_CapKeyParam kp = Frames({"N", "N"});
        kp.FrameAr.Add(MainRecord("N", 2));
        SpreadKeyFrames(kp, 0.0, 1, k.style);
        EXPECT_EQ(RecordNames(kp), k.names) << "style " << k.style;
    }
}

TEST_F(KeyFrameSpreading, InactiveRecordsArePlacedAfterTheActiveOnes)
{
    // The secondary record comes first in the list but is placed last, over the main one.
    CPM001_CapKeyParam kp = Frames({"S"});
    kp.FrameAr.Add(SecondaryRecord("S", 5));
    kp.FrameAr.Add(MainRecord("S", 2));
    SpreadKeyFrames(kp, 0.0, 1, 0);
    EXPECT_EQ(RecordNames(kp), (std::vector<std::string>{"A"}));
    EXPECT_EQ(kp.FrameAr[0].fGJJ, 0);
    EXPECT_EQ(kp.FrameAr[0].fWeldT, 5);
}

TEST_F(KeyFrameSpreading, EndStationsFollowTheSkewAtEachFrame)
{
    // tan a = 0.1. The main record on the frame at y = -1000: the last bar of the first group
    // moves by 0.1 x -1000 = -100 (dx 100 -> 0), the last bar of the last group the other way
    // (dx 200 -> 300). The secondary record at y = 500: the first top cut-off length + 50, the
    // last - 50; the bottom lengths stay.
    CPM001_CapKeyParam kp = Frames({"W", "N"});
    kp.FrameY[0] = -1000;
    kp.FrameY[1] = 500;
    KeyFrame main = MainRecord("W", 2);
    main.GJJ[0].InsertAt(0, MakeBar(2, 0, 0, 40.0));   // only the last bar of a group moves
    kp.FrameAr.Add(main);
    KeyFrame secondary = SecondaryRecord("N");
    for (double v : {1000.0, 2000.0, 3000.0, 4000.0}) secondary.LenT.Add(v);
    secondary.LenB.Add(700.0);
    kp.FrameAr.Add(secondary);
    SpreadKeyFrames(kp, std::tan(std::atan(0.1)), 1, 0);

    const KeyFrame& w = kp.FrameAr[0];
    EXPECT_NEAR(w.GJJ[0][0].dx, 40.0, 1e-9);
    EXPECT_NEAR(w.GJJ[0][1].dx, 0.0, 1e-9);
    EXPECT_NEAR(w.GJJ[1][0].dx, 300.0, 1e-9);
    const KeyFrame& n = kp.FrameAr[1];
    EXPECT_NEAR(n.LenT[0], 1050.0, 1e-9);
    EXPECT_NEAR(n.LenT[1], 2000.0, 1e-9);
    EXPECT_NEAR(n.LenT[2], 3000.0, 1e-9);
    EXPECT_NEAR(n.LenT[3], 3950.0, 1e-9);
    EXPECT_NEAR(n.LenB[0], 700.0, 1e-9);
}

TEST_F(KeyFrameSpreading, NoShiftWithoutSkewOrWithTheNoSkewSwitch)
{
    for (int skewFrames : {0, 1}) {
        CPM001_CapKeyParam kp = Frames({"W"});
        kp.FrameY[0] = -1000;
        kp.FrameAr.Add(MainRecord("W", 2));
        SpreadKeyFrames(kp, skewFrames ? 0.0 : 0.1, skewFrames, 0);
        EXPECT_EQ(kp.FrameAr[0].GJJ[0][0].dx, 100.0);
        EXPECT_EQ(kp.FrameAr[0].GJJ[1][0].dx, 200.0);
    }
}

TEST_F(KeyFrameSpreading, EachPlacingShiftsItsOwnCopy)
{
    // One record on two frames at y = 1000 and -1000: each copy moves by its own offset only.
    CPM001_CapKeyParam kp = Frames({"N", "N"});
    kp.FrameY[0] = 1000;
    kp.FrameY[1] = -1000;
    KeyFrame secondary = SecondaryRecord("N");
    secondary.LenT.Add(500.0);
    secondary.LenT.Add(600.0);
    kp.FrameAr.Add(secondary);
    SpreadKeyFrames(kp, 0.2, 1, 0);
    EXPECT_NEAR(kp.FrameAr[0].LenT[0], 700.0, 1e-9);
    EXPECT_NEAR(kp.FrameAr[0].LenT[1], 400.0, 1e-9);
    EXPECT_NEAR(kp.FrameAr[1].LenT[0], 300.0, 1e-9);
    EXPECT_NEAR(kp.FrameAr[1].LenT[1], 800.0, 1e-9);
}

// ---- names and bar states ----

TEST(KeyFrameNames, ListsAndBlanksAreCutFromRecordNames)
{
    CPM001_CapKeyParam kp;
    kp.FrameAr.Add(SecondaryRecord(" K1 (K2,K3)"));
    kp.FrameAr.Add(SecondaryRecord("  W "));
    kp.FrameAr.Add(SecondaryRecord("N("));
    TrimKeyFrameNames(kp);
    EXPECT_EQ(RecordNames(kp), (std::vector<std::string>{"K1", "W", "N"}));
}

TEST(KeyBarStates, BarsThatAreOnAreMarkedAndOuterGroupsCrossNoSpan)
{
    CPM001_CapKeyParam kp;
    KeyFrame main;
    main.fGJJ = 1;
    for (int g = 0; g < 3; ++g) {
        CArray<Bar> group;
        group.Add(MakeBar(2, 0, 1, 10));   // on
        group.Add(MakeBar(0, 0, 1, 20));   // off
        main.GJJ.Add(group);
    }
    kp.FrameAr.Add(main);
    KeyFrame secondary = main;
    secondary.fGJJ = 0;
    kp.FrameAr.Add(secondary);
    MarkKeyBarStates(kp);

    const KeyFrame& m = kp.FrameAr[0];
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(m.GJJ[g][0].fWQ, 1) << g;
        EXPECT_EQ(m.GJJ[g][0].fXJ, 0) << g;
        EXPECT_EQ(m.GJJ[g][1].fWQ, 0) << g;
        EXPECT_EQ(m.GJJ[g][0].dx, 10.0);
    }
    EXPECT_EQ(m.GJJ[0][1].fXJ, 0);   // outer groups
    EXPECT_EQ(m.GJJ[2][1].fXJ, 0);
    EXPECT_EQ(m.GJJ[1][1].fXJ, 1);   // an inner bar that is off keeps its crossing
    // Secondary records are left as they are.
    EXPECT_EQ(kp.FrameAr[1].GJJ[0][0].fWQ, 0);
    EXPECT_EQ(kp.FrameAr[1].GJJ[0][0].fXJ, 1);
}

// ---- the intake step on the object ----

TEST_F(KeyIntake, SettingsAreTakenOver)
{
    Atom atom;
    atom.nPier = 2;
    CPM001_CapKeyParam kp;
    kp.st_fLayMode = 1;
    kp.fDistribute = 1;
    kp.fPosSdAndSt = 2;
    kp.fPosShAndSg = 3;
    kp.fVartc = 4;
    kp.fDrawLMByFsk = 1;
    kp.st_ua = 60;
    kp.st_sa = 40;
    kp.st_d = 28;
    kp.st_type = 3;
    kp.st_ac = 5;
    kp.st_angle = 0.785;
    kp.st_fWeld = 1;
    kp.st_LstWeld = 140;
    kp.sg_a = 50;
    kp.sg_type = 2.9;
    kp.sg_d = 12;
    kp.sg_ac = 30;
    kp.sg_Min = 80;
    kp.sg_Max = 200;
    kp.sg_fLayMode = 1;
    kp.sg_s = 150;
    kp.sg_s2 = 100;
    kp.sg_fenG = 1;
    kp.sg_s3 = 120;
    kp.sg_HookedTpye = 1;
    kp.sh_type = 2;
    kp.sh_Min = 100;
    kp.sh_Max = 300;
    kp.sh_d = 16;
    kp.sh_ac = 35;
    kp.sh_s = 200;
    kp.sd_type = 1;
    kp.sd_d = 20;
    kp.sd_ac = 45;
    kp.sd_Min = 90;
    kp.sd_Max = 250;
    kp.fCapSep = 1;
    EXPECT_EQ(RunKeyIntake(atom, &kp), 1);
    EXPECT_EQ(atom.fDistribute, 1);
    EXPECT_EQ(atom.fPosSdAndSt, 2);
    EXPECT_EQ(atom.fPosShAndSg, 3);
    EXPECT_EQ(atom.fVartc, 4);
    EXPECT_EQ(atom.fDrawLMByFsk, 1);
    EXPECT_EQ(atom.fSkewFrames, 0);
    EXPECT_EQ(atom.fEndSupportsApart, 0);
    EXPECT_EQ(atom.st.ua, 60);
    EXPECT_EQ(atom.st.sa, 40);
    EXPECT_EQ(atom.st.d, 28);
    EXPECT_EQ(atom.st.type, 3);
    EXPECT_EQ(atom.st.ac, 5);
    EXPECT_EQ(atom.st.angle, 0.785);
    EXPECT_EQ(atom.st.fLayMode, 1);
    EXPECT_EQ(atom.st.fWeld, 1);
    EXPECT_EQ(atom.st.LstWeld, 140);
    EXPECT_EQ(atom.sg.a, 50);
    EXPECT_EQ(atom.sg.type, 2);   // truncated
    EXPECT_EQ(atom.sg.d, 12);
    EXPECT_EQ(atom.sg.ac, 30);
    EXPECT_EQ(atom.sg.Min, 80);
    EXPECT_EQ(atom.sg.Max, 200);
    EXPECT_EQ(atom.sg.fLayMode, 1);
    EXPECT_EQ(atom.sg.s, 150);
    EXPECT_EQ(atom.sg.s2, 100);
    EXPECT_EQ(atom.sg.fenG, 1);
    EXPECT_EQ(atom.sg.s3, 120);
    EXPECT_EQ(atom.sg.HookedTpye, 1);
    EXPECT_EQ(atom.sh.type, 2);
    EXPECT_EQ(atom.sh.Min, 100);
    EXPECT_EQ(atom.sh.Max, 300);
    EXPECT_EQ(atom.sh.d, 16);
    EXPECT_EQ(atom.sh.ac, 35);
    EXPECT_EQ(atom.sh.s, 200);
    EXPECT_EQ(atom.sd.type, 1);
    EXPECT_EQ(atom.sd.d, 20);
    EXPECT_EQ(atom.sd.ac, 45);
    EXPECT_EQ(atom.sd.Min, 90);
    EXPECT_EQ(atom.sd.Max, 250);
}

TEST_F(KeyIntake, StirrupTypeOutsideTheIntRangeBecomesZero)
{
    for (double t : {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300}) {
        Atom atom;
        CPM001_CapKeyParam kp;
        kp.st_fLayMode = 1;
        kp.sg_type = t;
        EXPECT_EQ(RunKeyIntake(atom, &kp), 1);
        EXPECT_EQ(atom.sg.type, 0) << t;
    }
    Atom negative;
    CPM001_CapKeyParam kp;
    kp.sg_type = -2.7;
    RunKeyIntake(negative, &kp);
    EXPECT_EQ(negative.sg.type, -2);
}

TEST_F(KeyIntake, StirrupCountListsOnlyWhenGiven)
{
    Atom atom;
    atom.sg.lns2.Add(7);
    atom.sg.rns2.Add(8);
    CPM001_CapKeyParam kp;
    kp.sg_rns2.Add(3);
    kp.sg_rns2.Add(4);
    RunKeyIntake(atom, &kp);
    ASSERT_EQ(atom.sg.lns2.GetSize(), 1);
    EXPECT_EQ(atom.sg.lns2[0], 7);
    ASSERT_EQ(atom.sg.rns2.GetSize(), 2);
    EXPECT_EQ(atom.sg.rns2[1], 4);
}

TEST_F(KeyIntake, StirrupGroupsAreSortedByTheirFirstFrame)
{
    Atom atom;
    CPM001_CapKeyParam kp;
    kp.XH.Add({3, 1});
    kp.XH.Add({1, 2});
    RunKeyIntake(atom, &kp);
    ASSERT_EQ(atom.XH.GetSize(), 2);
    EXPECT_EQ(atom.XH[0].nA, 1);
    EXPECT_EQ(atom.XH[0].nB, 2);
    EXPECT_EQ(atom.XH[1].nA, 3);
    EXPECT_EQ(atom.XH[1].nB, 1);
}

TEST_F(KeyIntake, LayModeZeroSpreadsTheRecordsAndKeepsTheOriginals)
{
    Atom atom;
    atom.nPier = 1;
    atom.a = std::atan(0.5);
    CPM001_CapKeyParam kp = Frames({"K1", "K1"});
    kp.FrameY[0] = 100;
    kp.FrameY[1] = -100;
    KeyFrame r = SecondaryRecord("K1(K2, K3)");
    r.LenT.Add(1000);
    r.LenT.Add(1000);
    kp.FrameAr.Add(r);
    EXPECT_EQ(RunKeyIntake(atom, &kp), 1);
    EXPECT_EQ(RecordNames(kp), (std::vector<std::string>{"K2", "K3"}));
    EXPECT_EQ(Names(kp.FrameName), (std::vector<std::string>{"K2", "K3"}));
    EXPECT_NEAR(kp.FrameAr[0].LenT[0], 1050, 1e-9);   // 0.5 x 100
    EXPECT_NEAR(kp.FrameAr[1].LenT[0], 950, 1e-9);
    // The object keeps the records and names as they were handed in.
    ASSERT_EQ(atom.KeyFrames.GetSize(), 1);
    EXPECT_EQ(atom.KeyFrames[0].name, "K1(K2, K3)");
    EXPECT_EQ(atom.KeyFrames[0].LenT[0], 1000);
    EXPECT_EQ(Names(atom.KeyFrameNames), (std::vector<std::string>{"K1", "K1"}));
    EXPECT_EQ(atom.fSkewFrames, 1);
    EXPECT_EQ(atom.fEndSupportsApart, 1);
}

TEST_F(KeyIntake, OtherLayModesKeepTheRecordsInOrder)
{
    Atom atom;
    atom.nPier = 1;
    atom.a = 0.3;
    CPM001_CapKeyParam kp = Frames({"K1", "K1"});
    kp.st_fLayMode = 1;
    kp.FrameY[0] = 100;
    KeyFrame r = SecondaryRecord(" K1(K2,K3) ");
    r.LenT.Add(1000);
    kp.FrameAr.Add(r);
    kp.FrameAr.Add(SecondaryRecord("Z "));
    EXPECT_EQ(RunKeyIntake(atom, &kp), 1);
    EXPECT_EQ(RecordNames(kp), (std::vector<std::string>{"K1", "Z"}));
    EXPECT_EQ(Names(kp.FrameName), (std::vector<std::string>{"K1", "K1"}));
    EXPECT_EQ(kp.FrameAr[0].LenT[0], 1000);
}

} // namespace
