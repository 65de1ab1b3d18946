// The check of a designed cap beam's results: published quantities not negative, bars within the beam.
#pragma once

#include "host/output_data.h"

#include <span>
#include <string_view>

// Each design step works on the values the one before it left and does not compare them with 0,
// so values that are each usable but do not fit the cap together (an end cover larger than the
// bars' room, a station below the one before it, a tendon node beyond the beam) come out as
// negative lengths, or as bars outside the concrete. The check below judges what the design
// publishes, whatever the cause, and reports each fault through the error channel: the design
// has run, but its results cannot be used.

// Output names that are signed by their meaning and so are not compared with 0 (their values
// must still be finite). In a name "#" stands for any number (an index, a counter, a list's number).
struct SignedOutputNames {
    const char* reason;
    std::span<const char* const> patterns;
};
std::span<const SignedOutputNames> SignedOutputNameTable();

// 1 when the output name is one of the signed names of the table, whatever its numbers.
bool IsSignedOutputName(std::string_view name);

// Judges every number published under a name that begins with "PM001_": finite, and not below 0
// unless the name is signed. One error per kind of value (the name with its indices read as any
// number) names the first value that fails and how many fail. Returns the number of errors reported.
int CheckPublishedValues(const OutputDataMap& published);
