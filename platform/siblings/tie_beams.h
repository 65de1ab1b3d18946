// Tie-beam module: its design object.
#pragma once

#include "calc/sibling_key_params.h"
#include "siblings/sibling_design_object.h"

struct GZ_GENERAL_PG008;

// Design object of the tie beams between columns or piles.
class CPG008Atom : public SiblingDesignObject<CPG008Atom> {
public:
    static constexpr const char* kModule = "PG008";

    // Keeps the design values; 0 (reported) for missing or unusable input.
    int SetData(const GZ_GENERAL_PG008* general, const CPG008KeyParam* kp);
};
