// KVDataCommon::gsweight: the weight per metre of a tendon of a catalogue strand and a strand count.
#pragma once

#include "mfc/cstring.h"

namespace KVDataCommon {

// The strand's mass per metre in the catalogue (kg/m; seven-wire strands of GB/T 5224-2014)
// times the number of strands; 0 when the catalogue holds no strand of that name, alias or label.
double gsweight(const CString& name, unsigned count);

} // namespace KVDataCommon
