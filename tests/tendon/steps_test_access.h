// CPM001T010401AtomTestAccess: the tests' door to the tendon object's private design steps.
#pragma once

#include "tendon/design_object.h"

// One class for every tendon test: each forwarder calls the private operation of the same name.
// Defined once here so that every test file of the executable sees the same class.
class CPM001T010401AtomTestAccess {
public:
    using Atom = CPM001T010401Atom;

    static int SetGZData(Atom& t, GZ_PM001Atom* gz) { return t.SetGZData(gz); }
    static int SetDrawData(Atom& t, GZ_PM001Atom* gz) { return t.SetDrawData(gz); }
    static double GetFame_XZ(const Atom& t, double x) { return t.GetFame_XZ(x); }
    static int SetSteelData(Atom& t, CPM001_CapKeyParam* kp) { return t.SetSteelData(kp); }
    static int SetLMSteelData(Atom& t, CPM001_CapKeyParam* kp) { return t.SetLMSteelData(kp); }
    static int GetXPtPr(Atom& t, Atom::M_Steel* steel, Atom::M_SteelFD* pieces, double x, double& y,
                        CString& label)
    {
        return t.GetXPtPr(steel, pieces, x, y, label);
    }
    static int GetXHD(Atom& t, double x, Atom::M_HD& section, DblArray& flags1, DblArray& flags2,
                      DblArray& chain)
    {
        return t.GetXHD(x, section, flags1, flags2, chain);
    }
    static int SetCMSteelData(Atom& t) { return t.SetCMSteelData(); }
    static int SetPMSteelData(Atom& t) { return t.SetPMSteelData(); }
    static int SetTZSteelData(Atom& t, CPM001_CapKeyParam* kp) { return t.SetTZSteelData(kp); }
};
