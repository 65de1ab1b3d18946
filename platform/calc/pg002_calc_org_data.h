// PG002Calc_OrgData: the engine's origin record of a pile foundation (one pile under each column).
#pragma once

#include "common/dbl_array.h"
#include "mfc/cstring.h"

// Filled by the pile foundation's origin object (CPG002org::Get_Cal_OrgData); the pier then sets
// how the column meets the pile and the column length above the pile. Lengths in mm.
class PG002Calc_OrgData {
public:
    double PileDiameter = 0.0;
    int EnlargedHead = 0;          // 1: the pile has an enlarged head
    double HeadDiameter = 0.0;
    double HeadLength = 0.0;
    double PileLength = 0.0;       // from the pile top down
    int PileType = 0;              // 0 friction pile, 1 end-bearing pile
    int TieBeams = 0;              // 1: tie beams between neighbouring piles
    double TieBeamWidth = 0.0;
    double TieBeamHeight = 0.0;
    DblArray TieBeamDepths;        // depth of each tie beam's top below the pile top
    CString Concrete;              // catalogue label of the pile concrete

    // Set by the pier: 1 rectangular columns; 2 circular columns of the pile's diameter; 3 other
    // circular columns.
    int PileHeadCode = 0;
    double ColumnLength = 0.0;     // column length above the pile
    double ColumnLength2 = 0.0;    // the value after it; the pier sets 0
};
