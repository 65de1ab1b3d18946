// KVDataCommon::OffestRect: the sloped corner of an outline offset from a rectangle with a chamfered corner.
#pragma once

#include "mfc/carray.h"

namespace KVDataCommon {

// The rectangle [0, width] x [0, height] with its corner at the origin cut off by a chamfer from
// (b, 0) on the bottom side to (0, h) on the end side (a beam end with a sloped bottom: the bottom
// line, the slope of run b and rise h, the end face). Its three sides at that corner are moved
// parallel by the offsets dBottom, dChamfer and dEnd, positive outward and negative inward (an
// inward offset c of the bottom moves it to y = c). The moved chamfer runs from its end on the
// moved bottom to its end on the moved end face.
// On success out holds two values and flag and the result are 1:
//   out[0] the length of the chamfer, sqrt(b^2 + h^2);
//   out[1] the length of the moved chamfer between the moved bottom and end face; the point on the
//          end face lies this far along the slope from the point on the bottom.
// With theta = atan(h / b) and inward offsets c (bottom and chamfer) and e (end face):
//   out[1] = (b - e + c * tan(theta / 2)) / cos(theta).
// flag and the result are 0 and out is empty when any value is not finite, width, height, b or
// h is not positive, b > width or h > height, or the moved chamfer keeps no positive length
// within the rectangle (its ends pass each other, or lie beyond the far sides).
int OffestRect(double width, double height, double b, double h, double dBottom, double dChamfer,
               double dEnd, int& flag, CArray<double>& out);

} // namespace KVDataCommon
