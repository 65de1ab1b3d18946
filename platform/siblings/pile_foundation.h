// Pile-foundation module: its origin object and its design object.
#pragma once

#include "calc/sibling_key_params.h"
#include "siblings/sibling_design_object.h"
#include "mfc/carray.h"
#include "siblings/pile_foundation_org.h"

// Design object of a pile foundation: one pile under each column.
class CPG002Atom : public SiblingDesignObject<CPG002Atom> {
public:
    static constexpr const char* kModule = "PG002";

    // Keeps the design values; 0 (reported) for missing or unusable input.
    int SetData(const CPG002org* org, double zZct, const CArray<double, double>& spacings);
};
