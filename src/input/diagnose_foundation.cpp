// The columns on their foundation: column outlines against the footing, pile or pile-cap outline.
#include "input/pier_origin_data.h"

#include "geometry/polygon_relations.h"
#include "host/report.h"
#include "host/report_parts.h"
#include "input/diagnose_limits.h"
#include "input/pier_surroundings.h"
#include "input/report_helpers.h"
#include "siblings/pile_cap_org.h"
#include "siblings/pile_foundation_org.h"
#include "siblings/spread_footing_org.h"

namespace {

// A rectangular column's outline is tested against its pile only when the column diameter field
// is not larger than the pile head (kept as the pier module has always done it).
constexpr double kPileHeadSlack = 0.0001;

// One finished entry about an input key. Entries on the pier's own keys go out under kPartPier, as
// the origin data's MyReportDiagnose sends them; those on a foundation key under the foundation's.
void Report(unsigned label, const char* key, const char* message, unsigned part)
{
    QMReportDiagnose(label, key, "Error", message, 0, 0, part);
}

CArray<double, double> Spacings(const DblArray& bBz)
{
    CArray<double, double> copy;
    for (double spacing : bBz) copy.Add(spacing);
    return copy;
}

// Spread footing: every column stands on the footing's top layer; separate footings keep clear
// of one another.
void Diagnose_KJ(const CPM001org& org, CPG001org& footing, unsigned label, int& ok)
{
    if (!ColumnCountInRange(org.bBz.GetSize())) return;   // every check here is per column
    CDblPointArray top;
    footing.Get_Coordinate_KJ(top);
    OwnedOutlines columns;
    org.Get_DZ_Coordinate_Array(columns);
    for (const auto& column : columns) {
        if (KVDataCommon::IS_polygonA_in_polygonB(*column, top, 0.0)) continue;
        if (org.ColumnSectionType != 0) {
            Report(label, "D", "“墩柱平面”不能越出“扩大基础顶层平面边缘范围”,可能D有错", kPartPier);
        } else {
            Report(label, "lRec", "“墩柱平面”不能越出“扩大基础顶层平面边缘范围”,可能lRec有错", kPartPier);
            Report(label, "bRec", "“墩柱平面”不能越出“扩大基础顶层平面边缘范围”,可能bRec有错", kPartPier);
        }
        Report(label, "lKs_JICHU", "“墩柱平面”不能越出“扩大基础顶层平面边缘范围”,可能lKs_JICHU有错", kPartFooting);
        Report(label, "bKs_JICHU", "“墩柱平面”不能越出“扩大基础顶层平面边缘范围”,可能bKs_JICHU有错", kPartFooting);
        Report(label, "DY_JICHU", "“墩柱平面”不能越出“扩大基础顶层平面边缘范围”,可能DY_JICHU有错", kPartFooting);
        ok = 0;
        break;   // the remaining columns are not tested
    }
    if (org.BaseLayMode == 0) {
        CArray<double, double> spacings = Spacings(org.bBz);
        footing.Is_KJ_overlap(label, spacings, "bBz", ok, kPartPier);
    }
}

// Pile foundation, one pile under each column: the column is no wider than the pile head, and
// neighbouring columns stand farther apart than the pile head is wide.
void Diagnose_ZJ(const CPM001org& org, const CPG002org& pile, unsigned label, int& ok)
{
    const bool enlargedHead = pile.fC_JICHU != 0;
    const double d = pile.GetHeadDiameter();
    const char* pileKey = enlargedHead ? "rC_JICHU" : "rZ_JICHU";
    const char* outside = "“墩柱平面”不能越出“桩基础平面边缘范围”";

    // The column row names the column key (kPartPier), the pile row the pile key (kPartPiles).
    auto notWiderThanPile = [&](double size, const char* columnKey) {
        QMReportError_compare_A_B<double>(label, outside, size, "不能大于", d, columnKey, ok, kPartPier, 0);
        QMReportError_compare_A_B<double>(label, outside, size, "不能大于", d, pileKey, ok, kPartPiles, 0);
    };
    if (org.ColumnSectionType != 0) {
        notWiderThanPile(org.D, "D");
    } else {
        notWiderThanPile(org.bRec, "bRec");
        notWiderThanPile(org.lRec, "lRec");
    }

    if (!org.bBz.IsEmpty() && ColumnCountInRange(org.bBz.GetSize())) {
        const CArray<double, double> spacings = Spacings(org.bBz);
        const char* message = enlargedHead ? "“相邻两墩柱横桥向间距”应大于“桩头加粗段桩径”"
                                           : "“相邻两墩柱横桥向间距”应大于“桩径”";
        ReportErrorCompareArray(label, message, spacings, "必须大于", d, "bBz", ok, kPartPier, 0);
        ReportErrorCompareArray(label, message, spacings, "必须大于", d, pileKey, ok, kPartPiles, 0);
    }

    if (org.ColumnSectionType == 0 && org.D < d + kPileHeadSlack) {
        CDblPointArray column;
        org.Get_DZ_Coordinate(column);
        CDblPointArray head;
        pile.Get_Coordinate_ZJ(head);
        if (!KVDataCommon::IS_polygonA_in_polygonB(column, head, 0.2)) {
            Report(label, "bRec", "“墩柱平面”不能越出“桩基础平面边缘范围”,可能bRec有错误", kPartPier);
            Report(label, "lRec", "“墩柱平面”不能越出“桩基础平面边缘范围”,可能lRec有错误", kPartPier);
            ok = 0;
        }
    }
}

// Pile cap: every column stands on the cap; separate caps must be rectangular and keep clear of
// one another.
void Diagnose_CT(const CPM001org& org, CPG003org& cap, int capVariant, unsigned label, int& ok)
{
    const bool columnsInRange = ColumnCountInRange(org.bBz.GetSize());
    CDblPointArray capOutline;
    cap.Get_Coordinate_CT(capOutline);
    OwnedOutlines columns;
    if (columnsInRange) org.Get_DZ_Coordinate_Array(columns);
    for (const auto& column : columns) {
        if (KVDataCommon::IS_polygonA_in_polygonB(*column, capOutline, 0.2)) continue;
        if (org.ColumnSectionType == 0) {
            Report(label, "bRec", "“墩柱平面”不能越出“桩基础平面边缘范围”,可能bRec有错误", kPartPier);
            Report(label, "lRec", "“墩柱平面”不能越出“桩基础平面边缘范围”,可能lRec有错误", kPartPier);
        } else {
            Report(label, "D", "“墩柱平面”不能越出“桩基础平面边缘范围”,可能D有错误", kPartPier);
        }
        Report(label, "lT_JICHU", "“墩柱平面”不能越出“基础平面边缘范围”,可能lT_JICHU有错误", kPartPileCap);
        Report(label, "bT_JICHU", "“墩柱平面”不能越出“基础平面边缘范围”,可能bT_JICHU有错误", kPartPileCap);
        Report(label, "DY_JICHU", "“墩柱平面”不能越出“基础平面边缘范围”,可能DY_JICHU有错误", kPartPileCap);
        if (capVariant == 1)
            Report(label, "bYz_JICHU", "“墩柱平面”不能越出“基础平面边缘范围”,可能bYz_JICHU有错误", kPartPileCap);
        ok = 0;
        break;   // the remaining columns are not tested
    }
    if (org.BaseLayMode == 0 && cap.PileCapTtype_JICHU == 0 && columnsInRange) {
        const CArray<double, double> spacings = Spacings(org.bBz);
        const char* message = "分离式基础时，“矩形承台平面”不能重叠";
        const double length = cap.GetLengthAcross();
        ReportErrorCompareArray(label, message, spacings, "必须大于", length, "bBz", ok, kPartPier, 0);
        ReportErrorCompareArray(label, message, spacings, "必须大于", length, "bT_JICHU", ok, kPartPileCap, 0);
    }
    if (org.BaseLayMode == 0 && capVariant == 1) {
        Report(label, "PileCapTtype_JICHU", "“分离式基础”时，不能选择“圆端形承台”,可能PileCapTtype_JICHU有错误",
               kPartPileCap);
        ok = 0;
    }
}

} // namespace

// The foundation object of the pier's kind answers for its own outline; a kind whose object the
// component does not hold (or an unknown kind) has nothing to test against and is skipped.
void CPM001org::DoDiagnose_DZJC(const PierSurroundings* around, int& ok, unsigned label)
{
    if (!around) return;
    switch (BaseType) {
    case 0:
        if (around->pFootingOrg) Diagnose_KJ(*this, *around->pFootingOrg, label, ok);
        break;
    case 1:
        if (around->pPileOrg) Diagnose_ZJ(*this, *around->pPileOrg, label, ok);
        break;
    case 2:
        if (around->pPileCapOrg) Diagnose_CT(*this, *around->pPileCapOrg, around->nPileCapVariant, label, ok);
        break;
    default:
        break;
    }
}
