// Tie-beam module: its design object.
#pragma once

#include "host/live_count.h"
#include "mfc/cobject.h"

// Design object of the tie beams between columns or piles.
class CPG008Atom : public CObject {
public:
    CPG008Atom();
    ~CPG008Atom() override;

private:
    LiveCount<CPG008Atom> m_live;
};
