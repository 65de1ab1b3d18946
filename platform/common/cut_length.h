// KVDataCommon::KVCTL: the cut length written into a bar schedule.
#pragma once

namespace KVDataCommon {

// The schedule's cut length of a bar of computed length x (mm): x rounded to the nearest whole
// millimetre, halves upward (floor(x + 0.5)), so a whole length stays as it is. A value that is not
// finite is returned unchanged; no integer conversion takes place, so no value can overflow.
double KVCTL(double x);

} // namespace KVDataCommon

// Callers name it with or without the library's namespace.
using KVDataCommon::KVCTL;
