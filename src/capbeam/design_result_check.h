// The check of a designed cap beam's results: published quantities not negative, bars within the beam.
#pragma once

#include "host/output_data.h"

#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

// Each design step works on the values the one before it left and does not compare them with 0,
// so values that are each usable but do not fit the cap together (an end cover larger than the
// bars' room, a station below the one before it, a tendon node beyond the beam) come out as
// negative lengths, or as bars outside the concrete. The check below judges what the design
// publishes, whatever the cause, and reports each fault through the error channel: the design
// has run, but its results cannot be used.

// The check of published numbers, value by value as they are published: each judged by the kind
// its writer gave it (host/output_kind.h): finite, and not below 0 unless the kind may be negative
// (a signed quantity, a code); a sibling module's values are left to that module, texts are not
// judged. A value published again under the same name replaces the earlier one, as in the output
// map. Report then gives one error per kind of value (the name with its indices read as any
// number), naming the first value that fails, in name order, and how many fail.
class PublishedValuesCheck {
public:
    // Judges one value, its name in two parts (a prefix and the rest).
    void Judge(std::string_view head, std::string_view tail, const CBGOutputData& record);
    // Reports the faults found through the error channel; returns the number of errors reported.
    int Report() const;

private:
    // A value that failed: its name, record's form and the elements that fail.
    struct Failed {
        std::string name;
        bool integer = false;
        bool list = false;
        int decimals = 0;
        const OutputKind* kind = nullptr;
        std::vector<std::pair<int, double>> elements;   // element number from 0, value
    };
    std::vector<Failed> m_failed;                       // in the order published
    std::unordered_set<std::string> m_failedNames;
};

// The same check over every value of an output map, in the order entered. Returns the number of
// errors reported.
int CheckPublishedValues(const OutputDataMap& published);
