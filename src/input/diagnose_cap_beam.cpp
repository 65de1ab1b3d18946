// Cap-beam checks: dimensions, slopes and end-height corrections; columns under the cap; the cap-bottom outline.
#include "input/pier_origin_data.h"

#include "common/is_equal.h"
#include "common/list_sum.h"
#include "host/report.h"
#include "host/report_parts.h"
#include "input/diagnose_limits.h"

#include <cmath>

namespace {

// A length or height to whole millimetres, as the input shows it: trunc(value + 0.5).
double wholeMillimetres(double value) { return std::trunc(value + 0.5); }

// When the entered end height, in whole millimetres, differs from the one the slopes give, the
// entered one is replaced and the user warned. The diagnosis does not fail for it.
void correctEndHeight(double& entered, double derived, const char* warning)
{
    if (wholeMillimetres(entered) == wholeMillimetres(derived)) return;
    QMReportWarning(warning, 0);
    entered = derived;
}

} // namespace

void CPM001org::DoDiagnose_GLCC(int& ok, unsigned label)
{
    // Lengths across the bridge are divided by cos(a): a right-angle skew leaves none of them.
    MyQMReportError_compare_A_B(label, "“斜交角度”过大,其余弦不能小于0.000001", std::fabs(std::cos(a)), "不能小于",
                                1e-6, "a", ok, kPartPier, 0);
    MyReportErrorOutOfRange(label, "“盖梁右梁端距道路设计线”过小,不能小于-100000",
                            "“盖梁右梁端距道路设计线”过大,不能大于100000", -bAg, -100000.0, 100000.0, "bAg", ok,
                            kPartPier, 0);
    MyReportErrorOutOfRange(label, "“盖梁宽度中心距桥墩中心线”过小,不能小于-10000",
                            "“盖梁宽度中心距桥墩中心线”过大,不能大于10000", vP, -10000.0, 10000.0, "LG", ok, kPartPier, 0);
    MyReportErrorOutOfRange(label, "“盖梁截面宽度”过小,不能小于300", "“盖梁截面宽度”过大,不能大于10000", B, 300.0,
                            10000.0, "B", ok, kPartPier, 0);
    MyReportErrorOutOfRange(label, "“盖梁截面高度”过小,不能小于300", "“盖梁截面高度”过大,不能大于10000", hHgl,
                            300.0, 10000.0, "hHgl", ok, kPartPier, 0);
    MyReportErrorOutOfRange(label, "“盖梁倒角”过小,不能小于0", "“盖梁倒角”过大,不能大于50", V, 0.0, 50.0, "V", ok, kPartPier,
                            0);

    const bool leftHaunch = !KVDataCommon::IsEqual(bBpl, 0.0);
    if (leftHaunch) {
        MyReportErrorOutOfRange(label, "“盖梁左侧悬臂变高段长度”过小,不能小于300",
                                "“盖梁左侧悬臂变高段长度”过大,不能大于20000", bBpl, 300.0, 20000.0, "bBpl", ok, kPartPier,
                                0);
        MyQMReportError_compare_A_B(label, "“盖梁左梁端高度”过小,不能小于300", hXbl, "不能小于", 300.0, "hXbl", ok, kPartPier,
                                    0);
        MyQMReportError_compare_A_B(label,
                                    "“盖梁左侧有变高段时左梁端高度”应不大于“盖梁左侧悬臂根部变坡起点处截面高度”",
                                    hXbl, "不能大于", HeightLeftEnd, "hXbl/hHgl", ok, kPartPier, 0);
    } else {
        correctEndHeight(hXbl, HeightLeftEnd, "“左梁端高度”输入有误,系统会自动计算!");
    }

    const bool rightHaunch = !KVDataCommon::IsEqual(bBpr, 0.0);
    if (rightHaunch) {
        MyReportErrorOutOfRange(label, "“盖梁右侧悬臂变高段长度”过小,不能小于300",
                                "“盖梁右侧悬臂变高段长度”过大,不能大于20000", bBpr, 300.0, 20000.0, "bBpr", ok, kPartPier,
                                0);
        MyQMReportError_compare_A_B(label, "“盖梁右梁端高度”过小,不能小于300", hXbr, "不能小于", 300.0, "hXbr", ok, kPartPier,
                                    0);
        MyQMReportError_compare_A_B(label,
                                    "“盖梁右侧有变高段时右梁端高度”应不大于“盖梁右侧悬臂根部变坡起点处截面高度”",
                                    hXbr, "不能大于", HeightRightEnd, "hXbr/hHgl", ok, kPartPier, 0);
    } else {
        correctEndHeight(hXbr, HeightRightEnd, "“右梁端高度”输入有误,系统会自动计算!");
    }

    // Slopes are fractions; the user enters them in percent.
    if (fSingleSlope != 0) {
        MyReportErrorOutOfRange(label, "“盖梁顶缘横坡度”过小,不能小于-10", "“盖梁顶缘横坡度”过大,不能大于10",
                                iLb * 100, -10.0, 10.0, "iLb", ok, kPartPier, 0);
        return;
    }
    MyReportErrorOutOfRange(label, "“盖梁顶缘左横坡”过小,不能小于-10", "“盖梁顶缘左横坡”过大,不能大于10", iLb * 100,
                            -10.0, 10.0, "iLb", ok, kPartPier, 0);
    MyReportErrorOutOfRange(label, "“盖梁顶缘右横坡”过小,不能小于-10", "“盖梁顶缘右横坡”过大,不能大于10", iRb * 100,
                            -10.0, 10.0, "iRb", ok, kPartPier, 0);
    MyQMReportError_compare_A_B(label, "“盖梁双坡时控制截面距盖梁左端距离”过小,不能小于1000", bAc, "不能小于",
                                1000.0, "bAc", ok, kPartPier, 0);
    MyQMReportError_compare_A_B(label, "“盖梁双坡时控制截面距盖梁右端距离”过小,不能小于1000", CapLength() - bAc,
                                "不能小于", 1000.0, "bAc", ok, kPartPier, 0);
    if (!leftHaunch)
        MyQMReportError_compare_A_B(label, "“系统推算左梁端截面高度”过小,不能小于300", HeightLeftEnd, "不能小于",
                                    300.0, "hHgl/bAc/iLb", ok, kPartPier, 0);
    if (!rightHaunch)
        MyQMReportError_compare_A_B(label, "“系统推算右梁端截面高度”过小,不能小于300", HeightRightEnd, "不能小于",
                                    300.0, "hHgl/bAc/iRb", ok, kPartPier, 0);
}

void CPM001org::DoDiagnose_GLDZ(int& ok, unsigned label)
{
    Get_polygon_Coordinate_GL();

    const char* alongMessage = "“墩柱”纵桥向不能越出“盖梁梁底纵桥向宽度的边缘”";
    const char* haunchMessage = "“墩柱”横桥向不能越出“盖梁梁底变高段起点处的边缘”";
    const double halfBottomWidth = B / 2 - std::fabs(vP);
    if (ColumnSectionType != 0) {
        MyQMReportError_compare_A_B(label, alongMessage, D / 2, "不能大于", halfBottomWidth, "D/B/LG", ok, kPartPier, 0);
        MyQMReportError_compare_A_B(label, haunchMessage, D / 2, "不能大于", std::cos(a) * (bBzl - bBpl), "bBzl", ok,
                                    kPartPier, 0);
        MyQMReportError_compare_A_B(label, haunchMessage, D / 2, "不能大于", std::cos(a) * (bBzr - bBpr), "bBzr", ok,
                                    kPartPier, 0);
    } else {
        MyQMReportError_compare_A_B(label, alongMessage, lRec / 2, "不能大于", halfBottomWidth, "lRec/B/LG", ok,
                                    kPartPier, 0);
        // On a skewed pier the column's corner reaches further along the cap than its half width.
        const double leftClear = (bBzl - bBpl) - bRec / 2 - std::fabs(std::tan(a)) * (lRec - vP) / 2;
        MyQMReportError_compare_A_B(label,
                                    KVDataCommon::IsEqual(bBpl, 0.0) ? "“墩柱”横桥向不能越出“盖梁梁底横桥向的左边缘”"
                                                                     : haunchMessage,
                                    leftClear, "不能小于", 0.0, "bBzl/bBzr/bBz", ok, kPartPier, 0);
        const double rightClear = (bBzr - bBpr) - bRec / 2 - std::fabs(std::sin(a)) * (lRec - vP) / 2;
        MyQMReportError_compare_A_B(label,
                                    KVDataCommon::IsEqual(bBpr, 0.0) ? "“墩柱”横桥向不能越出“盖梁梁底横桥向的右边缘”"
                                                                     : haunchMessage,
                                    rightClear, "不能小于", 0.0, "bBzl/bBzr/bBz", ok, kPartPier, 0);
    }

    MyReportErrorOutOfRange(label, LimitText("“墩柱个数”过小,不能小于1", kMinColumns),
                            LimitText("“墩柱个数”过大,不能大于20", kMaxColumns), bBz.GetSize() + 1, kMinColumns,
                            kMaxColumns, "bBz", ok, kPartPier, 0);
}

// The cap bottom in plan: x along the cap from its middle, y across from the section's edge; the
// chamfers V are cut off both long sides and the skew shifts each point along the cap by y·tan(−a).
void CPM001org::Get_polygon_Coordinate_GL()
{
    const double L = CapLength();
    const double t = std::tan(-a);
    const double y1 = V, y2 = B - V;
    GLBottomOutline.RemoveAll();
    GLBottomOutline.Add(CDblPoint(L / 2 + t * y1, y1));
    GLBottomOutline.Add(CDblPoint(L / 2 + t * y2, y2));
    GLBottomOutline.Add(CDblPoint(-L / 2 + t * y2, y2));
    GLBottomOutline.Add(CDblPoint(-L / 2 + t * y1, y1));
}
