// Column checks (section, spacings, heights, end distances) and tie-beam checks.
#include "input/pier_origin_data.h"

#include "common/is_equal.h"
#include "host/report_parts.h"
#include "input/diagnose_limits.h"

namespace {

// "“第i根墩柱与第i+1根墩柱横桥向间距”应大于“…”" for the spacing at 0-based index i.
CString spacingMessage(int i, const char* width)
{
    CString text;
    text.Format("“第%d根墩柱与第%d根墩柱横桥向间距”应大于“%s”", i + 1, i + 2, width);
    return text;
}

} // namespace

void CPM001org::DoDiagnose_DZCC(int& ok, unsigned label)
{
    // Neighbouring columns may not touch: each spacing must exceed the column's width across.
    // A spacing equal to the width within the tolerance is compared exactly (and so passes when
    // a hair greater).
    const bool circular = ColumnSectionType != 0;
    const double width = circular ? D : bRec;
    const char* widthName = circular ? "墩柱直径" : "墩柱截面横桥向尺寸";
    const char* spacingKeys = circular ? "bBz/D" : "bBz/bRec";

    if (circular) {
        MyReportErrorOutOfRange(label, "“墩柱直径”过小,不能小于400", "“墩柱直径”过大,不能大于10000", D, 400.0,
                                10000.0, "D", ok, kPartPier, 0);
    } else {
        MyQMReportError_compare_A_B(label, "“墩柱截面横桥向宽度”过小,不能小于500", bRec, "不能小于", 500.0, "bRec", ok,
                                    kPartPier, 0);
        MyQMReportError_compare_A_B(label, "“墩柱截面顺桥向宽度”过小,不能小于500", lRec, "不能小于", 500.0, "lRec", ok,
                                    kPartPier, 0);
        if (FilletMode == 1) {
            MyQMReportError_compare_A_B(label, "“墩柱截面直线倒角横桥向尺寸”过小,不能小于10", X, "不能小于", 10.0, "X",
                                        ok, kPartPier, 0);
            MyQMReportError_compare_A_B(label, "“墩柱截面直线倒角顺桥向尺寸”过小,不能小于10", Y, "不能小于", 10.0, "Y",
                                        ok, kPartPier, 0);
            MyQMReportError_compare_A_B(label, "“墩柱截面直线倒角横桥向尺寸”应不大于“1/3墩柱截面横桥向宽度”", X,
                                        "不能大于", bRec / 3, "X/bRec", ok, kPartPier, 0);
            MyQMReportError_compare_A_B(label, "“墩柱截面直线倒角顺桥向尺寸”应不大于“1/3墩柱截面顺桥向宽度”", Y,
                                        "不能大于", lRec / 3, "Y/lRec", ok, kPartPier, 0);
        } else if (FilletMode == 2) {
            MyReportErrorOutOfRange(label, "“墩柱截面圆弧倒角半径”过小,不能小于10", "“墩柱截面圆弧倒角半径”过大,不能大于150",
                                    R, 10.0, 150.0, "R", ok, kPartPier, 0);
        }
    }
    // Per column: with a column count out of range only that count is reported (cap-beam checks).
    const bool columnsInRange = ColumnCountInRange(bBz.GetSize());
    for (int i = 0; columnsInRange && i < bBz.GetSize(); ++i) {
        if (bBz[i] > width && !KVDataCommon::IsEqual(bBz[i], width)) continue;
        MyQMReportError_compare_A_B(label, spacingMessage(i, widthName), bBz[i], "必须大于", width, spacingKeys, ok,
                                    kPartPier, 0);
    }

    for (int i = 0; columnsInRange && i < ColumnHeights.GetSize(); ++i) {
        CString column;
        column.Format("“第%d根墩柱高度”", i + 1);
        MyReportErrorOutOfRange(label, column + "过小,不能小于200", column + "过大,不能大于100000", ColumnHeights[i],
                                200.0, 100000.0, "zGl/zZct", ok, kPartPier, static_cast<unsigned>(i));
    }
    MyReportErrorOutOfRange(label, "“左墩柱中心距梁端”过小,不能小于500", "“左墩柱中心距梁端”过大,不能大于20000", bBzl,
                            500.0, 20000.0, "bBzl", ok, kPartPier, 0);
    MyReportErrorOutOfRange(label, "“右墩柱中心距梁端”过小,不能小于500", "“右墩柱中心距梁端”过大,不能大于20000", bBzr,
                            500.0, 20000.0, "bBzr", ok, kPartPier, 0);
}

void CPM001org::DoDiagnose_DZXLCC(const PierSurroundings* /*around*/, int& ok, unsigned label)
{
    if (fXL == 0) return;

    MyReportErrorOutOfRange(label, "“墩柱系梁截面高度”过小,不能小于300", "“墩柱系梁截面高度”过大,不能大于10000", hXl,
                            300.0, 10000.0, "hXl", ok, kPartPier, 0);
    MyQMReportError_compare_A_B(label, "“墩柱系梁截面宽度”过小,不能小于300", bXl, "不能小于", 300.0, "bXl", ok, kPartPier, 0);

    // The tie beam meets the column on the column's flat face along the bridge.
    const char* straightFace = "“墩柱系梁截面宽度”应不大于“墩柱截面顺桥向直线段宽度”";
    if (ColumnSectionType != 0)
        MyQMReportError_compare_A_B(label, "“墩柱系梁截面宽度”应不大于“墩柱截面直径”", bXl, "不能大于", D, "bXl/D", ok,
                                    kPartPier, 0);
    else if (FilletMode == 1)
        MyQMReportError_compare_A_B(label, straightFace, bXl, "不能大于", lRec - 2 * Y, "bXl/lRec/Y", ok, kPartPier, 0);
    else if (FilletMode == 2)
        MyQMReportError_compare_A_B(label, straightFace, bXl, "不能大于", lRec - 2 * R, "bXl/lRec/R", ok, kPartPier, 0);
    else
        MyQMReportError_compare_A_B(label, straightFace, bXl, "不能大于", lRec, "bXl/lRec", ok, kPartPier, 0);

    // Tie beams from the top one down: each top lies more than a beam height above the next one's.
    // With a tie-beam count out of range only that count is reported.
    const bool tieBeamsInRange = CountInRange(zXl.GetSize(), kMinTieBeams, kMaxTieBeams);
    for (int i = 0; tieBeamsInRange && i + 1 < zXl.GetSize(); ++i) {
        const double gap = (zXl[i] - zXl[i + 1]) * 1000;
        int held = 1;
        MyQMReportError_compare_A_B(label, "“墩柱系梁竖向”不能重叠", gap, "必须大于", hXl, "zXl/hXl", held, kPartPier, 0);
        if (!held) {   // the pairs below the first overlap are not looked at
            ok = 0;
            break;
        }
    }

    MyReportErrorOutOfRange(label, LimitText("“墩柱系梁个数”过小,不能小于1", kMinTieBeams),
                            LimitText("“墩柱系梁个数”过大,不能大于10", kMaxTieBeams), zXl.GetSize(), kMinTieBeams,
                            kMaxTieBeams, "zXl", ok, kPartPier, 0);
    if (zXl.IsEmpty()) return;
    // Without column tops there is nothing to hold the top tie beam against.
    double lowestTop = 0.0;
    if (ColumnTopLevels.GetMin(lowestTop))
        MyQMReportError_compare_A_B(label, "“墩柱系梁顶面”不能越过“墩柱顶面”", zXl[0], "不能大于", lowestTop, "zXl", ok,
                                    kPartPier, 0);
    MyQMReportError_compare_A_B(label, "“墩柱系梁底面”不能越过“墩柱底面”", zXl[zXl.GetSize() - 1] - hXl / 1000,
                                "不能小于", zZct, "zXl/zZct/hXl", ok, kPartPier, 0);
}
