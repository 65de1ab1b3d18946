// CDblPointArray: a list of plane points (polylines, outlines, arc points).
#pragma once

#include "dbl_point.h"
#include "mfc/carray.h"

class CDblPointArray : public CArray<CDblPoint> {
public:
    using CArray<CDblPoint>::CArray;
};
