// BC_SECTION_PROPERTY: the engine's section properties of a superstructure span, in one of its forms.
#pragma once

#include "common/dbl_array.h"
#include "mfc/carray.h"

struct BC_SECTION_PROPERTY {
    // One girder of a beam with cantilevers, at one end of the span.
    struct Segment {
        double BottomWidth = 0.0;
        double Inertia = 0.0;          // moment of inertia
        double Torsion = 0.0;          // torsional constant
        double A = 0.0;                // the section record's first common real
        double InertiaLeft = 0.0;      // left cantilever's moment of inertia
        double B = 0.0;                // the section record's second common real
        double InertiaRight = 0.0;     // right cantilever's moment of inertia
        int Hinge = 1;                 // -1 hinged to its neighbour, 1 not
    };

    int FormCode = 0;                  // 2 beam with cantilevers, 1 plain beam, 0 none

    // Plain beam (form 1).
    DblArray StartInertia;
    DblArray StartTorsion;
    DblArray EndInertia;
    DblArray EndTorsion;

    // Beam with cantilevers (form 2), one entry per girder.
    CArray<Segment> StartSegments;
    CArray<Segment> EndSegments;
};
