// KVAlign list building: joins block-name texts, or lists of them, into one list of names.

#include "drawing/kv_align.h"

#include <initializer_list>

namespace KVAlign {

std::vector<CString> ToStringVector(const CString& s1, const CString& s2, const CString& s3, const CString& s4,
                                    const CString& s5, const CString& s6, const CString& s7, const CString& s8,
                                    const CString& s9, const CString& s10, const CString& s11,
                                    const CString& s12)
{
    std::vector<CString> names;
    for (const CString* text : {&s1, &s2, &s3, &s4, &s5, &s6, &s7, &s8, &s9, &s10, &s11, &s12}) {
        if (!text->IsEmpty())
            names.push_back(*text);
    }
    return names;
}

std::vector<CString> ToStringVector(const std::vector<CString>& v1, const std::vector<CString>& v2,
                                    const std::vector<CString>& v3, const std::vector<CString>& v4,
                                    const std::vector<CString>& v5, const std::vector<CString>& v6,
                                    const std::vector<CString>& v7, const std::vector<CString>& v8)
{
    const std::initializer_list<const std::vector<CString>*> lists = {&v1, &v2, &v3, &v4, &v5, &v6, &v7, &v8};
    std::size_t total = 0;
    for (const auto* list : lists)
        total += list->size();
    std::vector<CString> names;
    names.reserve(total);
    for (const auto* list : lists)
        names.insert(names.end(), list->begin(), list->end());
    return names;
}

}  // namespace KVAlign
