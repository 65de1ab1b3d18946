// Pile-to-column transition module: its design object.
#pragma once

#include "calc/sibling_key_params.h"
#include "siblings/sibling_design_object.h"

struct GZ_GENERAL_PG005;

// Design object of the transition between a column and its pile.
class CPG005Atom : public SiblingDesignObject<CPG005Atom> {
public:
    static constexpr const char* kModule = "PG005";

    // Keeps the design values; 0 (reported) for missing or unusable input.
    int SetData(const GZ_GENERAL_PG005* general, const CPG005KeyParam* kp);
};
