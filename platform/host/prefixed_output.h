// PrefixedOutput: enters named output values whose names share one prefix, with no note.
#pragma once

#include "host/output_data.h"

#include <charconv>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

// head, the index in decimal, tail: "Frame[" 3 "]_" gives "Frame[3]_".
inline CString IndexedName(const char* head, int index, const char* tail)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, index).ptr;
    std::string name;
    name.reserve(std::strlen(head) + static_cast<std::size_t>(end - digits) + std::strlen(tail));
    name.append(head).append(digits, end).append(tail);
    return CString(std::move(name));
}

// Reals and real lists carry one decimal unless the call says otherwise. Each value enters the map
// as it is written; its name is the prefix followed by the name given.
class PrefixedOutput {
public:
    PrefixedOutput(OutputDataMap& map, CString prefix) : m_map(map), m_prefix(std::move(prefix)) {}

    void Int(OutputName name, int value) { Enter(name, CBGOutputData::Int).intValue = value; }
    void Real(OutputName name, double value, int decimals = 1)
    {
        CBGOutputData& record = Enter(name, CBGOutputData::Double);
        record.doubleValue = value;
        record.decimals = decimals;
    }
    void Text(OutputName name, CString value) { Enter(name, CBGOutputData::Text).text = std::move(value); }
    void Ints(OutputName name, CArray<int> values)
    {
        Enter(name, CBGOutputData::IntList).intList = std::move(values);
    }
    void Reals(OutputName name, CArray<double> values, int decimals = 1)
    {
        CBGOutputData& record = Enter(name, CBGOutputData::DoubleList);
        record.doubleList = std::move(values);
        record.decimals = decimals;
    }
    void Texts(OutputName name, CStringArray values)
    {
        Enter(name, CBGOutputData::TextList).textList = std::move(values);
    }

private:
    CBGOutputData& Enter(OutputName name, CBGOutputData::Type type)
    {
        CBGOutputData& record = m_map.Enter(m_prefix.str(), name.text);
        record.type = type;
        return record;
    }

    OutputDataMap& m_map;
    CString m_prefix;
};
