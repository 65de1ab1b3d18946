// KVDataCommon::CalAng: the angle at the corner of three plane points.
#pragma once

namespace KVDataCommon {

// The angle at (x2, y2) between the legs towards (x1, y1) and towards (x3, y3), in radians in
// [0, π]: π when the three points continue straight on, 0 when the second leg turns fully back.
// A leg of no length makes no corner: the answer is then π.
double CalAng(double x1, double y1, double x2, double y2, double x3, double y3);

} // namespace KVDataCommon
