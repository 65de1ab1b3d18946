// CPM001_CapKeyParam: the cap-beam part of the pier's design key parameters.
#pragma once

// Placeholder until the key parameters receive their format.
class CPM001_CapKeyParam {
public:
};
