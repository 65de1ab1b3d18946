// The columns on their foundation: outlines against the footing, pile head and pile cap at and
// across their edges, the size and spacing rows on piles, separate foundations, missing objects.
#include "diagnosis_case.h"

#include "module/pier_component.h"
#include "siblings/pile_cap_org.h"
#include "siblings/pile_foundation_org.h"
#include "siblings/spread_footing_org.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;

// The pier's whole diagnosis beside the component's foundation objects (none without a component).
int Diagnose(CPM001org& org, const CPM001Norm* norm)
{
    const PierSurroundings around = norm ? norm->Surroundings() : PierSurroundings{};
    return org.DoDiagnose(norm ? &around : nullptr, kDiagnosisLabel);
}

// The foundation group's entries as "part key: message", in the order reported.
Entries FoundationEntries(CPM001org& org, CPM001Norm* norm)
{
    ReportLog::Current().Clear();
    Diagnose(org, norm);
    Entries out;
    for (const ReportEntry& e : ReportLog::Current().Entries()) {
        const std::string& m = e.message.str();
        const bool mine = m.find("“墩柱平面”") == 0 || m.find("“相邻两墩柱横桥向间距”") == 0 ||
                          m.find("分离式基础") == 0 || m.find("“分离式基础”") == 0;
        if (e.kind != ReportEntry::Diagnose || !mine) continue;
        EXPECT_EQ(e.label, kDiagnosisLabel);
        EXPECT_EQ(e.type.str(), "Error");
        EXPECT_EQ(e.item, 0u);
        out.push_back(std::to_string(e.part) + " " + e.keys.str() + ": " + m);
    }
    ReportLog::Current().Clear();
    return out;
}

std::string Entry(unsigned part, const std::string& key, const std::string& message)
{
    return std::to_string(part) + " " + key + ": " + message;
}

void Rectangular(CPM001org& p, double across, double along)
{
    p.ColumnSectionType = 0;
    p.bRec = across;
    p.lRec = along;
    p.FilletMode = 0;
}

void Spacings(CPM001org& p, std::initializer_list<double> values)
{
    p.bBz.RemoveAll();
    for (double v : values) p.bBz.Add(v);
    p.ColumnHeights.RemoveAll();
    p.ColumnTopLevels.RemoveAll();
    for (std::size_t i = 0; i <= values.size(); ++i) {
        p.ColumnHeights.Add(8400.0);
        p.ColumnTopLevels.Add(98.4);
    }
}

void List(DblArray& list, std::initializer_list<double> values)
{
    list.RemoveAll();
    for (double v : values) list.Add(v);
}

// --- spread footing ---------------------------------------------------------------------------

const std::string kFootingTop = "“墩柱平面”不能越出“扩大基础顶层平面边缘范围”,可能";

Entries FootingOutside(std::initializer_list<const char*> columnKeys)
{
    Entries out;
    for (const char* key : columnKeys) out.push_back(Entry(6, key, kFootingTop + key + "有错"));
    for (const char* key : {"lKs_JICHU", "bKs_JICHU", "DY_JICHU"}) out.push_back(Entry(2, key, kFootingTop + key + "有错"));
    return out;
}

struct FootingCase {
    const char* name;
    std::function<void(CPM001org&, CPG001org&)> set;
    Entries expected;
};

// The sample pier's three circular columns (diameter 1400, 6500 apart: outer faces 7200 either
// side of the group's middle) on one footing 16000 across and 3000 along, no steps.
TEST(FoundationChecks, SpreadFootingOutlineAndSeparateFootings)
{
    const std::vector<FootingCase> cases = {
        {"whole group on one footing", [](CPM001org&, CPG001org&) {}, {}},
        {"outer faces on the footing's edges", [](CPM001org&, CPG001org& f) { f.bKs_JICHU = 14400.0; }, {}},
        // Both outer columns stand out 0.05 across: the first one is reported, the loop stops.
        {"footing 0.1 too short across", [](CPM001org&, CPG001org& f) { f.bKs_JICHU = 14399.9; },
         FootingOutside({"D"})},
        {"footing shorter along than the columns", [](CPM001org&, CPG001org& f) { f.lKs_JICHU = 1399.9; },
         FootingOutside({"D"})},
        {"columns 800 off the footing's middle along", [](CPM001org& p, CPG001org&) { p.DY = 800.0; }, {}},
        {"columns 800.1 off the footing's middle along", [](CPM001org& p, CPG001org&) { p.DY = 800.1; },
         FootingOutside({"D"})},
        {"rectangular columns on the edges", [](CPM001org& p, CPG001org& f) {
             Rectangular(p, 1600.0, 1200.0);
             f.bKs_JICHU = 14600.0;
         }, {}},
        {"rectangular columns standing out", [](CPM001org& p, CPG001org& f) {
             Rectangular(p, 1600.0, 1200.0);
             f.bKs_JICHU = 14599.9;
         }, FootingOutside({"lRec", "bRec"})},
        // A shared footing is not checked for overlap, whatever its steps.
        {"shared footing with wide steps", [](CPM001org&, CPG001org& f) {
             List(f.hTj_JICHU, {1000});
             List(f.bTjl_JICHU, {9000});
             List(f.bTjr_JICHU, {9000});
             List(f.lTj_JICHU, {500});
         }, {}},
    };
    for (const FootingCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto org = SoundPier();
        org->BaseType = 0;
        org->BaseLayMode = 1;
        CPM001Norm norm;
        norm.m_pFootingOrg = std::make_unique<CPG001org>();
        norm.m_pFootingOrg->lKs_JICHU = 3000.0;
        norm.m_pFootingOrg->bKs_JICHU = 16000.0;
        norm.m_pFootingOrg->hKs_JICHU = 1000.0;
        c.set(*org, *norm.m_pFootingOrg);
        EXPECT_EQ(FoundationEntries(*org, &norm), c.expected);
    }
}

TEST(FoundationChecks, SeparateFootingsAreCheckedForOverlapByTheFooting)
{
    // One column on each footing 1400 x 1400 (the column touches its edges); the footings' bottoms
    // are 1400 + sum of the left and right steps wide.
    const std::string overlap = "分离式基础时，“扩大基础平面”不能重叠";
    const auto run = [](double left, double right) {
        auto org = SoundPier();
        org->BaseType = 0;
        org->BaseLayMode = 0;
        CPM001Norm norm;
        norm.m_pFootingOrg = std::make_unique<CPG001org>();
        CPG001org& f = *norm.m_pFootingOrg;
        f.lKs_JICHU = 1400.0;
        f.bKs_JICHU = 1400.0;
        List(f.hTj_JICHU, {800, 800});
        List(f.bTjl_JICHU, {left, 100});
        List(f.bTjr_JICHU, {right, 100});
        List(f.lTj_JICHU, {500, 500});
        return FoundationEntries(*org, &norm);
    };
    EXPECT_EQ(run(2449.9, 2450.0), Entries{}) << "bottoms 6499.9 wide, 6500 apart";
    // 6500 wide: the first spacing is reported under the pier's key, then the footing's keys.
    EXPECT_EQ(run(2450.0, 2450.0), (Entries{Entry(6, "bBz", overlap + "，bBz有错误．"),
                                            Entry(2, "bKs_JICHU", overlap + "，可能bKs_JICHU有错误．"),
                                            Entry(2, "bTjl_JICHU", overlap + "，可能bTjl_JICHU有错误．"),
                                            Entry(2, "bTjr_JICHU", overlap + "，可能bTjr_JICHU有错误．")}));
}

// --- pile foundation --------------------------------------------------------------------------

const std::string kPileEdge = "“墩柱平面”不能越出“桩基础平面边缘范围”";

struct PileCase {
    const char* name;
    std::function<void(CPM001org&, CPG002org&)> set;
    Entries expected;
};

// The sample pier's columns on piles of 1500 without enlarged heads.
TEST(FoundationChecks, PileSizesSpacingsAndOutline)
{
    const std::string spacing = "“相邻两墩柱横桥向间距”应大于“桩径”";
    const std::string spacingHead = "“相邻两墩柱横桥向间距”应大于“桩头加粗段桩径”";
    const std::vector<PileCase> cases = {
        {"columns narrower than the piles", [](CPM001org&, CPG002org&) {}, {}},
        {"column as wide as the pile, spacing equal to it",
         [](CPM001org& p, CPG002org&) {
             p.D = 1500.0;
             Spacings(p, {1500.0, 1500.0});
         },
         {Entry(6, "bBz", spacing + "，bBz有错误．"), Entry(3, "rZ_JICHU", spacing + "，rZ_JICHU有错误．")}},
        {"column wider than the pile", [](CPM001org& p, CPG002org&) { p.D = 1500.5; },
         {Entry(6, "D", kPileEdge + "，D有错误．"), Entry(3, "rZ_JICHU", kPileEdge + "，rZ_JICHU有错误．")}},
        {"enlarged head carries the wider column",
         [](CPM001org& p, CPG002org& z) {
             z.fC_JICHU = 1;
             z.rC_JICHU = 1800.0;
             p.D = 1800.0;
             Spacings(p, {6500.0, 1800.0});
         },
         {Entry(6, "bBz", spacingHead + "，bBz有错误．"), Entry(3, "rC_JICHU", spacingHead + "，rC_JICHU有错误．")}},
        {"enlarged head narrower than the column",
         [](CPM001org& p, CPG002org& z) {
             z.fC_JICHU = 1;
             z.rC_JICHU = 1800.0;
             p.D = 1900.0;
         },
         {Entry(6, "D", kPileEdge + "，D有错误．"), Entry(3, "rC_JICHU", kPileEdge + "，rC_JICHU有错误．")}},
        // A square column 1060.8 wide has its corners 750.10 from the pile centre: within 0.2 of
        // the pile's edge (radius 750).
        {"square column corners within 0.2 of the pile edge",
         [](CPM001org& p, CPG002org&) { Rectangular(p, 1060.8, 1060.8); }, {}},
        // 1061 wide: corners 750.24 out, more than 0.2 beyond the edge.
        {"square column corners beyond the pile edge",
         [](CPM001org& p, CPG002org&) { Rectangular(p, 1061.0, 1061.0); },
         {Entry(6, "bRec", kPileEdge + ",可能bRec有错误"), Entry(6, "lRec", kPileEdge + ",可能lRec有错误")}},
        // The outline test of a rectangular column runs only when the diameter field is not larger
        // than the pile.
        {"outline not tested when D exceeds the pile",
         [](CPM001org& p, CPG002org&) {
             Rectangular(p, 1061.0, 1061.0);
             p.D = 1500.1;
         }, {}},
        {"outline tested when D is the pile's",
         [](CPM001org& p, CPG002org&) {
             Rectangular(p, 1061.0, 1061.0);
             p.D = 1500.0;
         },
         {Entry(6, "bRec", kPileEdge + ",可能bRec有错误"), Entry(6, "lRec", kPileEdge + ",可能lRec有错误")}},
        {"rectangular column wider and longer than the pile",
         [](CPM001org& p, CPG002org&) { Rectangular(p, 1600.0, 1550.0); },
         {Entry(6, "bRec", kPileEdge + "，bRec有错误．"), Entry(3, "rZ_JICHU", kPileEdge + "，rZ_JICHU有错误．"),
          Entry(6, "lRec", kPileEdge + "，lRec有错误．"), Entry(3, "rZ_JICHU", kPileEdge + "，rZ_JICHU有错误．"),
          Entry(6, "bRec", kPileEdge + ",可能bRec有错误"), Entry(6, "lRec", kPileEdge + ",可能lRec有错误")}},
        {"one column: no spacing rows", [](CPM001org& p, CPG002org&) { Spacings(p, {}); }, {}},
    };
    for (const PileCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto org = SoundPier();
        org->BaseType = 1;
        org->BaseLayMode = 1;
        CPM001Norm norm;
        norm.m_pPileOrg = std::make_unique<CPG002org>();
        norm.m_pPileOrg->rZ_JICHU = 1500.0;
        c.set(*org, *norm.m_pPileOrg);
        EXPECT_EQ(FoundationEntries(*org, &norm), c.expected);
    }
}

// --- pile cap ---------------------------------------------------------------------------------

const std::string kCapColumn = "“墩柱平面”不能越出“桩基础平面边缘范围”,可能";
const std::string kCapEdge = "“墩柱平面”不能越出“基础平面边缘范围”,可能";

Entries CapOutside(std::initializer_list<const char*> columnKeys, bool roundEnded)
{
    Entries out;
    for (const char* key : columnKeys) out.push_back(Entry(6, key, kCapColumn + key + "有错误"));
    for (const char* key : {"lT_JICHU", "bT_JICHU", "DY_JICHU"}) out.push_back(Entry(4, key, kCapEdge + key + "有错误"));
    if (roundEnded) out.push_back(Entry(4, "bYz_JICHU", kCapEdge + "bYz_JICHU有错误"));
    return out;
}

struct CapCase {
    const char* name;
    std::function<void(CPM001org&, CPG003org&, int&)> set;
    Entries expected;
};

// The sample pier's columns (outer faces 7200 either side) on a rectangular cap 16000 x 3000
// under the whole group.
TEST(FoundationChecks, PileCapOutlineAndSeparateCaps)
{
    const std::string overlap = "分离式基础时，“矩形承台平面”不能重叠";
    const std::string roundSeparate = "“分离式基础”时，不能选择“圆端形承台”,可能PileCapTtype_JICHU有错误";
    const std::vector<CapCase> cases = {
        {"group on the cap", [](CPM001org&, CPG003org&, int&) {}, {}},
        // Outer faces 0.15 beyond the cap's ends: within the tolerance of 0.2.
        {"columns 0.15 beyond the ends", [](CPM001org&, CPG003org& c, int&) { c.bT_JICHU = 14399.7; }, {}},
        {"columns 0.25 beyond the ends", [](CPM001org&, CPG003org& c, int&) { c.bT_JICHU = 14399.5; },
         CapOutside({"D"}, false)},
        {"round-ended variant names the end radius too",
         [](CPM001org&, CPG003org& c, int& variant) {
             c.bT_JICHU = 14399.5;
             variant = 1;
         },
         CapOutside({"D"}, true)},
        {"rectangular columns beyond the cap along",
         [](CPM001org& p, CPG003org& c, int&) {
             Rectangular(p, 1600.0, 1200.0);
             c.lT_JICHU = 1199.5;
         },
         CapOutside({"bRec", "lRec"}, false)},
        // Round ends of radius 1500 (half circles) on a cap 14400 long: the end arcs are centred
        // 5700 from the middle and pass through the outer columns' faces at 7200.
        {"round ends touching the outer columns",
         [](CPM001org&, CPG003org& c, int& variant) {
             c.PileCapTtype_JICHU = 1;
             c.bYz_JICHU = 1500.0;
             c.bT_JICHU = 14400.0;
             variant = 1;
         }, {}},
        {"round ends 0.25 short of the outer columns",
         [](CPM001org&, CPG003org& c, int& variant) {
             c.PileCapTtype_JICHU = 1;
             c.bYz_JICHU = 1500.0;
             c.bT_JICHU = 14399.5;
             variant = 1;
         },
         CapOutside({"D"}, true)},
        // One column on each cap: caps as long as the spacing touch and are reported.
        {"separate rectangular caps touching",
         [](CPM001org& p, CPG003org& c, int&) {
             p.BaseLayMode = 0;
             c.bT_JICHU = 6500.0;
         },
         {Entry(6, "bBz", overlap + "，bBz有错误．"), Entry(4, "bT_JICHU", overlap + "，bT_JICHU有错误．")}},
        {"separate rectangular caps apart",
         [](CPM001org& p, CPG003org& c, int&) {
             p.BaseLayMode = 0;
             c.bT_JICHU = 6499.9;
         }, {}},
        {"separate round-ended caps",
         [](CPM001org& p, CPG003org& c, int& variant) {
             p.BaseLayMode = 0;
             c.PileCapTtype_JICHU = 1;
             c.bYz_JICHU = 1500.0;
             c.bT_JICHU = 6500.0;   // as long as the spacing, but the overlap rows are for rectangular caps
             variant = 1;
         },
         {Entry(4, "PileCapTtype_JICHU", roundSeparate)}},
        {"separate caps of the third body", [](CPM001org& p, CPG003org& c, int& variant) {
             p.BaseLayMode = 0;
             c.PileCapTtype_JICHU = 2;
             c.bT_JICHU = 6500.0;
             variant = 2;
         }, {}},
    };
    for (const CapCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto org = SoundPier();
        org->BaseType = 2;
        org->BaseLayMode = 1;
        CPM001Norm norm;
        norm.m_pPileCapOrg = std::make_unique<CPG003org>();
        CPG003org& cap = *norm.m_pPileCapOrg;
        cap.PileCapTtype_JICHU = 0;
        cap.lT_JICHU = 3000.0;
        cap.bT_JICHU = 16000.0;
        norm.m_nPileCapVariant = 0;
        c.set(*org, cap, norm.m_nPileCapVariant);
        EXPECT_EQ(FoundationEntries(*org, &norm), c.expected);
    }
}

// --- dispatch ---------------------------------------------------------------------------------

TEST(FoundationChecks, MissingFoundationObjectOrUnknownKindSkipsTheGroup)
{
    // Every foundation would fail if it were tested: columns far wider than each.
    auto failing = [] {
        auto norm = std::make_unique<CPM001Norm>();
        norm->m_pFootingOrg = std::make_unique<CPG001org>();
        norm->m_pPileOrg = std::make_unique<CPG002org>();
        norm->m_pPileOrg->rZ_JICHU = 100.0;
        norm->m_pPileCapOrg = std::make_unique<CPG003org>();
        return norm;
    };
    for (int kind : {0, 1, 2}) {
        SCOPED_TRACE(kind);
        auto org = SoundPier();
        org->BaseType = kind;
        org->BaseLayMode = 1;
        auto norm = failing();
        EXPECT_FALSE(FoundationEntries(*org, norm.get()).empty()) << "the object of the kind is tested";
        if (kind == 0) norm->m_pFootingOrg.reset();
        if (kind == 1) norm->m_pPileOrg.reset();
        if (kind == 2) norm->m_pPileCapOrg.reset();
        EXPECT_EQ(FoundationEntries(*org, norm.get()), Entries{});
        EXPECT_EQ(Diagnose(*org, norm.get()), 1) << "nothing else of the sound pier fails";
        EXPECT_EQ(FoundationEntries(*org, nullptr), Entries{});
    }
    for (int kind : {-1, 3}) {
        auto org = SoundPier();
        org->BaseType = kind;
        auto norm = failing();
        EXPECT_EQ(FoundationEntries(*org, norm.get()), Entries{});
    }
}

TEST(FoundationChecks, ViolationFailsTheDiagnosis)
{
    auto org = SoundPier();
    org->BaseType = 2;
    org->BaseLayMode = 0;
    CPM001Norm norm;
    norm.m_pPileCapOrg = std::make_unique<CPG003org>();
    norm.m_pPileCapOrg->PileCapTtype_JICHU = 1;
    norm.m_pPileCapOrg->lT_JICHU = 3000.0;
    norm.m_pPileCapOrg->bT_JICHU = 3000.0;
    norm.m_pPileCapOrg->bYz_JICHU = 1500.0;
    norm.m_nPileCapVariant = 1;
    EXPECT_EQ(Diagnose(*org, &norm), 0);
    norm.m_nPileCapVariant = 0;
    norm.m_pPileCapOrg->PileCapTtype_JICHU = 0;
    EXPECT_EQ(Diagnose(*org, &norm), 1);
    ReportLog::Current().Clear();
}

} // namespace

// A pier with more columns than it may have gets the count diagnostic only: no column is set on
// its foundation and no spacing compared. Columns 100 apart (narrower than the columns) on a
// foundation too small for them: with 20 columns each kind reports them, with 21 none does.
TEST(FoundationChecks, TooManyColumnsAreNotSetOnTheFoundation)
{
    for (const int columns : {20, 21}) {
        SCOPED_TRACE(columns);
        auto pier = [columns](int baseType) {
            auto org = SoundPier();
            org->BaseType = baseType;
            org->BaseLayMode = 0;
            org->bBz.RemoveAll();
            for (int i = 1; i < columns; ++i) org->bBz.Add(100.0);
            return org;
        };
        const bool reported = columns == 20;
        {
            auto org = pier(0);
            CPM001Norm norm;
            norm.m_pFootingOrg = std::make_unique<CPG001org>();
            norm.m_pFootingOrg->lKs_JICHU = 1000.0;
            norm.m_pFootingOrg->bKs_JICHU = 1000.0;
            EXPECT_EQ(!FoundationEntries(*org, &norm).empty(), reported) << "footing";
        }
        {
            auto org = pier(1);
            CPM001Norm norm;
            norm.m_pPileOrg = std::make_unique<CPG002org>();
            norm.m_pPileOrg->rZ_JICHU = 1500.0;
            EXPECT_EQ(!FoundationEntries(*org, &norm).empty(), reported) << "piles";
        }
        {
            auto org = pier(2);
            CPM001Norm norm;
            norm.m_pPileCapOrg = std::make_unique<CPG003org>();
            norm.m_pPileCapOrg->lT_JICHU = 1000.0;
            norm.m_pPileCapOrg->bT_JICHU = 1000.0;
            norm.m_pPileCapOrg->PileCapTtype_JICHU = 0;
            norm.m_nPileCapVariant = 0;   // rectangular: separate caps are allowed
            EXPECT_EQ(!FoundationEntries(*org, &norm).empty(), reported) << "pile cap";
        }
    }
}
