// Column module: the design objects of rectangular and of circular columns.
#pragma once

#include "calc/sibling_key_params.h"
#include "siblings/sibling_design_object.h"

struct PC001T01ZD01_General;
struct PC001T01ZD02_General;

// Design object of rectangular columns.
class CPC001T01ZD01Atom : public SiblingDesignObject<CPC001T01ZD01Atom> {
public:
    static constexpr const char* kModule = "PC001ZD01";

    // Keeps the design values; 0 (reported) for missing or unusable input.
    int SetData(const PC001T01ZD01_General* general, const CPC001_RectKeyParam* kp);
};

// Design object of circular columns.
class CPC001T01ZD02Atom : public SiblingDesignObject<CPC001T01ZD02Atom> {
public:
    static constexpr const char* kModule = "PC001ZD02";

    // Keeps the design values; 0 (reported) for missing or unusable input.
    int SetData(const PC001T01ZD02_General* general, const CPC001_CircleKeyParam* kp);
};
