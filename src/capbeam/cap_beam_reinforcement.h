// CPM001T0101Atom: the design object of the cap beam's reinforcement.
#pragma once

#include "host/live_count.h"

class CPM001T0101Atom {
public:
    CPM001T0101Atom();
    ~CPM001T0101Atom();
    CPM001T0101Atom(const CPM001T0101Atom&) = delete;
    CPM001T0101Atom& operator=(const CPM001T0101Atom&) = delete;

private:
    LiveCount<CPM001T0101Atom> m_live;
};
