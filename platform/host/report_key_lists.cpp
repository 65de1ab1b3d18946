// Key texts split into single keys, and parallel text lists cleared of their empty rows.
#include "report.h"

#include <algorithm>
#include <vector>

void cstringTocstringArray(const CString& text, CStringArray& keys)
{
    keys.RemoveAll();
    const std::string& s = text.str();
    std::size_t start = 0;
    for (;;) {
        const std::size_t slash = s.find('/', start);
        const std::size_t end = slash == std::string::npos ? s.size() : slash;
        if (end > start) keys.Add(CString(s.substr(start, end - start)));
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
}

void Clear_Str_Empty(CArray<CStringArray*, CStringArray*>& lists)
{
    // Each list once, however often the group names it; null slots name no list.
    std::vector<CStringArray*> group;
    for (CStringArray* list : lists)
        if (list && std::find(group.begin(), group.end(), list) == group.end()) group.push_back(list);

    int rows = 0;
    for (const CStringArray* list : group) rows = std::max(rows, list->GetSize());

    for (int row = rows - 1; row >= 0; --row) {
        const bool empty = std::all_of(group.begin(), group.end(), [row](const CStringArray* list) {
            return row >= list->GetSize() || (*list)[row].IsEmpty();
        });
        if (!empty) continue;
        for (CStringArray* list : group)
            if (row < list->GetSize()) list->RemoveAt(row);
    }
}
