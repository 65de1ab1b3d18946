// Stirrup settings and groups that cannot be laid out: each is reported and the step stops cleanly.
#include "capbeam/stirrups/bar_set_steps_test_support.h"

#include "host/report.h"

#include <gtest/gtest.h>

namespace {

class StirrupChecks : public ::testing::Test {
protected:
    void SetUp() override
    {
        ReportLog::Current().Clear();
        SetUpPlainCapBeam(atom);
        AddGroups(atom, {{1, 4}});
    }

    // Runs the step, expects it to fail with exactly one error, nothing laid out and no mark taken.
    void ExpectRefused(const char* message)
    {
        EXPECT_EQ(RunSetsgData(atom), 0);
        const auto& entries = ReportLog::Current().Entries();
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].kind, ReportEntry::Error);
        EXPECT_STREQ(entries[0].message, message);
        EXPECT_EQ(atom.sg.ns.GetSize(), 0);
        EXPECT_EQ(atom.sg.sg1.GetSize(), 0);
        EXPECT_EQ(atom.nMark, 6);
    }

    CPM001T0101Atom atom;
};

} // namespace

TEST_F(StirrupChecks, SpacingsMustBePositive)
{
    atom.sg.s = 0.0;
    ExpectRefused("计算错误：箍筋间距必须大于0，请检查");
}

TEST_F(StirrupChecks, DensifiedSpacingMustBePositiveWhereDensified)
{
    atom.sg.s2 = -100.0;
    ExpectRefused("计算错误：箍筋加密间距必须大于0，请检查");
}

TEST_F(StirrupChecks, DensifiedSpacingIsNotNeededByAUniformLayout)
{
    atom.sg.fenG = 0;
    atom.sg.s2 = 0.0;
    EXPECT_EQ(RunSetsgData(atom), 1);
}

TEST_F(StirrupChecks, EndSpacingMustBePositiveForSquareStirrups)
{
    atom.sg.s3 = 0.0;
    ExpectRefused("计算错误：箍筋端部间距必须大于0，请检查");
}

TEST_F(StirrupChecks, EndSpacingIsNotNeededByStirrupsAlongTheSkew)
{
    atom.sg.s3 = 0.0;
    atom.sg.fLayMode = 1;
    EXPECT_EQ(RunSetsgData(atom), 1);
}

TEST_F(StirrupChecks, DensifiedCountsMustBeGiven)
{
    atom.sg.lns2.RemoveAll();
    ExpectRefused("给定支承线左侧的箍筋加密间距数为空，请检查");
}

TEST_F(StirrupChecks, DensifiedCountsMustCoverEverySupportLine)
{
    atom.sg.rns2.RemoveAt(1);
    ExpectRefused("计算错误：给定支承线右侧的箍筋加密间距数少于支承线数，请检查");
}

TEST_F(StirrupChecks, DensifiedCountsCannotBeNegative)
{
    atom.sg.lns2[1] = -2;
    ExpectRefused("计算错误：给定支承线左侧的箍筋加密间距数不能小于0，请检查");
}

TEST_F(StirrupChecks, SupportLinesMustMatchTheSpans)
{
    atom.nPier = 3;
    ExpectRefused("计算错误：盖梁支承线数与支承线间距数不符，无法布置箍筋，请检查");
}

TEST_F(StirrupChecks, ASkewedDensifiedLayoutNeedsSpansOfSomeLength)
{
    atom.sg.fLayMode = 1;
    atom.nPier = 3;
    atom.bBz.InsertAt(0, 0.0);
    atom.sg.lns2.Add(5);
    atom.sg.rns2.Add(5);
    ExpectRefused("计算错误：支承线间距为0，无法布置箍筋，请检查");
}

TEST_F(StirrupChecks, GroupsMustNameExistingFrames)
{
    AddGroups(atom, {{2, 5}});
    ExpectRefused("计算错误：箍筋分组中的骨架编号超出骨架范围，请检查");
}

TEST_F(StirrupChecks, MoreWidthsThanLettersAreRefused)
{
    atom.st.Frame.DeleteAll();
    atom.XH.RemoveAll();
    for (int k = 0; k <= 22; ++k) AddFrames(atom, {10.0 * k});
    for (int k = 1; k <= 22; ++k) AddGroups(atom, {{1, k + 1}});
    ExpectRefused("计算错误：箍筋宽度种类超过21种，无法编号，请检查");
}

TEST_F(StirrupChecks, TaperedEndsNeedTheirOutline)
{
    atom.bBpl = atom.bBpr = 1000.0;
    SetTaperedOutline(atom);
    atom.PYXTCJpa1.RemoveAt(4, 2);
    ExpectRefused("计算错误：变高度段的钢筋轮廓点不足，无法布置箍筋，请检查");
}

TEST_F(StirrupChecks, SpacingsTooSmallForTheBeamEndTheWalkWithAnError)
{
    // 10000 - 100 in spacings of 0.00001: close to 1e9 of them; the crown lies half-way along.
    atom.sg.fenG = 0;
    atom.sg.fLayMode = 1;
    atom.sg.s = 1e-5;
    atom.iLb = 0.02;
    atom.iRb = 0.01;
    EXPECT_EQ(RunSetsgData(atom), 0);
    const auto& entries = ReportLog::Current().Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_STREQ(entries[0].message, "计算错误：箍筋个数超出范围，请检查箍筋间距和加密间距数");
}

TEST_F(StirrupChecks, DensifiedCountsBeyondAnyBeamAreRefusedWithoutOverflow)
{
    struct Row {
        double span;
        const char* message;
    };
    const Row rows[] = {
        // 1.5e9 densified spacings of 100 either side of both columns cannot fit a span of 6000.
        {6000.0, "计算错误：箍筋无法布置，第1跨两侧的箍筋加密区重叠，PM001_T0101_sg_as 小于0，请检查箍筋间距和加密间距数"},
        // A span long enough for them: the count itself (6e9 stirrups) is no count of bars.
        {4e11, "计算错误：箍筋个数超出范围，请检查箍筋间距和加密间距数"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.span);
        CPM001T0101Atom beam;
        SetUpPlainCapBeam(beam);
        AddGroups(beam, {{1, 4}});
        beam.bBz[0] = row.span;
        for (int k = 0; k < 2; ++k) {
            beam.sg.lns2[k] = 1500000000;
            beam.sg.rns2[k] = 1500000000;
        }
        ReportLog::Current().Clear();
        EXPECT_EQ(RunSetsgData(beam), 0);
        const auto& entries = ReportLog::Current().Entries();
        ASSERT_FALSE(entries.empty());
        EXPECT_STREQ(entries.back().message, row.message);
    }
}
