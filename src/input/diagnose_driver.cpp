// The pier's diagnosis: every check group in order, then the material names against the catalogue.
#include "input/pier_origin_data.h"

#include "catalog/material_catalog.h"
#include "host/cpm001_input.h"
#include "host/kv_expression_report.h"
#include "host/report_parts.h"
#include "input/pier_surroundings.h"

void CPM001org::DoDiagnose_ListTexts(const CPM001* input, int& ok, unsigned label)
{
    if (!input) return;
    CArray<double> values;
    ReadReportedExpression(label, "墩柱横桥向间距", input->bBz, "bBz", kPartPier, ok, values);
    if (fXL) ReadReportedExpression(label, "墩柱系梁顶面标高", input->zXl, "zXl", kPartPier, ok, values);
}

int CPM001org::DoDiagnose(const PierSurroundings* around, unsigned label)
{
    // Every group runs whatever the earlier ones found, so one diagnosis lists every violation.
    // The list texts are read again from the input, so that a stored pier fails as a received one.
    const CPM001* input = around ? around->pInput : nullptr;
    int ok = 1;
    DoDiagnose_ListTexts(input, ok, label);
    DoDiagnose_GLCC(ok, label);
    DoDiagnose_GLDZ(ok, label);
    DoDiagnose_DZCC(ok, label);
    DoDiagnose_DZXLCC(around, ok, label);
    DoDiagnose_DZJC(around, ok, label);
    DoDiagnose_ZZ(input, ok, label);
    DoDiagnose_DS(around, ok, label);
    DoDiagnose_FZDK(ok, label);

    auto unknown = [&](const char* key, const char* message) {
        MyReportDiagnose(label, key, "Error", message, 0, 0, kPartPier);
        ok = 0;
    };
    if (!IsConcrete(PierCapConGra)) unknown("PierCapConGra", "盖梁混凝土等级不存在");
    if (!IsConcrete(PierColumnConGra)) unknown("PierColumnConGra", "墩柱混凝土等级不存在");
    // Pedestal concrete is asked for by the front row's pedestals only.
    if (BedStoneTypef > 0 && !IsConcrete(BedStoneConGra)) unknown("BedStoneConGra", "支座垫石混凝土等级不存在");
    if (fXL != 0 && !IsConcrete(TieBeamConGra)) unknown("SZC", "墩间系梁混凝土等级不存在");
    if (JGType != 0) {
        if (!IsTendon(TendonMaterial)) unknown("strTendonIndex", "纵向预应力筋材料类型不存在");
        if (!IsCorrugatedPipeSeries(DuctSeries)) unknown("BSeriesIndex", "波纹管系列名称不存在");
        if (!IsAnchorSeries(AnchorSeries)) unknown("MSeriesIndex", "锚具系列名称不存在");
    }
    return ok;
}
