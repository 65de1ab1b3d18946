// CPM001T010401Atom: construction, release and the design driver.
#include "tendon/design_object.h"

CPM001T010401Atom::CPM001T010401Atom() = default;

// Every list owns its records (HD only views them), so the members' own destruction releases
// each record, curve, overlap entry and loaded section view exactly once.
CPM001T010401Atom::~CPM001T010401Atom() = default;

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
