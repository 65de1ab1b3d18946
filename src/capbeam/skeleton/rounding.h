// Rounding routines the skeleton's bar families share: whole values, scaled whole values, decimals,
// and the length correction at one bend of a bar.
#pragma once

#include "common/dbl_array.h"

namespace CapBeamRounding {

// Rounded whole value of x: x + 0.5 truncated toward zero (-2.7 gives -2, 2.5 gives 3).
double RoundWhole(double x);

// Replaces every element, in index order, by its rounded whole value.
void GetIntDbArray(DblArray& values);

// Sizes target to source and sets target[i] to the rounded whole value of source[i] x 10^n
// (no division back: with n = 1, 12.34 becomes 123). source is the caller's copy, so the two
// may be the same list.
void GetIntDbAr(DblArray source, DblArray& target, int n);

// v rounded to n decimals: the rounded whole value of v x 10^n, divided by 10^n.
double GetInt(double v, int n);

// The length correction of a bend of the given radius through the given angle (radians; its
// sign is ignored), written into loss; returns 1, or 0 with loss 0 when the bend has no fillet
// (radius negative or not finite, angle not finite or a half turn or more).
int GetFilletLoss1(double radius, double angle, double& loss);

} // namespace CapBeamRounding
