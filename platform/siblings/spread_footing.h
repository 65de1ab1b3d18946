// Spread-footing module: its origin object and its two design objects.
#pragma once

#include "host/live_count.h"
#include "mfc/cobject.h"
#include "siblings/spread_footing_org.h"

// Design object of a spread footing.
class CPG001Atom : public CObject {
public:
    CPG001Atom();
    ~CPG001Atom() override;

private:
    LiveCount<CPG001Atom> m_live;
};

// Second design object of a spread footing (its reinforcement).
class CPG001T01Atom : public CObject {
public:
    CPG001T01Atom();
    ~CPG001T01Atom() override;

private:
    LiveCount<CPG001T01Atom> m_live;
};
