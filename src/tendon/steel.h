// The tendon record M_Steel with its material block M_SteelMat and its elevation nodes M_LNode.
#pragma once

#include "common/circle_curve.h"
#include "common/dbl_array.h"
#include "common/int_array.h"
#include "host/live_count.h"
#include "mfc/carchive.h"
#include "mfc/carray.h"
#include "mfc/cstring.h"

#include <cstddef>
#include <memory>

namespace pm001_tendon {

// Jack (D), duct (B), left anchorage (ML) and right anchorage (MR) of one tendon, as the material
// catalogue gives them.
struct M_SteelMat {
    CString DSeries;
    CString DSeriesIndex;
    CString DAias;
    double Dc = 0.0;
    double Dl = 0.0;
    double MDl = 0.0;
    double El = 0.0;

    CString Bseries;
    CString BseriesIndex;
    CString BAlias;
    int Btype = 0;
    CString Bmat;
    double Bnd = 0.0;
    double Bwd = 0.0;
    double Bnh = 0.0;
    double Bwh = 0.0;
    double Bnw = 0.0;
    double Bww = 0.0;
    double BL = 0.0;

    CString MLSeries;
    CString MLSeriesIndex;
    CString MLAlias;
    int MLtype = 0;
    int MLPT = 0;
    double MLwidth = 0.0;
    double MLheight = 0.0;
    double MLbd = 0.0;
    double MLbw = 0.0;
    double MLbh = 0.0;
    double MLdd = 0.0;
    double MLww = 0.0;
    double MLhh = 0.0;
    double MLCapTH = 0.0;

    CString MRSeries;
    CString MRSeriesIndex;
    CString MRAlias;
    int MRtype = 0;
    int MRPT = 0;
    double MRwidth = 0.0;
    double MRheight = 0.0;
    double MRbd = 0.0;
    double MRbw = 0.0;
    double MRbh = 0.0;
    double MRdd = 0.0;
    double MRww = 0.0;
    double MRhh = 0.0;
    double MRCapTH = 0.0;

    // Fewest bytes the block takes in the archive: 13 texts of at least one byte, 5 ints, 29 doubles.
    static constexpr std::size_t kMinStoredBytes = 13 * 1 + 5 * 4 + 29 * 8;

    void Serialize(CArchive& ar);
};

// One node of a tendon's elevation profile: the point (X, Z) and the fillet at it.
struct M_LNode {
    CString NR;          // 1-based node number as text
    int property = 0;
    double X = 0.0;      // station along the beam
    int Refline = 0;     // 1: refZ measured down from the top face; 0: up from the bottom face
    double refZ = 0.0;
    double Z = 0.0;      // height above the bottom face
    double ZZ = 0.0;
    double R = 0.0;      // fillet radius; 0 for a sharp corner
    double alf = 0.0;    // deflection at the node, radians
    double T = 0.0;      // tangent length of the fillet
    double S = 0.0;      // arc length of the fillet
    double E = 0.0;      // external distance of the fillet

    // A text, two ints and nine doubles.
    static constexpr std::size_t kMinStoredBytes = 1 + 2 * 4 + 9 * 8;

    void Serialize(CArchive& ar);
};

// One tendon: its definition, material, elevation nodes, profile pieces and profile curve.
struct M_Steel {
    int fOwner = 0;      // 1 when the record was loaded from the archive
    int Index = 0;       // 0-based position in the tendon list
    int m = 0;           // number of strands
    int n = 0;
    CString name;
    DblArray Y;
    CString YSeries;
    int Ytype = 0;
    CString YAlias;
    double fpk = 0.0;
    double Yarea = 0.0;
    double Ygama = 0.0;
    CString R;           // label: name prefix and 1-based number, such as N1
    CArray<M_LNode> LNode;
    DblArray L;          // length of each profile piece
    IntArray LKind;      // per piece: 1 straight, 0 arc
    int Ckline = 0;
    int Ckplace = 0;
    DblArray Dsx;
    DblArray Ysx;
    DblArray YZ;
    DblArray X;
    DblArray Z;
    int PT = 0;          // tensioned ends: 0 both, 1 left only, 2 right only
    int FVPTL = 0;
    int FVPTR = 0;
    int FVPTLDL = 0;
    int FVPTQPL = 0;
    int FVPTLDR = 0;
    int FVPTQPR = 0;
    double PC = 0.0;
    double PCT = 0.0;
    double cl_DEL = 0.0;
    double cl_ELL = 0.0;
    double cl_ELR = 0.0;
    double cl_TL = 0.0;
    double cl_ES = 0.0;
    double Mn = 0.0;
    double Mng = 0.0;
    M_SteelMat cl;
    int lMC = -1;        // position type of the left end; -1 until the profile sets it
    int rMC = -1;        // position type of the right end
    std::unique_ptr<CCircleCurve> pCurve;   // the profile curve, one control point per node

    // Fewest bytes a tendon takes in the archive: 4 texts, 8 lists of at least two bytes, 15 ints,
    // 12 doubles, the node count, the material block and the control-point count.
    static constexpr std::size_t kMinStoredBytes =
        4 * 1 + 8 * 2 + 15 * 4 + 12 * 8 + 4 + M_SteelMat::kMinStoredBytes + 4;
    // A control point in the archive: x, y, radius (doubles) and flag (int).
    static constexpr std::size_t kStoredControlPointBytes = 3 * 8 + 4;

    M_Steel() = default;
    M_Steel(M_Steel&&) noexcept = default;
    M_Steel& operator=(M_Steel&&) noexcept = default;

    // Releases the profile curve; pCurve is null afterwards.
    void DeleteCurve() { pCurve.reset(); }

    // Stores the tendon, or loads it: loading replaces the nodes and gives the tendon a new curve
    // filled from the archive (empty when no control point was stored), then sets fOwner to 1.
    void Serialize(CArchive& ar);
    // The curve's control points: their count, then x, y, radius and flag of each. Loading
    // empties the curve before adding the stored points in order.
    static void SerializeCurve(CArchive& ar, CCircleCurve& curve);

private:
    LiveCount<M_Steel> m_live;
};

} // namespace pm001_tendon
