// CPM001T010401Atom::SetLMSteelData: the name-and-count pairs of the elevation and the two
// dimension chains that locate the tendon ends from the left and from the right beam end.
#include "tendon/design_object.h"

#include "calc/pm001_cap_key_param.h"
#include "tendon/dimension_chain.h"

using pm001_tendon::AppendGaps;
using pm001_tendon::ChainOrder;
using pm001_tendon::SortDistinct;

int CPM001T010401Atom::SetLMSteelData(CPM001_CapKeyParam* kp)
{
    // The pairs handed over by the calculation, element by element.
    if (kp) {
        const int n = kp->ZLName.GetSize();
        ZLNameAr.SetSize(n);
        for (int i = 0; i < n; ++i) {
            ZLNameAr[i].name = kp->ZLName[i].name;
            ZLNameAr[i].n = kp->ZLName[i].n;
        }
    }

    // Left chain: the beam's left end and the start of every tendon tensioned at its left end or
    // at both; right chain: the end of every tendon tensioned at its right end or at both, and
    // the beam's right end. A tendon without nodes has no ends to dimension.
    DblArray left;
    left.Add(0.0);
    DblArray right;
    for (const auto& steel : Steel) {
        if (!steel || steel->LNode.GetSize() == 0) continue;
        if (steel->PT != 2) left.Add(steel->LNode[0].X);
        if (steel->PT != 1) right.Add(steel->LNode[steel->LNode.GetUpperBound()].X);
    }
    right.Add(bBg);

    SortDistinct(left, ChainOrder::Increasing);
    SortDistinct(right, ChainOrder::Decreasing);

    fmxl.RemoveAll();
    fmxr.RemoveAll();
    AppendGaps(left, ChainOrder::Increasing, fmxl);
    AppendGaps(right, ChainOrder::Decreasing, fmxr);
    return 1;
}
