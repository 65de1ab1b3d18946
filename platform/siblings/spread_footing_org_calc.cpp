// CPG001org: the spread footing's calculation records (origin record and load record).
#include "siblings/spread_footing_org.h"

#include "calc/pg001_calc_load.h"
#include "calc/pg001_calc_org_data.h"
#include "common/list_sum.h"

int CPG001org::Get_Cal_OrgData(PG001Calc_OrgData* record)
{
    if (!record) return 0;
    record->TopLength = lKs_JICHU;
    record->TopWidth = bKs_JICHU;
    record->TopHeight = hKs_JICHU;
    record->Offset = DY_JICHU;
    record->StepHeights = hTj_JICHU;
    record->StepWidthsLeft = bTjl_JICHU;
    record->StepWidthsRight = bTjr_JICHU;
    record->StepWidthsAlong = lTj_JICHU;
    record->Concrete = ConGra_JICHU;
    record->Reinforced = fPJ_JICHU;
    return 1;
}

// The footing's overall size at its bottom step: each step widens it along the bridge on both
// sides, and across the bridge by its own left and right widening.
int CPG001org::Get_Cal_OrgLoad(CPG001CalcLoad* load, CProjectGeneral* /*general*/, void* /*fill1*/, void* /*fill2*/)
{
    if (!load) return 0;
    load->Length = lKs_JICHU + 2.0 * KVDataCommon::sum(lTj_JICHU);
    load->Width = bKs_JICHU + KVDataCommon::sum(bTjl_JICHU) + KVDataCommon::sum(bTjr_JICHU);
    load->Height = hKs_JICHU + KVDataCommon::sum(hTj_JICHU);
    load->Offset = DY_JICHU;
    load->Concrete = ConGra_JICHU;
    return 1;
}
