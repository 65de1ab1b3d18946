// Stirrups: the layout chosen from the stirrup settings, each cantilever end of the plan seen from
// its own side, and the measures of the beam the steps share.
#include "capbeam/stirrups/plan.h"

#include "capbeam/stirrups/bar_counts.h"
#include "common/is_equal.h"

#include <algorithm>

using KVDataCommon::IsEqual;

namespace CapBeamStirrups {

Layout ChooseLayout(const CapBeamRecords::SgDataSet& sg)
{
    if (sg.fenG == 1) return sg.fLayMode == 0 ? Layout::DensifiedSquare : Layout::DensifiedSkewed;
    return sg.fLayMode == 0 ? Layout::UniformSquare : Layout::UniformSkewed;
}

bool IsDensified(Layout layout)
{
    return layout == Layout::DensifiedSquare || layout == Layout::DensifiedSkewed;
}

bool IsSquare(Layout layout)
{
    return layout == Layout::DensifiedSquare || layout == Layout::UniformSquare;
}

bool LaysEndZones(Layout layout)
{
    return IsSquare(layout);
}

namespace {

// Entry of a side's densified list at a support line; 0 where the list has no such entry (only
// the uniform layouts, which do not need the lists, can meet one).
int DenseAt(const IntArray& list, int index)
{
    return index >= 0 && index < list.GetSize() ? list[index] : 0;
}

} // namespace

EndSide LeftEnd(const Atom& atom, const Plan& plan)
{
    const auto& sg = atom.sg;
    EndSide e;
    e.d = plan.dL;
    e.cantilever = atom.bBzl;
    e.dense = DenseAt(sg.lns2, 0);
    e.denseEntries = sg.lns2.GetSize();
    e.normal = sg.ns.GetSize() > 0 ? sg.ns[0] : 0;
    e.nas = sg.nasl;
    e.rest = sg.as.GetSize() > 0 ? sg.as[0] : 0.0;
    e.zone = plan.LL;
    e.zoneRest = sg.TBL;
    e.ns3 = sg.lns3;
    e.nXB = sg.lXBns2;
    e.square = plan.squareL;
    e.bare = plan.bareL;
    return e;
}

EndSide RightEnd(const Atom& atom, const Plan& plan)
{
    const auto& sg = atom.sg;
    const int nPier = atom.nPier;
    EndSide e;
    e.d = plan.dR;
    e.cantilever = atom.bBzr;
    // The last support line's entry; a uniform layout may hold a shorter list: its last entry.
    const int lastDense = std::min(sg.rns2.GetSize(), nPier) - 1;
    e.dense = DenseAt(sg.rns2, lastDense);
    e.denseEntries = sg.rns2.GetSize();
    e.normal = nPier < sg.ns.GetSize() ? sg.ns[nPier] : 0;
    e.nas = sg.nasr;
    e.rest = nPier < sg.as.GetSize() ? sg.as[nPier] : 0.0;
    e.zone = plan.RR;
    e.zoneRest = sg.TBR;
    e.ns3 = sg.rns3;
    e.nXB = sg.rXBns2;
    e.square = plan.squareR;
    e.bare = plan.bareR;
    return e;
}

bool HasTaperRecords(const Plan& plan)
{
    return !IsEqual(plan.dL, 0.0) && !IsEqual(plan.dR, 0.0);
}

bool HasSkewEndRecords(const Atom& atom, Layout layout)
{
    return IsSquare(layout) && !IsEqual(atom.a, 0.0);
}

double NetHeight(const Atom& atom, double x)
{
    return atom.GetFame_XZ(x) - atom.st.da;
}

int WidthKey(const Atom& atom, const CapBeamRecords::M_XH& group)
{
    const double w = atom.st.Frame[group.nB - 1]->y - atom.st.Frame[group.nA - 1]->y;
    return CapBeamBarCounts::TruncCount(w * 10.0 + 0.5);
}

} // namespace CapBeamStirrups
