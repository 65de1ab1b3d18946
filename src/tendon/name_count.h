// M_ZLName: a name with a count, as the key parameters list them for the tendon elevation.
#pragma once

#include "mfc/carchive.h"
#include "mfc/cstring.h"

#include <cstddef>

namespace pm001_tendon {

struct M_ZLName {
    CString name;
    int n = 0;

    // A text and an int.
    static constexpr std::size_t kMinStoredBytes = 1 + 4;

    void Serialize(CArchive& ar)
    {
        if (ar.IsStoring()) ar << name << n;
        else ar >> name >> n;
    }
};

} // namespace pm001_tendon
