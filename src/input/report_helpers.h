// The pier checks' report helpers: the int compare-and-report, the range check and the list check.
#pragma once

#include "host/report.h"
#include "mfc/carray.h"
#include "mfc/cstring.h"

// The component's own instance of the host's compare-and-report (declared in host/report.h):
// the same relations, key suffixes and ok rule, the two integers compared exactly.
template <>
int QMReportError_compare_A_B<int>(unsigned label, CString message, int a, CString relation, int b, CString keys,
                                   int& ok, unsigned part, unsigned item);

// Range check with inclusive bounds: value below min reports the message below ("不能小于");
// only when that passed is value above max tested and reported with the message above ("不能大于").
// The messages are complete texts; the keys' suffix is added as by the compare-and-report.
// Returns 1 when min <= value <= max, else 0 (reported, ok cleared). Instances: double and int.
template <class T>
int ReportErrorOutOfRange(unsigned label, CString below, CString above, T value, T min, T max, CString keys,
                          int& ok, unsigned part, unsigned item);

extern template int ReportErrorOutOfRange<double>(unsigned, CString, CString, double, double, double, CString, int&,
                                                  unsigned, unsigned);
extern template int ReportErrorOutOfRange<int>(unsigned, CString, CString, int, int, int, CString, int&, unsigned,
                                               unsigned);

// Compares every element of values, in order, with b by the relation; reports and returns 0 at
// the first element that violates it (the rest are not looked at). 1 when every element holds,
// an empty list included. The same message, keys and item serve every element.
int ReportErrorCompareArray(unsigned label, CString message, const CArray<double, double>& values,
                            CString relation, double b, CString keys, int& ok, unsigned part, unsigned item);
