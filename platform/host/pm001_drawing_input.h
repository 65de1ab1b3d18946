// What the user enters for the pier's drawings: drawing switches, options, texts and the block-scale texts.
#pragma once

#include "mfc/cstring.h"

// The drawing switches are taken over inverted by the drawing records (a switch of 0 turns the
// matching drawing feature on); the options and texts are handed on unchanged. Each block-scale
// text is named by the key of its drawing block and holds the scale's denominator as the user
// typed it ("50" for 1:50); an empty or non-numeric text means "no scale given" (0).
struct PM001DrawingInput {
    int DrawSwitchA = 0;          // column drawing switch (0: on)
    int DrawSwitchB = 0;          // column / tie-beam drawing switch (0: on)
    int DrawSwitchC = 0;          // cap-beam drawing switch (0: on)
    int DrawSwitchD = 0;          // cap-beam drawing switch (0: on)
    int DrawOptA = 0;             // column drawing option
    int DrawOptB = 0;             // column drawing option
    int DrawOptC = 0;             // cap-beam drawing option; non-zero also asks for layers by line type
    int DrawOptD = 0;             // drawing option
    int DrawOptE = 0;             // drawing option
    CString DrawText1;            // drawing text
    CString DrawText2;            // drawing text

    // Block-scale texts, in the order the drawing blocks are checked.
    CString rPM001T01GZ;                  // general layout (elevation / plan / side)
    CString rPM001T01GZJCPM;              // general layout, pile-cap foundation plan
    CString rPM001T01GJ01LM;              // cap-beam reinforcement (elevation / plan / skeleton detail)
    CString rPM001T01GJ01DM;              // cap-beam reinforcement sections
    CString rPM001T010401LMPM;            // cap-beam tendons (elevation / plan / detail)
    CString rPM001T010401HD;              // cap-beam tendon sections
    CString rPM001T010401SW02;            // cap-beam tendon geometry detail
    CString rPM001T01_PC001DZGJLM;        // column reinforcement elevation
    CString rPM001T01_PC001DZGJDM;        // column reinforcement sections
    CString rPM001T01_PG008T01XB010203;   // tie-beam reinforcement (elevation / sections)
    CString rPG006T01DK;                  // seismic stopper block reinforcement
    CString rPG006T01DS;                  // bearing pedestal reinforcement
    CString rPM001T02DSLMPM;              // stopper blocks and pedestals, general layout (elevation / plan)
    CString rPM001T01BIAOGE;              // tables
    CString rPM001T01FUZHU;               // notes
};
