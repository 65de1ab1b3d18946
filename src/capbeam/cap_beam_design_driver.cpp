// CPM001T0101Atom::SetData: the cap-beam design steps in order, with the cantilevers shifted for the skew.
#include "capbeam/cap_beam_reinforcement.h"

#include "capbeam/cantilevers_in_design.h"
#include "capbeam/cap_beam_key_fit.h"

int CPM001T0101Atom::SetData(GZ_PM001Atom* gz, CPM001_CapKeyParam* kp)
{
    fFromFile = 0;
    if (!SetGZData(gz)) return 0;
    if (!kp) return 0;
    // The skeleton's layout, as the key data step copies it into the skeleton set. With the frames
    // along the skew every design step reads the cantilevers at the bearings (CantileverShiftInDesign):
    // a pier's shifted over vP before the steps and given back after them, any other's shifted over
    // its column's offset after them, which stays in the design.
    const bool alongSkew = ChooseSkeletonLayout(kp->st_fLayMode) == SkeletonLayout::AlongSkew;
    const bool shiftAtBearings = alongSkew && PMorPT != 0;

    // Key values that put bars outside this cap are reported by their keys, as given; the design
    // goes on, so that what they lead to is shown with them.
    ReportKeysNotFittingCapBeam(*this, *kp);
    if (shiftAtBearings) {
        const double shift = CantileverShiftInDesign(*this, kp->st_fLayMode);
        bBzl -= shift;
        bBzr += shift;
    }

    if (!SetKeyData(kp)) return 0;
    if (!SetstData(kp)) return 0;
    if (!SetsgData()) return 0;
    if (!SetshData()) return 0;
    if (!SetsdData()) return 0;

    if (alongSkew) {
        const double shift = CantileverShiftInDesign(*this, kp->st_fLayMode);
        bBzl += shift;
        bBzr -= shift;
    }
    return 1;
}
