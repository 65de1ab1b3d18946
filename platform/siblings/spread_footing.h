// Spread-footing module: its origin object and its two design objects.
#pragma once

#include "calc/sibling_key_params.h"
#include "siblings/sibling_design_object.h"
#include "siblings/spread_footing_org.h"

struct GZ_GENERAL_PG001;

// Design object of a spread footing: its dimensions as the origin object holds them.
class CPG001Atom : public SiblingDesignObject<CPG001Atom> {
public:
    static constexpr const char* kModule = "PG001";

    // Keeps the design values; 0 (reported) for missing or unusable input.
    int SetData(const CPG001org* org, const GZ_GENERAL_PG001* general);
};

// Second design object of a spread footing: its bottom mesh.
class CPG001T01Atom : public SiblingDesignObject<CPG001T01Atom> {
public:
    static constexpr const char* kModule = "PG001T01";

    // Keeps the design values; 0 (reported) for missing or unusable input.
    int SetData(const CPG001Atom* footing, const CPG001KeyParam* kp);
};
