// The sloped corner of an outline offset from a rectangle with a chamfered corner.
#include "common/offset_rect.h"

#include <cmath>
#include <initializer_list>

namespace KVDataCommon {

int OffestRect(double width, double height, double b, double h, double dBottom, double dChamfer,
               double dEnd, int& flag, CArray<double>& out)
{
    flag = 0;
    out.RemoveAll();
    for (double v : {width, height, b, h, dBottom, dChamfer, dEnd})
        if (!std::isfinite(v)) return 0;
    if (width <= 0.0 || height <= 0.0 || b <= 0.0 || h <= 0.0 || b > width || h > height) return 0;

    // The chamfer lies on h x + b y = b h, the inside of the outline towards larger x and y; its
    // outward unit normal is -(h, b) / length, so moving it by dChamfer changes the constant by
    // -dChamfer * length. The bottom moves to y = -dBottom and the end face to x = -dEnd.
    const double length = std::hypot(b, h);
    const double constant = b * h - dChamfer * length;
    const double bottomY = -dBottom;
    const double endX = -dEnd;
    if (bottomY >= height || endX >= width) return 0;

    const double lowX = (constant - b * bottomY) / h; // the moved chamfer on the moved bottom
    const double highY = (constant - h * endX) / b;   // and on the moved end face
    if (!(lowX > endX) || !(highY > bottomY) || lowX > width || highY > height) return 0;

    out.Add(length);
    out.Add(std::hypot(lowX - endX, highY - bottomY));
    flag = 1;
    return 1;
}

} // namespace KVDataCommon
