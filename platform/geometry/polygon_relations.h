// Plan-outline relations: containment within a tolerance, separation within a tolerance, area.
#pragma once

#include "dbl_point_array.h"

// Outlines are simple polygons given by their corner points in order, clockwise or
// counter-clockwise; the last point may repeat the first (a closed list) or not. Repeated
// neighbouring points and points on a straight run are allowed. Concave outlines are handled.
// An outline of fewer than three distinct points, or one that does not enclose an area (all its
// points on one line), is degenerate. A point list holding a NaN or an infinite coordinate, or a
// tolerance that is not a finite number, cannot be judged: both relations give 0. A negative
// tolerance counts as 0. Every distance is compared with a slack of KVDataCommon::kEqualTolerance
// (1e-6, the suite's equality of reals), so that points computed onto a boundary lie on it.

namespace KVDataCommon {

// Non-zero when outline a fits in outline b: every point of a, its corners and every point of
// its sides, lies inside b, on b's boundary, or outside b by no more than tolerance (its
// distance to b's boundary is at most tolerance). A column touching the edge of its footing
// therefore fits even with tolerance 0; with tolerance 0.2 a side standing out 0.1 fits and one
// standing out 0.3 does not; a corner counts by its true distance, not by its x and y apart.
// A degenerate a is tested as the point or segment it is; an empty a gives 0 (nothing can be
// shown to fit). A degenerate b encloses nothing and gives 0. The test follows a's boundary:
// should b's outline, widened by tolerance, close a pocket (a gap in b narrower than twice the
// tolerance) that a spans, the pocket is not looked for.
int IS_polygonA_in_polygonB(CDblPointArray& a, CDblPointArray& b, double tolerance);

// Non-zero when outlines A and B lie apart; 0 when they overlap.
// The depth of an overlap is its penetration depth: the shortest distance by which one outline
// would have to be moved to be clear of the other. Outlines that share no inner point have
// depth 0 (a gap of any size, or touching sides or corners). An overlap counts only when it is
// deeper than tolerance: two pedestals 0.1 apart lie apart; two that overlap by 0.1 with
// tolerance 0.2 are taken as a drawing and rounding inaccuracy and lie apart as well; an overlap
// of 0.3 is an overlap. An overlap exactly as deep as tolerance counts as apart. One outline
// wholly inside the other overlaps as deep as it would have to move to get out.
// A degenerate outline has no area and overlaps nothing (non-zero). An outline whose sides cross
// each other is judged by its convex hull.
int Is_polygonA_Out_polygonB(CDblPointArray& A, CDblPointArray& B, double tolerance);

} // namespace KVDataCommon

// The enclosed area of an outline (shoelace formula), always >= 0; the same for a closed and an
// unclosed list and for either orientation; 0 for fewer than three points.
double PolygonArea(const CDblPointArray& outline);
