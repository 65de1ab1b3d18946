// CCircleCurve: a polyline whose control points carry a fillet radius and a flag.
#pragma once

#include <vector>

// The control points are kept in the order they were added; the curve itself (legs joined by
// fillet arcs of the points' radii) is drawn by its users from them.
class CCircleCurve {
public:
    struct ControlPoint {
        double x = 0.0;
        double y = 0.0;
        double r = 0.0;   // fillet radius at the point; 0 for a sharp corner
        int flag = 0;
    };

    void Clear() { m_points.clear(); }
    void AddControlPoint(double x, double y, double r, int flag);

    int GetControlPointCount() const { return static_cast<int>(m_points.size()); }
    // Control point i (0-based); an index outside the list throws std::out_of_range.
    const ControlPoint& GetControlPoint(int i) const;

private:
    std::vector<ControlPoint> m_points;
};
