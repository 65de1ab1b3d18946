// Stirrups of the cap beam: the steps SetsgData chains and the sharing, record and walking steps they call.
#pragma once

#include "capbeam/stirrups/plan.h"

namespace CapBeamStirrups {

// The checks made before anything is laid out; each failure is reported. 1 when the stirrups can be laid.
int CheckInput(const Atom& atom, Layout layout);
// Of those checks, without a report: the message of the first that fails, or nullptr. The layout's
// own (support lines, spacings, densified counts, spans), and the through bars' outline given, which
// ends the tapered parts.
const char* LayoutFault(const Atom& atom, Layout layout);
const char* OutlineFault(const Atom& atom, const CDblPointArray& outline);
// Tapered end parts, square-end marks and the leg allowance. 0 after a reported error.
int PlanEnds(const Atom& atom, Plan& plan);
// The same without a report, from the through bars' outline given: the message of its fault, or nullptr.
const char* PlanEndsFault(const Atom& atom, const CDblPointArray& outline, Plan& plan);
// Counts and spacings of the zones along the beam. 0 after a reported error.
int LayOutZones(Atom& atom, Plan& plan);
// The outer cantilevers of the densified square layout as its normal spacings are counted: the
// cantilever's length at the skeleton's inner edges (the shorter of the two), and its end, the
// length it keeps free at the beam's end: the end distance at a square end, the tapered part where
// the end tapers.
double CantileverRoom(const Atom& atom, BeamEnd end);
double CantileverEnd(const Atom& atom, const Plan& plan, BeamEnd end);
// The cantilever's normal spacings as first counted, with dense densified spacings at its support
// line: below zero where those reach past its length less its end by a whole normal spacing or
// more, which the layout reports as possibly too many densified spacings.
int FirstNormalSpacings(const Atom& atom, const Plan& plan, BeamEnd end, int dense);
// The plan's end-zone lengths (densified square layout) and bare end zones (uniform square layout),
// from the counts the zone layout leaves.
void ZoneLengths(const Atom& atom, Plan& plan);
// Hook angle, bend radius and hook length of the stirrups.
void SetHooks(Atom& atom);
// One stirrup record of each kind per stirrup group, with labels, counts, legs and cut lengths.
// 0 after a reported error.
int FillGroupRecords(Atom& atom, const Plan& plan);

// Stirrups standing on one tapered part by the layout's own count, below zero where the end distance
// lies beyond the part. false after a reported error.
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
    double taperOuter = 0.0;  // the taper record's outermost and innermost stirrup, when taper > 0
    double taperInner = 0.0;
};

// Every stirrup laid along the beam, shared among the records: each stands in exactly one.
struct Shares {
    EndShare left;
    EndShare right;
    long long main = 0;  // stirrups of the main record (the same for every stirrup group)
};

// Shares the laid stirrups among the records. false after a reported error.
bool ShareStirrups(const Atom& atom, const Plan& plan, Shares& shares);

// Stations of the main record's outermost stirrups at the two ends, from the left end. false after a
// reported error.
bool OuterStations(const Atom& atom, const Plan& plan, const Shares& shares, double& xl, double& xr);
// The outermost and the innermost stirrup a taper record holds at one end (share: what it holds
// there), as distances from that end; the end distance where it holds none.
void TaperStations(const Atom& atom, const EndShare& share, double& outer, double& inner);

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
// Height between the skeleton's top and bottom bars at station x (from the left end), which a
// stirrup standing there spans: over a tapered part the bottom bars follow its slope, elsewhere
// they lie level; the top follows the cross slopes. false after a reported error (a station the
// slope's probe misses).
bool BarsHeight(const Atom& atom, const Plan& plan, double x, double& h);
// Reports that the stirrups cannot be laid because the count or rest published under key would
// fall below zero; where, when given, says where along the beam. Always false.
bool ReportBelowZero(const CString& key, const CString& where = CString());
// Cut length of one stirrup: the legs rounded to whole units, two hooks, then the schedule's rounding.
double StirrupCutLength(const Atom& atom, double L1, double L1p, double L2);

// Walking along stirrup positions. Every walk is bounded: a walk that would need more than
// kMaxSteps steps reports that the spacings are too small for the beam and fails.
inline constexpr int kMaxSteps = 1000000;
void ReportTooManySteps();
// While one lives on a thread, a walk that is too long fails there without a report: the stored
// layout of a design walked again may be damaged, which is no fault of the design's steps.
class QuietWalks {
public:
    QuietWalks();
    ~QuietWalks();
    QuietWalks(const QuietWalks&) = delete;
    QuietWalks& operator=(const QuietWalks&) = delete;
};
// Stores a stirrup count; a count beyond the library's count limit is reported like a walk that is
// too long. false after a reported error.
bool StoreCount(long long count, int& field);

// Moves p by step at most count times, stopping at the first position beyond limit (p > limit).
// false after a reported error.
bool MoveBeyond(double& p, double step, int count, double limit);

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
