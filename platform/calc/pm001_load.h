// CPM001Load: the pier engine's load record (reactions, live loads, foundation load records).
#pragma once

#include "calc/bc_beam_property.h"
#include "calc/bc_bridge_span_align.h"
#include "calc/bc_influence.h"
#include "calc/pg001_calc_load.h"
#include "calc/pg002_calc_load.h"
#include "calc/pg003_calc_load.h"

#include "common/dbl_array.h"
#include "mfc/carray.h"
#include "mfc/cstring.h"

#include <memory>

// Filled by the component (CPM001org::Get_Cal_Load, then the foundation load record of the
// pier's kind and the project texts) after the engine has prepared its design input. The option
// ints and reals are the engine's; the fields are in the engine's order. The record owns the
// three foundation load records once they are made.
class CPM001Load {
public:
    // A reaction applied at a named node, kN.
    struct NodeForce {
        CString Label;
        CString Name;
        double Force = 0.0;
    };
    // A longitudinal deck position with the girders there.
    struct DeckPosition {
        double Position = 0.0;
        BC_BEAM_PROPERTY Beam;
    };

    int LoadOpt1 = 0, LoadOpt2 = 0, LoadOpt3 = 0, LoadOpt4 = 0;
    CArray<NodeForce> NodeForces;
    double LoadValue1 = 0.0, LoadValue2 = 0.0;
    DblArray LoadList1, LoadList2, LoadList3, LoadList4, LoadList5, LoadList6;
    int LiveLoadMode = 0;                  // 0 live-load surfaces, otherwise the deck layout
    tagBC_BridgeSpanAlign SpanAlign1;
    int SpanAlign2Mode = 0;                // 0: the second span is loaded on SpanAlign2
    tagBC_BridgeSpanAlign SpanAlign2;
    double DeckValue = 0.0;
    CArray<BC_INFLUENCE> Influences;
    CArray<DeckPosition> DeckPositions;
    DblArray XRoad, YRoad;                 // road design line parameters
    int LoadOpt5 = 0, LoadOpt6 = 0;
    double LoadValue3 = 0.0;
    CString LoadName;                      // the load case's number as decimal text
    int LoadOpt7 = 0;
    std::unique_ptr<CPG001CalcLoad> PG001Load;
    std::unique_ptr<CPG002CalcLoad> PG002Load;
    std::unique_ptr<CPG003CalcLoad> PG003Load;
    int SeparateFoundations = 0;           // 1: a foundation under each column
    int ExtraLoadOn = 0;                   // 1: the extra load pair applies
    double ExtraLoadA = 0.0, ExtraLoadB = 0.0;

    // The project texts that head the engine's load output.
    CString ProjectName, SectionName, Designer, Checker, Reviewer;
};
