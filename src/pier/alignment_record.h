// CAlignDataPM001: the pier's drawing alignment record, kept by the component between drawings.
#pragma once

#include "host/live_count.h"

class CAlignDataPM001 {
public:
    CAlignDataPM001();
    ~CAlignDataPM001();
    CAlignDataPM001(const CAlignDataPM001&) = delete;
    CAlignDataPM001& operator=(const CAlignDataPM001&) = delete;

private:
    LiveCount<CAlignDataPM001> m_live;
};
