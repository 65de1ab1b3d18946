// KVDrawOut: drawing a component from its records, and fetching its graph elements.
#pragma once

#include "mfc/cstring.h"

#include <functional>
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
// nothing) without one. While it draws, the component's drawing records are live: the reader set
// on this thread (if any) is called with the component and the mode, to read them.
int KVDrawOut_DrawComponent(CComponentNorm* component, int mode);

// Reads a component's drawing records while the drawing output draws it; one per thread.
using DrawComponentReader = std::function<void(CComponentNorm& component, int mode)>;
// Sets (or, with an empty reader, clears) the calling thread's reader.
void SetDrawComponentReader(DrawComponentReader reader);

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
