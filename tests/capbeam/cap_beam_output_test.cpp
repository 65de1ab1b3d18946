// The cap beam's named output values: names, kinds and decimals by the published table, frames and
// bars, schedule, frame tables and stirrup groups.
#include "capbeam/cap_beam_reinforcement.h"

#include "capbeam/cap_beam_reinforcement_test_support.h"
#include "published_names.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Atom = CPM001T0101Atom;
using Kind = CBGOutputData::Type;

// The published names after "PM001_T0101_" with their kinds: i int, r real, t text, il int list,
// rl real list, tl text list.
const char* const kGeneral =
    "PMorPT i; hXbl r; hXbr r; a r; lWg r; bBg r; iLb r; iRb r; hHpl r; hHpr r; bBpr r; bBpl r; bBz rl; "
    "bBzl r; bBzr r; bAc r; hHgl r; SectionType i; bRec r; lRec r; D r; R r; X r; Y r; JGType i; nPier i; "
    "HDM rl; enSection tl; fBearAndMidSpan i; fDM il; ConLabel i; Vcon r; fCrossContour i; fSymmetry i; "
    "fZT i; enPSection i; fDistribute i; fPosSdAndSt i; fPosShAndSg i; fVartc i; aPl r; aPr r; "
    "fTuncateRibLM i; fNoteFormDM i; fNoteFormSK i; FramePaneWidth r";
const char* const kSkeleton =
    "st_type i; st_d r; st_ac r; st_ua r; st_da r; st_sa r; st_a r; st_Min r; st_nFrame i; st_ns i; "
    "st_as r; st_stt t; st_stb t; st_sttc t; st_stbc t; st_stw t; st_stx t; st_angle r; st_fLayMode i; "
    "st_fWeld i; st_LWeld r; st_LstWeld r; st_s r; st_fCalculateLarc i; st_LeadPointR r; st_LeadPointR2 r";
const char* const kSchedule = "Frame_R tl; Frame_n il; Frame_TL rl";
const char* const kStirrups =
    "sg_type i; sg_d r; sg_a r; sg_ac r; sg_Min r; sg_Max r; sg_fLayMode i; sg_s r; sg_s2 r; sg_fenG i; "
    "sg_s3 r; sg_TBL r; sg_TBR r; sg_lns3 i; sg_rns3 i; sg_ns il; sg_nasl i; sg_nasr i; sg_as rl; "
    "sg_lns2 il; sg_rns2 il; sg_lXBns2 i; sg_rXBns2 i; sg_nAns i; sg_b r; sg_bMid r; sg_Aas r; "
    "sg_HookedTpye i; sg_alf r; sg_RG r; sg_EL r";
const char* const kSideBars =
    "sh_type i; sh_Min r; sh_Max r; sh_d r; sh_ac r; sh_a r; sh_fLayMode i; sh_s r; sh_as r; sh_HL r; "
    "sh_HR r; sh_HM r; sh_sl r; sh_sr r; sh_sm r; sh_ns i; sh_alf r; sh_RG r; sh_EL r; sh1_n i; sh1_R t; "
    "sh1_L r; sh1_Lp r; sh1_TL r; sh2_n i; sh2_R t; sh2_L r; sh2_Lp r; sh2_TL r";
const char* const kEndBars =
    "sd_type i; sd_R t; sd_d r; sd_ac r; sd_a r; sd_a2 r; sd_Min r; sd_Max r; sd_sl r; sd_nsl i; sd_sr r; "
    "sd_nsr i; sd_nl i; sd_nr i; sd_n i; sd_L r; sd_alf r; sd_EL r; sd_TL r";
const char* const kBar =
    "class i; fStwArc i; R t; L rl; sTL r; x rl; z rl; RR rl; alf rl; fH il; fHzy il; fHsx il; LH rl; "
    "fArc il; enPoint il";
const char* const kStirrupRecord1 = "R t; Nori i; Nend i; n i; L1 r; L1p r; L2 r; TL r";
const char* const kStirrupRecord2 = "R t; nl i; nr i; n i; L1 r; L1p r; L2 r; TL r";

Kind KindOf(const std::string& code)
{
    if (code == "i") return CBGOutputData::Int;
    if (code == "r") return CBGOutputData::Double;
    if (code == "t") return CBGOutputData::Text;
    if (code == "il") return CBGOutputData::IntList;
    if (code == "rl") return CBGOutputData::DoubleList;
    return CBGOutputData::TextList;
}

struct Entry {
    std::string name;
    Kind kind;
};

std::vector<Entry> Table(const char* table, const std::string& prefix = "PM001_T0101_")
{
    std::vector<Entry> out;
    std::stringstream in(table);
    std::string item;
    while (std::getline(in, item, ';')) {
        std::stringstream words(item);
        std::string name, code;
        words >> name >> code;
        out.push_back({prefix + name, KindOf(code)});
    }
    return out;
}

// Every entry is in the map with its kind; reals with one decimal; no note.
void ExpectTable(const OutputDataMap& map, const std::vector<Entry>& table)
{
    for (const Entry& e : table) {
        const auto found = map.find(CString(e.name));
        ASSERT_NE(found, map.end()) << e.name;
        EXPECT_EQ(found->second->type, e.kind) << e.name;
        if (e.kind == CBGOutputData::Double || e.kind == CBGOutputData::DoubleList) {
            EXPECT_EQ(found->second->decimals, 1) << e.name;
        }
        EXPECT_TRUE(found->second->note.IsEmpty()) << e.name;
    }
}

bool Has(const OutputDataMap& map, const char* key)
{
    return map.count(CString(key)) != 0;
}

const CBGOutputData& At(const OutputDataMap& map, const char* key)
{
    const auto found = map.find(CString(key));
    if (found == map.end()) throw std::runtime_error(std::string("no output value ") + key);
    return *found->second;
}

std::vector<double> Reals(const CBGOutputData& v)
{
    return std::vector<double>(v.doubleList.GetData(), v.doubleList.GetData() + v.doubleList.GetSize());
}

std::vector<int> Ints(const CBGOutputData& v)
{
    return std::vector<int>(v.intList.GetData(), v.intList.GetData() + v.intList.GetSize());
}

std::vector<std::string> Texts(const CBGOutputData& v)
{
    std::vector<std::string> out;
    for (int i = 0; i < v.textList.GetSize(); ++i) out.push_back(v.textList[i].str());
    return out;
}

int CountWithPrefix(const OutputDataMap& map, const std::string& prefix)
{
    int n = 0;
    for (const auto& [key, value] : map) n += key.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
}

CapBeamRecords::FrameAr* AddFrame(Atom& atom, int sort, double y, int num)
{
    auto frame = std::make_unique<CapBeamRecords::FrameAr>();
    frame->sort = sort;
    frame->y = y;
    frame->num = num;
    frame->fDrawLM = num == 1 ? 1 : 0;
    return atom.st.Frame.AddOwned(std::move(frame));
}

CapBeamRecords::singAr* AddBar(CapBeamRecords::FrameAr& frame, int cls, const char* mark)
{
    auto bar = std::make_unique<CapBeamRecords::singAr>();
    bar->class_ = cls;
    bar->R = mark;
    return frame.Bars.AddOwned(std::move(bar));
}

} // namespace

TEST(CapBeamOutput, AnEmptyDesignPublishesExactlyThePublishedTables)
{
    Atom atom;
    OutputDataMap map;
    atom.OutPM001AtomData(map);
    ExpectTable(map, Table(kGeneral));
    ExpectTable(map, Table(kSkeleton));
    ExpectTable(map, Table(kSchedule));
    ExpectTable(map, Table(kStirrups));
    ExpectTable(map, Table(kSideBars));
    ExpectTable(map, Table(kEndBars));
    // 46 general, 26 skeleton, the three schedule lists, 31 stirrup, 29 "sh" and 19 "sd" values,
    // and nothing besides.
    std::set<std::string> listed;
    for (const char* table : {kGeneral, kSkeleton, kSchedule, kStirrups, kSideBars, kEndBars})
        for (const Entry& e : Table(table)) EXPECT_TRUE(listed.insert(e.name).second) << e.name << " listed twice";
    EXPECT_EQ(listed.size(), 46u + 26u + 3u + 31u + 29u + 19u);
    EXPECT_EQ(PublishedNamesAgainst(map, listed), "");
    EXPECT_TRUE(Texts(At(map, "PM001_T0101_Frame_R")).empty());
    EXPECT_EQ(CountWithPrefix(map, "PM001_T0104_"), 0);
}

TEST(CapBeamOutput, ValuesAreTheMembers)
{
    Atom atom;
    atom.hXbl = 1234.56;
    atom.nPier = 3;
    atom.PierCapConGra = "C40";
    atom.ConLabel = 40;
    atom.bBz.Add(5000);
    atom.bBz.Add(5100);
    atom.st.stt = "顶层通常筋";
    atom.st.fLayMode = 1;
    atom.sg.as.Add(2.5);
    atom.sh.sh2_R = "7";
    atom.sd.TL = 3210.5;
    OutputDataMap map;
    atom.OutPM001AtomData(map);
    EXPECT_EQ(At(map, "PM001_T0101_hXbl").doubleValue, 1234.56);
    EXPECT_EQ(At(map, "PM001_T0101_nPier").intValue, 3);
    EXPECT_EQ(At(map, "PM001_T0101_ConLabel").intValue, 40);
    EXPECT_EQ(Reals(At(map, "PM001_T0101_bBz")), (std::vector<double>{5000, 5100}));
    EXPECT_EQ(At(map, "PM001_T0101_st_stt").text, "顶层通常筋");
    EXPECT_EQ(At(map, "PM001_T0101_st_fLayMode").intValue, 1);
    EXPECT_EQ(Reals(At(map, "PM001_T0101_sg_as")), (std::vector<double>{2.5}));
    EXPECT_EQ(At(map, "PM001_T0101_sh2_R").text, "7");
    EXPECT_EQ(At(map, "PM001_T0101_sd_TL").doubleValue, 3210.5);
    for (const char* bendRadius : {"PM001_T0101_sg_RG", "PM001_T0101_sh_RG"})
        EXPECT_EQ(At(map, bendRadius).kind, &OutputKinds::Length) << bendRadius;
}

TEST(CapBeamOutput, SectionKindsAreWrittenAsRomanNumerals)
{
    Atom atom;
    for (int k : {1, 2, 1, 12}) atom.enSection.Add(k);
    OutputDataMap map;
    atom.OutPM001AtomData(map);
    EXPECT_EQ(Texts(At(map, "PM001_T0101_enSection")), (std::vector<std::string>{"Ⅰ", "Ⅱ", "Ⅰ", "Ⅻ"}));
}

TEST(CapBeamOutput, FramesOfLayModeZeroAreNumberedFromOne)
{
    Atom atom;
    atom.st.fLayMode = 0;
    AddFrame(atom, 5, -700, 1)->name = "W";
    AddFrame(atom, 5, 0, 2);
    AddFrame(atom, 2, 700, 3);
    OutputDataMap map;
    atom.OutPM001AtomData(map);
    for (const char* prefix : {"PM001_T0101_Frame[1]_", "PM001_T0101_Frame[2]_", "PM001_T0101_Frame[3]_"}) {
        ExpectTable(map, Table("y r; num i; fDrawLM i; fsk i; sort i; name t; difL1 rl; difL2 rl; difL3 rl; "
                               "difL4 rl",
                               prefix));
    }
    EXPECT_FALSE(Has(map, "PM001_T0101_Frame[5]_y"));
    EXPECT_EQ(At(map, "PM001_T0101_Frame[3]_y").doubleValue, 700);
    EXPECT_EQ(At(map, "PM001_T0101_Frame[3]_sort").intValue, 2);
    EXPECT_EQ(At(map, "PM001_T0101_Frame[1]_name").text, "W");
    EXPECT_EQ(At(map, "PM001_T0101_Frame[1]_fDrawLM").intValue, 1);
}

TEST(CapBeamOutput, FramesOfOtherLayModesAreWrittenOncePerSortValue)
{
    Atom atom;
    atom.st.fLayMode = 1;
    AddFrame(atom, 2, -700, 1);
    AddFrame(atom, 2, 0, 2);
    AddFrame(atom, 5, 700, 3);
    OutputDataMap map;
    atom.OutPM001AtomData(map);
    ExpectTable(map, Table("y rl; num il; fDrawLM il; fsk i; sort i; name t", "PM001_T0101_Frame[2]_"));
    ExpectTable(map, Table("y rl; num il; fDrawLM il; fsk i; sort i; name t", "PM001_T0101_Frame[5]_"));
    EXPECT_EQ(Reals(At(map, "PM001_T0101_Frame[2]_y")), (std::vector<double>{-700, 0}));
    EXPECT_EQ(Ints(At(map, "PM001_T0101_Frame[2]_num")), (std::vector<int>{1, 2}));
    EXPECT_EQ(Ints(At(map, "PM001_T0101_Frame[2]_fDrawLM")), (std::vector<int>{1, 0}));
    EXPECT_EQ(Reals(At(map, "PM001_T0101_Frame[5]_y")), (std::vector<double>{700}));
    EXPECT_FALSE(Has(map, "PM001_T0101_Frame[1]_y"));
    EXPECT_FALSE(Has(map, "PM001_T0101_Frame[3]_y"));
    EXPECT_EQ(CountWithPrefix(map, "PM001_T0101_Frame["), 2 * 10);
}

TEST(CapBeamOutput, BarsAreCountedPerClassWithinAFrame)
{
    Atom atom;
    CapBeamRecords::FrameAr* first = AddFrame(atom, 1, 0, 1);
    AddBar(*first, 1, "1");
    AddBar(*first, 1, "2");
    CapBeamRecords::singAr* cut = AddBar(*first, 3, "3");
    AddBar(*first, 1, "4");
    CapBeamRecords::FrameAr* second = AddFrame(atom, 2, 100, 2);
    AddBar(*second, 1, "5");
    cut->L.Add(1500);
    cut->L.Add(800);
    cut->sTL = 2300;
    CapBeamRecords::M_XZR p;
    p.x = 100;
    p.z = 1500;
    p.fH = 1;
    p.enPoint = 2;
    cut->PtAr.Add(p);
    p.x = 1600;
    p.fH = 0;
    cut->PtAr.Add(p);

    OutputDataMap map;
    atom.OutPM001AtomData(map);
    ExpectTable(map, Table(kBar, "PM001_T0101_Frame[1]_class[1]_1_"));
    ExpectTable(map, Table(kBar, "PM001_T0101_Frame[1]_class[1]_2_"));
    ExpectTable(map, Table(kBar, "PM001_T0101_Frame[1]_class[3]_1_"));
    ExpectTable(map, Table(kBar, "PM001_T0101_Frame[1]_class[1]_3_"));
    ExpectTable(map, Table(kBar, "PM001_T0101_Frame[2]_class[1]_1_"));
    EXPECT_EQ(At(map, "PM001_T0101_Frame[1]_class[1]_3_R").text, "4");
    EXPECT_EQ(At(map, "PM001_T0101_Frame[2]_class[1]_1_R").text, "5");
    EXPECT_EQ(At(map, "PM001_T0101_Frame[1]_class[3]_1_class").intValue, 3);
    EXPECT_EQ(Reals(At(map, "PM001_T0101_Frame[1]_class[3]_1_L")), (std::vector<double>{1500, 800}));
    EXPECT_EQ(At(map, "PM001_T0101_Frame[1]_class[3]_1_sTL").doubleValue, 2300);
    EXPECT_EQ(Reals(At(map, "PM001_T0101_Frame[1]_class[3]_1_x")), (std::vector<double>{100, 1600}));
    EXPECT_EQ(Reals(At(map, "PM001_T0101_Frame[1]_class[3]_1_z")), (std::vector<double>{1500, 1500}));
    EXPECT_EQ(Ints(At(map, "PM001_T0101_Frame[1]_class[3]_1_fH")), (std::vector<int>{1, 0}));
    EXPECT_EQ(Ints(At(map, "PM001_T0101_Frame[1]_class[3]_1_enPoint")), (std::vector<int>{2, 2}));
    EXPECT_TRUE(Reals(At(map, "PM001_T0101_Frame[1]_class[1]_1_x")).empty());
    EXPECT_EQ(CountWithPrefix(map, "PM001_T0101_Frame[1]_class["), 4 * 15);
}

TEST(CapBeamOutput, BarsOfAnUnknownClassAreLeftOut)
{
    Atom atom;
    CapBeamRecords::FrameAr* frame = AddFrame(atom, 1, 0, 1);
    AddBar(*frame, 0, "x");
    AddBar(*frame, 7, "y");
    AddBar(*frame, -3, "z");
    AddBar(*frame, 6, "6");
    OutputDataMap map;
    atom.OutPM001AtomData(map);
    EXPECT_EQ(CountWithPrefix(map, "PM001_T0101_Frame[1]_class["), 15);
    EXPECT_EQ(At(map, "PM001_T0101_Frame[1]_class[6]_1_R").text, "6");
}

TEST(CapBeamOutput, HeightListsAreNumberedFromOne)
{
    Atom atom;
    CapBeamRecords::FrameAr* frame = AddFrame(atom, 1, 0, 1);
    for (double h : {1500.0, 1400.0}) {
        auto list = std::make_unique<DblArray>();
        list->Add(h);
        frame->zt.AddOwned(std::move(list));
    }
    auto bottom = std::make_unique<DblArray>();
    bottom->Add(60);
    frame->zb.AddOwned(std::move(bottom));
    frame->difL2.Add(600);
    OutputDataMap map;
    atom.OutPM001AtomData(map);
    ExpectTable(map, Table("zt1 rl; zt2 rl; zb1 rl", "PM001_T0101_Frame[1]_"));
    EXPECT_EQ(Reals(At(map, "PM001_T0101_Frame[1]_zt2")), (std::vector<double>{1400}));
    EXPECT_EQ(Reals(At(map, "PM001_T0101_Frame[1]_zb1")), (std::vector<double>{60}));
    EXPECT_FALSE(Has(map, "PM001_T0101_Frame[1]_zt3"));
    EXPECT_FALSE(Has(map, "PM001_T0101_Frame[1]_zb2"));
    EXPECT_EQ(Reals(At(map, "PM001_T0101_Frame[1]_difL2")), (std::vector<double>{600}));
}

TEST(CapBeamOutput, ScheduleAndFrameTables)
{
    Atom atom;
    for (const char* mark : {"1", "2"}) {
        CapBeamRecords::tRn row;
        row.R = mark;
        row.n = mark[0] == '1' ? 8 : 4;
        row.TL = mark[0] == '1' ? 12000 : 3500.5;
        row.szL.Add("L1");
        row.szL.Add("/");
        atom.st.Rn.Add(row);
    }
    for (const char* heading : {"W", "N"}) {
        auto row = std::make_unique<CapBeamRecords::tFrameAr>();
        row->szDY = heading;
        row->szX3.Add("600");
        atom.st.tFrame.AddOwned(std::move(row));
    }
    OutputDataMap map;
    atom.OutPM001AtomData(map);
    ExpectTable(map, Table("Frame_szL1 tl; Frame_szL2 tl"));
    EXPECT_EQ(Texts(At(map, "PM001_T0101_Frame_szL1")), (std::vector<std::string>{"L1", "/"}));
    EXPECT_EQ(Texts(At(map, "PM001_T0101_Frame_R")), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Ints(At(map, "PM001_T0101_Frame_n")), (std::vector<int>{8, 4}));
    EXPECT_EQ(Reals(At(map, "PM001_T0101_Frame_TL")), (std::vector<double>{12000, 3500.5}));
    for (const char* prefix : {"PM001_T0101_tFrame[1]_", "PM001_T0101_tFrame[2]_"})
        ExpectTable(map, Table("szDY t; szX1 tl; szX2 tl; szX3 tl; szX4 tl", prefix));
    EXPECT_EQ(At(map, "PM001_T0101_tFrame[2]_szDY").text, "N");
    EXPECT_EQ(Texts(At(map, "PM001_T0101_tFrame[1]_szX3")), (std::vector<std::string>{"600"}));
    EXPECT_FALSE(Has(map, "PM001_T0101_tFrame[3]_szDY"));
}

TEST(CapBeamOutput, StirrupGroupsWriteTheirRecords)
{
    Atom atom;
    atom.XH.SetSize(2);
    atom.sg.fLayMode = 0;
    atom.sg.sg1.SetSize(2);
    atom.sg.sg2.SetSize(2);
    atom.sg.sg3.SetSize(2);
    atom.sg.sg1[0].R = "S1";
    atom.sg.sg1[0].Nori = 3;
    atom.sg.sg2[1].nr = 4;
    atom.sg.sg3[1].TL = 5400;
    OutputDataMap map;
    atom.OutPM001AtomData(map);
    for (int i : {1, 2}) {
        ExpectTable(map, Table(kStirrupRecord1, "PM001_T0101_sg1[" + std::to_string(i) + "]_"));
        ExpectTable(map, Table(kStirrupRecord2, "PM001_T0101_sg2[" + std::to_string(i) + "]_"));
        ExpectTable(map, Table(kStirrupRecord2, "PM001_T0101_sg3[" + std::to_string(i) + "]_"));
    }
    EXPECT_EQ(At(map, "PM001_T0101_sg1[1]_R").text, "S1");
    EXPECT_EQ(At(map, "PM001_T0101_sg1[1]_Nori").intValue, 3);
    EXPECT_EQ(At(map, "PM001_T0101_sg2[2]_nr").intValue, 4);
    EXPECT_EQ(At(map, "PM001_T0101_sg3[2]_TL").doubleValue, 5400);
    EXPECT_FALSE(Has(map, "PM001_T0101_sg1[3]_R"));
}

TEST(CapBeamOutput, SkewedStirrupsHaveNoThirdRecords)
{
    Atom atom;
    atom.XH.SetSize(1);
    atom.sg.fLayMode = 1;
    atom.sg.sg1.SetSize(1);
    atom.sg.sg2.SetSize(1);
    atom.sg.sg3.SetSize(1);
    OutputDataMap map;
    atom.OutPM001AtomData(map);
    EXPECT_TRUE(Has(map, "PM001_T0101_sg1[1]_R"));
    EXPECT_TRUE(Has(map, "PM001_T0101_sg2[1]_R"));
    EXPECT_EQ(CountWithPrefix(map, "PM001_T0101_sg3["), 0);
}

TEST(CapBeamOutput, OnlyTheStirrupRecordsThatExistAreWritten)
{
    // Three groups, but the lists hold two, one and no records.
    Atom atom;
    atom.XH.SetSize(3);
    atom.sg.sg1.SetSize(2);
    atom.sg.sg2.SetSize(1);
    OutputDataMap map;
    atom.OutPM001AtomData(map);
    EXPECT_EQ(CountWithPrefix(map, "PM001_T0101_sg1["), 2 * 8);
    EXPECT_EQ(CountWithPrefix(map, "PM001_T0101_sg2["), 8);
    EXPECT_EQ(CountWithPrefix(map, "PM001_T0101_sg3["), 0);
}

TEST(CapBeamOutput, RepeatedOutputGivesTheSameValues)
{
    std::unique_ptr<Atom> atom = BuildSampleAtom(0);
    OutputDataMap first, second;
    atom->OutPM001AtomData(first);
    atom->OutPM001AtomData(second);
    atom->OutPM001AtomData(second);
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [key, value] : first) EXPECT_EQ(value->ToText(), second.at(key)->ToText()) << key;
}
