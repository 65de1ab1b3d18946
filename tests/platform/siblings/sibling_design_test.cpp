// The sibling modules' design stand-ins: the values they keep, their output and their design data.
#include "siblings/pile_cap.h"
#include "siblings/sibling_design_values.h"
#include "siblings/tie_beams.h"

#include "host/report.h"
#include "mfc/carchive.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

std::vector<unsigned char> Stored(SiblingDesignValues& values)
{
    std::vector<unsigned char> bytes;
    CArchive ar(bytes, CArchive::store);
    values.Serialize(ar);
    return bytes;
}

} // namespace

TEST(SiblingDesign, KeyParametersBecomeNamedValuesInKeyOrder)
{
    CPG008KeyParam kp;
    kp.mainBarDiameter = 25;
    kp.mainBarType = 3;
    kp.topBarCount = 6;
    kp.bottomBarCount = 5;
    kp.stirrupDiameter = 12;
    kp.stirrupSpacing = 150;
    const auto values = KeyParamValues(kp);
    ASSERT_EQ(values.size(), 6u);
    EXPECT_EQ(values[0].first, "mainBarDiameter");
    EXPECT_DOUBLE_EQ(values[0].second, 25.0);
    EXPECT_EQ(values[5].first, "stirrupSpacing");
    EXPECT_DOUBLE_EQ(values[5].second, 150.0);
}

TEST(SiblingDesign, UnusableValuesAreReportedAndLeaveTheObjectUndesigned)
{
    ReportLog::Current().Clear();
    SiblingDesignValues values("PG008");
    EXPECT_EQ(values.Set({{"a", 1.0}, {"b", -2.0}}), 0);
    EXPECT_EQ(values.Set({{"a", std::nan("")}}), 0);
    EXPECT_EQ(values.IsDesigned(), 0);
    EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Error), 2);
    ReportLog::Current().Clear();
}

TEST(SiblingDesign, OutputCarriesThePrefixAndTheDesignedMark)
{
    CPG003Atom cap;
    OutputDataMap before;
    cap.shuchu_Data(before);   // never designed: only the mark
    ASSERT_EQ(before.size(), 1u);
    EXPECT_EQ(before.begin()->first, "PG003_designed");
    EXPECT_EQ(before.begin()->second->intValue, 0);

    CPG003CT01Atom body;
    CPG003_RectKeyParam mesh;
    mesh.barDiameter = 20;
    mesh.barSpacing = 150;
    EXPECT_EQ(body.SetData(&cap, &mesh), 1);
    OutputDataMap outputs;
    body.shuchu_Data(outputs);
    EXPECT_EQ(outputs.at("PG003CT01_designed")->intValue, 1);
    EXPECT_EQ(outputs.at("PG003CT01_barSpacing")->ToText(), "150.0");
    EXPECT_EQ(outputs.count("PG003CT01_lT"), 1u);
}

TEST(SiblingDesign, DesignDataRoundTripAndWrittenOutByHand)
{
    SiblingDesignValues values("PG005");
    ASSERT_EQ(values.Set({{"d", 1.0}}), 1);
    const auto bytes = Stored(values);
    // form 1, designed 1, count 1, name "d", 1.0
    const std::vector<unsigned char> expected = {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 'd',
                                                 0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    EXPECT_EQ(bytes, expected);

    SiblingDesignValues loaded("PG005");
    CArchive in(bytes.data(), bytes.size());
    loaded.Serialize(in);
    EXPECT_EQ(Stored(loaded), bytes);
    EXPECT_DOUBLE_EQ(loaded.Get("d"), 1.0);
    EXPECT_DOUBLE_EQ(loaded.Get("missing"), 0.0);
}

TEST(SiblingDesign, DamagedDesignDataThrowsAndKeepsWhatWasHeld)
{
    SiblingDesignValues values("PG005");
    ASSERT_EQ(values.Set({{"d", 1.0}, {"e", 2.0}}), 1);
    const auto bytes = Stored(values);
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        SiblingDesignValues target("PG005");
        ASSERT_EQ(target.Set({{"kept", 7.0}}), 1);
        CArchive in(bytes.data(), cut);
        EXPECT_THROW(target.Serialize(in), CArchiveException) << "cut at " << cut;
        EXPECT_DOUBLE_EQ(target.Get("kept"), 7.0);
    }
    std::vector<unsigned char> huge = bytes;
    huge[8] = 0xFF;   // a record count far beyond the bytes left
    huge[11] = 0x7F;
    SiblingDesignValues target("PG005");
    CArchive in(huge.data(), huge.size());
    EXPECT_THROW(target.Serialize(in), CArchiveException);
}

TEST(SiblingDesign, AlignmentRecordsAreAnsweredOnlyWhenTheyExist)
{
    struct Record {};
    Record body;
    Record extra;
    CPG003CT01Atom cap;
    EXPECT_EQ(cap.SetDrawData_PT(&body, &extra), 1);
    EXPECT_EQ(cap.SetDrawData_PT(&body, static_cast<Record*>(nullptr)), 0);
    CPG008Atom tie;
    EXPECT_EQ(tie.SetDrawData_PT(&body, 1, 0), 1);   // view switches are taken as given
}
