// The check of a designed cap beam's results: published quantities not negative, bars within the beam.
#include "capbeam/design_result_check.h"

#include "capbeam/design_result_faults.h"
#include "common/is_equal.h"
#include "host/name_sort.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

using KVDataCommon::IsEqual;
using DesignResultFaults::FaultsByKind;
using DesignResultFaults::kSubject;
using DesignResultFaults::RealText;

// The kind of a value: its name with every number after the module's prefix ("PM001_T0101_")
// read as any number, "#" ("Frame[2]_zt3" and "Frame[4]_zt1" are one kind, "Frame[#]_zt#").
std::string KindOf(std::string_view name)
{
    const std::size_t first = name.find('_');
    const std::size_t prefix = first == std::string_view::npos ? name.size() : name.find('_', first + 1);
    const std::size_t kept = prefix == std::string_view::npos ? name.size() : prefix;
    std::string kind(name.substr(0, kept));
    for (std::size_t i = kept; i < name.size(); ++i) {
        const bool number = (name[i] >= '0' && name[i] <= '9') || name[i] == '#';
        if (!number) kind += name[i];
        else if (kind.back() != '#') kind += '#';
    }
    return kind;
}

// What a published number is, for the message.
const char* WhatItIs(std::string_view name, bool integer, const OutputKind* kind)
{
    if (integer) return "a count";
    // An angle taken one way only (told by its kind's text: a kind's address may differ between
    // the host and the module).
    if (kind && std::string_view(kind->what) == std::string_view(OutputKinds::Inclination.what)) return "an angle";
    return name.starts_with("PM001_T0104_") ? "a tendon dimension" : "a length";
}

// The fault of one number, or none: not finite, or below 0 when not signed.
const char* FaultOf(double value, bool isSigned)
{
    if (!std::isfinite(value)) return "is not a finite number";
    if (!isSigned && value < 0.0 && !IsEqual(value, 0.0)) return "cannot be negative";
    return nullptr;
}

// Whether every number of a record passes, by its kind: one comparison or two per number, no
// branch per element. A number without a kind is judged as never negative.
bool Sound(const CBGOutputData& record)
{
    if (record.type == CBGOutputData::Text || record.type == CBGOutputData::TextList) return true;
    if (record.kind && !record.kind->Judged()) return true;
    const bool mayBeNegative = record.kind && record.kind->MayBeNegative();
    // A real passes when it is finite and, unless signed, not below 0 beyond the equality
    // tolerance (NaN fails every comparison).
    const double lowest = mayBeNegative ? -std::numeric_limits<double>::max() : -KVDataCommon::kEqualTolerance;
    constexpr double highest = std::numeric_limits<double>::max();
    const int lowestInt = mayBeNegative ? std::numeric_limits<int>::min() : 0;
    switch (record.type) {
    case CBGOutputData::Int: return record.intValue >= lowestInt;
    case CBGOutputData::Double: return record.doubleValue >= lowest && record.doubleValue <= highest;
    case CBGOutputData::IntList: {
        bool sound = true;
        for (const int v : record.intList) sound &= v >= lowestInt;
        return sound;
    }
    default: {
        bool sound = true;
        for (const double v : record.doubleList) sound &= (v >= lowest) & (v <= highest);
        return sound;
    }
    }
}

} // namespace

int CheckPublishedValues(const OutputDataMap& published)
{
    // Most piers publish nothing that fails: each value is first read with one comparison per
    // number and only the values that fail one are named, in name order, as the map lists them.
    std::vector<std::uint32_t> failing;
    const std::size_t entered = published.EnteredCount();
    for (std::size_t slot = 0; slot < entered; ++slot)
        if (!Sound(published.EnteredRecord(slot))) failing.push_back(static_cast<std::uint32_t>(slot));
    if (failing.empty()) return 0;
    std::sort(failing.begin(), failing.end(), [&published](std::uint32_t a, std::uint32_t b) {
        const int order = CompareNames(published.EnteredName(a), published.EnteredName(b));
        return order != 0 ? order < 0 : a < b;
    });

    FaultsByKind faults;
    for (const std::uint32_t slot : failing) {
        const std::string_view name = published.EnteredName(slot);
        const CBGOutputData* record = &published.EnteredRecord(slot);
        // A value a later one of its name replaced is not published.
        if (published.find(name)->second != record) continue;
        const bool integer = record->type == CBGOutputData::Int || record->type == CBGOutputData::IntList;
        const bool list = record->type == CBGOutputData::IntList || record->type == CBGOutputData::DoubleList;
        const bool mayBeNegative = record->kind && record->kind->MayBeNegative();
        std::string kind;
        const int count = record->type == CBGOutputData::IntList      ? record->intList.GetSize()
                          : record->type == CBGOutputData::DoubleList ? record->doubleList.GetSize()
                                                                      : 1;
        for (int k = 0; k < count; ++k) {
            double value = 0.0;
            switch (record->type) {
            case CBGOutputData::Int: value = record->intValue; break;
            case CBGOutputData::Double: value = record->doubleValue; break;
            case CBGOutputData::IntList: value = record->intList[k]; break;
            default: value = record->doubleList[k]; break;
            }
            const char* fault = FaultOf(value, mayBeNegative);
            if (!fault) continue;
            if (kind.empty()) kind = KindOf(name);
            faults.Add(kind, [&] {
                std::string message = kSubject + std::string(name);
                if (list) message += " element " + std::to_string(k + 1);
                message += " = ";
                message += integer ? std::to_string(static_cast<long long>(value)) : RealText(value, record->decimals);
                message += std::string(", ") + WhatItIs(name, integer, record->kind) + ", " + fault;
                return message;
            });
        }
    }
    return faults.Report("values of this kind");
}
