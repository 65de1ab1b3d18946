// CPM001DrawSetting: the pier's drawing and design options, part of its origin data.
#pragma once

#include "host/live_count.h"
#include "mfc/cobject.h"

class CPM001DrawSetting : public CObject {
    DECLARE_SERIAL(CPM001DrawSetting)
public:
    CPM001DrawSetting();
    ~CPM001DrawSetting() override;

private:
    LiveCount<CPM001DrawSetting> m_live;
};
