// CPM001: the host's input object of the pier-with-cap-beam component (what the user entered).
#pragma once

#include "pm001_pier_input.h"

#include "mfc/cobject.h"
#include "mfc/cstring.h"

// The pier's own values (PM001PierInput) are members of the object itself, named by their input keys.
class CPM001 : public CObject, public PM001PierInput {
    DECLARE_DYNAMIC(CPM001)
public:
    CPM001() = default;

    // The component's name as the user entered it ("P3", "2号墩").
    virtual CString GetName() const { return Name; }
};
