// KVAlign list building: joins block-name texts, or lists of them, into one list of names.
#pragma once

#include "mfc/cstring.h"

#include <vector>

namespace KVAlign {

// The non-empty texts among the twelve, in argument order; empty texts stand for unused places.
std::vector<CString> ToStringVector(const CString& s1, const CString& s2, const CString& s3, const CString& s4,
                                    const CString& s5, const CString& s6, const CString& s7, const CString& s8,
                                    const CString& s9, const CString& s10, const CString& s11,
                                    const CString& s12);

// The elements of the eight lists one after another, in argument order; empty lists add nothing.
std::vector<CString> ToStringVector(const std::vector<CString>& v1, const std::vector<CString>& v2,
                                    const std::vector<CString>& v3, const std::vector<CString>& v4,
                                    const std::vector<CString>& v5, const std::vector<CString>& v6,
                                    const std::vector<CString>& v7, const std::vector<CString>& v8);

}  // namespace KVAlign
