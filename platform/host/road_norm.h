// CRoadNorm: the host's road object — its name and the records of the road the component stands on.
#pragma once

#include "host/pier_assign.h"
#include "host/road_records.h"
#include "mfc/cstring.h"

class CRoadNorm {
public:
    const CString& GetName() const { return m_strName; }
    void SetName(const CString& name) { m_strName = name; }

    CBridgeRoadGeneral* GetRoadGeneral() { return &m_General; }
    CBridgeRoadDeck* GetRoadDeck() { return &m_Deck; }
    CBridgeRoadCurve* GetRoadCurve() { return &m_Curve; }
    CBridgeRoadGeology* GetRoadGeology() { return &m_Geology; }
    CBridgeZKHole* GetRoadZKHole() { return &m_ZKHole; }
    CBridgeSoil* GetRoadSoil() { return &m_Soil; }
    CBridgePierAssign* GetRoadPierSpanAssign() { return &m_PierAssign; }

private:
    CString m_strName;
    CBridgeRoadGeneral m_General;
    CBridgeRoadDeck m_Deck;
    CBridgeRoadCurve m_Curve;
    CBridgeRoadGeology m_Geology;
    CBridgeZKHole m_ZKHole;
    CBridgeSoil m_Soil;
    CBridgePierAssign m_PierAssign;
};
