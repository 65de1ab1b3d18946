// BC_BEAM_PROPERTY: the engine's girder properties at one longitudinal deck position.
#pragma once

// Taken from the host's girder record (ConvertBeamPropertyRecord). Lengths in mm.
struct BC_BEAM_PROPERTY {
    int Kind = 0;                  // 0 hollow slab, 1 other girders, 2 T-girder, 3 box girder
    double Span = 0.0;
    double BeamSpacing = 0.0;
    double BeamHeight = 0.0;
    double BeamWidth = 0.0;
    double Inertia = 0.0;          // second moment of area, mm⁴
    double Area = 0.0;             // section area, mm²
    double ElasticModulus = 0.0;   // MPa
    double UnitWeight = 0.0;       // kN/m³
    double DeckThickness = 0.0;
    int BeamCount = 0;
    int LaneCount = 0;
};
