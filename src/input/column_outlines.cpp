// The columns' plan outlines: one column about its centre, and every column placed under the cap.
#include "input/pier_origin_data.h"

#include "common/list_sum.h"
#include "geometry/arc_coordinate.h"

#include <cmath>

namespace {

// Appends the arc's points to outline, in the order the arc gives them.
void appendArc(const CDblPoint& start, const CDblPoint& middle, const CDblPoint& end, CDblPointArray& outline)
{
    CDblPointArray arc;
    KVDataCommon::Get_Arc_Coordinate(start, middle, end, 0, arc);
    outline.Append(arc);
}

// Appends to list a new copy of source moved by (dx, dy).
void appendMoved(double dx, double dy, const CDblPointArray& source, OwnedOutlines& list)
{
    auto moved = std::make_unique<CDblPointArray>();
    moved->SetSize(source.GetSize());
    for (int i = 0; i < source.GetSize(); ++i) (*moved)[i] = CDblPoint(source[i].x + dx, source[i].y + dy);
    list.push_back(std::move(moved));
}

} // namespace

// x across the bridge (along the cap), y along the bridge, origin at the column centre; every
// column has the same section.
void CPM001org::Get_DZ_Coordinate(CDblPointArray& outline) const
{
    outline.RemoveAll();
    if (ColumnSectionType != 0) {
        KVDataCommon::Get_Arc_Coordinate(CDblPoint(D / 2, 0), CDblPoint(0, D / 2), CDblPoint(-D / 2, 0), 1, outline);
        return;
    }
    const double b = bRec / 2, l = lRec / 2;
    if (FilletMode == 0) {
        outline.Add(CDblPoint(b, l));
        outline.Add(CDblPoint(-b, l));
        outline.Add(CDblPoint(-b, -l));
        outline.Add(CDblPoint(b, -l));
        return;
    }
    if (FilletMode == 1) {
        // Straight chamfers: X across, Y along, cut off each corner.
        outline.Add(CDblPoint(b, l - Y));
        outline.Add(CDblPoint(b - X, l));
        outline.Add(CDblPoint(-b + X, l));
        outline.Add(CDblPoint(-b, l - Y));
        outline.Add(CDblPoint(-b, -l + Y));
        outline.Add(CDblPoint(-b + X, -l));
        outline.Add(CDblPoint(b - X, -l));
        outline.Add(CDblPoint(b, -l + Y));
        return;
    }
    // Arc chamfers of radius R, each through the middle of its quarter circle, corners taken
    // counter-clockwise from the one at (+b, +l).
    const double s = R / std::sqrt(2.0);
    appendArc(CDblPoint(b, l - R), CDblPoint(b - R + s, l - R + s), CDblPoint(b - R, l), outline);
    appendArc(CDblPoint(-b + R, l), CDblPoint(-b + R - s, l - R + s), CDblPoint(-b, l - R), outline);
    appendArc(CDblPoint(-b, -l + R), CDblPoint(-b + R - s, -l + R - s), CDblPoint(-b + R, -l), outline);
    appendArc(CDblPoint(b - R, -l), CDblPoint(b - R + s, -l + R - s), CDblPoint(b, -l + R), outline);
}

// One outline per column, x from the middle of the column group, moved along the bridge by DY.
// With a separate foundation under each column (BaseLayMode 0), or one column, the one column
// outline stands at the foundation's own origin.
void CPM001org::Get_DZ_Coordinate_Array(OwnedOutlines& outlines) const
{
    outlines.clear();
    CDblPointArray column;
    Get_DZ_Coordinate(column);
    if (BaseLayMode == 0 || bBz.IsEmpty()) {
        appendMoved(0.0, DY, column, outlines);
        return;
    }
    const double h = KVDataCommon::sum(bBz) / 2;
    double x = 0.0;
    for (int i = 0; i < bBz.GetSize(); ++i) {
        appendMoved(x - h, DY, column, outlines);
        x += bBz[i];
    }
    appendMoved(x - h, DY, column, outlines);
}
