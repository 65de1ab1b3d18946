// Pile-to-column transition module: its design object.
#pragma once

#include "host/live_count.h"
#include "mfc/cobject.h"

// Design object of a pile-to-column transition.
class CPG005Atom : public CObject {
public:
    CPG005Atom();
    ~CPG005Atom() override;

private:
    LiveCount<CPG005Atom> m_live;
};
