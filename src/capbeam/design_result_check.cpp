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
    if (kind && kind->noun) return kind->noun;
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

void PublishedValuesCheck::Judge(std::string_view head, std::string_view tail, const CBGOutputData& record)
{
    // A value published again replaces the earlier one: its fault goes with it. Names are made
    // only once some value has failed.
    if (!m_failedNames.empty()) {
        std::string name;
        name.reserve(head.size() + tail.size());
        name.append(head).append(tail);
        if (m_failedNames.erase(name) != 0)
            std::erase_if(m_failed, [&name](const Failed& failed) { return failed.name == name; });
    }
    if (Sound(record)) return;

    Failed failed;
    failed.name.reserve(head.size() + tail.size());
    failed.name.append(head).append(tail);
    failed.integer = record.type == CBGOutputData::Int || record.type == CBGOutputData::IntList;
    failed.list = record.type == CBGOutputData::IntList || record.type == CBGOutputData::DoubleList;
    failed.decimals = record.decimals;
    failed.kind = record.kind;
    const bool mayBeNegative = record.kind && record.kind->MayBeNegative();
    const int count = record.type == CBGOutputData::IntList      ? record.intList.GetSize()
                      : record.type == CBGOutputData::DoubleList ? record.doubleList.GetSize()
                                                                 : 1;
    for (int k = 0; k < count; ++k) {
        double value = 0.0;
        switch (record.type) {
        case CBGOutputData::Int: value = record.intValue; break;
        case CBGOutputData::Double: value = record.doubleValue; break;
        case CBGOutputData::IntList: value = record.intList[k]; break;
        default: value = record.doubleList[k]; break;
        }
        if (FaultOf(value, mayBeNegative)) failed.elements.emplace_back(k, value);
    }
    m_failedNames.insert(failed.name);
    m_failed.push_back(std::move(failed));
}

int PublishedValuesCheck::Report() const
{
    if (m_failed.empty()) return 0;
    // In name order, as the output map lists them (one record a name).
    std::vector<const Failed*> ordered;
    for (const Failed& failed : m_failed) ordered.push_back(&failed);
    std::sort(ordered.begin(), ordered.end(),
              [](const Failed* a, const Failed* b) { return CompareNames(a->name, b->name) < 0; });

    FaultsByKind faults;
    for (const Failed* failed : ordered) {
        const std::string kind = KindOf(failed->name);
        const bool mayBeNegative = failed->kind && failed->kind->MayBeNegative();
        for (const auto& [k, value] : failed->elements) {
            faults.Add(kind, [&, k = k, value = value] {
                std::string message = kSubject + failed->name;
                if (failed->list) message += " element " + std::to_string(k + 1);
                message += " = ";
                message += failed->integer ? std::to_string(static_cast<long long>(value))
                                           : RealText(value, failed->decimals);
                message += std::string(", ") + WhatItIs(failed->name, failed->integer, failed->kind) + ", " +
                           FaultOf(value, mayBeNegative);
                return message;
            });
        }
    }
    return faults.Report("values of this kind");
}

int CheckPublishedValues(const OutputDataMap& published)
{
    PublishedValuesCheck check;
    const std::size_t entered = published.EnteredCount();
    for (std::size_t slot = 0; slot < entered; ++slot)
        check.Judge(published.EnteredName(slot), {}, published.EnteredRecord(slot));
    return check.Report();
}
