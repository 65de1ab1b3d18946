// CPM001T010401Atom: construction, release, set-up and the design driver.
#include "tendon/tendon_design_object.h"

CPM001T010401Atom::CPM001T010401Atom() = default;

// Every list owns its records (HD only views them), so the members' own destruction releases
// each record, curve, overlap entry and loaded section view exactly once.
CPM001T010401Atom::~CPM001T010401Atom() = default;

int CPM001T010401Atom::SetData(GZ_PM001Atom* /*gz*/)
{
    // The tendon set-up copies the cap-beam geometry and drawing options here; until it does,
    // the object keeps its constructor values.
    return 1;
}

int CPM001T010401Atom::DoDesign(CPM001_CapKeyParam* kp)
{
    if (!kp) return 0;
    if (!SetSteelData(kp)) return 0;     // tendons, materials and profiles
    if (!SetLMSteelData(kp)) return 0;   // elevation dimension chains
    if (!SetCMSteelData()) return 0;     // section views
    if (!SetPMSteelData()) return 0;     // plan groups
    if (!SetTZSteelData(kp)) return 0;   // quantity tables
    return 1;
}

// The design steps. Each answers 0 until the tendon design fills it in, so that a design that
// has not been made is never reported as done.
int CPM001T010401Atom::SetSteelData(CPM001_CapKeyParam* /*kp*/) { return 0; }
int CPM001T010401Atom::SetLMSteelData(CPM001_CapKeyParam* /*kp*/) { return 0; }
int CPM001T010401Atom::SetCMSteelData() { return 0; }
int CPM001T010401Atom::SetPMSteelData() { return 0; }
int CPM001T010401Atom::SetTZSteelData(CPM001_CapKeyParam* /*kp*/) { return 0; }
