// CPM001KeyParam: the design key parameters of the whole pier, as the engine hands them out.
#pragma once

#include "calc/pm001_cap_key_param.h"
#include "calc/sibling_key_params.h"

// The pile foundation's part: the column-to-pile transitions and the tie beams between the piles.
struct CPM001PileFoundationKeyParam {
    CPG005KeyParam TransitionKeyParam;
    CPG008KeyParam TieBeamKeyParam;
};

// The pile cap's part: its body (rectangular or arc-shaped), the transition and the cap-to-column joint.
struct CPM001PileCapKeyParam {
    CPG003_RectKeyParam RectKeyParam;
    CPG003_ArcKeyParam ArcKeyParam;
    CPG005KeyParam TransitionKeyParam;
    CPG005RectKeyParam JointKeyParam;
};

// Filled by CPM001Calc::GetDesignData or GetUserDesignData. Each part goes to the design object of
// its member of the pier; a part the pier has no member for is carried unread. Every part is held by
// value: a copy owns all it holds.
class CPM001KeyParam {
public:
    CPM001_CapKeyParam CapKeyParam;
    CPC001_RectKeyParam RectColumnKeyParam;
    CPC001_CircleKeyParam CircleColumnKeyParam;
    CPG008KeyParam TieBeamKeyParam;                    // tie beams between the columns
    CPG001KeyParam FootingKeyParam;
    CPM001PileFoundationKeyParam PileFoundationKeyParam;
    CPM001PileCapKeyParam PileCapKeyParam;
    CPG006KeyParam StopperPedestalKeyParam;
};
