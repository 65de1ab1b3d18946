// CPG001org: the spread footing's own checks, its top-layer outline and the overlap of separate footings.
#include "siblings/spread_footing_org.h"

#include "common/list_sum.h"
#include "host/report.h"
#include "host/report_parts.h"
#include "siblings/foundation_checks.h"

namespace {

// Every step's value in a list: below min (and above max when max is given) is reported with the
// step's number in the message and its 0-based position as the item.
void CheckSteps(unsigned label, const DblArray& values, const char* name, double min, const char* keys, int& ok)
{
    for (int i = 0; i < values.GetSize(); ++i) {
        CString message;
        message.Format("第%d级“%s”过小,不能小于%g", i + 1, name, min);
        QMReportError_compare_A_B<double>(label, message, values[i], "不能小于", min, keys, ok, kPartFooting,
                                          static_cast<unsigned>(i));
    }
}

} // namespace

// The footing's sizes are the same whether the columns share it or not, and on a skewed pier;
// flag and skew change none of its limits.
int CPG001org::DoDiagnose(unsigned ID, int /*flag*/, double /*skew*/)
{
    int ok = 1;
    FoundationRange(ID, "“扩大基础顶层顺桥向长度”过小,不能小于500", "“扩大基础顶层顺桥向长度”过大,不能大于100000",
                    lKs_JICHU, 500, 100000, "lKs_JICHU", ok, kPartFooting);
    FoundationRange(ID, "“扩大基础顶层横桥向长度”过小,不能小于500", "“扩大基础顶层横桥向长度”过大,不能大于100000",
                    bKs_JICHU, 500, 100000, "bKs_JICHU", ok, kPartFooting);
    FoundationRange(ID, "“扩大基础顶层高度”过小,不能小于200", "“扩大基础顶层高度”过大,不能大于10000", hKs_JICHU,
                    200, 10000, "hKs_JICHU", ok, kPartFooting);

    // One height and three widenings per step.
    const double steps = hTj_JICHU.GetSize();
    QMReportError_compare_A_B<double>(ID, "“左侧台阶宽度个数”应等于“台阶个数”", bTjl_JICHU.GetSize(), "必须等于",
                                      steps, "bTjl_JICHU/hTj_JICHU", ok, kPartFooting, 0);
    QMReportError_compare_A_B<double>(ID, "“右侧台阶宽度个数”应等于“台阶个数”", bTjr_JICHU.GetSize(), "必须等于",
                                      steps, "bTjr_JICHU/hTj_JICHU", ok, kPartFooting, 0);
    QMReportError_compare_A_B<double>(ID, "“顺桥向台阶宽度个数”应等于“台阶个数”", lTj_JICHU.GetSize(), "必须等于",
                                      steps, "lTj_JICHU/hTj_JICHU", ok, kPartFooting, 0);

    for (int i = 0; i < hTj_JICHU.GetSize(); ++i) {
        CString below, above;
        below.Format("第%d级“台阶高度”过小,不能小于200", i + 1);
        above.Format("第%d级“台阶高度”过大,不能大于10000", i + 1);
        FoundationRange(ID, below, above, hTj_JICHU[i], 200, 10000, "hTj_JICHU", ok, kPartFooting,
                        static_cast<unsigned>(i));
    }
    CheckSteps(ID, bTjl_JICHU, "左侧台阶宽度", 0, "bTjl_JICHU", ok);
    CheckSteps(ID, bTjr_JICHU, "右侧台阶宽度", 0, "bTjr_JICHU", ok);
    CheckSteps(ID, lTj_JICHU, "顺桥向台阶宽度", 0, "lTj_JICHU", ok);
    return ok;
}

// The top layer about the footing's own origin: x across the bridge within ±bKs/2, y along it
// within ±lKs/2; counter-clockwise from the corner at (−bKs/2, −lKs/2). The columns' outlines are
// placed relative to this origin.
void CPG001org::Get_Coordinate_KJ(CDblPointArray& outline) const
{
    const double b = bKs_JICHU / 2, l = lKs_JICHU / 2;
    outline.RemoveAll();
    outline.Add(CDblPoint(-b, -l));
    outline.Add(CDblPoint(b, -l));
    outline.Add(CDblPoint(b, l));
    outline.Add(CDblPoint(-b, l));
}

// Separate footings stand centred under their columns, side by side across the bridge; the
// widest part of each is its bottom, which reaches sum(bTjl) beyond the top layer on the left
// and sum(bTjr) on the right. Neighbours keep clear when every column spacing is greater than
// bKs + sum(bTjl) + sum(bTjr). The first spacing that is not is reported under the caller's keys
// with its part, then under the footing's own keys (kPartFooting).
void CPG001org::Is_KJ_overlap(unsigned label, CArray<double, double>& spacings, CString keys, int& ok,
                              unsigned part)
{
    const double width = bKs_JICHU + KVDataCommon::sum(bTjl_JICHU) + KVDataCommon::sum(bTjr_JICHU);
    const char* message = "分离式基础时，“扩大基础平面”不能重叠";
    FoundationCompareEach(label, message, spacings.vector(), "必须大于", width, keys, ok, part);
    FoundationCompareEach(label, message, spacings.vector(), "必须大于", width, "bKs_JICHU/bTjl_JICHU/bTjr_JICHU", ok,
                          kPartFooting);
}
