// CPM001Calc_Org: the pier engine's origin record (geometry, materials, options, foundation record).
#pragma once

// Filled by the component before the engine takes it over; its fields arrive with the engine's
// origin conventions.
class CPM001Calc_Org {
public:
};
