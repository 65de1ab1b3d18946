// KVDataCommon::IsEqual: the suite's equality of reals within a small absolute tolerance, and its list forms.
#pragma once

#include "dbl_array.h"
#include "int_array.h"
#include "mfc/carray.h"

namespace KVDataCommon {

// Two reals are equal when they differ by no more than this (absolute, in the input's units).
inline constexpr double kEqualTolerance = 1e-6;

// Non-zero when |a - b| <= kEqualTolerance; equal infinities are equal, NaN equals nothing.
int IsEqual(double a, double b);

// Non-zero when both lists have the same size and pairwise equal elements (reals as above).
int IsEqual(const DblArray& a, const DblArray& b);
// Non-zero when both lists have the same size and exactly equal elements.
int IsEqual(const IntArray& a, const IntArray& b);

// Non-zero when all values of the list agree with one another within tol, that is when the
// largest and the smallest differ by no more than tol. An empty or one-value list agrees;
// a list holding NaN does not.
int IsEqual(const CArray<double>& values, double tol);
int IsEqual(const CArray<double, double>& values, double tol);

} // namespace KVDataCommon
