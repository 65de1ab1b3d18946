// The cantilevers of a cap beam as the design's steps read them, against those the design stores.
#pragma once

#include "capbeam/cap_beam_reinforcement.h"

#include <cmath>

// With the skeleton's frames laid along the skew (layMode, the skeleton's lay mode, 0) the design's
// steps read each cantilever at the bearings: the left one shorter and the right one longer, by the
// shift returned, than the finished design stores them. A pier's cap (PMorPT non-zero) is shifted
// over the width vP for the steps and given back its cantilevers as handed in; any other is designed
// with them as handed in and stored shifted over the distance d by which its column stands off the
// width's centre (the offset dGZ3 and the column's size, D or lRec, within the width B). 0 with the
// frames across the beam.
inline double CantileverShiftInDesign(const CPM001T0101Atom& cap, int layMode)
{
    if (CPM001T0101Atom::ChooseSkeletonLayout(layMode) != CPM001T0101Atom::SkeletonLayout::AlongSkew) return 0.0;
    if (cap.PMorPT != 0) return std::tan(cap.a) * cap.vP;
    const double c = cap.dGZ3;
    const double b = cap.ColumnSectionType != 0 ? cap.D : cap.lRec;
    const double d = (c - (cap.B - b - c)) / 2.0;
    return std::tan(cap.a) * d;
}
