// KVDrawAdjust: the drawing-adjustment tool keeps what it is handed.
#include "drawing/draw_adjust.h"

thread_local GetComponentGraphFunc g_pGetComponentGraphFunc = nullptr;

namespace {
thread_local std::optional<CAdjustDrawCompInfo> t_lastInfo;
}

int AdjustDrawComponent(const CAdjustDrawCompInfo& info)
{
    if (!info.pComponent || !g_pGetComponentGraphFunc) return 0;
    t_lastInfo = info;
    return 1;
}

const std::optional<CAdjustDrawCompInfo>& LastAdjustDrawCompInfo() { return t_lastInfo; }
void ClearAdjustDrawCompInfo() { t_lastInfo.reset(); }
