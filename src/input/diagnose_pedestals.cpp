// Bearing-pedestal checks of the pier: pedestal sizes, heights and counts, overlaps between
// pedestals, and their place on the cap top inside the stopper blocks; and the plan outlines of
// the pedestals that the checks keep.
#include "input/pier_origin_data.h"

#include "common/is_equal.h"
#include "common/list_sum.h"
#include "geometry/polygon_relations.h"
#include "host/report_parts.h"
#include "input/diagnose_limits.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// Two pedestals closer than this count as touching.
constexpr double kOverlapTolerance = 0.2;

// The plan of one pedestal centred on (x, y), with the front row's sizes (front non-zero) or the
// back row's. Mode 1 is a rectangle square to the axes; any other mode is a parallelogram whose
// sides along the bridge follow the skew of the pier.
void GetDGDSPts(const CPM001org& org, double x, double y, int front, int mode, CDblPointArray& out)
{
    const double along = front ? org.lZzf : org.lZzb;
    const double across = front ? org.bZzf : org.bZzb;
    const double halfAlong = along / 2.0;
    const double halfAcross = across / 2.0;
    const double shift = mode == 1 ? 0.0 : std::tan(org.a) * halfAlong;
    out.RemoveAll();
    out.Add(CDblPoint(x - halfAcross + shift, y - halfAlong));
    out.Add(CDblPoint(x + halfAcross + shift, y - halfAlong));
    out.Add(CDblPoint(x + halfAcross - shift, y + halfAlong));
    out.Add(CDblPoint(x - halfAcross - shift, y + halfAlong));
}

// The pedestals of one row, one under each bearing entry that has a position, up to the first
// spacing that is not a number (the places from there on are unknown; the bearing checks report
// it). The row lies on y = B/2 + z and its position 0 is the cap's left end at that y,
// x = -L/2 - y tan(a).
void BuildRowOutlines(const CPM001org& org, const CStringArray& names, const DblArray& spacings, double z,
                      int front, int mode, OwnedOutlines& row)
{
    const double y = org.B / 2.0 + z;
    double x = -org.CapLength() / 2.0 - y * std::tan(org.a);
    const int count = std::min(names.GetSize(), CPM001org::KnownBearingPlaces(spacings));
    for (int i = 0; i < count; ++i) {
        x += spacings[i];
        auto outline = std::make_unique<CDblPointArray>();
        GetDGDSPts(org, x, y, front, mode, *outline);
        row.push_back(std::move(outline));
    }
}

// Forgets the outlines of an earlier diagnosis. The combined list is emptied before the row
// lists release their polygons, so that it never points at a freed one.
void ClearPedestalOutlines(CPM001org& org)
{
    org.DSOutlines.RemoveAll();
    org.DSOutlinesF.clear();
    org.DSOutlinesB.clear();
}

// Builds the pedestal outlines of the rows that have pedestals; the combined list holds the
// front row's, then the back row's. A row with more bearings than a row may hold (reported by
// the bearing checks) gets no outlines, and so no overlap checks.
void Get_DSArray_Coordinate(CPM001org& org)
{
    if (org.BedStoneTypef != 0 && BearingCountInRange(org.bQf.GetSize()))
        BuildRowOutlines(org, org.TypeZhif, org.bQf, org.zQf, 1, org.BedStoneTypef, org.DSOutlinesF);
    if (org.CushionNumber != 1 && org.BedStoneTypeb != 0 && BearingCountInRange(org.bQb.GetSize()))
        BuildRowOutlines(org, org.TypeZhib, org.bQb, org.zQb, 0, org.BedStoneTypeb, org.DSOutlinesB);
    for (const auto& outline : org.DSOutlinesF) org.DSOutlines.Add(outline.get());
    for (const auto& outline : org.DSOutlinesB) org.DSOutlines.Add(outline.get());
}

bool LieApart(CDblPointArray& first, CDblPointArray& second)
{
    return KVDataCommon::Is_polygonA_Out_polygonB(first, second, kOverlapTolerance) != 0;
}

// One pedestal outline in a search for overlaps: its extent in plan and the row it belongs to.
struct PlacedOutline {
    CDblPointArray* outline = nullptr;
    int row = 0;
    double minX = 0.0, maxX = 0.0, minY = 0.0, maxY = 0.0;
    bool finite = true;   // an outline with a point that is not finite cannot be judged
};

PlacedOutline Place(CDblPointArray& outline, int row)
{
    PlacedOutline placed{&outline, row};
    bool first = true;
    for (const CDblPoint& p : outline) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) placed.finite = false;
        placed.minX = first ? p.x : std::min(placed.minX, p.x);
        placed.maxX = first ? p.x : std::max(placed.maxX, p.x);
        placed.minY = first ? p.y : std::min(placed.minY, p.y);
        placed.maxY = first ? p.y : std::max(placed.maxY, p.y);
        first = false;
    }
    return placed;
}

// Outlines whose extents do not meet (touching counts as not meeting) share no inner point,
// so they lie apart whatever the tolerance; only the others need the polygon test.
bool ExtentsMeet(const PlacedOutline& a, const PlacedOutline& b)
{
    return a.minX < b.maxX && b.minX < a.maxX && a.minY < b.maxY && b.minY < a.maxY;
}

// True when two of the outlines overlap; with acrossRows only pairs from different rows count.
// Each unordered pair is judged once. The outlines are sorted along the cap and each is compared
// only with those after it whose extents along the cap begin before its own ends, so that a row
// of pedestals standing apart costs about one test per neighbour. An outline that cannot be
// judged is handed to the polygon test with a partner, which decides as it decides such outlines.
bool AnyOverlap(std::vector<PlacedOutline> placed, bool acrossRows)
{
    auto partners = [&](const PlacedOutline& a, const PlacedOutline& b) { return !acrossRows || a.row != b.row; };
    for (const PlacedOutline& odd : placed) {
        if (odd.finite) continue;
        for (const PlacedOutline& other : placed)
            if (&other != &odd && partners(odd, other)) return !LieApart(*odd.outline, *other.outline);
    }
    // Left without a partner, such an outline has nothing to overlap (and no place in the order).
    std::erase_if(placed, [](const PlacedOutline& p) { return !p.finite; });
    std::sort(placed.begin(), placed.end(),
              [](const PlacedOutline& a, const PlacedOutline& b) { return a.minX < b.minX; });
    for (std::size_t i = 0; i < placed.size(); ++i)
        for (std::size_t j = i + 1; j < placed.size() && placed[j].minX < placed[i].maxX; ++j) {
            if (!partners(placed[i], placed[j]) || !ExtentsMeet(placed[i], placed[j])) continue;
            if (!LieApart(*placed[i].outline, *placed[j].outline)) return true;
        }
    return false;
}

std::vector<PlacedOutline> PlaceRow(const OwnedOutlines& outlines, int row, std::vector<PlacedOutline> placed = {})
{
    for (const auto& outline : outlines) placed.push_back(Place(*outline, row));
    return placed;
}

} // namespace

void CPM001org::DoDiagnose_DS(const PierSurroundings* /*around*/, int& ok, unsigned label)
{
    // The outlines describe the current input only: a pier without front-row pedestals has none
    // and gets no pedestal check.
    ClearPedestalOutlines(*this);
    if (BedStoneTypef == 0) return;
    Get_DSArray_Coordinate(*this);

    // Sizes, heights and count of one row's pedestals.
    auto checkRow = [&](const char* row, double across, const char* acrossKey, double along, const char* alongKey,
                        const DblArray& heights, const char* heightKey, const DblArray& spacings, const char* countKeys) {
        MyQMReportError_compare_A_B(label, CString("“") + row + "垫石横桥向宽度”过小,不能小于100", across, "不能小于",
                                    100.0, acrossKey, ok, kPartPier, 0);
        MyQMReportError_compare_A_B(label, CString("“") + row + "垫石纵桥向宽度”过小,不能小于100", along, "不能小于",
                                    100.0, alongKey, ok, kPartPier, 0);
        // A height list longer than a row may be fails the count check below; its heights are
        // not looked at one by one.
        for (int i = 0; BearingCountInRange(heights.GetSize()) && i < heights.GetSize(); ++i) {
            CString subject;
            subject.Format("%s第%d个“垫石高度”", row, i + 1);
            MyReportErrorOutOfRange(label, subject + "过小,不能小于10", subject + "过大,不能大于10000", heights[i], 10.0,
                                    10000.0, heightKey, ok, kPartPier, static_cast<unsigned>(i));
        }
        MyQMReportError_compare_A_B(label, CString("“") + row + "垫石个数”应等于“" + row + "支座个数”",
                                    static_cast<double>(spacings.GetSize()), "必须等于",
                                    static_cast<double>(heights.GetSize()), countKeys, ok, kPartPier, 0);
    };
    // Pedestals of one row must not overlap one another; an overlap is reported once.
    auto checkRowOverlap = [&](const OwnedOutlines& outlines, const char* row, const char* spacingKey,
                               const char* acrossKey) {
        if (!AnyOverlap(PlaceRow(outlines, 0), false)) return;
        const CString subject = CString("“") + row + "垫石”横向不能重叠，可能";
        MyReportDiagnose(label, spacingKey, "Error", subject + spacingKey + "有问题", 0, 0, kPartPier);
        MyReportDiagnose(label, acrossKey, "Error", subject + acrossKey + "有问题", 0, 0, kPartPier);
        ok = 0;
    };
    // Front-row pedestals must not overlap back-row ones; an overlap is reported once.
    auto checkRowsOverlap = [&] {
        if (!AnyOverlap(PlaceRow(DSOutlinesB, 1, PlaceRow(DSOutlinesF, 0)), true)) return;
        for (const char* key : {"zQf", "lZzf", "zQb", "lZzb"})
            MyReportDiagnose(label, key, "Error", CString("“前、后排垫石”不能重叠，可能") + key + "有错", 0, 0, kPartPier);
        ok = 0;
    };

    if (CushionNumber == 1) {
        checkRow("", bZzf, "bZzf", lZzf, "lZzf", hZzf, "HZzf", bQf, "bQf/HZzf");
        if (!bQf.IsEmpty()) checkRowOverlap(DSOutlinesF, "", "bQf", "bZzf");
    } else if (CushionNumber == 2) {
        checkRow("前排", bZzf, "bZzf", lZzf, "lZzf", hZzf, "HZzf", bQf, "bQf/HZzf");
        if (!bQf.IsEmpty()) checkRowOverlap(DSOutlinesF, "前排", "bQf", "bZzf");
        if (BedStoneTypeb != 0) {
            checkRow("后排", bZzb, "bZzb", lZzb, "lZzb", hZzb, "HZzb", bQb, "bQb/HZzb");
            if (!bQb.IsEmpty()) checkRowOverlap(DSOutlinesB, "后排", "bQb", "bZzb");
            checkRowsOverlap();
        }
    }

    // The pedestals on the cap top: along the bridge inside the cap face on the row's side of
    // the pier centre line, across it inside the inner edges of the stopper blocks (the first
    // pedestal when its place is known, the last one when every place is). A skewed pier may
    // overhang by up to 2.
    const double limit = KVDataCommon::IsEqual(a, 0.0) ? 0.0 : -2.0;
    const double capLength = CapLength();
    auto checkOnCapTop = [&](const char* row, double z, double along, const char* alongKeys, const DblArray& spacings,
                             double across, const char* acrossKeys) {
        const double faceDistance = z >= 0.0 ? vP + B / 2.0 : B / 2.0 - vP;
        const CString subject = CString("“") + row + "垫石”";
        MyQMReportError_compare_A_B(label, subject + "纵桥向不能越出“盖梁顶面前后边缘”",
                                    faceDistance - std::fabs(z) - along / 2.0, "不能小于", limit, alongKeys, ok,
                                    kPartPier, 0);
        const int known = KnownBearingPlaces(spacings);
        if (known == 0) return;
        const CString acrossMessage = subject + "横桥向不能越出“盖梁顶面挡块内侧边缘”";
        MyQMReportError_compare_A_B(label, acrossMessage, spacings[0] - across / 2.0 - bFzjl - bL2, "不能小于", limit,
                                    acrossKeys, ok, kPartPier, 0);
        if (known < spacings.GetSize()) return;
        MyQMReportError_compare_A_B(label, acrossMessage,
                                    capLength - KVDataCommon::sum(spacings) - across / 2.0 - bFzjr - bR2, "不能小于",
                                    limit, acrossKeys, ok, kPartPier, 0);
    };
    if (CushionNumber == 1) {
        checkOnCapTop("", zQf, lZzf, "zQf/lZzf", bQf, bZzf, "bQf/bZzf");
    } else {
        checkOnCapTop("前排", zQf, lZzf, "zQf/lZzf", bQf, bZzf, "bQf/bZzf");
        if (BedStoneTypeb != 0) checkOnCapTop("后排", zQb, lZzb, "zQb/lZzb", bQb, bZzb, "bQb/bZzb");
    }
}
