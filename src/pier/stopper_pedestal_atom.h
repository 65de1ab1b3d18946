// CPM001DS01Atom: the design object of the pier's seismic stopper blocks and bearing pedestals.
#pragma once

#include "host/live_count.h"
#include "mfc/cobject.h"

class CPM001DS01Atom : public CObject {
public:
    CPM001DS01Atom();
    ~CPM001DS01Atom() override;

private:
    LiveCount<CPM001DS01Atom> m_live;
};
