// Column module: the design objects of rectangular and of circular columns.
#pragma once

#include "host/live_count.h"
#include "mfc/cobject.h"

// Design object of rectangular columns.
class CPC001T01ZD01Atom : public CObject {
public:
    CPC001T01ZD01Atom();
    ~CPC001T01ZD01Atom() override;

private:
    LiveCount<CPC001T01ZD01Atom> m_live;
};

// Design object of circular columns.
class CPC001T01ZD02Atom : public CObject {
public:
    CPC001T01ZD02Atom();
    ~CPC001T01ZD02Atom() override;

private:
    LiveCount<CPC001T01ZD02Atom> m_live;
};
