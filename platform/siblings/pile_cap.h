// Pile-cap module: its origin object, its design object, the three cap bodies and its joint object.
#pragma once

#include "host/live_count.h"
#include "mfc/cobject.h"
#include "siblings/pile_cap_org.h"

// Design object of a pile cap.
class CPG003Atom : public CObject {
public:
    CPG003Atom();
    ~CPG003Atom() override;

private:
    LiveCount<CPG003Atom> m_live;
};

// Pile-cap body, rectangular.
class CPG003CT01Atom : public CObject {
public:
    CPG003CT01Atom();
    ~CPG003CT01Atom() override;

private:
    LiveCount<CPG003CT01Atom> m_live;
};

// Pile-cap body, arc-shaped.
class CPG003CT02Atom : public CObject {
public:
    CPG003CT02Atom();
    ~CPG003CT02Atom() override;

private:
    LiveCount<CPG003CT02Atom> m_live;
};

// Pile-cap body of the third kind.
class CPG003CT03Atom : public CObject {
public:
    CPG003CT03Atom();
    ~CPG003CT03Atom() override;

private:
    LiveCount<CPG003CT03Atom> m_live;
};

// The pile cap's own pile-to-column joint object.
class CPG003T0103Atom : public CObject {
public:
    CPG003T0103Atom();
    ~CPG003T0103Atom() override;

private:
    LiveCount<CPG003T0103Atom> m_live;
};
