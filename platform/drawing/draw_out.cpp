// KVDrawOut: the drawing output keeps what it is handed.
#include "drawing/draw_out.h"

#include "host/component_norm.h"

#include <utility>

namespace {
thread_local std::optional<DrawOutHandOff> t_lastDraw;
thread_local DrawComponentReader t_reader;
}

int KVDrawOut_DrawComponent(CComponentNorm* component, int mode)
{
    if (!component) return 0;
    t_lastDraw = DrawOutHandOff{component, mode};
    if (t_reader) t_reader(*component, mode);
    return 1;
}

int KVDrawOut_GetComponentGraph(CComponentNorm* component, std::vector<CGraphColl*>& graphs, int mode, int)
{
    if (!component) return 0;
    auto* graph = new CGraphColl;
    graph->nComponentID = component->GetID();
    graph->szName = component->GetName();
    graph->nMode = mode;
    graphs.push_back(graph);
    return 1;
}

void SetDrawComponentReader(DrawComponentReader reader) { t_reader = std::move(reader); }

const std::optional<DrawOutHandOff>& LastDrawOutHandOff() { return t_lastDraw; }
void ClearDrawOutHandOff() { t_lastDraw.reset(); }
