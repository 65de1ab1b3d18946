// CPM001T0101Atom::SetData: the cap-beam design steps in order, with the cantilevers shifted for the skew.
#include "capbeam/cap_beam_reinforcement.h"

#include "capbeam/cap_beam_key_fit.h"

#include <cmath>

int CPM001T0101Atom::SetData(GZ_PM001Atom* gz, CPM001_CapKeyParam* kp)
{
    fFromFile = 0;
    if (!SetGZData(gz)) return 0;
    if (!kp) return 0;
    // The skeleton's layout, as the key data step copies it into the skeleton set. With the frames
    // along the skew every design step reads the cantilevers as the skew shifts them over vP: the
    // left one shorter and the right one longer by tan(a) x vP. A finished design gives them back
    // their lengths as handed in.
    const bool alongSkew = ChooseSkeletonLayout(kp->st_fLayMode) == SkeletonLayout::AlongSkew;
    const bool shiftAtBearings = alongSkew && PMorPT != 0;

    // Key values that put bars outside this cap are reported by their keys, as given; the design
    // goes on, so that what they lead to is shown with them.
    ReportKeysNotFittingCapBeam(*this, *kp);
    if (shiftAtBearings) {
        bBzl -= std::tan(a) * vP;
        bBzr += std::tan(a) * vP;
    }

    if (!SetKeyData(kp)) return 0;
    if (!SetstData(kp)) return 0;
    if (!SetsgData()) return 0;
    if (!SetshData()) return 0;
    if (!SetsdData()) return 0;

    if (shiftAtBearings) {
        bBzl += std::tan(a) * vP;
        bBzr -= std::tan(a) * vP;
    } else if (PMorPT == 0 && alongSkew) {
        // The column-based correction: the offset dGZ3 and the column's size (D or lRec) within the
        // width B give the distance d over which the skew shifts the ends; this shift stays in the
        // design.
        const double c = dGZ3;
        const double b = ColumnSectionType != 0 ? D : lRec;
        const double d = (c - (B - b - c)) / 2.0;
        bBzl += std::tan(a) * d;
        bBzr -= std::tan(a) * d;
    }
    return 1;
}
