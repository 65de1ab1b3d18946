// Bearing checks of the pier: bearings per row, their spacings and type names, the bearing
// centres on the cap top, and the plan outlines of the bearings that the checks keep.
#include "input/pier_origin_data.h"

#include "catalog/material_catalog.h"
#include "common/list_sum.h"
#include "host/cpm001_input.h"
#include "host/report_keyed_message.h"
#include "host/report_parts.h"
#include "input/diagnose_limits.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr double kDegreeToRadian = 3.141592653589793 / 180.0;

// The plan of one bearing centred on (x, y). A rectangular plan (shape 0 or 3) gives its four
// corners from the lower left, first along the bridge; any other shape is round and gives 36
// points every 10 degrees on a radius of half the diameter in whole millimetres.
void FillBearingOutline(const tagQM_BEARING& bearing, double x, double y, CDblPointArray& outline)
{
    if (bearing.shape == 0 || bearing.shape == 3) {
        const double halfAlong = bearing.a / 2.0;
        const double halfAcross = bearing.b / 2.0;
        outline.Add(CDblPoint(x - halfAcross, y - halfAlong));
        outline.Add(CDblPoint(x - halfAcross, y + halfAlong));
        outline.Add(CDblPoint(x + halfAcross, y + halfAlong));
        outline.Add(CDblPoint(x + halfAcross, y - halfAlong));
        return;
    }
    const int radius = bearing.diameter / 2;
    for (int k = 0; k < 36; ++k) {
        const double angle = 10.0 * k * kDegreeToRadian;
        outline.Add(CDblPoint(x + radius * std::cos(angle), y + radius * std::sin(angle)));
    }
}

// The outlines of one row of bearings. The row lies on y = B/2 + z and its position 0 is the
// cap's left end at that y, x = -L/2 - y tan(a); each entry's spacing moves the running
// position on, whether or not the entry names a bearing the catalogue knows, so that every
// bearing sits where its own positions put it. Only entries that have a name and a known place
// give an outline; an unknown name (reported by the checks) gives none, nor does an entry at or
// after a spacing that is not a number (reported too). Returns whether the row names a bearing
// the catalogue knows, placed or not.
bool BuildRowOutlines(const CPM001org& org, const CStringArray& names, const DblArray& spacings, double z,
                      OwnedOutlines& row)
{
    const double y = org.B / 2.0 + z;
    double x = -org.CapLength() / 2.0 - y * std::tan(org.a);
    const int count = std::min(names.GetSize(), spacings.GetSize());
    const int placed = CPM001org::KnownBearingPlaces(spacings);
    bool named = false;
    for (int i = 0; i < count; ++i) {
        x += spacings[i];
        if (names[i].IsEmpty()) continue;
        tagQM_BEARING bearing{};
        if (!GetBearing(names[i], &bearing)) continue;
        named = true;
        if (i >= placed) continue;
        auto outline = std::make_unique<CDblPointArray>();
        FillBearingOutline(bearing, x, y, *outline);
        row.push_back(std::move(outline));
    }
    return named;
}

// Rebuilds the bearing outlines from the current input: the combined list is emptied before the
// row lists release their polygons, so that it never points at a freed one; then the front row,
// the back row on a two-row pier, and the combined list, front row first. A row with more
// bearings than a row may hold (reported) gets no outlines. Returns whether the front row (with
// its count in range) names a bearing the catalogue knows, placed or not.
bool BuildBearingOutlines(CPM001org& org)
{
    org.ZZOutlines.RemoveAll();
    org.ZZOutlinesF.clear();
    org.ZZOutlinesB.clear();
    bool frontNamed = false;
    if (BearingCountInRange(org.bQf.GetSize()))
        frontNamed = BuildRowOutlines(org, org.TypeZhif, org.bQf, org.zQf, org.ZZOutlinesF);
    if (org.CushionNumber == 2 && BearingCountInRange(org.bQb.GetSize()))
        BuildRowOutlines(org, org.TypeZhib, org.bQb, org.zQb, org.ZZOutlinesB);
    for (const auto& outline : org.ZZOutlinesF) org.ZZOutlines.Add(outline.get());
    for (const auto& outline : org.ZZOutlinesB) org.ZZOutlines.Add(outline.get());
    return frontNamed;
}

} // namespace

void CPM001org::DoDiagnose_ZZ(const CPM001* input, int& ok, unsigned label)
{
    const double capLength = CapLength();
    const double cosA = std::cos(a);

    // Bearings per row: 0 to 500. A row out of that range gets no check of its single bearings.
    auto checkCount = [&](const DblArray& spacings, const char* row, const char* key) {
        const CString subject = CString("“") + row + "支座个数”";
        MyReportErrorOutOfRange(label, subject + LimitText("过小,不能小于0", kMinBearingsPerRow),
                                subject + LimitText("过大,不能大于500", kMaxBearingsPerRow), spacings.GetSize(),
                                kMinBearingsPerRow, kMaxBearingsPerRow, key, ok, kPartPier, 0);
    };
    // A spacing whose text is not wholly a number (NaN, SetBearings) is reported as not a number,
    // as an item of bBz is, quoting the input's text ("nan" without the input), and is judged no
    // further, here or by any other check. A row out of the count range gets no check of its
    // single bearings but this one, for its first such text only: none passes unreported, not even
    // on a one-row pier's back row, which has no count check.
    auto checkNumber = [&](const DblArray& spacings, const CStringArray* texts, int i, const char* row,
                           const char* key) {
        if (!std::isnan(spacings[i])) return true;
        const CString text = texts && texts->GetSize() == spacings.GetSize() ? (*texts)[i] : CString("nan");
        CString message;
        message.Format("“%s支座间距”中第%d个数据“%s”不是有效的数字", row, i + 1, QuotedText(text).GetString());
        ReportDiagnoseForKeys(label, message, key, static_cast<unsigned long>(i), kPartPier);
        ok = 0;
        return false;
    };
    auto checkNumbers = [&](const DblArray& spacings, const CStringArray* texts, const char* row, const char* key) {
        if (!BearingCountInRange(spacings.GetSize())) {
            const int first = KnownBearingPlaces(spacings);
            if (first < spacings.GetSize()) checkNumber(spacings, texts, first, row, key);
            return;
        }
        for (int i = 0; i < spacings.GetSize(); ++i) checkNumber(spacings, texts, i, row, key);
    };
    // Spacings between neighbouring bearings, measured square to the bridge: 50 to 100000. The
    // first entry is the distance from the cap end and is checked against the cap edges instead.
    auto checkSpacings = [&](const DblArray& spacings, const CStringArray* texts, const char* row, const char* key) {
        if (!BearingCountInRange(spacings.GetSize())) {
            checkNumbers(spacings, texts, row, key);
            return;
        }
        for (int i = 0; i < spacings.GetSize(); ++i) {
            if (!checkNumber(spacings, texts, i, row, key) || i == 0) continue;
            CString subject;
            subject.Format("“%s第%d个支座间距”", row, i + 1);
            MyReportErrorOutOfRange(label, subject + "过小,不能小于50", subject + "过大,不能大于100000",
                                    spacings[i] * cosA, 50.0, 100000.0, key, ok, kPartPier, static_cast<unsigned>(i));
        }
    };
    // Every named bearing type must be in the catalogue; empty names are no bearing type. The
    // names belong to the row's bearings: a row out of range gets no name checks, and a list with
    // more names than the row has bearings is reported once, its names past the bearings unread.
    auto checkNames = [&](const CStringArray& names, const DblArray& spacings, const char* row, const char* key) {
        if (!BearingCountInRange(spacings.GetSize())) return;
        MyQMReportError_compare_A_B(label, CString("“") + row + "支座类型名称个数”应不大于“" + row + "支座个数”",
                                    names.GetSize(), "不能大于", spacings.GetSize(), key, ok, kPartPier, 0);
        const int count = std::min(names.GetSize(), spacings.GetSize());
        for (int i = 0; i < count; ++i) {
            if (names[i].IsEmpty() || IsBearing(names[i])) continue;
            CString message;
            message.Format("%s第%d个支座类型名称", row, i + 1);
            MyReportDiagnose(label, key, "Error", message + QuotedText(names[i]) + "不存在", 0, 0, kPartPier);
            ok = 0;
        }
    };

    const CStringArray* textsF = input ? &input->bQf : nullptr;
    const CStringArray* textsB = input ? &input->bQb : nullptr;
    if (CushionNumber == 1) {
        checkCount(bQf, "", "bQf");
        checkNames(TypeZhif, bQf, "", "TypeZhif");
        checkSpacings(bQf, textsF, "", "bQf");
        checkNumbers(bQb, textsB, "后排", "bQb");   // read, and published, whatever the rows
    } else {
        checkCount(bQf, "前排", "bQf");
        checkSpacings(bQf, textsF, "前排", "bQf");
        checkCount(bQb, "后排", "bQb");
        checkSpacings(bQb, textsB, "后排", "bQb");
        checkNames(TypeZhif, bQf, "前排", "TypeZhif");
        checkNames(TypeZhib, bQb, "后排", "TypeZhib");
    }

    const bool frontNamed = BuildBearingOutlines(*this);

    // Bearing centres on the cap top: along the bridge between the cap's front and back faces,
    // across it between the cap's ends (the first one when its place is known, the last one when
    // every place is). With pedestals under the front row the pedestals are checked instead.
    auto checkCentres = [&](const char* row, double z, const char* zKey, const DblArray& spacings,
                            const char* listKey) {
        const CString subject = CString("“") + row + "支座中心”";
        const CString alongBridge = subject + "纵桥向不能越出“盖梁顶面前后边缘”";
        MyQMReportError_compare_A_B(label, alongBridge, z, "不能小于", vP - B / 2.0, zKey, ok, kPartPier, 0);
        MyQMReportError_compare_A_B(label, alongBridge, z, "不能大于", vP + B / 2.0, zKey, ok, kPartPier, 0);
        const int known = KnownBearingPlaces(spacings);
        if (known == 0) return;
        MyQMReportError_compare_A_B(label, subject + "横桥向不能越出“盖梁顶面左边缘”", spacings[0], "不能小于", 0.0,
                                    listKey, ok, kPartPier, 0);
        if (known < spacings.GetSize()) return;
        MyQMReportError_compare_A_B(label, subject + "横桥向不能越出“盖梁顶面右边缘”", KVDataCommon::sum(spacings),
                                    "不能大于", capLength, listKey, ok, kPartPier, 0);
    };

    if (BedStoneTypef != 0 || bQf.IsEmpty()) return;
    if (CushionNumber == 2 && !TypeZhib.IsEmpty()) {
        checkCentres("前排", zQf, "zQf", bQf, "bQf");
        checkCentres("后排", zQb, "zQb", bQb, "bQb");
    } else if (frontNamed) {   // the front row has an outline, or would have with its places known
        checkCentres("", zQf, "zQf", bQf, "bQf");
    }
}
