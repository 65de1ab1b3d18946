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
    void Ints(OutputName name, const CArray<int>& values)
    {
        Enter(name, CBGOutputData::IntList).intList = m_map.KeepList(values);
    }
    void Reals(OutputName name, const CArray<double>& values, int decimals = 1)
    {
        CBGOutputData& record = Enter(name, CBGOutputData::DoubleList);
        record.doubleList = m_map.KeepList(values);
        record.decimals = decimals;
    }
    void Texts(OutputName name, const CStringArray& values)
    {
        Enter(name, CBGOutputData::TextList).textList = m_map.KeepList(values);
    }
    // A list of count elements, element k being valueOf(k), made where the map keeps it.
    template <class ValueOf>
    void IntsOf(OutputName name, int count, ValueOf valueOf)
    {
        Enter(name, CBGOutputData::IntList).intList = Fill<int>(count, valueOf);
    }
    template <class ValueOf>
    void RealsOf(OutputName name, int count, ValueOf valueOf, int decimals = 1)
    {
        CBGOutputData& record = Enter(name, CBGOutputData::DoubleList);
        record.doubleList = Fill<double>(count, valueOf);
        record.decimals = decimals;
    }

private:
    template <class T, class ValueOf>
    OutputList<T> Fill(int count, ValueOf valueOf)
    {
        count = count < 0 ? 0 : count;
        T* kept = m_map.AllotList<T>(static_cast<std::size_t>(count));
        for (int k = 0; k < count; ++k) kept[k] = valueOf(k);
        return {kept, count};
    }

    CBGOutputData& Enter(OutputName name, CBGOutputData::Type type)
    {
        CBGOutputData& record = m_map.Enter(m_prefix.str(), name.text);
        record.type = type;
        return record;
    }

    OutputDataMap& m_map;
    CString m_prefix;
};
