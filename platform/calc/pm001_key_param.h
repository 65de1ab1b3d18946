// CPM001KeyParam: the design key parameters of the whole pier, as the engine hands them out.
#pragma once

#include "calc/pm001_cap_key_param.h"

// Filled by CPM001Calc::GetDesignData or GetUserDesignData; its parts arrive with the key
// parameters' format.
class CPM001KeyParam {
public:
};
