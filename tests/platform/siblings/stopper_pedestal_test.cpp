// The stopper-and-pedestal module's design object: intake checks, output values and its archive form.
#include "siblings/stopper_pedestal.h"

#include "host/report.h"
#include "mfc/archive_exception.h"
#include "mfc/carchive.h"
#include "platform/mfc/archive_bytes.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

Bytes Store(CPG006Atom& atom)
{
    Bytes out;
    CArchive ar(out, CArchive::store);
    atom.SerializeDesignData(ar);
    return out;
}

Bytes Int(unsigned v) { return bytes({int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF), int(v >> 24)}); }
Bytes Zeros(std::size_t n) { return repeated(0, n); }

// Two rows of pedestals and a pair of stopper blocks; one text has no GBK form (wide archive form).
GZ_GENERAL_PG006 SampleRecord()
{
    GZ_GENERAL_PG006 g;
    g.szPier = "一个桥墩";
    g.nFront = 1;
    g.hFront = 250.0;
    g.nFrontCount = 4;
    g.nBack = 1;
    g.hBack = 300.0;
    g.nBackCount = 4;
    g.widths1.Add(400.0);
    g.widths1.Add(400.0);
    g.widths2.Add(300.0);
    g.widths2.Add(350.0);
    g.aPier = 0.1;
    g.szCapConcrete = "C35 😀";
    return g;
}

const CPG006KeyParam kKeys{3, 2};

TEST(StopperPedestalIntake, SoundInputIsKeptAndUnsoundInputRefusedWithAnError)
{
    const GZ_GENERAL_PG006 good = SampleRecord();
    CPG006Atom atom;
    ReportLog::Current().Clear();
    ASSERT_EQ(atom.SetData(&good, &kKeys), 1);
    EXPECT_TRUE(ReportLog::Current().Entries().empty());
    const Bytes held = Store(atom);

    GZ_GENERAL_PG006 nanHeight = good;
    nanHeight.hFront = std::numeric_limits<double>::quiet_NaN();
    GZ_GENERAL_PG006 infiniteWidth = good;
    infiniteWidth.widths2[1] = std::numeric_limits<double>::infinity();
    GZ_GENERAL_PG006 negativeCount = good;
    negativeCount.nBackCount = -1;
    const CPG006KeyParam negativeKey{3, -2};
    const std::pair<const GZ_GENERAL_PG006*, const CPG006KeyParam*> refused[] = {
        {nullptr, &kKeys}, {&good, nullptr}, {&nanHeight, &kKeys}, {&infiniteWidth, &kKeys},
        {&negativeCount, &kKeys}, {&good, &negativeKey}};
    for (const auto& [g, k] : refused) {
        ReportLog::Current().Clear();
        EXPECT_EQ(atom.SetData(g, k), 0);
        EXPECT_EQ(ReportLog::Current().Count(ReportEntry::Error), 1);
        EXPECT_EQ(Store(atom), held);          // what it held stays
    }
}

TEST(StopperPedestalOutput, EveryValueIsNamedUnderTheModulePrefix)
{
    CPG006Atom unfilled;
    OutputDataMap defaults;
    unfilled.shuchu_Data(defaults);
    EXPECT_EQ(defaults.size(), 36u);         // 34 fields of the record and 2 key values
    EXPECT_EQ(defaults.at("PG006_nFront")->intValue, 0);

    const GZ_GENERAL_PG006 g = SampleRecord();
    CPG006Atom atom;
    ASSERT_EQ(atom.SetData(&g, &kKeys), 1);
    OutputDataMap map;
    atom.shuchu_Data(map);
    ASSERT_EQ(map.size(), 36u);
    for (const auto& [name, value] : map) EXPECT_EQ(name.substr(0, 6), "PG006_") << name;
    EXPECT_EQ(map.at("PG006_nFrontCount")->intValue, 4);
    EXPECT_EQ(map.at("PG006_hBack")->type, CBGOutputData::Double);
    EXPECT_EQ(map.at("PG006_hBack")->doubleValue, 300.0);
    EXPECT_EQ(map.at("PG006_widths2")->ToText(), CString("300.000,350.000"));
    EXPECT_EQ(map.at("PG006_szPier")->text, CString("一个桥墩"));
    EXPECT_EQ(map.at("PG006_nBackPedestalMesh")->intValue, 2);
}

// The unfilled form: form number, then each field's empty form in declaration order: 184 bytes.
Bytes UnfilledForm()
{
    return Int(1)                                                // form number
           + Zeros(4) + Zeros(1) + Zeros(4) + Zeros(4)           // nNoStopperGap, szPier "", nFlag, nFront
           + Zeros(4 * 8) + Zeros(4)                             // aFront … hFront, nFrontCount
           + Zeros(4) + Zeros(4 * 8) + Zeros(4)                  // nBack, aBack … hBack, nBackCount
           + Zeros(4) + Zeros(8)                                 // fHaveStopper, aStopper
           + Zeros(2) + Zeros(2)                                 // widths1, widths2: count 0 (at 105, 107)
           + Zeros(8) + Zeros(8) + Zeros(4) + Zeros(8)           // hStopper, bTop, nFlag2, aPier
           + Zeros(2) + Zeros(2) + Zeros(8) + Zeros(8)           // list1, list2, value1, value2
           + Zeros(1) + Zeros(1)                                 // szPedestalConcrete, szStopperConcrete
           + Zeros(4 * 4) + Zeros(1)                             // nSameRows … nFlag4, szCapConcrete
           + Zeros(4) + Zeros(4);                                // the two key values
}

TEST(StopperPedestalArchive, FieldsStandInDeclarationOrder)
{
    CPG006Atom unfilled;
    EXPECT_EQ(Store(unfilled), UnfilledForm());

    GZ_GENERAL_PG006 g;
    g.nNoStopperGap = 1;
    g.szPier = "一个桥墩";
    g.hFront = 0.5;
    g.widths1.Add(1.0);
    g.widths1.Add(2.0);
    g.szCapConcrete = "C40";
    const CPG006KeyParam k{3, 0x01020304};
    CPG006Atom atom;
    ASSERT_EQ(atom.SetData(&g, &k), 1);
    const Bytes expected =
        Int(1) + Int(1)                                                        // form, nNoStopperGap
        + bytes({0x08, 0xD2, 0xBB, 0xB8, 0xF6, 0xC7, 0xC5, 0xB6, 0xD5})         // "一个桥墩" in GBK
        + Zeros(4) + Zeros(4)                                                  // nFlag, nFront
        + Zeros(3 * 8) + bytes({0, 0, 0, 0, 0, 0, 0xE0, 0x3F})                 // aFront … hFront 0.5
        + Zeros(4) + Zeros(4) + Zeros(4 * 8) + Zeros(4) + Zeros(4) + Zeros(8)  // … aStopper
        + bytes({0x02, 0x00}) + bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F})          // widths1: 2 entries, 1.0
        + bytes({0, 0, 0, 0, 0, 0, 0x00, 0x40})                                // 2.0
        + Zeros(2)                                                             // widths2
        + Zeros(8) + Zeros(8) + Zeros(4) + Zeros(8) + Zeros(2) + Zeros(2) + Zeros(8) + Zeros(8) + Zeros(1) + Zeros(1)
        + Zeros(4 * 4) + bytes({0x03, 'C', '4', '0'})                          // … szCapConcrete "C40"
        + Int(3) + bytes({0x04, 0x03, 0x02, 0x01});                            // key values
    EXPECT_EQ(Store(atom), expected);
}

TEST(StopperPedestalArchive, StoredAndLoadedBackStoresTheSameBytes)
{
    const GZ_GENERAL_PG006 g = SampleRecord();
    CPG006Atom atom;
    ASSERT_EQ(atom.SetData(&g, &kKeys), 1);
    const Bytes first = Store(atom);
    CPG006Atom back;
    CArchive ar(first.data(), first.size());
    back.SerializeDesignData(ar);
    EXPECT_EQ(ar.GetRemaining(), 0u);
    EXPECT_EQ(back.GetGeneral().szCapConcrete, CString("C35 😀"));
    EXPECT_EQ(back.GetGeneral().widths2[1], 350.0);
    EXPECT_EQ(back.GetKeyParam().nFrontPedestalMesh, 3);
    EXPECT_EQ(Store(back), first);
}

TEST(StopperPedestalArchive, ShortArchiveThrowsAndLeavesTheObjectAsItWas)
{
    const GZ_GENERAL_PG006 g = SampleRecord();
    CPG006Atom source;
    ASSERT_EQ(source.SetData(&g, &kKeys), 1);
    const Bytes full = Store(source);
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        CPG006Atom target;
        CArchive ar(full.data(), cut);
        EXPECT_THROW(target.SerializeDesignData(ar), CArchiveException) << "cut at " << cut;
        EXPECT_EQ(Store(target), UnfilledForm()) << "cut at " << cut;
    }
}

// Loads bytes into a fresh object and returns the archive exception it must throw.
CArchiveException LoadFailure(const Bytes& in)
{
    CPG006Atom atom;
    CArchive ar(in.data(), in.size());
    try {
        atom.SerializeDesignData(ar);
    } catch (const CArchiveException& e) {
        return e;
    }
    ADD_FAILURE() << "no exception";
    return CArchiveException(CArchiveException::none, 0, "");
}

TEST(StopperPedestalArchive, DamagedFormsAreRefused)
{
    Bytes unknownForm = UnfilledForm();
    unknownForm[0] = 2;
    EXPECT_EQ(LoadFailure(unknownForm).m_cause, CArchiveException::badSchema);

    Bytes hugeCount = UnfilledForm();                 // widths1 claims 0x7FFFFFFF entries
    hugeCount[105] = 0xFF;
    hugeCount[106] = 0xFF;
    hugeCount.insert(hugeCount.begin() + 107, {0xFF, 0xFF, 0xFF, 0x7F});
    EXPECT_EQ(LoadFailure(hugeCount).m_offset, 105u);

    Bytes badText = UnfilledForm();                   // szPier: a GBK lead byte without its pair
    badText[8] = 0x01;
    badText.insert(badText.begin() + 9, 0x81);
    EXPECT_EQ(LoadFailure(badText).m_cause, CArchiveException::badFormat);
}

} // namespace
