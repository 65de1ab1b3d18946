// Bent-up bars: lookups, the tests that let bars share a mark, the key sort, and the marks and schedule rows of the bars and their arcs.
#pragma once

#include "capbeam/cap_beam_reinforcement.h"
#include "common/dbl_array.h"
#include "common/int_array.h"
#include "mfc/carray.h"

#include <utility>
#include <vector>

// The reinforcement object's members of the same names forward here; each works on the object's
// public members only.
namespace CapBeamBentUpBars {

using WQJList = CArray<CPM001T0101Atom::M_WQJ*>;

// The bars of a list found by number: for each number nA, the first bar of the list (from index 0)
// that carries it, in logarithmic time. Null entries of the list are passed over. The index holds
// the bars' addresses: it stays right while the list's bars and their numbers do.
class BentBarsByNumber {
public:
    explicit BentBarsByNumber(const WQJList& list);

    // The first bar numbered number; nullptr when none is.
    CPM001T0101Atom::M_WQJ* Find(int number) const;

private:
    struct Entry {
        int number;
        int position;
        CPM001T0101Atom::M_WQJ* bar;
    };
    std::vector<Entry> m_entries;   // by number, then by position in the list
};

// Total length dE of the first bar numbered number; 0.0 when none is.
double GetWQJdl(const BentBarsByNumber& bars, int number);

// Appends to out the length of every bar of numbers, in order (0.0 for a number no bar carries).
void GetWQJdlAr(const BentBarsByNumber& bars, const IntArray& numbers, DblArray& out);

// May candidate join group? Two bars match when their first-group values (dA or dB) agree, their
// last-group values (dC or dD) agree, their inner positions L agree, their end flags nD..nG are
// equal, and, unless the beam top's two slopes are opposite, their first and last groups are the
// same. The bars are found by number (a number no bar carries matches nothing). At the first
// matching pair the whole candidate is appended to group and 1 is returned; otherwise 0 and group
// is unchanged.
int IsWQJBHHB(const CPM001T0101Atom& atom, const BentBarsByNumber& bars, IntArray& group, const IntArray& candidate);

// Offers candidate to each group in order; the first that takes it ends the search. When none does,
// the candidate becomes a new group. Returns 1.
int IsWQJArBHHB(const CPM001T0101Atom& atom, const BentBarsByNumber& bars, CArray<IntArray>& groups,
                const IntArray& candidate);

bool LessByKey(const std::pair<double, int>& a, const std::pair<double, int>& b);
bool GreaterByKey(const std::pair<double, int>& a, const std::pair<double, int>& b);

// Sorts keys (ascending when ascending is non-zero, else descending) and rearranges values with
// them; the order of equal keys is not kept. values must hold at least as many entries as keys.
void SortByKey(std::vector<double>& keys, std::vector<int>& values, int ascending);

// Length of one bent-up bar or arc as the schedule counts it: the sum of its segments rounded one by
// one, or, with fillet losses counted, the sum of the exact segments plus the losses at its bends;
// rounded to a whole value.
double BentScheduleLength(const CPM001T0101Atom& atom, const DblArray& segments,
                          const CArray<CPM001T0101Atom::M_XZR>& line);

// Gives every finished bar of BentBarList its mark from the running mark counter — first the bars
// over the whole beam, then the others grouped per frame and across frames — and appends one
// marked record per bar to bars.
void MarkBentBars(CPM001T0101Atom& atom, CArray<CPM001T0101Atom::M_WQJ_R*>& bars);

// Appends to rows one schedule row per mark of bars: count, mean cut length, segment labels.
void BentBarRows(CPM001T0101Atom& atom, const CArray<CPM001T0101Atom::M_WQJ_R*>& bars,
                 CArray<CPM001T0101Atom::tRn>& rows);

// Appends to rows one schedule row per mark of arcs: count, mean cut length and the labels of the
// arc's pieces (the two legs labelled "L" where they vary, with lay mode 0).
void BentArcRows(CPM001T0101Atom& atom, const CArray<CPM001T0101Atom::M_ArcWQJ_R*>& arcs,
                 CArray<CPM001T0101Atom::tRn>& rows);

} // namespace CapBeamBentUpBars
