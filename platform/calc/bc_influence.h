// BC_INFLUENCE: one loading position of the deck layout with the reactions its supports receive.
#pragma once

#include "mfc/carray.h"
#include "mfc/cstring.h"

struct BC_INFLUENCE {
    // The reaction that one named support receives, kN.
    struct Reaction {
        CString Support;
        double Force = 0.0;
    };

    double x = 0.0;                // plane loading position, mm
    double y = 0.0;
    CArray<Reaction> Reactions;
};
