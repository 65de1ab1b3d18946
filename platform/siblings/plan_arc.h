// Points of circular arcs for the foundations' plan outlines (pile heads, round cap ends).
#pragma once

#include "geometry/dbl_point_array.h"

// Largest distance between a chord of the point list and its true arc (mm): well inside the
// 0.2 tolerance with which the column outlines are tested against the foundation outlines.
inline constexpr double kPlanArcChordOffset = 0.01;

// Appends the points of the arc about (cx, cy) of radius r from angle start through sweep
// (radians, counter-clockwise when positive), both ends included, at equal steps small enough
// that no chord stands off the arc by more than kPlanArcChordOffset (at most 4096 steps). A
// radius that is not positive or not finite appends the centre once.
void AppendPlanArc(double cx, double cy, double r, double start, double sweep, CDblPointArray& out);

// Appends the whole circle about (cx, cy) of radius r, from angle 0 counter-clockwise, without
// repeating the first point at the end.
void AppendPlanCircle(double cx, double cy, double r, CDblPointArray& out);
