// CPG003org: the pile cap's calculation records, and the live-load surfaces of the pier's loads.
#include "siblings/pile_cap_org.h"

#include "calc/bc_bridge_span_align.h"
#include "calc/pg003_calc_load.h"
#include "calc/pg003_calc_org_data.h"

int CPG003org::Get_Cal_OrgData(PG003Calc_OrgData* record)
{
    if (!record) return 0;
    record->BodyKind = PileCapTtype_JICHU;
    record->ColumnJoint = nLJ_JICHU;
    record->Length = lT_JICHU;
    record->Width = bT_JICHU;
    record->Thickness = hT_JICHU;
    record->Offset = DY_JICHU;
    record->EndRadius = bYz_JICHU;
    record->PileDiameter = rZ_JICHU;
    record->PileLength = lZ_JICHU;
    record->PileSpacingsAcross = bZj_JICHU;
    record->PileSpacingsAlong = lZj_JICHU;
    record->Concrete = ConGra_JICHU;
    return 1;
}

int CPG003org::Get_Cal_OrgLoad(CPG003CalcLoad* load)
{
    if (!load) return 0;
    load->Length = lT_JICHU;
    load->Width = bT_JICHU;
    load->Thickness = hT_JICHU;
    load->Offset = DY_JICHU;
    load->Concrete = ConGra_JICHU;
    return 1;
}

// Without a surface the record stays as it was.
void CPG003org::SetLoadSurface(tagBC_BridgeSpanAlign& align, const CCalGenLiveLoadSurface* surface)
{
    if (!surface) return;
    align.Surface = *surface;
    align.Filled = 1;
}
