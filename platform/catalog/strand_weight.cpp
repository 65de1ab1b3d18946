// The weight per metre of a tendon of catalogue strands.
#include "catalog/strand_weight.h"

#include "catalog/material_catalog.h"

namespace KVDataCommon {

double gsweight(const CString& name, unsigned count)
{
    tagQM_TENDON strand;
    if (!GetTendon(GetMaterialIDFromName(name), &strand)) return 0.0;
    return strand.unitWeight * static_cast<double>(count);
}

} // namespace KVDataCommon
