// Stirrups of the cap beam: the zone plan, the end seen from its own side, and the steps SetsgData chains.
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

Layout ChooseLayout(const CapBeamRecords::SgDataSet& sg);
bool IsDensified(Layout layout);
// The layouts with stirrups square to the axis lay end zones of their own from each beam end.
bool LaysEndZones(Layout layout);

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
    bool bareL = false;    // uniform layout: the uniform stirrups reach nearer to the left end than the
    bool bareR = false;    // end distance by a whole end spacing or more, and the end lays no end zone
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

// Net height of the beam at station x: the top bars' level less the skeleton's bottom distance.
double NetHeight(const Atom& atom, double x);

// Width key of a stirrup group: its width (transverse distance between its two frames) in whole
// tenths. The group's frames must exist (CheckInput).
int WidthKey(const Atom& atom, const CapBeamRecords::M_XH& group);

// The checks made before anything is laid out; each failure is reported. 1 when the stirrups can be laid.
int CheckInput(const Atom& atom, Layout layout);
// Tapered end parts, square-end marks and the leg allowance. 0 after a reported error.
int PlanEnds(const Atom& atom, Plan& plan);
// Counts and spacings of the zones along the beam. 0 after a reported error.
int LayOutZones(Atom& atom, Plan& plan);
// Hook angle, bend radius and hook length of the stirrups.
void SetHooks(Atom& atom);
// One stirrup record of each kind per stirrup group, with labels, counts, legs and cut lengths.
// 0 after a reported error.
int FillGroupRecords(Atom& atom, const Plan& plan);

// Which stirrup records the beam gets besides the main ones: taper records when both cantilevers
// have tapered parts, skewed-end records when square-set stirrups meet skewed ends.
bool HasTaperRecords(const Plan& plan);
bool HasSkewEndRecords(const Atom& atom);
// Stirrups standing on one tapered part, as the taper record counts them. false after a reported error.
bool TaperCount(const Atom& atom, const Plan& plan, const EndSide& e, int& n);

// Which record holds each stirrup laid at one beam end. Stations are distances from that end.
// The taper record holds every stirrup standing on a tapered part; in the layouts with stirrups
// square to the axis the end zone's own stirrups beyond them go to the skewed-end record (to the
// main record where the beam has none) and the main group's stirrups beyond them to the main record.
struct EndShare {
    long long taper = 0;      // stirrups held by the taper record (0 without taper records)
    long long taperMain = 0;  // of those, main-group stirrups (square layouts)
    long long zone = 0;       // end-zone stirrups beyond the taper that are no main stirrup (square layouts)
    double mainOuter = 0.0;   // the main record's outermost stirrup at this end (square layouts)
    double zoneFirst = 0.0;   // first and last of the zone stirrups beyond the taper, when zone > 0
    double zoneLast = 0.0;
    double taperInner = 0.0;  // the taper record's innermost stirrup, when taper > 0 (square layouts)
};

// Every stirrup laid along the beam, shared among the records: each stands in exactly one.
struct Shares {
    EndShare left;
    EndShare right;
    long long main = 0;  // stirrups of the main record (the same for every stirrup group)
};

// Shares the laid stirrups among the records. false after a reported error.
bool ShareStirrups(const Atom& atom, const Plan& plan, Shares& shares);

// Number of main stirrups before the ends are shared: every stirrup from the main group's
// outermost at one end to the other (square layouts), or from end to end (skewed layouts).
long long MainGroupStirrups(const Atom& atom, const Plan& plan);
// The shorter and the longer leg of the main stirrups. 0 after a reported error.
int MainLegs(const Atom& atom, const Plan& plan, const Shares& shares, double& L1, double& L1p);
// The stirrups under the tapered cantilever bottoms and along the skewed ends. 0 after a reported error.
int FillTaperRecord(const Atom& atom, const Plan& plan, const Shares& shares, const CapBeamRecords::M_sg1& main,
                    CapBeamRecords::M_sg2& record);
int FillSkewEndRecord(const Atom& atom, const Plan& plan, const Shares& shares, const CapBeamRecords::M_sg1& main,
                      const CapBeamRecords::M_sg2* taper, CapBeamRecords::M_sg3& record);
// Reports that the stirrups cannot be laid because the count or rest published under key would
// fall below zero; where, when given, says where along the beam. Always false.
bool ReportBelowZero(const CString& key, const CString& where = CString());
// Cut length of one stirrup: the legs rounded to whole units, two hooks, then the schedule's rounding.
double StirrupCutLength(const Atom& atom, double L1, double L1p, double L2);

// Walking along stirrup positions. Every walk is bounded: a walk that would need more than
// kMaxSteps steps reports that the spacings are too small for the beam and fails.
inline constexpr int kMaxSteps = 1000000;
void ReportTooManySteps();
// Stores a stirrup count; a count beyond the library's count limit is reported like a walk that is
// too long. false after a reported error.
bool StoreCount(long long count, int& field);

// Moves p by step at most count times, stopping at the first position beyond limit (p > limit).
// false after a reported error.
bool MoveBeyond(double& p, double step, int count, double limit);
// Moves p by step at most count times while the next position stays within limit (<= limit).
// Returns the number of steps taken, or -1 after a reported error.
int MoveWithin(double& p, double step, int count, double limit);

// Walk over consecutive stirrup positions towards the crown; stops at the first step that reaches
// or passes it. The two stirrups around the crown are the positions before and after that step;
// a walk that never reaches the crown keeps its last two positions.
class CrownWalk {
public:
    CrownWalk(double start, double crown, bool rightward);
    // count steps of length step (in the walk's direction), unless the crown was reached before.
    // false after a reported error.
    bool Steps(int count, double step);
    bool Reached() const { return m_reached; }
    double Before() const { return m_before; }
    double After() const { return m_x; }

private:
    double m_x;
    double m_before;
    double m_crown;
    bool m_rightward;
    bool m_reached = false;
    int m_taken = 0;
};

} // namespace CapBeamStirrups
