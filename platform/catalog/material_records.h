// Catalogue records: what one concrete, strand, jack, duct, anchorage or bearing entry holds.
#pragma once

#include "mfc/cstring.h"

// Concrete grade (characteristic and design strengths in MPa, modulus in MPa).
struct tagQM_CONCRETE {
    double fck = 0.0, fcd = 0.0, ftk = 0.0, ftd = 0.0, Ec = 0.0;
};

// Prestressing strand.
struct tagQM_TENDON {
    double fpk = 0.0;            // characteristic tensile strength, MPa
    double area = 0.0;           // cross-section area of one strand, mm²
    double diameter = 0.0;       // nominal diameter, mm
    double Ep = 0.0;             // modulus of elasticity, MPa
    double unitWeight = 0.0;     // mass of one strand, kg/m
};

// Tensioning jack: sizes in mm.
struct tagQM_JACK {
    CString series;
    int diameter = 0;            // outer diameter of the jack body
    int minDistance = 0;         // least clear distance from the jack axis to a face it must pass
    int length = 0;              // body length
    int workingLength = 0;       // strand length the jack needs beyond the anchorage at a tensioned end
};

// Corrugated duct: kind 0 round, 1 flat; material 0 plastic, 1 metal; sizes in mm.
struct tagQM_CORRUGATEDPIPE {
    CString series;
    int kind = 0;
    int material = 0;
    int outerHeight = 0, innerHeight = 0, outerWidth = 0, innerWidth = 0, outerDiameter = 0, innerDiameter = 0;
};

// Anchorage with its bearing plate and spiral: type 0 round, 1 flat; sizes in mm.
struct tagQM_ANCHOR {
    CString series;
    int type = 0;
    int width = 0, height = 0;                  // bearing plate
    int headWidth = 0, headHeight = 0;          // anchor head: width (its diameter when round), thickness
    int spiralDiameter = 0, capThickness = 0;   // outer diameter of the spiral; thickness of the anchor cap
    int spiralBarDiameter = 0;
    double spiralPitch = 0.0;
    int spiralLength = 0;
    CString spiralText;                         // the spiral as the schedule names it
};

// Bearing plan: shape 0 and 3 rectangular (a along the bridge, b across), others circular (diameter).
struct tagQM_BEARING {
    int shape = 0;
    int a = 0, b = 0, diameter = 0;
    int height = 0;
};
