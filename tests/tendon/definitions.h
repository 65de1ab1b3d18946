// Test helpers: tendon definitions of the key parameters and a tendon object ready for its design.
#pragma once

#include "tendon/design_object.h"

#include "calc/pm001_cap_key_param.h"

#include <initializer_list>

namespace tendon_test {

using Definition = struct CPM001_CapKeyParam::SteelAr;
using ControlPoint = CPM001_CapKeyParam::NodeAr;

// A control point at station x, refZ from the bottom face (fromTop 0) or from the top face.
inline ControlPoint Point(double x, double refZ, int fromTop = 0, double r = 0.0)
{
    ControlPoint p;
    p.X = x;
    p.refZ = refZ;
    p.Refline = fromTop;
    p.R = r;
    return p;
}

// A definition of nine strands, both ends tensioned, with catalogue jack, duct and anchorages.
inline Definition Tendon(std::initializer_list<ControlPoint> points)
{
    Definition d;
    d.m = 9;
    d.n = 2;
    d.name = "N";
    d.Y.Add(-550.0);
    d.Y.Add(550.0);
    for (const ControlPoint& p : points) d.Node.Add(p);
    d.PT = 0;
    d.PC = 0.75;
    d.DSeriesIndex = "YCW250";
    d.BseriesIndex = "金属波纹管D80";
    d.MLSeriesIndex = "M15-9";
    d.MRSeriesIndex = "M15-9";
    d.cl_ES = 195000.0;
    return d;
}

inline CPM001_CapKeyParam KeyParameters(std::initializer_list<Definition> definitions)
{
    CPM001_CapKeyParam kp;
    for (const Definition& d : definitions) kp.SteelAr.Add(d);
    return kp;
}

// A flat-topped beam 10000 long and 2000 high of the catalogue's 15.2 mm strand; tendons named
// "N…"; no sampling.
inline void FlatBeam(CPM001T010401Atom& t)
{
    t.bBg = 10000.0;
    t.hHgl = 2000.0;
    t.bAc = 5000.0;
    t.PSF = "N";
    t.strTendonIndex = "钢绞线1×7-15.20-1860";
}

} // namespace tendon_test
