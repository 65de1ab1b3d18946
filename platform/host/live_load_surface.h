// CCalGenLiveLoadSurface: the deck cross-section over a span beside the pier, on which live loads are placed.
#pragma once

#include "mfc/carray.h"
#include "mfc/cstring_array.h"

#include <vector>

// Every table is a list of texts as the user typed them, one row per entry; the tables of one
// group are parallel (row i of each belongs to the same entry). Lengths in mm, positions across
// the bridge measured from the deck's left edge.
struct CCalGenLiveLoadSurface {
    // Deck cross-section parts, left to right.
    CStringArray m_PartName;              // "左护栏", "行车道"
    CStringArray m_PartKind;              // kind of part: carriageway, sidewalk, barrier, median
    CStringArray m_PartWidth;
    CStringArray m_PartSlope;             // cross slope, percent
    CStringArray m_PartThickness;         // pavement or fill thickness
    CStringArray m_PartCrowdLoad;         // crowd load on the part, kN/m²

    // Design lanes.
    CStringArray m_LaneName;
    CStringArray m_LaneLeft;              // left edge of the lane
    CStringArray m_LaneRight;             // right edge of the lane
    CStringArray m_LaneLoadClass;         // vehicle load class ("公路-I级")
    CStringArray m_LaneDirection;         // travel direction, 0 or 1
    CStringArray m_LaneTransverseFactor;  // transverse reduction factor
    CStringArray m_LaneLongitudinalFactor;// longitudinal reduction factor
    CStringArray m_LaneImpactFactor;
    CStringArray m_LaneEccentricity;      // eccentricity of the lane load from the lane centre

    // Spans on either side of the pier.
    CStringArray m_SpanLength;
    CStringArray m_SpanKind;              // span kind: simply supported or continuous

    // Girders bearing on the pier, left to right.
    CStringArray m_GirderName;
    CStringArray m_GirderPosition;        // girder axis across the bridge
    CStringArray m_GirderBearingFront;    // bearing under the girder on the front row
    CStringArray m_GirderBearingBack;     // bearing under the girder on the back row

    // The four groups of parallel tables, in this order: parts (6 tables), lanes (9),
    // spans (2), girders (4). Each group is ready for Clear_Str_Empty.
    std::vector<CArray<CStringArray*, CStringArray*>> GetTableGroups();
};
