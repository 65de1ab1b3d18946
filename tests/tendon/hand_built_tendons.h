// Test helpers: tendons, profile pieces and beams built by hand, record by record.
#pragma once

#include "tendon/design_object.h"

#include <initializer_list>
#include <memory>

namespace hand_built {

using Atom = CPM001T010401Atom;

// One node: station, height above the bottom face, fillet radius and node class.
struct Node {
    double x;
    double z;
    double r;
    int property;
};

// One fillet arc: its incoming and outgoing tangent points, centre, start angle, sweep, radius.
struct Arc {
    CDblPoint in;
    CDblPoint out;
    CDblPoint centre;
    double start;
    double sweep;
    double r;
};

inline std::unique_ptr<Atom::M_Steel> Tendon(const char* label, int pt, std::initializer_list<Node> nodes,
                                             std::initializer_list<double> across = {})
{
    auto steel = std::make_unique<Atom::M_Steel>();
    steel->R = label;
    steel->PT = pt;
    for (const Node& n : nodes) {
        Atom::M_LNode node;
        node.X = n.x;
        node.Z = n.z;
        node.R = n.r;
        node.property = n.property;
        steel->LNode.Add(node);
    }
    for (double y : across) steel->Y.Add(y);
    return steel;
}

inline std::unique_ptr<Atom::M_SteelFD> Pieces(const Atom::M_Steel& steel, std::initializer_list<Arc> arcs = {})
{
    auto pieces = std::make_unique<Atom::M_SteelFD>();
    for (const Arc& a : arcs) {
        pieces->TanPts.Add(a.in);
        pieces->TanPts.Add(a.out);
        pieces->CenPts.Add(a.centre);
        pieces->ArcStart.Add(a.start);
        pieces->ArcSweep.Add(a.sweep);
        pieces->ArcR.Add(a.r);
    }
    for (int k = 0; k < steel.LNode.GetSize(); ++k)
        pieces->NodePts.Add(CDblPoint(steel.LNode[k].X, steel.LNode[k].Z));
    return pieces;
}

// Adds the tendon with its pieces at the same index of Steel and SteelFD; returns the tendon.
inline Atom::M_Steel* Add(Atom& atom, std::unique_ptr<Atom::M_Steel> steel, std::initializer_list<Arc> arcs = {})
{
    Atom::M_Steel* raw = steel.get();
    atom.SteelFD.push_back(Pieces(*steel, arcs));
    atom.Steel.push_back(std::move(steel));
    return raw;
}

// A cap beam 10000 long with a flat top 2000 above its bottom, 2000 wide, crown at 5000.
inline void FlatBeam(Atom& atom)
{
    atom.bBg = 10000.0;
    atom.hHgl = 2000.0;
    atom.iLb = 0.0;
    atom.iRb = 0.0;
    atom.bAc = 5000.0;
    atom.B = 2000.0;
}

} // namespace hand_built
