// The dimensions of one skeleton frame that differ between the frames of its group.
#include "capbeam/skeleton/frame_group_dimensions.h"

#include "common/is_equal.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace CapBeamFrameGroupDimensions {

namespace {

using Atom = CPM001T0101Atom;
using Vertex = CPM001T0101Atom::M_XZR;

// Dimensions closer than this are the same dimension.
constexpr double kAgree = 1e-5;

// Vertex kinds of a bar's centre line.
constexpr int kTopBend = 1;
constexpr int kBottomBend = 2;

// What one frame of the group contributes to the comparison.
struct MemberDims {
    DblArray gaps;   // bend-point spacing
    DblArray cuts;   // cut-off lengths, two per support line
};

// Arc lengths of the whole group at the first and last support line, and frame i's own.
struct ArcDims {
    DblArray groupFirst;
    DblArray groupLast;
    double first = 0.0;
    double last = 0.0;
};

// Every horizontal length of an arc's bottom bends: from each bottom-bend vertex to the next vertex.
// A bottom bend that ends the line has no next vertex and gives no length.
void ArcLengths(const Atom::M_ArcWQJ& arc, DblArray& lengths)
{
    const CArray<Vertex>& pts = arc.PtAr;
    for (int m = 0; m + 1 < pts.GetSize(); ++m)
        if (pts[m].enPoint == kBottomBend) lengths.Add(std::fabs(pts[m + 1].x - pts[m].x));
}

void CollectArcs(const Atom& atom, int f, bool isFrameI, ArcDims& arcs)
{
    const int lastSupport = atom.nPier - 1;
    for (const Atom::M_ArcWQJ_R* rec : atom.BentArcs) {
        if (!rec || !rec->pArcWQJ || rec->pArcWQJ->nA != f) continue;
        const Atom::M_ArcWQJ& arc = *rec->pArcWQJ;
        DblArray lengths;
        ArcLengths(arc, lengths);
        for (double len : lengths) {
            // With a single support line the first and the last support are the same line.
            if (arc.nB == 0) {
                arcs.groupFirst.Add(len);
                if (isFrameI) arcs.first = len;
            }
            if (arc.nB == lastSupport) {
                arcs.groupLast.Add(len);
                if (isFrameI) arcs.last = len;
            }
        }
    }
}

// Stations of the frame's bend points: every top bend of its bent-up bars and the first top bend
// of each of its inclined bars.
DblArray BendPoints(const Atom& atom, int f)
{
    DblArray points;
    for (const Atom::M_WQJ_R* rec : atom.BentBars) {
        if (!rec || !rec->pWQJ || rec->pWQJ->nH != f) continue;
        for (const Vertex& v : rec->pWQJ->PtAr)
            if (v.enPoint == kTopBend) points.Add(v.x);
    }
    for (const Atom::M_BZXJR& bar : atom.InclBars) {
        if (bar.nB != f) continue;
        for (const Vertex& v : bar.PtAr) {
            if (v.enPoint == kTopBend) {
                points.Add(v.x);
                break;
            }
        }
    }
    return points;
}

// The first bend point's station, then the distances between neighbouring bend points.
DblArray Spacing(DblArray points)
{
    std::sort(points.begin(), points.end());
    DblArray gaps;
    for (int m = 0; m < points.GetSize(); ++m) gaps.Add(m == 0 ? points[0] : points[m] - points[m - 1]);
    return gaps;
}

// Left and right length of the frame's top cut-off bar over every support line; 0 and 0 where
// it has none.
DblArray CutLengths(const Atom& atom, int f)
{
    DblArray cuts;
    for (int s = 0; s < atom.nPier; ++s) {
        const Atom::M_DCZDJBH* found = nullptr;
        for (const Atom::M_DCZDJBH* bar : atom.TopCutBars) {
            if (bar && bar->nFrame == f && bar->nA == s) {
                found = bar;
                break;
            }
        }
        cuts.Add(found ? found->L1 : 0.0);
        cuts.Add(found ? found->L2 : 0.0);
    }
    return cuts;
}

// The given frame's values where the group's lists differ, 0 where they agree; empty when the lists
// are of different lengths or agree everywhere.
DblArray Differing(const std::vector<const DblArray*>& lists, const DblArray& own)
{
    DblArray result;
    for (const DblArray* list : lists)
        if (list->GetSize() != own.GetSize()) return result;
    for (int t = 0; t < own.GetSize(); ++t) {
        CArray<double> column;
        for (const DblArray* list : lists) column.Add((*list)[t]);
        result.Add(KVDataCommon::IsEqual(column, kAgree) ? 0.0 : own[t]);
    }
    if (result.GetSize() > 0 && KVDataCommon::IsEqual(result, kAgree) && result[0] == 0.0) result.RemoveAll();
    return result;
}

} // namespace

int GetTLXGJCC_Arc(const CPM001T0101Atom& atom, int i, DblArray& cantList, DblArray& arcList, DblArray& gapList,
                   DblArray& cutList)
{
    if (i < 0 || i >= atom.FrameGroup.GetSize()) return 0;

    std::vector<int> group;
    for (int j = 0; j < atom.FrameGroup.GetSize(); ++j)
        if (atom.FrameGroup[j] == atom.FrameGroup[i]) group.push_back(j);

    ArcDims arcs;
    std::vector<MemberDims> members(group.size());
    std::size_t own = 0;
    for (std::size_t k = 0; k < group.size(); ++k) {
        const int f = group[k];
        if (f == i) own = k;
        CollectArcs(atom, f, f == i, arcs);
        const DblArray points = BendPoints(atom, f);
        if (points.GetSize() == 0) return 0;
        members[k].gaps = Spacing(points);
        members[k].cuts = CutLengths(atom, f);
    }

    std::vector<const DblArray*> gapLists;
    std::vector<const DblArray*> cutLists;
    for (const MemberDims& m : members) {
        gapLists.push_back(&m.gaps);
        cutLists.push_back(&m.cuts);
    }
    cutList.Append(Differing(cutLists, members[own].cuts));
    gapList.Append(Differing(gapLists, members[own].gaps));

    const double y = atom.GetFame_Y(i);
    const double cantilevers[] = {0.0, atom.GetXBCD(1, y, 1), 0.0, atom.GetXBCD(0, y, 1), 0.0};
    for (double c : cantilevers) cantList.Add(c);

    const bool firstAgrees = KVDataCommon::IsEqual(arcs.groupFirst, kAgree) != 0;
    const bool lastAgrees = KVDataCommon::IsEqual(arcs.groupLast, kAgree) != 0;
    if (!firstAgrees || !lastAgrees) {
        const double arcValues[] = {firstAgrees ? 0.0 : arcs.first, 0.0, 0.0, lastAgrees ? 0.0 : arcs.last};
        for (double v : arcValues) arcList.Add(v);
    }
    return 1;
}

} // namespace CapBeamFrameGroupDimensions

int CPM001T0101Atom::GetTLXGJCC_Arc(int i, DblArray& cantList, DblArray& arcList, DblArray& gapList,
                                    DblArray& cutList)
{
    return CapBeamFrameGroupDimensions::GetTLXGJCC_Arc(*this, i, cantList, arcList, gapList, cutList);
}
