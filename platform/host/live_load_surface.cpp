// CCalGenLiveLoadSurface: its groups of parallel tables.
#include "host/live_load_surface.h"

#include <initializer_list>

std::vector<CArray<CStringArray*, CStringArray*>> CCalGenLiveLoadSurface::GetTableGroups()
{
    auto group = [](std::initializer_list<CStringArray*> tables) {
        CArray<CStringArray*, CStringArray*> g;
        for (CStringArray* t : tables) g.Add(t);
        return g;
    };
    return {
        group({&m_PartName, &m_PartKind, &m_PartWidth, &m_PartSlope, &m_PartThickness, &m_PartCrowdLoad}),
        group({&m_LaneName, &m_LaneLeft, &m_LaneRight, &m_LaneLoadClass, &m_LaneDirection, &m_LaneTransverseFactor,
               &m_LaneLongitudinalFactor, &m_LaneImpactFactor, &m_LaneEccentricity}),
        group({&m_SpanLength, &m_SpanKind}),
        group({&m_GirderName, &m_GirderPosition, &m_GirderBearingFront, &m_GirderBearingBack}),
    };
}
