// CPM001T010401Atom::SetCMSteelData: the left, middle and right section views of the tendon layout,
// their numbers, and whether the section and the layout are symmetric about the beam's middle.
#include "tendon/design_object.h"

#include "common/is_equal.h"
#include "geometry/section_station.h"

#include <cstdlib>
#include <vector>

using KVDataCommon::CNodeWithProp;
using KVDataCommon::IsEqual;

namespace {

using M_Steel = CPM001T010401Atom::M_Steel;

// The elevation profile of a tendon with the flags the middle station is chosen by. A node bends
// freely when it is measured from the bottom and starts or ends no run (class 6), or is measured
// from the top and does the same (class 7) unless it stands inside a run along the top (between
// a run's start, class 2, and its end, class 3). The piece after a node runs along a face when
// the node starts a run (class 2 or 4) or the next node ends one (class 6 before 5, 7 before 3).
std::vector<CNodeWithProp> Profile(const M_Steel& steel)
{
    const int n = steel.LNode.GetSize();
    std::vector<CNodeWithProp> nodes;
    for (int j = 0; j < n; ++j) {
        const int kind = steel.LNode[j].property;
        const int previous = j > 0 ? steel.LNode[j - 1].property : 0;
        const int next = j + 1 < n ? steel.LNode[j + 1].property : 0;
        CNodeWithProp node;
        node.pt = CDblPoint(steel.LNode[j].X, steel.LNode[j].Z);
        node.fFree = (kind == 6 || kind == 7) && !(kind == 7 && previous == 2 && next == 3) ? 1 : 0;
        node.fRun = kind == 2 || kind == 4 || (kind == 6 && next == 5) || (kind == 7 && next == 3) ? 1 : 0;
        nodes.push_back(node);
    }
    return nodes;
}

// The number a tendon's label carries: every "N" taken out and the leading integer of the rest
// (0 when there is none, as with any other name prefix).
int LabelNumber(CString label)
{
    label.Replace("N", "");
    return std::atoi(label.GetString());
}

// Every tendon is its own mirror image about the middle of the beam and is tensioned at both ends.
bool MirroredLayout(const std::vector<std::unique_ptr<M_Steel>>& tendons, double length)
{
    for (const auto& steel : tendons) {
        if (!steel) continue;
        const int n = steel->LNode.GetSize();
        for (int j = 0; j < n; ++j) {
            const auto& node = steel->LNode[j];
            const auto& mirror = steel->LNode[n - 1 - j];
            if (!IsEqual(node.X, length - mirror.X) || !IsEqual(node.Z, mirror.Z) || !IsEqual(node.R, mirror.R))
                return false;
        }
        if (steel->PT != 0) return false;
    }
    return true;
}

} // namespace

int CPM001T010401Atom::SetCMSteelData()
{
    int views = 0;

    // Left view, at the leftmost tendon start, when a tendon end is dimensioned from the left.
    DblArray leftFlags1, leftFlags2;
    if (fmxl.GetSize() > 0) {
        GetXHD(fm, SectionHD[0], leftFlags1, leftFlags2, SectionAux[0]);
        enSection.Add(++views);
    }

    // Middle view, at the station chosen from the tendons' runs and the columns.
    std::vector<std::vector<CNodeWithProp>> profiles;
    for (const auto& steel : Steel) {
        if (!steel) continue;
        std::vector<CNodeWithProp> profile = Profile(*steel);
        if (!profile.empty()) profiles.push_back(std::move(profile));
    }
    DblArray columns;
    double station = bBzl;
    columns.Add(station);
    for (int i = 0; i < bBz.GetSize(); ++i) {
        station += bBz[i];
        columns.Add(station);
    }
    // The limit is the road design line's station in the frame of the profiles and the columns.
    double x = 0.0;
    KVDataCommon::GetRequiredSectionDimX(profiles, columns, bBg + bAg, x);
    DblArray middleFlags1, middleFlags2;
    if (fm < x) {
        GetXHD(x, SectionHD[1], middleFlags1, middleFlags2, SectionAux[1]);
        enSection.Add(++views);
    }
    dAc = x;

    // Right view, at the rightmost tendon end, when a tendon end is dimensioned from the right.
    DblArray rightFlags1, rightFlags2;
    if (fmxr.GetSize() > 0) GetXHD(bBg - fmr, SectionHD[2], rightFlags1, rightFlags2, SectionAux[2]);

    // The numbers of the tendons ending at the leftmost start and at the rightmost end.
    IntArray leftNumbers, rightNumbers;
    for (const auto& steel : Steel) {
        if (!steel || steel->LNode.GetSize() == 0) continue;
        if (IsEqual(steel->LNode[0].X, fm)) leftNumbers.Add(LabelNumber(steel->R));
        if (IsEqual(bBg - steel->LNode[steel->LNode.GetUpperBound()].X, fmr)) rightNumbers.Add(LabelNumber(steel->R));
    }

    // The right section mirrors the left one: same end heights and lower levels, and the tendons
    // tensioned at the left end only there stand where those tensioned at the right end only
    // stand here. The mirrored view takes the left view's number again.
    const bool symmetric = IsEqual(hXbl, hXbr) && IsEqual(SectionHD[0].Bz, SectionHD[2].Bz) &&
                           IsEqual(SectionHD[0].Fx, SectionHD[2].Fx) && IsEqual(leftFlags1, rightFlags2) &&
                           IsEqual(leftNumbers, rightNumbers);
    if (symmetric) enSection.Add(1);
    else if (fmxr.GetSize() > 0) enSection.Add(++views);

    fJGDC = fJGDC && symmetric ? 1 : 0;
    fSymLayout = fSymLayout && symmetric ? 1 : 0;
    fSymLayout = fSymLayout && MirroredLayout(Steel, bBg) ? 1 : 0;

    // The views that show a tendon; HD refers to the object's own working sections.
    if (leftFlags1.GetSize() > 0) HD.push_back(&SectionHD[0]);
    if (middleFlags1.GetSize() > 0) HD.push_back(&SectionHD[1]);
    if (!symmetric && rightFlags1.GetSize() > 0) HD.push_back(&SectionHD[2]);
    return 1;
}
