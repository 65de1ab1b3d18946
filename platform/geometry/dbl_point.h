// CDblPoint: a point of the plane with real coordinates.
#pragma once

class CDblPoint {
public:
    double x = 0.0;
    double y = 0.0;

    CDblPoint() = default;
    CDblPoint(double px, double py) : x(px), y(py) {}

    void SetPoint(double px, double py)
    {
        x = px;
        y = py;
    }
};
