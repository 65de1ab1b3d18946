// CBridgeRoadGeneral: design tendon materials by structure group.
#include "host/road_records.h"

CString CBridgeRoadGeneral::GetDesignTendonMaterialName(int group) const
{
    if (group < 0 || group >= m_DesignTendonMaterialNames.GetSize()) return CString();
    return m_DesignTendonMaterialNames[group];
}

void CBridgeRoadGeneral::SetDesignTendonMaterialName(int group, const CString& name)
{
    if (group < 0) return;
    m_DesignTendonMaterialNames.SetAtGrow(group, name);
}
