// Pile-foundation module: its origin object and its design object.
#pragma once

#include "host/live_count.h"
#include "mfc/cobject.h"
#include "siblings/pile_foundation_org.h"

// Design object of a pile foundation.
class CPG002Atom : public CObject {
public:
    CPG002Atom();
    ~CPG002Atom() override;

private:
    LiveCount<CPG002Atom> m_live;
};
