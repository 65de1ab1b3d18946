// CCircleCurve: adding and reading control points.
#include "circle_curve.h"

#include <stdexcept>

void CCircleCurve::AddControlPoint(double x, double y, double r, int flag) { m_points.push_back({x, y, r, flag}); }

const CCircleCurve::ControlPoint& CCircleCurve::GetControlPoint(int i) const
{
    if (i < 0 || i >= GetControlPointCount()) throw std::out_of_range("CCircleCurve: no control point at this index");
    return m_points[static_cast<std::size_t>(i)];
}
