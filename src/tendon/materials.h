// How a tendon takes its jack, duct and anchorage values from the material catalogue's records,
// and its rounded total length.
#pragma once

#include "catalog/material_records.h"
#include "common/dbl_array.h"
#include "tendon/steel.h"

namespace pm001_tendon {

// The jack's sizes, or empty texts and zeros when the catalogue gave none (jack null).
void TakeJack(const CString& name, const tagQM_JACK* jack, M_SteelMat& cl);

// The duct's series, kind (0 round, 1 flat), material ("塑料" for 0, "金属" for 1; any other code
// leaves Bmat as it was) and sizes. A duct the catalogue does not hold comes as an empty record.
void TakeDuct(const tagQM_CORRUGATEDPIPE& duct, M_SteelMat& cl);

// The catalogue's duct of that name; an empty record (every size 0) when the catalogue holds none.
tagQM_CORRUGATEDPIPE CatalogueDuct(const CString& name);

// A duct's outer size across the beam and upright in its elevation: a round duct's outer diameter
// both ways; a flat one lies flat, its outer width across and its outer height upright. A duct the
// catalogue does not hold is 0 both ways, as the design takes it.
struct DuctOuterSize {
    double across = 0.0;
    double upright = 0.0;
};
DuctOuterSize OuterSizeOf(const M_SteelMat& cl);
// The outer size of the catalogue's duct of that name, as a tendon given it takes it.
DuctOuterSize CatalogueDuctSize(const CString& name);

// The left (left non-zero) or right anchorage's series, type (0 or 1; any other code leaves the
// type as it was) and sizes. An anchorage the catalogue does not hold comes as an empty record.
void TakeAnchor(const tagQM_ANCHOR& anchor, bool left, M_SteelMat& cl);

// The total length of a tendon in whole tens: every piece rounded to a whole number, the end
// allowances added, the sum rounded to a multiple of 10.
double TendonTotalLength(const DblArray& pieces, double leftAllowance, double rightAllowance);

} // namespace pm001_tendon
