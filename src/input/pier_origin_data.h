// CPM001org: the pier's origin data, taken from the host's input object.
#pragma once

#include "host/live_count.h"
#include "mfc/cobject.h"

class CPM001org : public CObject {
    DECLARE_SERIAL(CPM001org)
public:
    CPM001org();
    ~CPM001org() override;

private:
    LiveCount<CPM001org> m_live;
};
