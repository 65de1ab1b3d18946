// CPG003: what the user enters for a pile cap on piles under the pier (keys end in "_JICHU").
#pragma once

#include "mfc/cstring.h"

// A pile cap carrying the columns, on a group of bored piles laid out in rows across and along
// the bridge. Lengths in mm; "l" along the bridge, "b" across it. The spacing lists are
// number-list expressions ("3*3000"): n spacings give n + 1 piles in that direction.
struct CPG003 {
    int PileCapTtype_JICHU = 0;   // cap body: 0 rectangular, 1 round-ended, 2 the module's third form
    int nLJ_JICHU = 0;            // column joint: 0 through a transition piece, 1 column set into the cap
    double lT_JICHU = 0.0;        // cap length along the bridge
    double bT_JICHU = 0.0;        // cap length across the bridge (overall, round ends included)
    double hT_JICHU = 0.0;        // cap thickness
    double DY_JICHU = 0.0;        // offset of the cap centre from the pier centre line, along the bridge
    double bYz_JICHU = 0.0;       // round-ended cap: radius of the end arcs
    double rZ_JICHU = 0.0;        // pile diameter
    double lZ_JICHU = 0.0;        // pile length, from the cap bottom down
    CString bZj_JICHU;            // pile spacings across the bridge
    CString lZj_JICHU;            // pile spacings along the bridge
    CString ConGra_JICHU;         // cap concrete, as the user names it ("C30")
};
