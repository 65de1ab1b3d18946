// KVDataCommon::GetFilletLoss: the length correction of a bar at one bend.
#pragma once

namespace KVDataCommon {

// A bar's centre line is measured along its polygon; at a bend of radius r through the angle
// angle (radians) it follows the arc, r * angle, instead of the two tangent legs, 2 r tan(angle / 2).
// Writes the correction that callers add to the polygon length,
//     loss = r * angle - 2 * r * tan(angle / 2)   (never positive),
// and returns 1. A quarter turn of radius r gives r * pi / 2 - 2 r.
// Returns 0 with loss = 0 when the bend has no such fillet: r or angle negative or not finite, or
// angle a half turn (pi) or more, where the tangent legs do not exist.
int GetFilletLoss(double r, double angle, double& loss);

} // namespace KVDataCommon
