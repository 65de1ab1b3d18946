// CPM001: the host's input object of the pier-with-cap-beam component (what the user entered).
#pragma once

#include "foundation_inputs.h"
#include "pm001_drawing_input.h"
#include "pm001_load_input.h"
#include "pm001_pier_input.h"

#include "mfc/cobject.h"
#include "mfc/cstring.h"

// The pier's own values, its loads and its drawing switches are members of the object itself,
// named by their input keys; the foundation modules' inputs are carried whole.
class CPM001 : public CObject, public PM001PierInput, public PM001LoadInput, public PM001DrawingInput {
    DECLARE_DYNAMIC(CPM001)
public:
    CPM001() = default;

    // The component's name as the user entered it ("P3", "2号墩").
    virtual CString GetName() const { return Name; }

    CPG001 m_Footing;     // spread-footing input
    CPG002 m_Pile;        // pile-foundation input
    CPG003 m_PileCap;     // pile-cap input
};
