// CPM001Atom: the pier's design record.
#pragma once

#include "host/live_count.h"
#include "mfc/cobject.h"

class CPM001Atom : public CObject {
    DECLARE_SERIAL(CPM001Atom)
public:
    CPM001Atom();
    ~CPM001Atom() override;

private:
    LiveCount<CPM001Atom> m_live;
};
