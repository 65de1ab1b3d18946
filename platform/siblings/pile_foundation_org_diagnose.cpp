// CPG002org: the pile foundation's own checks and the plan outline of a pile head.
#include "siblings/pile_foundation_org.h"

#include "host/report.h"
#include "host/report_parts.h"
#include "siblings/foundation_checks.h"
#include "siblings/plan_arc.h"

int CPG002org::DoDiagnose(unsigned ID, double elevation, CString key)
{
    int ok = 1;
    FoundationRange(ID, "“桩径”过小,不能小于300", "“桩径”过大,不能大于10000", rZ_JICHU, 300, 10000, "rZ_JICHU", ok,
                    kPartPiles);
    FoundationRange(ID, "“桩长”过小,不能小于1000", "“桩长”过大,不能大于200000", lZ_JICHU, 1000, 200000, "lZ_JICHU",
                    ok, kPartPiles);
    FoundationRange(ID, "“桩类型”过小,不能小于0", "“桩类型”过大,不能大于1", nZType_JICHU, 0, 1, "nZType_JICHU", ok,
                    kPartPiles);
    if (fC_JICHU) {
        QMReportError_compare_A_B<double>(ID, "“桩头加粗段桩径”应大于“桩径”", rC_JICHU, "必须大于", rZ_JICHU,
                                          "rC_JICHU/rZ_JICHU", ok, kPartPiles, 0);
        QMReportError_compare_A_B<double>(ID, "“桩头加粗段长度”过小,不能小于100", hC_JICHU, "不能小于", 100,
                                          "hC_JICHU", ok, kPartPiles, 0);
        QMReportError_compare_A_B<double>(ID, "“桩头加粗段长度”应不大于“桩长”", hC_JICHU, "不能大于", lZ_JICHU,
                                          "hC_JICHU/lZ_JICHU", ok, kPartPiles, 0);
    }
    if (fXL_JICHU) {
        FoundationRange(ID, "“桩间系梁截面高度”过小,不能小于300", "“桩间系梁截面高度”过大,不能大于10000", hXl_JICHU,
                        300, 10000, "hXl_JICHU", ok, kPartPiles);
        QMReportError_compare_A_B<double>(ID, "“桩间系梁截面宽度”过小,不能小于300", bXl_JICHU, "不能小于", 300,
                                          "bXl_JICHU", ok, kPartPiles, 0);
        // Each tie beam lies on the pile: its top not above the pile top, its bottom not below the pile
        // tip. With a count out of range only the count is reported.
        const bool countInRange = FoundationRange(ID, "“桩间系梁个数”过小,不能小于1", "“桩间系梁个数”过大,不能大于10",
                                                  zXl_JICHU.GetSize(), 1, 10, "zXl_JICHU", ok, kPartPiles) != 0;
        for (int i = 0; countInRange && i < zXl_JICHU.GetSize(); ++i) {
            CString top, bottom;
            top.Format("第%d道“桩间系梁顶面距桩顶距离”过小,不能小于0", i + 1);
            bottom.Format("第%d道“桩间系梁底面”不能低于“桩底”", i + 1);
            QMReportError_compare_A_B<double>(ID, top, zXl_JICHU[i], "不能小于", 0, "zXl_JICHU", ok, kPartPiles,
                                              static_cast<unsigned>(i));
            QMReportError_compare_A_B<double>(ID, bottom, zXl_JICHU[i] + hXl_JICHU, "不能大于", lZ_JICHU,
                                              "zXl_JICHU/hXl_JICHU/lZ_JICHU", ok, kPartPiles,
                                              static_cast<unsigned>(i));
        }
    }
    CheckColumnBottomElevation(ID, elevation, key, ok, kPartPiles);
    return ok;
}

// The pile head (the enlarged head when the pile has one) about the column centre, x across the
// bridge and y along it: the circle of GetHeadDiameter() from angle 0 counter-clockwise.
void CPG002org::Get_Coordinate_ZJ(CDblPointArray& outline) const
{
    outline.RemoveAll();
    AppendPlanCircle(0.0, 0.0, GetHeadDiameter() / 2, outline);
}
