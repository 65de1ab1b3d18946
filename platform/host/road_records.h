// The road's data records: general data, deck, curve, geology, boreholes and soil.
#pragma once

#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

// General data of the road, among them the design tendon materials of its structure groups.
class CBridgeRoadGeneral {
public:
    // The design tendon material's name of one structure group (the pier reads group 1);
    // empty for a group that has none.
    CString GetDesignTendonMaterialName(int group) const;
    // Sets the design tendon material's name of one structure group (a negative group is ignored).
    void SetDesignTendonMaterialName(int group, const CString& name);

private:
    CStringArray m_DesignTendonMaterialNames;   // index = structure group
};

// Deck layout of the road.
struct CBridgeRoadDeck {
};

// Horizontal and vertical curves of the road.
struct CBridgeRoadCurve {
};

// Geology along the road.
struct CBridgeRoadGeology {
};

// Borehole records of the road.
struct CBridgeZKHole {
};

// Soil layers of the road.
struct CBridgeSoil {
};
