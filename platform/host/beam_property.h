// CCalGenBeamProperty: the superstructure's girder properties at one longitudinal deck position.
#pragma once

// What the host keeps for the girders that a deck layout places at one position along the
// bridge. Lengths in mm; the engine takes its own beam record from these values.
struct CCalGenBeamProperty {
    int nKind = 0;                 // 0 T-girder, 1 box girder, 2 hollow slab, other codes: other girders
    double dSpan = 0.0;            // span length
    double dBeamSpacing = 0.0;     // girder spacing across the bridge
    double dBeamHeight = 0.0;
    double dBeamWidth = 0.0;       // top flange width
    double dArea = 0.0;            // section area, mm²
    double dInertia = 0.0;         // second moment of area, mm⁴
    double dElasticModulus = 0.0;  // MPa
    double dUnitWeight = 0.0;      // kN/m³
    int nBeamCount = 0;            // girders across the deck
    double dDeckThickness = 0.0;   // deck slab and pavement
    int nLaneCount = 0;            // design lanes on the deck
};
