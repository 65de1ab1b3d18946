// CCalGenDeckLayout: its groups of parallel tables.
#include "host/deck_layout.h"

#include <initializer_list>

std::vector<CArray<CStringArray*, CStringArray*>> CCalGenDeckLayout::GetTableGroups()
{
    auto group = [](std::initializer_list<CStringArray*> tables) {
        CArray<CStringArray*, CStringArray*> g;
        for (CStringArray* t : tables) g.Add(t);
        return g;
    };
    std::vector<CArray<CStringArray*, CStringArray*>> groups{
        group({&m_PositionName, &m_XLoad, &m_YLoad}),
        group({&m_YLong}),
        group({&m_XRoad, &m_YRoad}),
    };
    // A reaction list missing for a position leaves a null slot, which names no list.
    for (int i = 0; i < m_SupportName.GetSize(); ++i)
        groups.push_back(group({&m_SupportName[i], i < m_ForceZhiZuo.GetSize() ? &m_ForceZhiZuo[i] : nullptr}));
    return groups;
}
