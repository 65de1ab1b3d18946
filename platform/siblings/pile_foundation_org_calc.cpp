// CPG002org: the pile foundation's calculation records (origin record and load record).
#include "siblings/pile_foundation_org.h"

#include "calc/pg002_calc_load.h"
#include "calc/pg002_calc_org_data.h"

int CPG002org::Get_Cal_OrgData(PG002Calc_OrgData* record)
{
    if (!record) return 0;
    record->PileDiameter = rZ_JICHU;
    record->EnlargedHead = fC_JICHU;
    record->HeadDiameter = rC_JICHU;
    record->HeadLength = hC_JICHU;
    record->PileLength = lZ_JICHU;
    record->PileType = nZType_JICHU;
    record->TieBeams = fXL_JICHU;
    record->TieBeamWidth = bXl_JICHU;
    record->TieBeamHeight = hXl_JICHU;
    record->TieBeamDepths = zXl_JICHU;
    record->Concrete = ConGra_JICHU;
    return 1;
}

int CPG002org::Get_Cal_Load(CPG002CalcLoad* load)
{
    if (!load) return 0;
    load->PileDiameter = rZ_JICHU;
    load->PileLength = lZ_JICHU;
    load->Concrete = ConGra_JICHU;
    return 1;
}
