// Pile-foundation module: its origin object and its design object.
#pragma once

#include "host/live_count.h"
#include "mfc/cobject.h"

// Origin data of a pile foundation.
class CPG002org : public CObject {
public:
    CPG002org();
    ~CPG002org() override;

private:
    LiveCount<CPG002org> m_live;
};

// Design object of a pile foundation.
class CPG002Atom : public CObject {
public:
    CPG002Atom();
    ~CPG002Atom() override;

private:
    LiveCount<CPG002Atom> m_live;
};
