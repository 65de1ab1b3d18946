// Reaches the private creation and release operations of CPM001Norm for the tests.
#pragma once

#include "module/pier_component.h"

class CPM001NormTestAccess {
public:
    static void ClearOrg(CPM001Norm& c) { c.ClearOrg(); }
    static void PrepareOrg(CPM001Norm& c) { c.PrepareOrg(); }
    static void ClearDesign(CPM001Norm& c) { c.ClearDesign(); }
    static void PrepareDesign(CPM001Norm& c) { c.PrepareDesign(); }
};
