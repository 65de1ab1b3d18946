// Range, list and elevation checks of the foundation modules' own values, reported through the host.
#pragma once

#include "mfc/cstring.h"

#include <vector>

// Range check with inclusive bounds: a value below min is reported with the complete text below
// ("不能小于"); only when that passed is a value above max reported with above ("不能大于"). The
// keys' suffix is added by the host's compare-and-report. Returns 1 inside, else 0 (ok cleared).
int FoundationRange(unsigned label, const CString& below, const CString& above, double value, double min,
                    double max, const CString& keys, int& ok, unsigned part, unsigned item = 0);

// Compares the elements in order with b by the relation; reports the first that violates it and
// returns 0 without looking at the rest. 1 when every element holds (an empty list too).
int FoundationCompareEach(unsigned label, const CString& message, const std::vector<double>& values,
                          const CString& relation, double b, const CString& keys, int& ok, unsigned part);

// The column bottoms' elevation (m) must lie between -1000 and 9000, the range of the ground a
// bridge can stand on; a value outside it is almost always one entered in millimetres. Reported
// under key with the foundation's part. Returns 1 inside.
int CheckColumnBottomElevation(unsigned label, double elevation, const CString& key, int& ok, unsigned part);
