// The pier calculation engine's three archive parts: byte layouts, round trips and damaged archives.

#include "calc/pm001_calc.h"

#include "calc/key_param_json.h"
#include "host/report.h"
#include "mfc/text_encoding.h"

#include "mfc/archive_exception.h"
#include "mfc/carchive.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
using Part = void (CPM001Calc::*)(CArchive&);

Bytes Store(CPM001Calc& calc, Part part)
{
    Bytes bytes;
    CArchive ar(bytes, CArchive::store);
    (calc.*part)(ar);
    return bytes;
}

// Loads the whole of bytes; fails the test when the part leaves bytes unread.
void Load(CPM001Calc& calc, Part part, const Bytes& bytes)
{
    CArchive ar(bytes.data(), bytes.size());
    (calc.*part)(ar);
    EXPECT_EQ(ar.GetRemaining(), 0u);
}

bool ReadExample(CPM001KeyParam& keyParam)
{
    std::string error;
    const bool read = ReadKeyParamFile(PM001_SOURCE_DIR "/examples/keyparams/prestressed.json", keyParam, error);
    EXPECT_TRUE(read) << error;
    return read;
}

void FillGeneral(CPM001Calc& calc)
{
    calc.SetWorkDir("W");
    calc.SetPrjName("P");
    calc.SetID("12");
    calc.SetName("R", "墩");
}

// A designed engine with texts in both of the archive's text forms.
void FillDesigned(CPM001Calc& calc)
{
    calc.SetWorkDir("/srv/桥梁/项目A/");
    calc.SetPrjName("Br1");
    calc.SetID("4035");
    calc.SetName("主线 K12+300", "P3 墩 😀");      // the last character has no GBK form
    calc.SetOrgData();
    calc.SetDsnData();
    ASSERT_EQ(calc.DoDesign(), 1);
    CPM001KeyParam taken;
    ASSERT_TRUE(ReadExample(taken));
    taken.CapKeyParam.FrameAr[0].name = "W 😀";
    calc.SetKeyParamForNextDesign(taken);
    ASSERT_EQ(calc.GetDesignData(taken), 1);   // the design keeps its key record
    calc.SetTestData(-7, "/srv/桥梁/key/4035.json");
    calc.SetKeyParamText(R"({"cap": {"FrameName": ["主 W"]}})");
    CPM001KeyParam adjusted;
    ASSERT_TRUE(ReadExample(adjusted));
    adjusted.CapKeyParam.FrameAr[0].name = "W(W1,W2) 调整 😀";
    adjusted.CapKeyParam.st_angle = 0.1 + 0.2;
    ASSERT_EQ(calc.SetUserDesignData(adjusted), 1);
}

TEST(PM001CalcArchive, OriginPartLayout)
{
    CPM001Calc calc;
    FillGeneral(calc);
    calc.SetOrgData();
    // "墩" is 0xB6 0xD5 in code page 936.
    const Bytes expected = {0x01, 0x01, 0x00, 0x00,                      // form: origin part, version 1
                            0x01, 'W', 0x01, 'P', 0x02, '1', '2', 0x01, 'R', 0x02, 0xB6, 0xD5,
                            0x01, 0x00, 0x00, 0x00,                      // origin data handed over
                            0x00, 0x00, 0x00, 0x00};                     // no design input yet
    EXPECT_EQ(Store(calc, &CPM001Calc::SerializeOrg), expected);
}

TEST(PM001CalcArchive, DesignPartLayout)
{
    CPM001Calc calc;
    calc.SetTestData(-2, "k.json");
    calc.SetKeyParamText("{}");
    const Bytes expected = {0x02, 0x02, 0x00, 0x00,                      // form: design part, version 2
                            0xFE, 0xFF, 0xFF, 0xFF,                      // test switch -2
                            0x06, 'k', '.', 'j', 's', 'o', 'n',          // key-parameter file
                            0x02, '{', '}',                              // key-parameter text
                            0x00, 0x00, 0x00, 0x00};                     // not designed
    Bytes noRecord = expected;
    noRecord.insert(noRecord.end(), 4, 0x00);                            // no key record
    EXPECT_EQ(Store(calc, &CPM001Calc::SerializeDesign), noRecord);
    // A part of format version 1 ends at the design switch and loads without a key record.
    CPM001Calc old;
    CArchive ar(expected.data(), expected.size());
    ar.SetFormatVersion(1);
    old.SerializeDesign(ar);
    EXPECT_EQ(ar.GetRemaining(), 0u);
    EXPECT_EQ(old.GetDesignKeyRecord(), nullptr);

    // The key record of a design that took a set with KeyLen1 1.0, one frame "W" and a secondary
    // frame record "W" with one top cut-off length 2.5.
    CPM001KeyParam taken;
    taken.CapKeyParam.KeyLen1 = 1.0;
    taken.CapKeyParam.FrameName.Add("W");
    taken.CapKeyParam.FrameAr.SetSize(1);
    taken.CapKeyParam.FrameAr[0].fGJJ = 0;
    taken.CapKeyParam.FrameAr[0].name = "W";
    taken.CapKeyParam.FrameAr[0].LenT.Add(2.5);
    calc.SetKeyParamForNextDesign(taken);
    ASSERT_EQ(calc.GetDesignData(taken), 1);
    Bytes withRecord = expected;
    withRecord.insert(withRecord.end(), {0x01, 0x00, 0x00, 0x00,                 // a key record
                                         0x00, 0x00, 0x00, 0x00,                 // the designed set
                                         0, 0, 0, 0, 0, 0, 0xF0, 0x3F,           // KeyLen1 1.0
                                         0, 0, 0, 0, 0, 0, 0, 0,                 // KeyLen2 0
                                         0x01, 0x00, 0x01, 'W',                  // FrameName
                                         0x01, 0x00, 0x00, 0x00,                 // one frame record:
                                         0x00, 0x00, 0x00, 0x00, 0x01, 'W',      // fGJJ 0, "W",
                                         0x00, 0x00, 0x00, 0x00,                 // no bar group,
                                         0x01, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00,   // fWeldT, fWeldB 1
                                         0x01, 0x00, 0, 0, 0, 0, 0, 0, 0x04, 0x40,        // LenT {2.5}
                                         0x00, 0x00});                                    // LenB {}
    EXPECT_EQ(Store(calc, &CPM001Calc::SerializeDesign), withRecord);
}

TEST(PM001CalcArchive, AdjustmentPartLayout)
{
    CPM001Calc calc;
    EXPECT_EQ(Store(calc, &CPM001Calc::SerializeAdjust),
              (Bytes{0x02, 0x03, 0x00, 0x00,                             // form: adjustment part, version 2
                     0x00, 0x00, 0x00, 0x00}));                          // no user-adjusted set

    CPM001KeyParam adjusted;
    ASSERT_TRUE(ReadExample(adjusted));
    ASSERT_EQ(calc.SetUserDesignData(adjusted), 1);
    std::string json;
    std::string error;
    ASSERT_TRUE(WriteKeyParamJson(adjusted, json, error)) << error;
    ASSERT_GE(json.size(), 0xFFu);                                       // the text takes the 0xFF + 16-bit length
    ASSERT_LT(json.size(), 0xFFFEu);
    // The catalogue names of the example hold no character outside code page 936: the narrow form.
    const std::string gbk = *text_encoding::Utf8ToGbk(json);
    Bytes expected = {0x02, 0x03, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0xFF,
                      static_cast<unsigned char>(gbk.size() & 0xFF), static_cast<unsigned char>(gbk.size() >> 8)};
    expected.insert(expected.end(), gbk.begin(), gbk.end());
    EXPECT_EQ(Store(calc, &CPM001Calc::SerializeAdjust), expected);
}

TEST(PM001CalcArchive, LoadingTheAdjustmentPartRestoresOrDropsTheUserSet)
{
    CPM001Calc original;
    FillDesigned(original);
    CPM001Calc loaded;
    Load(loaded, &CPM001Calc::SerializeAdjust, Store(original, &CPM001Calc::SerializeAdjust));
    ASSERT_TRUE(loaded.HasUserDesignData());
    CPM001KeyParam user;
    ASSERT_EQ(loaded.GetUserDesignData(user), 1);
    EXPECT_EQ(user.CapKeyParam.FrameAr[0].name, "W(W1,W2) 调整 😀");
    EXPECT_EQ(user.CapKeyParam.st_angle, 0.1 + 0.2);
    EXPECT_EQ(user.CapKeyParam.SteelAr[1].BseriesIndex, "金属波纹管D80");

    // A part stored without a set leaves none behind.
    CPM001Calc plain;
    Load(loaded, &CPM001Calc::SerializeAdjust, Store(plain, &CPM001Calc::SerializeAdjust));
    EXPECT_FALSE(loaded.HasUserDesignData());
}

TEST(PM001CalcArchive, EveryPartRoundTripsByteForByte)
{
    CPM001Calc original;
    FillDesigned(original);
    for (Part part : {&CPM001Calc::SerializeOrg, &CPM001Calc::SerializeDesign, &CPM001Calc::SerializeAdjust}) {
        const Bytes stored = Store(original, part);
        CPM001Calc loaded;
        Load(loaded, part, stored);
        EXPECT_EQ(Store(loaded, part), stored);
    }
}

TEST(PM001CalcArchive, LoadingRestoresWhatWasHeld)
{
    CPM001Calc original;
    FillDesigned(original);
    CPM001Calc loaded;
    Load(loaded, &CPM001Calc::SerializeOrg, Store(original, &CPM001Calc::SerializeOrg));
    Load(loaded, &CPM001Calc::SerializeDesign, Store(original, &CPM001Calc::SerializeDesign));

    EXPECT_EQ(loaded.GetWorkDir(), "/srv/桥梁/项目A/");
    EXPECT_EQ(loaded.GetPrjName(), "Br1");
    EXPECT_EQ(loaded.GetID(), "4035");
    EXPECT_EQ(loaded.GetRoadName(), "主线 K12+300");
    EXPECT_EQ(loaded.GetComponentName(), "P3 墩 😀");
    EXPECT_TRUE(loaded.HasOrgData());
    EXPECT_TRUE(loaded.HasDsnData());
    EXPECT_TRUE(loaded.IsDesigned());
    EXPECT_EQ(loaded.GetTestFlag(), -7);
    EXPECT_EQ(loaded.GetKeyParamPath(), "/srv/桥梁/key/4035.json");
    EXPECT_EQ(loaded.GetKeyParamText(), R"({"cap": {"FrameName": ["主 W"]}})");
    const CPM001DesignKeyRecord* record = loaded.GetDesignKeyRecord();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->set, CPM001DesignKeyRecord::kDesigned);
    EXPECT_EQ(record->FrameAr[0].name, "W 😀");
    EXPECT_EQ(record->KeyLen2, 280.0);

    CPM001_PaperDate paper;
    paper.m_pCapTendon = std::make_unique<CPM001_CapTendon>();
    EXPECT_EQ(loaded.PreparePaper(paper), 1);       // a loaded design answers as a designed one
}

TEST(PM001CalcArchive, LoadingKeepsTheHostsRecords)
{
    CPM001Calc original;
    FillDesigned(original);
    CPM001Calc loaded;
    auto* paper = reinterpret_cast<CBridgePaperSetting*>(&loaded);   // any address: never dereferenced
    loaded.SetProjectGeneral(paper, nullptr);
    Load(loaded, &CPM001Calc::SerializeOrg, Store(original, &CPM001Calc::SerializeOrg));
    EXPECT_EQ(loaded.GetPaperSetting(), paper);
}

// Every proper prefix of a valid part throws the archive exception and leaves the engine unchanged.
TEST(PM001CalcArchive, TruncatedPartsThrowAndChangeNothing)
{
    CPM001Calc original;
    FillDesigned(original);
    for (Part part : {&CPM001Calc::SerializeOrg, &CPM001Calc::SerializeDesign, &CPM001Calc::SerializeAdjust}) {
        const Bytes stored = Store(original, part);
        CPM001Calc target;
        FillGeneral(target);
        target.SetTestData(5, "before");
        const Bytes before = Store(target, part);
        for (std::size_t size = 0; size < stored.size(); ++size) {
            CArchive ar(stored.data(), size);
            EXPECT_THROW((target.*part)(ar), CArchiveException) << "prefix of " << size << " bytes";
            EXPECT_EQ(Store(target, part), before) << "prefix of " << size << " bytes";
        }
    }
}

// Changes one little-endian int at offset.
Bytes WithInt(Bytes bytes, std::size_t offset, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<unsigned char>(value >> (8 * i));
    return bytes;
}

CArchiveException::Cause LoadCause(CPM001Calc& calc, Part part, const Bytes& bytes)
{
    try {
        CArchive ar(bytes.data(), bytes.size());
        (calc.*part)(ar);
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return CArchiveException::none;
}

TEST(PM001CalcArchive, ForeignOrDamagedPartsAreRefused)
{
    CPM001Calc original;
    FillGeneral(original);
    original.SetOrgData();
    const Bytes origin = Store(original, &CPM001Calc::SerializeOrg);   // layout as in OriginPartLayout
    const Bytes design = Store(original, &CPM001Calc::SerializeDesign);
    CPM001Calc calc;

    // A part read in the place of another, or of a later version.
    EXPECT_EQ(LoadCause(calc, &CPM001Calc::SerializeDesign, origin), CArchiveException::badSchema);
    EXPECT_EQ(LoadCause(calc, &CPM001Calc::SerializeOrg, WithInt(origin, 0, 0x0102)),
              CArchiveException::badSchema);
    EXPECT_EQ(LoadCause(calc, &CPM001Calc::SerializeAdjust, Bytes{0x01, 0x01, 0x00, 0x00}),
              CArchiveException::badSchema);

    // Switches that are neither 0 nor 1.
    EXPECT_EQ(LoadCause(calc, &CPM001Calc::SerializeOrg, WithInt(origin, 16, 2)), CArchiveException::badFormat);
    EXPECT_EQ(LoadCause(calc, &CPM001Calc::SerializeOrg, WithInt(origin, 20, 0xFFFFFFFF)),
              CArchiveException::badFormat);
    EXPECT_EQ(LoadCause(calc, &CPM001Calc::SerializeDesign, WithInt(design, design.size() - 4, 0x100)),
              CArchiveException::badFormat);

    // A text length far beyond the bytes that remain.
    Bytes huge = {0x01, 0x01, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'W'};
    EXPECT_NE(LoadCause(calc, &CPM001Calc::SerializeOrg, huge), CArchiveException::none);

    // Bytes that are not GBK: a lead byte followed by a byte that cannot trail it.
    Bytes notGbk = origin;
    notGbk.at(14) = 0x81;
    notGbk.at(15) = 0x7F;
    EXPECT_NE(LoadCause(calc, &CPM001Calc::SerializeOrg, notGbk), CArchiveException::none);

    EXPECT_FALSE(calc.HasOrgData());
    EXPECT_TRUE(calc.GetWorkDir().IsEmpty());
}

// A text length prefix and the bytes of a short narrow text.
Bytes Text(const std::string& text)
{
    Bytes bytes = {static_cast<unsigned char>(text.size())};
    bytes.insert(bytes.end(), text.begin(), text.end());
    return bytes;
}

TEST(PM001CalcArchive, DamagedAdjustmentPartsAreRefusedAndChangeNothing)
{
    CPM001Calc calc;
    CPM001KeyParam held;
    ASSERT_TRUE(ReadExample(held));
    ASSERT_EQ(calc.SetUserDesignData(held), 1);
    const Bytes before = Store(calc, &CPM001Calc::SerializeAdjust);

    const Bytes head = {0x02, 0x03, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00};
    auto withText = [&](const std::string& text) {
        Bytes bytes = head;
        const Bytes t = Text(text);
        bytes.insert(bytes.end(), t.begin(), t.end());
        return bytes;
    };
    EXPECT_EQ(LoadCause(calc, &CPM001Calc::SerializeAdjust, Bytes{0x01, 0x03, 0x00, 0x00}), CArchiveException::badSchema);
    EXPECT_EQ(LoadCause(calc, &CPM001Calc::SerializeAdjust, WithInt(head, 4, 2)), CArchiveException::badFormat);
    EXPECT_EQ(LoadCause(calc, &CPM001Calc::SerializeAdjust, withText("{\"cap\": ")), CArchiveException::badFormat);
    EXPECT_EQ(LoadCause(calc, &CPM001Calc::SerializeAdjust, withText("{}")), CArchiveException::badFormat);
    EXPECT_EQ(LoadCause(calc, &CPM001Calc::SerializeAdjust, withText("[]")), CArchiveException::badFormat);

    try {
        const Bytes incomplete = withText("{}");
        CArchive ar(incomplete.data(), incomplete.size());
        calc.SerializeAdjust(ar);
        ADD_FAILURE() << "loaded";
    } catch (const CArchiveException& e) {
        EXPECT_NE(std::string(e.what()).find("user-adjusted key parameters.cap: missing"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Store(calc, &CPM001Calc::SerializeAdjust), before);

    // A stored text of 16 MiB loads, one a byte longer is refused before it is parsed; a key record
    // is refused for a set neither 0 nor 1, a list past its bound or a value no key file may hold.
    const auto withLongText = [](Bytes bytes, unsigned char over) {   // then not designed, no key record
        bytes.insert(bytes.end(), {0xFF, 0xFF, 0xFF, over, 0x00, 0x00, 0x01});
        bytes.resize(bytes.size() + kMaxKeyParamTextBytes + over, 'x');
        bytes.resize(bytes.size() + 8, 0);
        return bytes;
    };
    const auto withRecord = [](void (*edit)(CPM001_CapKeyParam&)) {   // the set taken is the int at 18
        CPM001KeyParam taken;
        ReadExample(taken);
        edit(taken.CapKeyParam);
        CPM001Calc designed;
        designed.SetKeyParamForNextDesign(taken);
        designed.GetDesignData(taken);
        return Store(designed, &CPM001Calc::SerializeDesign);
    };
    const Part design = &CPM001Calc::SerializeDesign;
    const Bytes designHead = {2, 2, 0, 0, 0, 0, 0, 0, 0};
    const std::string bound = "0 to 10000000 mm (";
    const struct { Part part; Bytes bytes; std::string error; } rows[] = {
        {design, withLongText(designHead, 0), ""},
        {design, withLongText(designHead, 1),
         "calculation design part: the stored key-parameter text of 16777217 bytes is longer than the 16 MiB"},
        {&CPM001Calc::SerializeAdjust, withLongText(head, 1),
         "calculation adjustment part: the stored key-parameter text of 16777217 bytes is longer than the 16 MiB"},
        {design, WithInt(withRecord([](CPM001_CapKeyParam&) {}), 18, 2), "the set taken is neither 0 nor 1"},
        {design, withRecord([](CPM001_CapKeyParam& cap) { cap.FrameAr.SetSize(26); }),
         ": designed key parameters.cap.FrameAr: expected at most 25 frame records (26 given)"},
        {design, withRecord([](CPM001_CapKeyParam& cap) { cap.FrameAr[0].GJJ[1].SetSize(13); }),
         " in FrameAr[0].GJJ[1]: designed key parameters.cap.FrameAr[0].GJJ[1]: expected at most 12 "},
        {design, withRecord([](CPM001_CapKeyParam& cap) { cap.FrameName.SetSize(26); }),
         " in FrameName: designed key parameters.cap.FrameName: expected at most 25 "},
        {design, withRecord([](CPM001_CapKeyParam& cap) { cap.KeyLen1 = std::nan(""); }),
         ": designed key parameters.cap.KeyLen1: expected a distance from " + bound + "nan given)"},
        {design, WithInt(withRecord([](CPM001_CapKeyParam& cap) { cap.KeyLen2 = 1e20; }), 18, 1),
         ": user-adjusted key parameters.cap.KeyLen2: expected a radius from " + bound + "1e+20 given)"},
        {design, withRecord([](CPM001_CapKeyParam& cap) { cap.FrameAr[1].LenT[0] = -HUGE_VAL; }),
         ": designed key parameters.cap.FrameAr[1].LenT[0]: expected a length from " + bound + "-inf given)"},
        {design, withRecord([](CPM001_CapKeyParam& cap) { cap.FrameAr[0].GJJ[0][0].dx = std::nan(""); }),
         ": designed key parameters.cap.FrameAr[0].GJJ[0][0].dx: expected a distance from " + bound + "nan given)"},
    };
    for (const auto& row : rows) {
        std::string what = "loaded";
        try { Load(calc, row.part, row.bytes); } catch (const CArchiveException& e) { what = e.what(); }
        const bool refused = what.starts_with("archive bad format") && what.find(row.error) != std::string::npos;
        EXPECT_TRUE(row.error.empty() ? what == "loaded" : refused) << what;
    }
    EXPECT_EQ(calc.GetKeyParamText().GetLength(), static_cast<int>(kMaxKeyParamTextBytes));
    EXPECT_EQ(Store(calc, &CPM001Calc::SerializeAdjust), before);
}

TEST(PM001CalcArchive, AnAdjustedSetPastItsBoundsLoadsAsStoredAndIsNeverDesigned)
{
    // Sets stored before their bounds were set: a flat inclination, a frame record copied and not
    // renamed (it would lay a second set of bars at its frame).
    const struct {
        void (*edit)(CPM001_CapKeyParam&);
        const char* error;
    } rows[] = {
        {[](CPM001_CapKeyParam& cap) { cap.st_angle = 0.0; },
         "cap.st_angle: expected an angle above 0 and at most 1.0472 rad (0 given)"},
        {[](CPM001_CapKeyParam& cap) { cap.FrameAr.Add(cap.FrameAr[1]); },
         "cap.FrameAr[2].name: the frame \"N\" is already described by user-adjusted key parameters.cap.FrameAr[1]"},
        {[](CPM001_CapKeyParam& cap) { cap.FrameAr.Add(cap.FrameAr[0]); },
         "cap.FrameAr[2].name: the frame \"W\" is already described by user-adjusted key parameters.cap.FrameAr[0]"},
    };
    for (const auto& row : rows) {
        CPM001KeyParam stored, designed;
        ASSERT_TRUE(ReadExample(stored));
        row.edit(stored.CapKeyParam);
        std::string text, unused;
        ASSERT_TRUE(WriteKeyParamJson(stored, text, unused));
        Bytes bytes;
        CArchive(bytes, CArchive::store) << 0x0302 << 1 << CString(text);
        ReportLog::Current().Clear();
        CPM001Calc calc;
        calc.SetID("7");
        Load(calc, &CPM001Calc::SerializeAdjust, bytes);
        EXPECT_TRUE(calc.HasUserDesignData());
        EXPECT_EQ(Store(calc, &CPM001Calc::SerializeAdjust), bytes);   // stored again, nothing lost
        EXPECT_EQ(calc.GetUserDesignData(designed), 0);
        // Reported by the load and again by the design refused.
        ASSERT_EQ(ReportLog::Current().Count(ReportEntry::Error), 2);
        for (const auto& entry : ReportLog::Current().Entries())
            EXPECT_EQ(entry.message.str(), std::string("Calculation of component 7: user-adjusted key parameters.") + row.error);
        // The same set handed over by the adjustment tool is refused at once.
        EXPECT_EQ(calc.SetUserDesignData(stored), 0);
        ASSERT_TRUE(ReadExample(stored));   // a set handed over in its place is designed with
        ASSERT_EQ(calc.SetUserDesignData(stored), 1);
        EXPECT_EQ(calc.GetUserDesignData(designed), 1);
        ReportLog::Current().Clear();
    }
}

}  // namespace
