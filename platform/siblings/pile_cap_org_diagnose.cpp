// CPG003org: the pile cap's own checks and its plan outline.
#include "siblings/pile_cap_org.h"

#include "common/list_sum.h"
#include "host/report.h"
#include "host/report_parts.h"
#include "siblings/foundation_checks.h"
#include "siblings/plan_arc.h"

#include <cmath>

namespace {

constexpr int kRoundEnded = 1;

// How far a round end of radius r reaches beyond the straight sides of a cap of width w along the
// bridge (the arc's rise over its chord w); negative when r cannot span w.
double EndRise(double r, double w)
{
    const double half = w / 2;
    if (!(r >= half) || !(half >= 0.0)) return -1.0;
    return r - std::sqrt(r * r - half * half);
}

} // namespace

// The cap's sizes do not depend on how the columns stand on it: flag and the column spacings
// are the pier's to check against the cap outline.
int CPG003org::DoDiagnose(unsigned ID, int /*flag*/, double elevation, CString key,
                          CArray<double, double>& /*spacings*/)
{
    int ok = 1;
    FoundationRange(ID, "“承台类型”过小,不能小于0", "“承台类型”过大,不能大于2", PileCapTtype_JICHU, 0, 2,
                    "PileCapTtype_JICHU", ok, kPartPileCap);
    FoundationRange(ID, "“墩柱与承台连接方式”过小,不能小于0", "“墩柱与承台连接方式”过大,不能大于1", nLJ_JICHU, 0, 1,
                    "nLJ_JICHU", ok, kPartPileCap);
    FoundationRange(ID, "“承台顺桥向长度”过小,不能小于500", "“承台顺桥向长度”过大,不能大于100000", lT_JICHU, 500,
                    100000, "lT_JICHU", ok, kPartPileCap);
    FoundationRange(ID, "“承台横桥向长度”过小,不能小于500", "“承台横桥向长度”过大,不能大于100000", bT_JICHU, 500,
                    100000, "bT_JICHU", ok, kPartPileCap);
    FoundationRange(ID, "“承台厚度”过小,不能小于300", "“承台厚度”过大,不能大于10000", hT_JICHU, 300, 10000,
                    "hT_JICHU", ok, kPartPileCap);
    if (PileCapTtype_JICHU == kRoundEnded) {
        // The end arcs span the cap's width along the bridge, and the two of them fit in its length.
        if (QMReportError_compare_A_B<double>(ID, "“圆端形承台端部圆弧半径”应不小于“1/2承台顺桥向长度”", bYz_JICHU,
                                              "不能小于", lT_JICHU / 2, "bYz_JICHU/lT_JICHU", ok, kPartPileCap, 0))
            QMReportError_compare_A_B<double>(ID, "“圆端形承台两端圆弧”不能超出“承台横桥向长度”",
                                              2 * EndRise(bYz_JICHU, lT_JICHU), "不能大于", bT_JICHU,
                                              "bYz_JICHU/bT_JICHU", ok, kPartPileCap, 0);
    }
    FoundationRange(ID, "“桩径”过小,不能小于300", "“桩径”过大,不能大于10000", rZ_JICHU, 300, 10000, "rZ_JICHU", ok,
                    kPartPileCap);
    FoundationRange(ID, "“桩长”过小,不能小于1000", "“桩长”过大,不能大于200000", lZ_JICHU, 1000, 200000, "lZ_JICHU",
                    ok, kPartPileCap);
    // Neighbouring piles stand apart, and the pile group stays within the cap.
    FoundationCompareEach(ID, "“横桥向桩间距”应大于“桩径”", bZj_JICHU.vector(), "必须大于", rZ_JICHU,
                          "bZj_JICHU/rZ_JICHU", ok, kPartPileCap);
    FoundationCompareEach(ID, "“顺桥向桩间距”应大于“桩径”", lZj_JICHU.vector(), "必须大于", rZ_JICHU,
                          "lZj_JICHU/rZ_JICHU", ok, kPartPileCap);
    QMReportError_compare_A_B<double>(ID, "“横桥向桩群外缘宽度”不能大于“承台横桥向长度”",
                                      KVDataCommon::sum(bZj_JICHU) + rZ_JICHU, "不能大于", bT_JICHU,
                                      "bZj_JICHU/rZ_JICHU/bT_JICHU", ok, kPartPileCap, 0);
    QMReportError_compare_A_B<double>(ID, "“顺桥向桩群外缘宽度”不能大于“承台顺桥向长度”",
                                      KVDataCommon::sum(lZj_JICHU) + rZ_JICHU, "不能大于", lT_JICHU,
                                      "lZj_JICHU/rZ_JICHU/lT_JICHU", ok, kPartPileCap, 0);
    CheckColumnBottomElevation(ID, elevation, key, ok, kPartPileCap);
    return ok;
}

// The cap about its own origin, x across the bridge within ±bT/2, y along it within ±lT/2;
// the columns' outlines are placed relative to this origin. A rectangular cap (and any body
// but the round-ended one) gives its four corners counter-clockwise from (−bT/2, −lT/2). A
// round-ended cap closes each end across the bridge with an arc of radius bYz through the
// corners of the straight part and the end's middle (±bT/2, 0): the right arc, then the left,
// counter-clockwise. An end radius that cannot close the ends within the cap's length (checked
// by DoDiagnose) leaves the rectangle.
void CPG003org::Get_Coordinate_CT(CDblPointArray& outline) const
{
    const double b = bT_JICHU / 2, l = lT_JICHU / 2;
    outline.RemoveAll();
    const double rise = EndRise(bYz_JICHU, lT_JICHU);
    if (PileCapTtype_JICHU == kRoundEnded && rise >= 0.0 && 2 * rise <= bT_JICHU && l > 0.0) {
        const double r = bYz_JICHU;
        const double half = std::asin(std::min(1.0, l / r));
        const double pi = std::acos(-1.0);
        AppendPlanArc(b - r, 0.0, r, -half, 2 * half, outline);
        AppendPlanArc(-b + r, 0.0, r, pi - half, 2 * half, outline);
        return;
    }
    outline.Add(CDblPoint(-b, -l));
    outline.Add(CDblPoint(b, -l));
    outline.Add(CDblPoint(b, l));
    outline.Add(CDblPoint(-b, l));
}
