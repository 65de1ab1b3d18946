// KVDataCommon::Get_Arc_Coordinate: the points of a circular arc (or whole circle) through three points.
#pragma once

#include "dbl_point.h"
#include "dbl_point_array.h"

namespace KVDataCommon {

// Segments of an arc per quarter circle: the points lie every 90°/16 = 5.625° along the arc, so a
// polygon through them stays within r·(1 − cos 2.8125°) ≈ 0.0012·r of the true arc.
inline constexpr int kArcSegmentsPerQuarter = 16;

// Clears out and fills it with points of the circle through start, middle and end, travelling from
// start in the direction that passes middle before end.
// mode 0: the arc from start through middle to end; its sweep is divided into the fewest equal
//   segments that are no longer than a sixteenth of a quarter circle (a quarter circle: 16
//   segments, 17 points). The first point is start and the last is end, exactly.
// mode 1 (any non-zero mode): the whole circle, 4·16 = 64 points at equal spacing beginning with
//   start; the circle is closed implicitly (start is not repeated at the end).
// When the three points define no circle (they coincide or lie on one line, or a coordinate is not
// finite) out holds the path itself: start, middle, end.
void Get_Arc_Coordinate(const CDblPoint& start, const CDblPoint& middle, const CDblPoint& end, int mode,
                        CDblPointArray& out);

} // namespace KVDataCommon
