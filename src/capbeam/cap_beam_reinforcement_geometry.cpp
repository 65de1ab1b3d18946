// CPM001T0101Atom: cantilever lengths at a transverse offset, column-line stations and the top-bar level.
#include "capbeam/cap_beam_reinforcement.h"

#include "capbeam/cantilevers_in_design.h"
#include "common/is_equal.h"

#include <cmath>

namespace {

// Sum of the first count column spacings; only spacings that exist are added.
double SpacingsBefore(const DblArray& spacings, int count)
{
    double sum = 0.0;
    for (int k = 0; k < count && k < spacings.GetSize(); ++k) sum += spacings[k];
    return sum;
}

} // namespace

CPM001T0101Atom::SkeletonLayout CPM001T0101Atom::ChooseSkeletonLayout(int layMode)
{
    return layMode == 0 ? SkeletonLayout::AlongSkew : SkeletonLayout::Across;
}

double CPM001T0101Atom::GetXBCD(int side, double y, int mode) const
{
    if (GetSkeletonLayout() == SkeletonLayout::Across) return side ? bBzl : bBzr;

    const double t = std::tan(a);
    const double base = side ? bBzl + t * y : bBzr - t * y;
    if (mode != 0) return base;

    // Back from the frame's end to the bearing line, as the design's steps read the cantilevers.
    const double shift = CantileverShiftInDesign(*this, st.fLayMode);
    return side ? base - shift : base + shift;
}

double CPM001T0101Atom::GetXBCD1(int side, double x) const
{
    if (sg.fLayMode != 0) return side ? bBzl : bBzr;
    const double t = std::tan(a);
    return side ? bBzl + t * x : bBzr - t * x;
}

double CPM001T0101Atom::GetFame_Y(int i) const
{
    if (i < 0 || i >= FrameY.GetSize()) return 0.0;
    return FrameY[i];
}

double CPM001T0101Atom::GetFame_ZDX(int i, int j) const
{
    return GetXBCD(1, GetFame_Y(j), 1) + SpacingsBefore(bBz, i);
}

double CPM001T0101Atom::GetFame_ZDX1(int i, double y) const
{
    return GetXBCD(1, y, 1) + SpacingsBefore(bBz, i);
}

double CPM001T0101Atom::GetFame_XZ(double x) const
{
    double z = hHgl - st.ua;
    if (KVDataCommon::IsEqual(iLb, -iRb)) return z;
    if (bAc < x) z -= (x - bAc) * iRb;
    else z -= (bAc - x) * iLb;
    return z;
}
