// CPM001: the host's input object of the pier-with-cap-beam component (what the user entered).
#pragma once

#include "mfc/cobject.h"
#include "mfc/cstring.h"

class CPM001 : public CObject {
    DECLARE_DYNAMIC(CPM001)
public:
    CPM001() = default;

    // The component's name as the user entered it ("P3", "2号墩").
    virtual CString GetName() const { return m_strName; }

    CString m_strName;
    // Foundation of the pier: 0 pile foundation, 1 pile cap on piles, 2 spread footing.
    int m_nFoundationType = 2;
};
