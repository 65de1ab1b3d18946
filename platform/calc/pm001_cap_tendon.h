// CPM001_CapTendon: the cap beam's data for the calculation report.
#pragma once

// Filled by the component for one report; its fields arrive with the report data.
class CPM001_CapTendon {
public:
};
