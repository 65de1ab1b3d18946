// Lists whose count is out of range get the count diagnostic only, however long they are.
#include "diagnosis_case.h"
#include "input/diagnose_limits.h"
#include "pier_input_case.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* const kRect = "GJZ300×400×52";   // 300 along the bridge, 400 across

// "key: message" of every diagnostic entry of one diagnosis.
std::vector<std::string> AllEntries(CPM001org& org, int* ok = nullptr)
{
    const Diagnosis d(org);
    if (ok) *ok = d.ok;
    std::vector<std::string> out;
    for (const ReportEntry& e : d.entries)
        if (e.kind == ReportEntry::Diagnose) out.push_back(e.keys.str() + ": " + e.message.str());
    return out;
}

int CountHolding(const std::vector<std::string>& entries, const char* fragment)
{
    int n = 0;
    for (const std::string& e : entries) n += e.find(fragment) != std::string::npos ? 1 : 0;
    return n;
}

// n bearings on pedestals 600 across, 500 along: the first 1000 from the left end, the others
// spacing apart, every one with a named type and a height.
void FillRow(DblArray& spacings, CStringArray& names, DblArray& heights, int n, double spacing, double height)
{
    spacings.RemoveAll();
    names.RemoveAll();
    heights.RemoveAll();
    for (int i = 0; i < n; ++i) {
        spacings.Add(i == 0 ? 1000.0 : spacing);
        names.Add(kRect);
        heights.Add(height);
    }
}

void OnPedestals(CPM001org& p)
{
    p.BedStoneTypef = 1;
    p.bZzf = p.bZzb = 600.0;
    p.lZzf = p.lZzb = 500.0;
}

// Per-bearing and pairwise texts: spacings, type names, pedestal heights, overlaps.
const char* const kPerBearing[] = {"支座间距", "支座类型名称", "垫石高度", "重叠"};

} // namespace

// 100,000 bearings 10 apart on pedestals 5 high, with unknown type names: every one of them would
// be reported, and every pedestal overlaps its neighbours. Only the count is.
TEST(DiagnosisBounds, ARowOfAHundredThousandBearingsGetsTheCountDiagnosticOnly)
{
    auto org = SoundPier();
    OnPedestals(*org);
    FillRow(org->bQf, org->TypeZhif, org->hZzf, 100000, 10.0, 5.0);
    for (int i = 0; i < org->TypeZhif.GetSize(); ++i) org->TypeZhif[i] = "no such bearing";
    int ok = 1;
    const auto entries = AllEntries(*org, &ok);
    EXPECT_EQ(ok, 0);
    EXPECT_EQ(CountHolding(entries, "bQf: “支座个数”过大,不能大于500，bQf有错误．"), 1);
    for (const char* fragment : kPerBearing) EXPECT_EQ(CountHolding(entries, fragment), 0) << fragment;
    EXPECT_LT(entries.size(), 10u);
    EXPECT_TRUE(org->ZZOutlinesF.empty());
    EXPECT_TRUE(org->DSOutlinesF.empty());
}

// A row of 500 bearings (the most a row may hold) has its 500 names checked one by one; a
// 501st name, or a million, belongs to no bearing: the list gets one count diagnostic and the
// names past the bearings are not looked at.
TEST(DiagnosisBounds, ANameListLongerThanTheRowGetsOneCountDiagnostic)
{
    auto org = SoundPier();
    OnPedestals(*org);
    FillRow(org->bQf, org->TypeZhif, org->hZzf, 500, 700.0, 200.0);
    org->TypeZhif[499] = "no such bearing";
    const char* count = "TypeZhif: “支座类型名称个数”应不大于“支座个数”，TypeZhif有错误．";
    auto entries = AllEntries(*org);
    EXPECT_EQ(CountHolding(entries, count), 0);
    EXPECT_EQ(CountHolding(entries, "TypeZhif: 第500个支座类型名称no such bearing不存在"), 1);

    for (const int names : {501, 1000000}) {
        SCOPED_TRACE(names);
        while (org->TypeZhif.GetSize() < names) org->TypeZhif.Add("no such bearing");
        entries = AllEntries(*org);
        EXPECT_EQ(CountHolding(entries, count), 1);
        EXPECT_EQ(CountHolding(entries, "支座类型名称no such bearing"), 1);   // the 500th only
    }
}

// Two rows: the front one out of range, the back one of two overlapping pedestals with a bad
// spacing and height. The back row is still checked item by item and pair by pair.
TEST(DiagnosisBounds, ARowInRangeIsCheckedWhateverTheOtherRowHolds)
{
    auto org = SoundPier();
    OnPedestals(*org);
    org->CushionNumber = 2;
    org->BedStoneTypeb = 1;
    org->zQf = 400.0;
    org->zQb = -400.0;
    FillRow(org->bQf, org->TypeZhif, org->hZzf, 501, 700.0, 200.0);
    FillRow(org->bQb, org->TypeZhib, org->hZzb, 2, 40.0, 5.0);
    const auto entries = AllEntries(*org);
    EXPECT_EQ(CountHolding(entries, "“前排支座个数”过大,不能大于500"), 1);
    EXPECT_EQ(CountHolding(entries, "前排第"), 0);
    EXPECT_EQ(CountHolding(entries, "bQb: “后排第2个支座间距”过小,不能小于50，bQb有错误．"), 1);
    EXPECT_EQ(CountHolding(entries, "HZzb: 后排第1个“垫石高度”过小,不能小于10，HZzb有错误．"), 1);
    EXPECT_EQ(CountHolding(entries, "HZzb: 后排第2个“垫石高度”过小,不能小于10，HZzb有错误．"), 1);
    EXPECT_EQ(CountHolding(entries, "bQb: “后排垫石”横向不能重叠，可能bQb有问题"), 1);
    EXPECT_EQ(CountHolding(entries, "“前排垫石”横向不能重叠"), 0);
    EXPECT_EQ(CountHolding(entries, "“前、后排垫石”不能重叠"), 0);
    EXPECT_TRUE(org->DSOutlinesF.empty());
    EXPECT_EQ(org->DSOutlinesB.size(), 2u);
}

// 500 bearings is the most a row may hold: each is still checked.
TEST(DiagnosisBounds, FiveHundredBearingsAreStillCheckedOneByOne)
{
    auto org = SoundPier();
    OnPedestals(*org);
    FillRow(org->bQf, org->TypeZhif, org->hZzf, 500, 700.0, 200.0);
    org->hZzf[499] = 5.0;
    org->bQf[499] = 40.0;   // the last two pedestals overlap
    const auto entries = AllEntries(*org);
    EXPECT_EQ(CountHolding(entries, "支座个数”过大"), 0);
    EXPECT_EQ(CountHolding(entries, "bQf: “第500个支座间距”过小,不能小于50，bQf有错误．"), 1);
    EXPECT_EQ(CountHolding(entries, "HZzf: 第500个“垫石高度”过小,不能小于10，HZzf有错误．"), 1);
    EXPECT_EQ(CountHolding(entries, "bQf: “垫石”横向不能重叠，可能bQf有问题"), 1);
    EXPECT_EQ(org->DSOutlinesF.size(), 500u);
}

// A pedestal height list longer than a row may be fails the count check; its heights are not
// looked at one by one.
TEST(DiagnosisBounds, AnOverlongHeightListGetsTheCountCheckOnly)
{
    auto org = SoundPier();
    OnPedestals(*org);
    FillRow(org->bQf, org->TypeZhif, org->hZzf, 2, 3000.0, 200.0);
    for (int i = 0; i < 1000; ++i) org->hZzf.Add(1.0);
    const auto entries = AllEntries(*org);
    EXPECT_EQ(CountHolding(entries, "bQf: “垫石个数”应等于“支座个数”，可能bQf有错误．"), 1);
    EXPECT_EQ(CountHolding(entries, "垫石高度"), 0);
}

// 100,000 column spacings of 100 (each narrower than the column) and as many column heights of
// 50 (each too low), eleven tie beams all overlapping: only the two counts are reported.
TEST(DiagnosisBounds, ColumnAndTieBeamListsOutOfRangeGetTheirCountDiagnosticOnly)
{
    auto org = SoundPier();
    org->bBz.RemoveAll();
    org->ColumnHeights.RemoveAll();
    org->ColumnTopLevels.RemoveAll();
    for (int i = 0; i < 100000; ++i) org->bBz.Add(100.0);
    for (int i = 0; i <= 100000; ++i) {
        org->ColumnHeights.Add(50.0);
        org->ColumnTopLevels.Add(98.4);
    }
    org->zXl.RemoveAll();
    for (int i = 0; i < 11; ++i) org->zXl.Add(95.0);
    const auto entries = AllEntries(*org);
    EXPECT_EQ(CountHolding(entries, "bBz: “墩柱个数”过大,不能大于20，bBz有错误．"), 1);
    EXPECT_EQ(CountHolding(entries, "zXl: “墩柱系梁个数”过大,不能大于10，zXl有错误．"), 1);
    for (const char* fragment : {"横桥向间距", "墩柱高度", "系梁竖向"}) EXPECT_EQ(CountHolding(entries, fragment), 0) << fragment;

    // With ten tie beams the overlap of neighbours is checked again.
    org->zXl.RemoveAt(0);
    EXPECT_EQ(CountHolding(AllEntries(*org), "“墩柱系梁竖向”不能重叠"), 2);   // one per key of "zXl/hXl"
}

// A list text of the input with an item that is not a number fails the diagnosis, which reports
// the item; without an input object there is no text to read again.
TEST(DiagnosisBounds, AListTextWithUnreadItemsFailsTheDiagnosis)
{
    auto org = SoundPier();
    int ok = 1;
    EXPECT_TRUE(AllEntries(*org, &ok).empty());
    EXPECT_EQ(ok, 1);

    PierInputCase pier;
    pier.input.bBz = "6500,6500,";
    pier.input.zXl = "95.0";
    EXPECT_EQ(org->DoDiagnose(pier.Surroundings(), kDiagnosisLabel), 1);
    pier.input.zXl = "95.0,9５";
    ReportLog::Current().Clear();
    EXPECT_EQ(org->DoDiagnose(pier.Surroundings(), kDiagnosisLabel), 0);
    const auto& entries = ReportLog::Current().Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].keys, "zXl");
    EXPECT_EQ(entries[0].item, 1u);
    EXPECT_EQ(entries[0].message, "“墩柱系梁顶面标高”中第2个数据“9５”不是有效的数字，zXl有错误．");
    ReportLog::Current().Clear();
}

// A count message is held to its limit by the limit's whole decimal: a longer run of digits that
// merely holds it, a decimal fraction or a negative number does not state it.
TEST(DiagnosisBounds, ACountMessageStatesItsLimitAsAWholeNumber)
{
    struct Row {
        const char* text;
        int number;
        bool states;
    };
    const Row rows[] = {
        {"“墩柱个数”过大,不能大于20", 20, true},  {"“墩柱个数”过大,不能大于200", 20, false},
        {"“墩柱个数”过大,不能大于120", 20, false}, {"不能大于20.5", 20, false},
        {"不能大于20.", 20, true},                  {"“墩柱系梁个数”过大,不能大于10", 1, false},
        {"不能小于-1", 1, false},                   {"不能小于-1", -1, true},
        {"过小,不能小于0", 0, true},                {"100 -10 10", 10, true},
        {"100 -10 1.10", 10, false},                {"", 0, false},
    };
    for (const Row& r : rows) EXPECT_EQ(StatesNumber(r.text, r.number), r.states) << r.text << " / " << r.number;
    EXPECT_STREQ(LimitText("过大,不能大于500", kMaxBearingsPerRow), "过大,不能大于500");
}
