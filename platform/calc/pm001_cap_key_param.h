// CPM001_CapKeyParam: the cap-beam part of the pier's design key parameters (frames, bar groups, bar sets, tendons).
#pragma once

#include "common/int_array.h"
#include "mfc/carray.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

// The user-adjustable key parameters of the cap-beam reinforcement: the welded skeleton ("st"), its
// frames across the beam width and their bar groups, the stirrups ("sg"), the side bars ("sh"), the
// end-face bars ("sd") and, for a prestressed beam, the tendon definitions. Lengths in mm, angles in
// radians; a switch is 0 (off) or non-zero (on). docs/key-parameters.md gives the JSON form.
//
// Every record holds its parts by value, so a copy owns everything it holds and shares nothing with
// its source. The record types FrameAr and SteelAr have the names of the lists that hold them; outside
// the class the types are named `struct CPM001_CapKeyParam::FrameAr` and `struct CPM001_CapKeyParam::SteelAr`.
class CPM001_CapKeyParam {
public:
    // One bar position of a bar group, in group order.
    struct M_GJJ {
        int fBar = 0;       // 0 no bar here; 1 a bar ending here in a straight welded leg; other values: a bar bending here
        int fWQ = 0;        // non-zero: the bar is bent up over the support line into the partner group
        int fXJ = 0;        // non-zero: the bar crosses the span to the neighbouring support line's group
        double dx = 0.0;    // distance of the bend from the support line, measured away from it
    };

    // The bars of one kind of skeleton frame. A main frame (fGJJ non-zero) takes its bars from the bar
    // groups, two per support line: group 2c on the side of support line c towards the left beam end,
    // group 2c + 1 towards the right end. A secondary frame (fGJJ 0) takes its cut-off bars from LenT
    // and LenB and its through bars from fWeldT and fWeldB.
    struct FrameAr {
        int fGJJ = 1;
        // A frame name of FrameName, optionally followed by "(" the names of the frames it stands for ")".
        CString name;
        CArray<CArray<M_GJJ>> GJJ;
        int fWeldT = 1;             // secondary frame: its top bars are welded to the skeleton
        int fWeldB = 1;             // the same for the bottom bars
        CArray<double> LenT;        // top cut-off lengths, (left, right) of the bar over each support line
        CArray<double> LenB;        // bottom cut-off lengths, (left, right) of the span middle for each span
    };

    // One control point of a tendon's elevation profile.
    struct NodeAr {
        double X = 0.0;     // station along the beam from its left end
        double refZ = 0.0;  // distance of the tendon axis from the reference face
        int Refline = 0;    // non-zero: refZ is measured down from the top face; 0: up from the bottom face
        double R = 0.0;     // fillet radius at the point; 0 for a sharp corner
    };

    // One tendon definition.
    struct SteelAr {
        int m = 0;                  // strands per tendon
        int n = 0;                  // number of tendons of this definition
        CString name;
        CArray<double> Y;           // transverse positions of the tendons, from the beam's centre line
        int Ytype = 0;
        CArray<NodeAr> Node;        // control points in station order
        int PT = 0;                 // tensioned ends: 0 both, 1 the left end only, 2 the right end only
        double PC = 0.0;            // control stress as a fraction of the strand's tensile strength
        CString DSeriesIndex;       // material catalogue name of the jack
        CString BseriesIndex;       // of the duct
        CString MLSeriesIndex;      // of the left anchorage
        CString MRSeriesIndex;      // of the right anchorage
        double cl_ES = 0.0;         // elastic modulus of the strand (MPa), carried with the tendon
    };

    // A name with a count, shown with the tendons' elevation.
    struct M_ZLName {
        CString name;
        int n = 0;
    };

    // One stirrup group: the first and the last skeleton frame it encloses (1-based).
    struct M_XH {
        int nA = 0;
        int nB = 0;
    };

    int fDistribute = 0;        // non-zero: the end-face bars "sd" are laid
    int fPosSdAndSt = 0;        // 0: the "sd" bars lie just outside the skeleton's ends; non-zero: just inside
    int fPosShAndSg = 0;        // 0: side bars "sh" inside the stirrups; non-zero: at the outermost frame's distance
    int fVartc = 0;
    int fDrawLMByFsk = 0;       // non-zero: the elevation shows the first main frame

    // Welded skeleton.
    double st_d = 0.0;          // main-bar diameter
    int st_type = 0;            // main-bar type code
    double st_ac = 0.0;
    double st_angle = 0.0;      // inclination of the bent-up and inclined bars to the horizontal
    int st_fLayMode = 0;        // 0: frame records are spread over the frames by name and follow the skew
    int st_fWeld = 0;           // 0: welds on one side (10 d long); non-zero: on both sides (5 d)
    double st_LstWeld = 0.0;    // length of the short welded end legs
    int st_fCalculateLarc = 0;  // 1: bar lengths allow for the bends' fillets
    double st_LeadPointR = 0.0; // bend radius at the kinks of the through bars
    double KeyLen1 = 0.0;       // from a support line to each foot of the arc of a bent-up bar over it
    double KeyLen2 = 0.0;       // bend radius at the apex of that arc
    double WeldArcR = 0.0;      // radius where a bent-up or inclined bar meets the skeleton's side

    CArray<struct FrameAr> FrameAr;
    CStringArray FrameName;     // one name per frame across the beam width, in frame order
    CArray<double> FrameY;      // transverse position of each frame, one per name
    CArray<struct SteelAr> SteelAr;
    CArray<M_ZLName> ZLName;

    // Stirrups.
    double sg_d = 0.0;
    double sg_type = 0.0;       // bar type code (a whole number)
    double sg_ac = 0.0;
    double sg_Min = 0.0;        // smallest spacing
    double sg_Max = 0.0;        // largest spacing
    int sg_fLayMode = 0;        // 0: stirrups square to the beam axis; non-zero: along the skew
    double sg_s = 0.0;          // normal spacing
    double sg_s2 = 0.0;         // densified spacing at the support lines
    int sg_fenG = 0;            // 1: densified zones at every support line; otherwise one uniform layout
    double sg_s3 = 0.0;         // spacing of the end zones
    IntArray sg_lns2;           // per support line, densified spacings on its left side
    IntArray sg_rns2;           // and on its right side
    int sg_HookedTpye = 0;      // 0: right-angle hooks; non-zero: 135-degree hooks
    CArray<M_XH> XH;            // stirrup groups

    // Side bars "sh".
    int sh_type = 0;
    double sh_Min = 0.0;
    double sh_Max = 0.0;
    double sh_d = 0.0;
    double sh_ac = 0.0;
    double sh_s = 0.0;

    // End-face bars "sd".
    int sd_type = 0;
    double sd_d = 0.0;
    double sd_ac = 0.0;
    double sd_Min = 0.0;
    double sd_Max = 0.0;

    int fCapSep = 0;            // non-zero: the frames' end stations take no skew correction
    double st_ua = 0.0;         // top cover of the skeleton bars
    double st_sa = 0.0;         // end cover of the skeleton bars
    double sg_a = 0.0;          // from a beam end to the first stirrup

    // Bars along the tendons, counted for the tendon quantity table.
    int SBtype = 0;
    double SBd = 0.0;
    double Ldis = 0.0;          // spacing on a tendon's 1st, 3rd, ... piece
    double Cdis = 0.0;          // spacing on its 2nd, 4th, ... piece
    double PY = 0.0;
};
