// M_XZR: one vertex of a bar's centre line in the elevation of the cap beam, with its weld data.
#pragma once

class CArchive;

namespace CapBeamRecords {

// A plain value record; a new vertex has every field 0 and every producer sets all ten.
struct M_XZR {
    double x = 0.0;     // station along the beam
    double z = 0.0;     // height above the beam bottom
    double RR = 0.0;    // bend radius at the vertex (0 where the line turns without a bend)
    double alf = 0.0;   // direction angle of the bar at the vertex, radians
    int fH = 0;         // 1 when a weld seam belongs to this vertex
    int fHzy = 0;       // first orientation flag of the weld seam
    int fHsx = 0;       // second orientation flag of the weld seam
    double LH = 0.0;    // weld length
    int fArc = 0;       // 1 when the vertex lies on an arc of the bar
    int enPoint = 0;    // 0 free end; 1, 2 bends (top, bottom); 3 a kink that is not a bend

    // 60 bytes: x, z, RR, alf; fH, fHzy, fHsx; LH; fArc, enPoint.
    void Serialize(CArchive& ar);
};

} // namespace CapBeamRecords
