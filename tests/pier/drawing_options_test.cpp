// The drawing options: intake from the input object, the check, and the 80-byte origin archive form.
#include "pier/drawing_options.h"

#include "host/cpm001_input.h"
#include "host/report.h"
#include "mfc/archive_exception.h"
#include "mfc/carchive.h"
#include "platform/mfc/archive_bytes.h"

#include <gtest/gtest.h>

namespace {

Bytes Store(CPM001DrawSetting& s)
{
    Bytes out;
    CArchive ar(out, CArchive::store);
    s.SerializeOriginData(ar);
    return out;
}

TEST(DrawingOptionsIntake, SwitchesAreTakenOverByTheirRules)
{
    CPM001 input;
    input.fVarjichupmt = 3;
    input.DesignOpt6 = 7;
    input.DesignValue1 = 750.0;
    input.DesignSwitch1 = 0;   // → DesignOpt1 1
    input.DesignSwitch2 = 5;   // → DesignOpt2 1
    input.DesignSwitch3 = 0;   // → DesignOpt3 1, as DesignOpt1 is 1
    input.DesignSwitch5 = 9;   // → DesignOpt5 0
    input.gzPMScale = "100";
    input.stPMScale = "abc";
    input.PrePMScale = "";
    input.gzLMScale = "12.5cm";
    CPM001DrawSetting s;
    s.SetData(&input);
    EXPECT_EQ(s.fVarjichupmt, 3);
    EXPECT_EQ(s.DesignOpt6, 7);
    EXPECT_EQ(s.DesignValue1, 750.0);
    EXPECT_EQ(s.DesignOpt1, 1);
    EXPECT_EQ(s.DesignOpt2, 1);
    EXPECT_EQ(s.DesignOpt3, 1);
    EXPECT_EQ(s.DesignOpt5, 0);
    EXPECT_EQ(s.gzPMScale, 100.0);
    EXPECT_EQ(s.stPMScale, 0.0);
    EXPECT_EQ(s.PrePMScale, 0.0);
    EXPECT_EQ(s.gzLMScale, 12.5);

    input.DesignSwitch2 = 0;
    input.DesignSwitch5 = 0;
    input.DesignSwitch3 = 1;
    CPM001DrawSetting t;
    t.SetData(&input);
    EXPECT_EQ(t.DesignOpt2, 0);
    EXPECT_EQ(t.DesignOpt5, 1);
    EXPECT_EQ(t.DesignOpt3, 0);
}

TEST(DrawingOptionsIntake, FirstSwitchSetClearsTheThirdOptionWhateverItsSwitch)
{
    CPM001 input;
    input.DesignSwitch1 = 1;
    input.DesignSwitch3 = 0;
    CPM001DrawSetting s;
    s.SetData(&input);
    EXPECT_EQ(s.DesignOpt1, 0);
    EXPECT_EQ(s.DesignOpt3, 0);
}

TEST(DrawingOptionsCheck, PassesWithoutAMessageWhateverTheOptionsHold)
{
    CPM001 input;
    input.DesignOpt4 = 1;
    input.DesignValue1 = 5.0;          // far below the interval the drawing later asks for
    input.gzPMScale = "0.1";
    input.stPMScale = "100000";
    CPM001DrawSetting s;
    s.SetData(&input);
    ReportLog::Current().Clear();
    EXPECT_EQ(s.DoDiagnose(), 1);
    EXPECT_TRUE(ReportLog::Current().Entries().empty());
}

// Every field differs from the others; the reals are powers of two, written out by hand.
const Bytes kDistinctForm = bytes({
    0x01, 0x00, 0x00, 0x00,                              // fVarjichupmt 1
    0x02, 0x00, 0x00, 0x00,                              // fZT 2
    0x03, 0x00, 0x00, 0x00,                              // nReserved1 3
    0x04, 0x00, 0x00, 0x00,                              // nReserved2 4
    0x01, 0x00, 0x00, 0x00,                              // DesignOpt1 1
    0x00, 0x00, 0x00, 0x00,                              // DesignOpt2 0
    0x01, 0x00, 0x00, 0x00,                              // DesignOpt3 1
    0xFF, 0xFF, 0xFF, 0xFF,                              // DesignOpt4 -1
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x90, 0x40,      // DesignValue1 1024 = 2^10
    0x05, 0x00, 0x00, 0x00,                              // DesignOpt5 5
    0x06, 0x00, 0x00, 0x00,                              // DesignOpt6 6, after DesignOpt5
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40,      // gzPMScale 2
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x40,      // gzLMScale 4
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x20, 0x40,      // stPMScale 8
    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xE0, 0x3F,      // PrePMScale 0.5
});

TEST(DrawingOptionsArchive, FormIsEightyBytesInItsFixedOrder)
{
    CPM001DrawSetting s;
    s.fVarjichupmt = 1;
    s.fZT = 2;
    s.nReserved1 = 3;
    s.nReserved2 = 4;
    s.DesignOpt1 = 1;
    s.DesignOpt3 = 1;
    s.DesignOpt4 = -1;
    s.DesignValue1 = 1024.0;
    s.DesignOpt5 = 5;
    s.DesignOpt6 = 6;
    s.gzPMScale = 2.0;
    s.gzLMScale = 4.0;
    s.stPMScale = 8.0;
    s.PrePMScale = 0.5;
    ASSERT_EQ(kDistinctForm.size(), 80u);
    EXPECT_EQ(Store(s), kDistinctForm);
}

TEST(DrawingOptionsArchive, LoadedBackEveryFieldIsInPlaceAndStoresTheSameBytes)
{
    CPM001DrawSetting back;
    CArchive ar(kDistinctForm.data(), kDistinctForm.size());
    back.SerializeOriginData(ar);
    EXPECT_EQ(ar.GetRemaining(), 0u);
    EXPECT_EQ(back.nReserved1, 3);          // the reserved ints travel too
    EXPECT_EQ(back.nReserved2, 4);
    EXPECT_EQ(back.DesignOpt4, -1);
    EXPECT_EQ(back.DesignOpt6, 6);
    EXPECT_EQ(back.DesignValue1, 1024.0);
    EXPECT_EQ(back.gzLMScale, 4.0);
    EXPECT_EQ(back.PrePMScale, 0.5);
    EXPECT_EQ(Store(back), kDistinctForm);
}

TEST(DrawingOptionsArchive, ShortArchiveThrowsAndChangesNothing)
{
    for (std::size_t cut = 0; cut < kDistinctForm.size(); ++cut) {
        CPM001DrawSetting target;
        CArchive ar(kDistinctForm.data(), cut);
        EXPECT_THROW(target.SerializeOriginData(ar), CArchiveException) << "cut at " << cut;
        EXPECT_EQ(Store(target), repeated(0, 80)) << "cut at " << cut;
    }
}

} // namespace
