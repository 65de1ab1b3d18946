// tagBC_BridgeSpanAlign: the engine's record of a span beside the pier on which live loads are placed.
#pragma once

#include "host/live_load_surface.h"

// Keeps the live-load surface (deck parts, lanes, spans, girders) as the user entered it; the
// engine reads its texts when it places the live loads.
struct tagBC_BridgeSpanAlign {
    int Filled = 0;                // 1 once a live-load surface was handed over
    CCalGenLiveLoadSurface Surface;
};
