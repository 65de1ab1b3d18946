// The tendons' named output values: names, kinds and decimals by the published tables, record
// numbering, gathered columns, the section labels, and the cap beam handing its map on.
#include "tendon/design_object.h"

#include "capbeam/cap_beam_reinforcement.h"
#include "capbeam/cap_beam_reinforcement_test_support.h"
#include "tendon/sample.h"
#include "published_names.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Atom = CPM001T010401Atom;
using Kind = CBGOutputData::Type;
using Strings = std::vector<std::string>;

// The published names with their kinds: i int, r real, t text, il int list, rl real list, tl text
// list; "rl4" a real list with four decimals.
const char* const kFirstMembers =
    "ib r; dAc r; enSection tl; FVHP i; fm r; fmr r; fJGDC i; FVLH i; nLH i; FVPM i; FVcurve i; "
    "FVCkplace i; FVys i; FVszb i; js r; PSF t; FVleader i; cU t; AnchorsFlag il";
const char* const kListsBetween =
    "ZLNameAr_name tl; ZLNameAr_n il; fmxl rl; fmxr rl; Ps rl; Pgdsl rl; Pgdsr rl";
const char* const kLastMembers =
    "ZVer_plotR tl; szMEM t; mul i; SMM i; mul_SMM i; szpar t; szint t; B_Bnd rl; B_Bnh_Bnw tl; "
    "M_Alias tl; SBtype i; SBd r; Ldis r; Cdis r; SBL i; SBgame r; SBgama r; SBmass r; PY r; er r";
const char* const kTendon =
    "Index i; m i; n i; name t; Y rl; YSeries t; Ytype i; YAlias t; fpk r; Yarea r; Ygama r; R t";
const char* const kNodeColumns =
    "LNode_NR tl; LNode_property il; LNode_X rl; LNode_Refline il; LNode_refZ rl; LNode_Z rl; "
    "LNode_ZZ rl; LNode_R rl; LNode_alf rl4; LNode_T rl; LNode_S rl; LNode_E rl";
const char* const kTendonFurther =
    "L rl; Ckline i; Ckplace i; Dsx rl; Ysx rl; YZ rl; X rl; Z rl; PT i; FVPTL i; FVPTR i; FVPTLDL i; "
    "FVPTQPL i; FVPTLDR i; FVPTQPR i; PC r; PCT r; cl_DEL r; cl_ELL r; cl_ELR r; cl_TL r; cl_ES r; "
    "Mn r; Mng r; lMC i; rMC i";
const char* const kMaterial =
    "cl_DSeries t; cl_DSeriesIndex t; cl_DAias t; cl_Dc r; cl_Dl r; cl_MDl r; cl_El r; cl_Bseries t; "
    "cl_BseriesIndex t; cl_BAlias t; cl_Btype i; cl_Bmat t; cl_Bnd r; cl_Bwd r; cl_Bnh r; cl_Bwh r; "
    "cl_Bnw r; cl_Bww r; cl_BL r; "
    "cl_MLSeries t; cl_MLSeriesIndex t; cl_MLAlias t; cl_MLtype i; cl_MLPT i; cl_MLwidth r; "
    "cl_MLheight r; cl_MLbd r; cl_MLbw r; cl_MLbh r; cl_MLdd r; cl_MLww r; cl_MLhh r; cl_MLCapTH r; "
    "cl_MRSeries t; cl_MRSeriesIndex t; cl_MRAlias t; cl_MRtype i; cl_MRPT i; cl_MRwidth r; "
    "cl_MRheight r; cl_MRbd r; cl_MRbw r; cl_MRbh r; cl_MRdd r; cl_MRww r; cl_MRhh r; cl_MRCapTH r";
const char* const kSection =
    "hD r; VStatus il; FVwzh il; TR tl; TsR tl; BsR tl; BR tl; Tx rl; Fs rl; Fx rl; Bx rl; TFs rl; "
    "BFx rl; Tz rl; Bz rl; Tb r; Ba r; ms r";
const char* const kPlanGroup = "QHName t; QR t; L r; N i; SR tl; SDR tl";

struct Entry {
    std::string name;
    Kind kind;
    int decimals;   // for reals and real lists
};

std::vector<Entry> Table(const char* table, const std::string& prefix)
{
    std::vector<Entry> out;
    std::stringstream in(table);
    std::string item;
    while (std::getline(in, item, ';')) {
        std::stringstream words(item);
        std::string name, code;
        words >> name >> code;
        Entry e{prefix + name, CBGOutputData::TextList, 1};
        if (code == "i") e.kind = CBGOutputData::Int;
        else if (code == "r") e.kind = CBGOutputData::Double;
        else if (code == "t") e.kind = CBGOutputData::Text;
        else if (code == "il") e.kind = CBGOutputData::IntList;
        else if (code == "rl") e.kind = CBGOutputData::DoubleList;
        else if (code == "rl4") e.kind = CBGOutputData::DoubleList, e.decimals = 4;
        else if (code != "tl") throw std::logic_error("unknown kind " + code);
        out.push_back(e);
    }
    return out;
}

std::vector<Entry> ObjectTable()
{
    std::vector<Entry> all;
    for (const char* t : {kFirstMembers, kListsBetween, kLastMembers}) {
        for (const Entry& e : Table(t, "PM001_T0104_")) all.push_back(e);
    }
    return all;
}

std::vector<Entry> TendonTable(int i)
{
    const std::string prefix = "PM001_T0104_Steel[" + std::to_string(i) + "]_";
    std::vector<Entry> all;
    for (const char* t : {kTendon, kNodeColumns, kTendonFurther, kMaterial}) {
        for (const Entry& e : Table(t, prefix)) all.push_back(e);
    }
    return all;
}

// Every entry is in the map with its kind and decimals, and no note.
void ExpectTable(const OutputDataMap& map, const std::vector<Entry>& table)
{
    for (const Entry& e : table) {
        const auto found = map.find(CString(e.name));
        ASSERT_NE(found, map.end()) << e.name;
        EXPECT_EQ(found->second->type, e.kind) << e.name;
        if (e.kind == CBGOutputData::Double || e.kind == CBGOutputData::DoubleList) {
            EXPECT_EQ(found->second->decimals, e.decimals) << e.name;
        }
        EXPECT_TRUE(found->second->note.IsEmpty()) << e.name;
    }
}

const CBGOutputData& At(const OutputDataMap& map, const std::string& key)
{
    const auto found = map.find(CString(key));
    if (found == map.end()) throw std::runtime_error("no output value " + key);
    return *found->second;
}

bool Has(const OutputDataMap& map, const std::string& key)
{
    return map.count(CString(key)) != 0;
}

std::vector<double> Reals(const CBGOutputData& v)
{
    return std::vector<double>(v.doubleList.begin(), v.doubleList.end());
}

std::vector<int> Ints(const CBGOutputData& v)
{
    return std::vector<int>(v.intList.begin(), v.intList.end());
}

Strings Texts(const CBGOutputData& v)
{
    Strings out;
    for (const CString& t : v.textList) out.push_back(t.str());
    return out;
}

int CountWithPrefix(const OutputDataMap& map, const std::string& prefix)
{
    int n = 0;
    for (const auto& [key, value] : map) n += key.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
}

OutputDataMap Output(Atom& atom)
{
    OutputDataMap map;
    atom.OutPM00104AtomData(map);
    return map;
}

// Kind, decimals and value of one record, as text for comparison.
std::string Describe(const CBGOutputData& v)
{
    std::ostringstream out;
    out << v.type << '/' << v.decimals << '/' << v.intValue << '/' << v.doubleValue << '/' << v.text.str() << '/';
    for (int x : v.intList) out << x << ',';
    out << '/';
    for (double x : v.doubleList) out << x << ',';
    out << '/';
    for (const CString& t : v.textList) out << t.str() << ',';
    return out.str();
}

} // namespace

TEST(TendonOutput, AnEmptyObjectPublishesTheFortySixObjectKeys)
{
    Atom atom;
    const OutputDataMap map = Output(atom);
    ExpectTable(map, ObjectTable());
    std::set<std::string> listed;
    for (const Entry& e : ObjectTable()) listed.insert(e.name);
    EXPECT_EQ(listed.size(), 46u);
    EXPECT_EQ(PublishedNamesAgainst(map, listed), "");
    EXPECT_EQ(CountWithPrefix(map, "PM001_T0104_Steel"), 0);
    EXPECT_EQ(CountWithPrefix(map, "PM001_T0104_HD"), 0);
    EXPECT_EQ(CountWithPrefix(map, "PM001_T0104_QH"), 0);
    // Empty lists are published as empty lists.
    EXPECT_TRUE(Texts(At(map, "PM001_T0104_enSection")).empty());
    EXPECT_TRUE(Texts(At(map, "PM001_T0104_ZLNameAr_name")).empty());
    EXPECT_TRUE(Ints(At(map, "PM001_T0104_ZLNameAr_n")).empty());
}

TEST(TendonOutput, EveryRecordPublishesItsTable)
{
    auto atom = BuildSampleTendons();
    const OutputDataMap map = Output(*atom);
    ExpectTable(map, ObjectTable());
    ExpectTable(map, TendonTable(1));
    ExpectTable(map, TendonTable(2));
    for (int i = 1; i <= 3; ++i) ExpectTable(map, Table(kSection, "PM001_T0104_HD[" + std::to_string(i) + "]_"));
    for (int i = 1; i <= 2; ++i) ExpectTable(map, Table(kPlanGroup, "PM001_T0104_QH[" + std::to_string(i) + "]_"));
    ASSERT_EQ(Table(kSection, "").size(), 18u);
    ASSERT_EQ(TendonTable(1).size(), 97u);
    // 46 object keys, 97 per tendon, 18 per section view, 6 per plan group, one per overlap entry
    // (the first plan group's two), and nothing besides.
    std::set<std::string> listed{"PM001_T0104_QH[1]_Roverlap[1]", "PM001_T0104_QH[1]_Roverlap[2]"};
    for (const auto& table : {ObjectTable(), TendonTable(1), TendonTable(2)})
        for (const Entry& e : table) listed.insert(e.name);
    for (int i = 1; i <= 3; ++i)
        for (const Entry& e : Table(kSection, "PM001_T0104_HD[" + std::to_string(i) + "]_")) listed.insert(e.name);
    for (int i = 1; i <= 2; ++i)
        for (const Entry& e : Table(kPlanGroup, "PM001_T0104_QH[" + std::to_string(i) + "]_")) listed.insert(e.name);
    EXPECT_EQ(listed.size(), 46u + 2 * 97u + 3 * 18u + 2 * 6u + 2u);
    EXPECT_EQ(PublishedNamesAgainst(map, listed), "");
}

TEST(TendonOutput, RecordIndicesCountFromOne)
{
    auto atom = BuildSampleTendons();
    const OutputDataMap map = Output(*atom);
    EXPECT_EQ(At(map, "PM001_T0104_Steel[1]_Index").intValue, 0);
    EXPECT_EQ(At(map, "PM001_T0104_Steel[2]_Index").intValue, 1);
    EXPECT_FALSE(Has(map, "PM001_T0104_Steel[0]_Index"));
    EXPECT_FALSE(Has(map, "PM001_T0104_Steel[3]_Index"));
    EXPECT_FALSE(Has(map, "PM001_T0104_Steel[2]_cl_Index"));
    EXPECT_TRUE(Has(map, "PM001_T0104_Steel[1]_cl_DSeries"));
    EXPECT_TRUE(Has(map, "PM001_T0104_Steel[1]_cl_MRCapTH"));
    EXPECT_FALSE(Has(map, "PM001_T0104_Steel[1]_cl_cl_DEL"));
    EXPECT_EQ(At(map, "PM001_T0104_HD[2]_hD").doubleValue, atom->SectionHD[1].hD);
    EXPECT_EQ(At(map, "PM001_T0104_QH[2]_QHName").text, "Q2");
}

TEST(TendonOutput, TheTenthTendonIsNotPadded)
{
    Atom atom;
    for (int i = 0; i < 10; ++i) {
        auto s = std::make_unique<Atom::M_Steel>();
        s->Index = i;
        atom.Steel.push_back(std::move(s));
    }
    const OutputDataMap map = Output(atom);
    EXPECT_EQ(At(map, "PM001_T0104_Steel[10]_Index").intValue, 9);
    EXPECT_FALSE(Has(map, "PM001_T0104_Steel[010]_Index"));
    std::set<std::string> listed;
    for (const Entry& e : ObjectTable()) listed.insert(e.name);
    for (int i = 1; i <= 10; ++i)
        for (const Entry& e : TendonTable(i)) listed.insert(e.name);
    EXPECT_EQ(listed.size(), 46u + 10 * 97u);
    EXPECT_EQ(PublishedNamesAgainst(map, listed), "");
}

TEST(TendonOutput, ATendonWithoutNodesPublishesEmptyNodeColumns)
{
    Atom atom;
    atom.Steel.push_back(std::make_unique<Atom::M_Steel>());
    const OutputDataMap map = Output(atom);
    for (const Entry& e : Table(kNodeColumns, "PM001_T0104_Steel[1]_")) {
        const CBGOutputData& v = At(map, e.name);
        EXPECT_EQ(v.intList.GetSize() + v.doubleList.GetSize() + v.textList.GetSize(), 0) << e.name;
    }
    // A fresh tendon's end kinds are -1.
    EXPECT_EQ(At(map, "PM001_T0104_Steel[1]_lMC").intValue, -1);
    EXPECT_EQ(At(map, "PM001_T0104_Steel[1]_rMC").intValue, -1);
}

TEST(TendonOutput, NodeColumnsFollowTheNodes)
{
    Atom atom;
    auto s = std::make_unique<Atom::M_Steel>();
    const double xs[] = {0.0, 4275.0, 8550.0};
    for (int k = 0; k < 3; ++k) {
        Atom::M_LNode node;
        node.NR.Format("%d", k + 1);
        node.property = 10 + k;
        node.X = xs[k];
        node.Refline = k % 2;
        node.refZ = 100.0 * k;
        node.Z = 200.0 * k;
        node.ZZ = 300.0 * k;
        node.R = 400.0 * k;
        node.alf = 0.0123 * k;
        node.T = 5.0 * k;
        node.S = 6.0 * k;
        node.E = 7.0 * k;
        s->LNode.Add(node);
    }
    atom.Steel.push_back(std::move(s));
    const OutputDataMap map = Output(atom);
    const std::string p = "PM001_T0104_Steel[1]_LNode_";
    EXPECT_EQ(Texts(At(map, p + "NR")), (Strings{"1", "2", "3"}));
    EXPECT_EQ(Ints(At(map, p + "property")), (std::vector<int>{10, 11, 12}));
    EXPECT_EQ(Reals(At(map, p + "X")), (std::vector<double>{0.0, 4275.0, 8550.0}));
    EXPECT_EQ(Ints(At(map, p + "Refline")), (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(Reals(At(map, p + "refZ")), (std::vector<double>{0, 100, 200}));
    EXPECT_EQ(Reals(At(map, p + "Z")), (std::vector<double>{0, 200, 400}));
    EXPECT_EQ(Reals(At(map, p + "ZZ")), (std::vector<double>{0, 300, 600}));
    EXPECT_EQ(Reals(At(map, p + "R")), (std::vector<double>{0, 400, 800}));
    EXPECT_EQ(Reals(At(map, p + "alf")), (std::vector<double>{0.0, 0.0123, 0.0246}));
    EXPECT_EQ(Reals(At(map, p + "T")), (std::vector<double>{0, 5, 10}));
    EXPECT_EQ(Reals(At(map, p + "S")), (std::vector<double>{0, 6, 12}));
    EXPECT_EQ(Reals(At(map, p + "E")), (std::vector<double>{0, 7, 14}));
    // The deflection is printed with four decimals.
    EXPECT_EQ(At(map, p + "alf").ToText(), "0.0000,0.0123,0.0246");
}

TEST(TendonOutput, ValuesAreTheMembersAndFields)
{
    auto atom = BuildSampleTendons();
    atom->Steel[1]->cl.DAias = "YCW250B";
    atom->Steel[1]->cl_TL = 8720.0;
    atom->Steel[1]->cl.MLbd = 18.5;
    const OutputDataMap map = Output(*atom);
    EXPECT_EQ(At(map, "PM001_T0104_fm").doubleValue, 250.0);
    EXPECT_EQ(At(map, "PM001_T0104_PSF").text, "N");
    EXPECT_EQ(At(map, "PM001_T0104_nLH").intValue, 2);
    EXPECT_EQ(Ints(At(map, "PM001_T0104_AnchorsFlag")), (std::vector<int>{1, 4}));
    EXPECT_EQ(At(map, "PM001_T0104_Steel[2]_cl_DAias").text, "YCW250B");
    EXPECT_EQ(At(map, "PM001_T0104_Steel[2]_cl_TL").doubleValue, 8720.0);
    EXPECT_EQ(At(map, "PM001_T0104_Steel[2]_cl_MLbd").doubleValue, 18.5);
    EXPECT_EQ(Reals(At(map, "PM001_T0104_Steel[2]_Y")), (std::vector<double>{150.0, 300.0}));
    EXPECT_EQ(Texts(At(map, "PM001_T0104_ZLNameAr_name")), (Strings{"N1", "钢束"}));
    EXPECT_EQ(Ints(At(map, "PM001_T0104_ZLNameAr_n")), (std::vector<int>{2, 4}));
    EXPECT_EQ(Reals(At(map, "PM001_T0104_Ps")), (std::vector<double>{200.0, 1800.0}));
    for (const char* gaps : {"Ps", "Pgdsl", "Pgdsr"})
        EXPECT_EQ(At(map, std::string("PM001_T0104_") + gaps).kind, &OutputKinds::Length) << gaps;
    for (const char* anchorages : {"Mn", "Mng"})
        EXPECT_EQ(At(map, std::string("PM001_T0104_Steel[1]_") + anchorages).kind, &OutputKinds::Count) << anchorages;
    EXPECT_EQ(Texts(At(map, "PM001_T0104_QH[1]_SDR")), (Strings{"N1", "N2"}));
    EXPECT_EQ(At(map, "PM001_T0104_szMEM").text, "钢束数量表");
    EXPECT_EQ(At(map, "PM001_T0104_SBL").intValue, 24);
    EXPECT_EQ(At(map, "PM001_T0104_SBgame").doubleValue, 0.888);
    EXPECT_EQ(At(map, "PM001_T0104_SBgama").doubleValue, 0.9);
}

TEST(TendonOutput, OverlapEntriesPublishTheirListUnderTheirOwnKey)
{
    auto atom = BuildSampleTendons();
    // The second group gets one overlap entry; the first already has two.
    auto entry = std::make_unique<Atom::M_Roverlap>();
    entry->SteelR = "N1";
    entry->OverlapR.Add("N2");
    entry->OverlapR.Add("N3");
    atom->QH[1]->Roverlap.push_back(std::move(entry));
    const OutputDataMap map = Output(*atom);
    EXPECT_EQ(Texts(At(map, "PM001_T0104_QH[1]_Roverlap[1]")), (Strings{"N2"}));
    EXPECT_TRUE(Texts(At(map, "PM001_T0104_QH[1]_Roverlap[2]")).empty());
    EXPECT_EQ(Texts(At(map, "PM001_T0104_QH[2]_Roverlap[1]")), (Strings{"N2", "N3"}));
    EXPECT_EQ(At(map, "PM001_T0104_QH[2]_Roverlap[1]").type, CBGOutputData::TextList);
    EXPECT_FALSE(Has(map, "PM001_T0104_QH[2]_Roverlap[2]"));
    EXPECT_FALSE(Has(map, "PM001_T0104_QH[1]_Roverlap[1]_SteelR"));
    EXPECT_EQ(CountWithPrefix(map, "PM001_T0104_QH[2]_"), 7);
}

TEST(TendonOutput, SectionNumbersAreWrittenAsRomanNumerals)
{
    Atom atom;
    for (int k : {1, 2, 1}) atom.enSection.Add(k);
    const OutputDataMap map = Output(atom);
    EXPECT_EQ(Texts(At(map, "PM001_T0104_enSection")), (Strings{"Ⅰ", "Ⅱ", "Ⅰ"}));
}

TEST(TendonOutput, ALoadedObjectPublishesWhatTheStoredOneDid)
{
    auto stored = BuildSampleTendons();
    const OutputDataMap before = Output(*stored);
    auto loaded = LoadTendons(StoreTendons(*stored));
    const OutputDataMap after = Output(*loaded);
    ASSERT_EQ(before.size(), after.size());
    for (const auto& [key, value] : before) {
        ASSERT_TRUE(Has(after, std::string(key))) << std::string(key);
        EXPECT_EQ(Describe(*value), Describe(At(after, std::string(key)))) << std::string(key);
    }
}

TEST(TendonOutput, APrestressedCapBeamEndsWithItsTendonValues)
{
    auto beam = BuildSampleAtom(1);
    OutputDataMap map;
    beam->OutPM001AtomData(map);
    EXPECT_EQ(CountWithPrefix(map, "PM001_T0104_"), 46 + 2 * 97 + 3 * 18 + 2 * 6 + 2);
    EXPECT_EQ(At(map, "PM001_T0104_Steel[1]_R").text, "N1");
}

TEST(TendonOutput, OnlyAPrestressedCapBeamWithTendonsPublishesThem)
{
    // Tendons held but the beam not prestressed.
    CPM001T0101Atom plain;
    CPM001T0101AtomTestAccess::AdoptTendon(plain, BuildSampleTendons());
    OutputDataMap map;
    plain.OutPM001AtomData(map);
    EXPECT_EQ(CountWithPrefix(map, "PM001_T0104_"), 0);

    // Prestressed but without a tendon object: the cap beam's own values only.
    CPM001T0101Atom bare;
    bare.JGType = 1;
    OutputDataMap bareMap;
    bare.OutPM001AtomData(bareMap);
    EXPECT_EQ(CountWithPrefix(bareMap, "PM001_T0104_"), 0);
    EXPECT_TRUE(Has(bareMap, "PM001_T0101_JGType"));
}
