// KVDrawOut: drawing a component from its records, and fetching its graph elements.
#pragma once

#include "mfc/cstring.h"

#include <optional>
#include <vector>

class CComponentNorm;

// One graph element of a component's drawing.
struct CGraphColl {
    unsigned nComponentID = 0;   // the component it belongs to
    CString szName;              // the component's name
    int nMode = 0;               // the first graph option it was made with
};

// Draws the component. Keeps what it was handed and returns 1 for a component; 0 (keeping
// nothing) without one.
int KVDrawOut_DrawComponent(CComponentNorm* component, int mode);

// Appends one new graph element for the component to graphs; the caller owns the elements.
// 1 for a component; 0 without one (graphs untouched).
int KVDrawOut_GetComponentGraph(CComponentNorm* component, std::vector<CGraphColl*>& graphs, int mode, int option);

// What the drawing output was last handed on this thread.
struct DrawOutHandOff {
    CComponentNorm* component = nullptr;
    int mode = 0;
};
const std::optional<DrawOutHandOff>& LastDrawOutHandOff();
void ClearDrawOutHandOff();
