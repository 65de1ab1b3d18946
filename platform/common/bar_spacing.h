// KVDataCommon bar spacing: dividing a length into spacings for stirrups, bar levels and frames.
#pragma once

// Every routine writes all of its out-arguments on every path and never divides by zero or loops
// without bound. Counts are found with a tolerance of kSpacingTolerance, so that a length that is
// a whole number of spacings up to rounding noise counts them all. A length, spacing or bound that
// is not a finite number, a spacing that is not positive, or a count that would pass 1e9 makes
// the routine return 0 with the fallback results stated at each routine. Lengths in millimetres.

namespace KVDataCommon {

// Slack used when counting whole spacings in a length (length units).
inline constexpr double kSpacingTolerance = 1e-5;

// Equal division of a length L within bounds: n equal spacings sp = L / n, with lo <= sp <= hi
// (lo = min(lower, upper), hi = max(lower, upper)); among the counts that meet both bounds the one
// whose spacing is nearest target (a target that is not positive stands for (lo + hi) / 2); on a
// tie the smaller spacing. Returns 1.
// When no count meets both bounds, n is the smallest count whose spacing is not above hi (the
// spacing then falls below lo) and the result is 0.
// L not positive, lo not positive, or unusable values: n = 0, sp = 0, result 0.
// Example: L 1000, target 150, bounds 100..200: n = 7, sp = 142.857...
int BJ1(double L, double target, double lower, double upper, int& n, double& sp);

// Whole spacings s in a length L and the rest: n = the number of spacings s that fit in L, rest =
// L - n * s (0 <= rest < s). L within tol of a whole number of spacings counts them all and gives
// rest 0 (tol below 0 counts as 0). Returns 1.
// L below 0 (beyond tol), s not positive, or unusable values: n = 0, rest = 0, result 0.
int BJ2(double L, double tol, double s, int& n, double& rest);

// An end zone L laid from the end: m rest spacings of length rest, then n spacings s, with
// L = m * rest + n * s. n is the number of whole spacings s in L and r = L - n * s what is left:
// - r = 0 (within kSpacingTolerance): m = 0, rest = 0;
// - r >= lower: m = 1, rest = r;
// - r < lower and n >= 1: one spacing s joins r; when (r + s) / 2 >= lower it is split into m = 2
//   rests of (r + s) / 2, otherwise m = 1 and rest = r + s;
// - r < lower and n = 0 (L shorter than s and than lower): m = 1, rest = L.
// Returns 1. L not positive: n = m = 0, rest = 0, result 1 (nothing to lay). s not positive or
// unusable values: n = 0, m = 0, rest = 0, result 0.
int BJ3(double L, double lower, double s, int& n, double& rest, int& m);

// Uniform layout of a length L: n spacings s in the middle and an end distance sp at each end,
// L = 2 * sp + n * s, with n the largest count that keeps sp >= e (e below 0 counts as 0); so
// e <= sp < e + s / 2. Returns 1.
// L shorter than 2 * e: n = 0, sp = L / 2, result 0 (the end distance cannot be met).
// L not positive, s not positive or unusable values: n = 0, sp = L / 2 for a positive finite L
// (else 0), result 0.
// Example: L 1000, e 50, s 150: n = 6, sp = 50.
int BJ4(double L, double e, double s, int& n, double& sp);

// Frames across a beam: a width w between the outer frames divided into count middle spacings s
// and an outer spacing as at each side, w = 2 * as + count * s. spacing is the plain spacing of
// the frames (w / (number of frames - 1)); count is the number of frames less 3.
// - count >= 1: s = spacing rounded down to a whole 10 mm (bar layouts are dimensioned in whole
//   centimetres) unless that would take it below min, as = (w - count * s) / 2 (so as >= spacing
//   when w = (count + 2) * spacing); when spacing itself is below min, s = as = spacing.
// - count 0 or -1 (three or two frames): s = as = spacing.
// Returns 1, or 0 when s or as is below min (a min that is not finite counts as 0).
// spacing or w not a positive finite number (a single frame gives an infinite or undefined
// spacing), or count below -1: s = 0, as = 0, result 0.
// Example: w 1700, min 80, spacing 283.33 (7 frames), count 4: s = 280, as = 290.
int BJ16(double w, double min, double spacing, int count, double& s, double& as);

// Span gap g between two densified zones: one spacing sp after the left zone, n spacings s, one
// spacing sp before the right zone, g = 2 * sp + n * s. n is the largest count that keeps
// sp >= lower (lower below 0 counts as 0), so lower <= sp < lower + s / 2. Returns 1 when
// sp <= upper as well, 0 when the bounds cannot both be met (sp then still >= lower).
// g shorter than 2 * lower: n = 0, sp = g / 2, result 0.
// g not positive, s not positive or unusable values: n = 0, sp = g / 2 for a positive finite g
// (else 0), result 0.
// Example: g 1050, lower 80, upper 150, s 100: n = 8, sp = 125.
int BJ17(double g, double lower, double upper, double s, int& n, double& sp);

} // namespace KVDataCommon
