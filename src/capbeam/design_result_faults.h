// The faults a check of the design's results collects: one error per kind of value or per bar mark.
#pragma once

#include "host/output_data.h"
#include "host/report.h"
#include "json/keyed_string_hash.h"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace DesignResultFaults {

// The first fault of one kind of value and how many values of the kind fail.
struct KindFault {
    std::string message;
    std::size_t count = 0;
};

class FaultsByKind {
public:
    // The kinds, to where their fault stands. A kind may carry a bar's or a tendon's mark, which a
    // loaded component takes from its file: hashed under the process's key, as the readers' keys
    // are, so that no file's marks can be chosen to fall on one chain of the index.
    using Index = std::unordered_map<std::string, std::size_t, KeyedStringHash>;

    // Counts a fault of kind; describe makes the message of its first.
    template <class Describe>
    void Add(const std::string& kind, Describe describe)
    {
        auto [at, added] = m_index.try_emplace(kind, m_faults.size());
        if (added) m_faults.push_back({describe(), 0});
        ++m_faults[at->second].count;
    }

    // Reports one error per kind, in the order first met; returns the number reported.
    int Report(const char* counted) const
    {
        for (const auto& fault : m_faults) {
            std::string message = fault.message;
            if (fault.count > 1) message += " (" + std::to_string(fault.count) + " " + counted + " fail)";
            QMReportError(CString(message), 0);
        }
        return static_cast<int>(m_faults.size());
    }

private:
    Index m_index;
    std::vector<KindFault> m_faults;
};

inline constexpr const char* kSubject = "Design result out of the cap: ";

inline std::string RealText(double value, int decimals)
{
    std::string text;
    CBGOutputData::AppendReal(text, value, decimals);
    return text;
}

} // namespace DesignResultFaults
