// CComponentNorm: what the host attaches, the base behaviour, and the stored adjustment data.
#include "host/component_norm.h"

#include "host/cpm001_input.h"
#include "host/report.h"
#include "mfc/carchive.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ComponentNormBase, WorkNotDoneIsNotReportedAsDone)
{
    CComponentNorm c;
    EXPECT_EQ(c.ReceiveData(), 0);
    EXPECT_EQ(c.DoDiagnose(), 0);
    EXPECT_EQ(c.DoDesign(), 0);
    EXPECT_EQ(c.Redesign(), 0);
    EXPECT_EQ(c.DoDraw(), 0);
    EXPECT_EQ(c.DoDrawAdjust(), 0);
    EXPECT_EQ(c.Adjust(), 0);
    EXPECT_EQ(c.IsCalculated(), 0);
    EXPECT_EQ(c.SetDataForGW001(nullptr), 0);
    EXPECT_EQ(c.DoMasterDesign(), 1);
    EXPECT_EQ(c.GetFoundationType(), FOUNDATION_NONE);
    EXPECT_EQ(c.GetCalcData(), nullptr);
    EXPECT_EQ(c.GetPaper(), nullptr);
}

TEST(ComponentNormBase, UnknownQueryLeavesTheValue)
{
    CComponentNorm c;
    CString value = "as passed";
    EXPECT_EQ(c.GetValueByName("bBG", value), 0);
    EXPECT_EQ(value, CString("as passed"));
}

TEST(ComponentNormBase, AdjustDataUsableFlagRoundTrips)
{
    CComponentNorm c;
    int usable = -1;
    EXPECT_EQ(c.GetAdjustDataUsable(usable), 1);
    EXPECT_EQ(usable, 0);
    c.SetAdjustDataUsable(1);
    EXPECT_EQ(c.GetAdjustDataUsable(usable), 1);
    EXPECT_EQ(usable, 1);
    EXPECT_EQ(c.GetAdjustDataUsable(), 1);
}

// A component whose adjustment data set is one int.
class AdjustedComponent : public CComponentNorm {
public:
    void SerializeAdjustData(CArchive& ar) override
    {
        if (ar.IsStoring()) ar << value;
        else ar >> value;
        version = ar.GetFormatVersion();
    }
    int value = 0;
    UINT version = 0;
};

class LoadAdjustData : public ::testing::Test {
protected:
    void SetUp() override { ReportLog::Current().Clear(); }
    void TearDown() override { ReportLog::Current().Clear(); }
};

TEST_F(LoadAdjustData, NothingStoredLoadsNothing)
{
    AdjustedComponent c;
    EXPECT_EQ(c.LoadAdjustData(), 0);
    EXPECT_EQ(ReportLog::Current().Entries().size(), 0u);
}

TEST_F(LoadAdjustData, StoredSetIsReadThroughTheComponentsArchive)
{
    AdjustedComponent c;
    // Stored in version 3: the records read the fields of that version, not of the newest.
    c.SetStoredAdjustData({0x2A, 0x01, 0x00, 0x00}, 3);   // 298 little-endian
    EXPECT_EQ(c.LoadAdjustData(), 1);
    EXPECT_EQ(c.value, 298);
    EXPECT_EQ(c.version, 3u);
    EXPECT_EQ(ReportLog::Current().Entries().size(), 0u);
}

TEST_F(LoadAdjustData, ShortSetIsReportedAndNotTakenForLoaded)
{
    AdjustedComponent c;
    c.SetID(12);
    c.SetStoredAdjustData({0x2A, 0x01}, 1);
    EXPECT_EQ(c.LoadAdjustData(), 0);
    ASSERT_EQ(ReportLog::Current().Count(ReportEntry::Warning), 1);
    EXPECT_NE(ReportLog::Current().Entries()[0].message.Find("component 12"), -1);
}

TEST(HostInputObject, IsKnownByItsRuntimeClass)
{
    CPM001 input;
    EXPECT_TRUE(input.IsKindOf(RUNTIME_CLASS(CPM001)));
    EXPECT_EQ(input.nFoundationType, 2);   // a new pier stands on a spread footing
    input.Name = "P3";
    const CObject& asObject = input;
    EXPECT_EQ(dynamic_cast<const CPM001&>(asObject).GetName(), CString("P3"));
    CComponentNorm other;
    EXPECT_FALSE(other.IsKindOf(RUNTIME_CLASS(CPM001)));
}

} // namespace
