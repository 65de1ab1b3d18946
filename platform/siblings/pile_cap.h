// Pile-cap module: its origin object, its design object, the three cap bodies and its joint object.
#pragma once

#include "calc/sibling_key_params.h"
#include "siblings/sibling_design_object.h"
#include "siblings/pile_cap_org.h"

struct GZ_GENERAL_PG003;

// Design object of a pile cap: its dimensions as the origin object holds them.
class CPG003Atom : public SiblingDesignObject<CPG003Atom> {
public:
    static constexpr const char* kModule = "PG003";

    // Keeps the design values; 0 (reported) for missing or unusable input.
    int SetData(const CPG003org* org, const GZ_GENERAL_PG003* general);
};

// Pile-cap body, rectangular: its bottom mesh.
class CPG003CT01Atom : public SiblingDesignObject<CPG003CT01Atom> {
public:
    static constexpr const char* kModule = "PG003CT01";

    // Keeps the design values; 0 (reported) for missing or unusable input.
    int SetData(const CPG003Atom* cap, const CPG003_RectKeyParam* kp);
};

// Pile-cap body, round-ended: its bottom mesh.
class CPG003CT02Atom : public SiblingDesignObject<CPG003CT02Atom> {
public:
    static constexpr const char* kModule = "PG003CT02";

    // Keeps the design values; 0 (reported) for missing or unusable input.
    int SetData(const CPG003Atom* cap, const CPG003_ArcKeyParam* kp);
};

// Pile-cap body of the third form; the pier never designs it, it only outputs and stores it.
class CPG003CT03Atom : public SiblingDesignObject<CPG003CT03Atom> {
public:
    static constexpr const char* kModule = "PG003CT03";

};

// Joint between the pile cap and a column set into it.
class CPG003T0103Atom : public SiblingDesignObject<CPG003T0103Atom> {
public:
    static constexpr const char* kModule = "PG003T0103";

    // Keeps the design values; 0 (reported) for missing or unusable input.
    int SetData(const CPG003Atom* cap, const CPG005RectKeyParam* kp);
};
