// CPM001_PaperDate: the data of one calculation report, owning the cap beam's report data.
#pragma once

#include "calc/pm001_cap_tendon.h"

#include <memory>

// Made for one report request; released through its virtual destructor, which releases the cap
// beam's part with it.
class CPM001_PaperDate {
public:
    CPM001_PaperDate() = default;
    virtual ~CPM001_PaperDate() = default;
    CPM001_PaperDate(const CPM001_PaperDate&) = delete;
    CPM001_PaperDate& operator=(const CPM001_PaperDate&) = delete;

    // The cap beam's report data (side-face bars and stirrups); null until the component sets it.
    std::unique_ptr<CPM001_CapTendon> m_pCapTendon;
};
