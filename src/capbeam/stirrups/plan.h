// Stirrups: the layout chosen, the plan the zone layout leaves, each cantilever end seen from its own
// side, and the measures of the beam the steps share.
#pragma once

#include "capbeam/cap_beam_reinforcement.h"

namespace CapBeamStirrups {

using Atom = CPM001T0101Atom;

// How the stirrups are spread along the beam, chosen by the stirrup set's fenG and fLayMode.
enum class Layout {
    DensifiedSquare,  // densified at every support line, stirrups square to the beam axis
    DensifiedSkewed,  // densified at every support line, stirrups along the skew, end rests by BJ3
    UniformSquare,    // one uniform layout, stirrups square to the axis
    UniformSkewed,    // one uniform layout, stirrups along the skew
};

// Once chosen, the layout alone tells the steps how the stirrups are spread and set.
Layout ChooseLayout(const CapBeamRecords::SgDataSet& sg);
bool IsDensified(Layout layout);
// Stirrups square to the beam axis (not along the skew).
bool IsSquare(Layout layout);
// The layouts with stirrups square to the axis lay end zones of their own from each beam end.
bool LaysEndZones(Layout layout);

// The beam's left end (before the first support line) or its right end (past the last).
enum class BeamEnd { Left, Right };

// What the zone layout leaves for the stirrup records.
struct Plan {
    Layout layout = Layout::DensifiedSquare;
    int last = 0;          // index of the last support line
    double dL = 0.0;       // length of the tapered part under the left cantilever (0: square end)
    double dR = 0.0;       // under the right cantilever
    bool squareL = false;  // the left "tapered part" is only the token step that marks a square end
    bool squareR = false;
    double W = 0.0;        // outer-diameter allowance added to every stirrup leg
    double LL = 0.0;       // densified square layout: length of the left end zone
    double RR = 0.0;       // of the right end zone
    bool bareL = false;    // uniform layout: the end zone would end a whole end spacing or more before
    bool bareR = false;    // the end distance, and lays no stirrup
};

// One cantilever end as seen from its own beam end: positions are distances from that end.
struct EndSide {
    double d = 0.0;           // length of the tapered part
    double cantilever = 0.0;  // beam end to the end's support line
    int dense = 0;            // densified spacings beside the end's support line, towards the end
    int denseEntries = 0;     // entries of that side's list of densified spacings
    int normal = 0;           // normal spacings of the cantilever
    int nas = 0;              // end-rest spacings (densified skewed layout)
    double rest = 0.0;        // their length
    double zone = 0.0;        // end-zone length (densified square layout)
    double zoneRest = 0.0;    // rest left between the end zone's last stirrup and the zone's inner end
    int ns3 = 0;              // end-zone spacings s3
    int nXB = 0;              // densified spacings fitted into the end zone
    bool square = false;      // the end is square (token step)
    bool bare = false;        // the end lays no end zone (uniform layout)
};

EndSide LeftEnd(const Atom& atom, const Plan& plan);
EndSide RightEnd(const Atom& atom, const Plan& plan);

// Which stirrup records the beam gets besides the main ones: taper records when both cantilevers
// have tapered parts, skewed-end records when square-set stirrups meet skewed ends.
bool HasTaperRecords(const Plan& plan);
bool HasSkewEndRecords(const Atom& atom, Layout layout);

// Net height of the beam at station x: the top bars' level less the skeleton's bottom distance.
double NetHeight(const Atom& atom, double x);

// Width key of a stirrup group: its width (transverse distance between its two frames) in whole
// tenths. The group's frames must exist (CheckInput).
int WidthKey(const Atom& atom, const CapBeamRecords::M_XH& group);

} // namespace CapBeamStirrups
