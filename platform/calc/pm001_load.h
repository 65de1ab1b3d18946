// CPM001Load: the pier engine's load record (reactions, live loads, foundation load records).
#pragma once

// Filled by the component after the engine has prepared its design input; its fields arrive with
// the engine's load conventions.
class CPM001Load {
public:
};
