// KVDrawAdjust: the drawing-adjustment tool as a component opens it.
#pragma once

#include "drawing/draw_out.h"
#include "mfc/cstring.h"

#include <optional>
#include <vector>

class CComponentNorm;

// What the tool is told about the component it adjusts.
struct CAdjustDrawCompInfo {
    CString szProjectPath;              // without a trailing "\"
    CString szProjectName;
    unsigned nComponentID = 0;
    CString szComponentName;
    CString szRoadName;
    CComponentNorm* pComponent = nullptr;
    int nComponentCode = 0;
};

// How the tool fetches a component's graph elements itself; set by the caller before it opens
// the tool. One per thread, so that components adjusted on different threads do not meet.
using GetComponentGraphFunc = int (*)(CComponentNorm*, std::vector<CGraphColl*>&, int, int);
extern thread_local GetComponentGraphFunc g_pGetComponentGraphFunc;

// Runs the tool: keeps a copy of info and returns 1 when it names a component and the graph
// function is set; otherwise 0, keeping nothing.
int AdjustDrawComponent(const CAdjustDrawCompInfo& info);

const std::optional<CAdjustDrawCompInfo>& LastAdjustDrawCompInfo();
void ClearAdjustDrawCompInfo();
