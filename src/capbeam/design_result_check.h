// The check of a designed cap beam's results: published quantities not negative, bars within the beam.
#pragma once

#include "host/output_data.h"

// Each design step works on the values the one before it left and does not compare them with 0,
// so values that are each usable but do not fit the cap together (an end cover larger than the
// bars' room, a station below the one before it, a tendon node beyond the beam) come out as
// negative lengths, or as bars outside the concrete. The check below judges what the design
// publishes, whatever the cause, and reports each fault through the error channel: the design
// has run, but its results cannot be used.

// Judges every published number by the kind its writer gave it (host/output_kind.h): finite, and
// not below 0 unless the kind may be negative (a signed quantity, a code); a sibling module's
// values are left to that module, texts are not judged. One error per kind of value (the name with
// its indices read as any number) names the first value that fails, in name order, and how many
// fail. The values are read in the order entered: the map is not put in order unless a value
// fails. Returns the number of errors reported.
int CheckPublishedValues(const OutputDataMap& published);
