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
// as it is written (a judging map is handed it once filled in); its name is the prefix followed by
// the name given. Every number is written with
// its kind (OutputKinds), which its record keeps: there is no call that writes a number without one.
class PrefixedOutput {
public:
    PrefixedOutput(OutputDataMap& map, CString prefix) : m_map(map), m_prefix(std::move(prefix)) {}

    void Int(OutputName name, const OutputKind& kind, int value)
    {
        CBGOutputData& record = Enter(name, CBGOutputData::Int, kind);
        record.intValue = value;
        m_map.Filled(record);
    }
    void Real(OutputName name, const OutputKind& kind, double value, int decimals = 1)
    {
        CBGOutputData& record = Enter(name, CBGOutputData::Double, kind);
        record.doubleValue = value;
        record.decimals = decimals;
        m_map.Filled(record);
    }
    void Text(OutputName name, CString value)
    {
        CBGOutputData& record = Enter(name, CBGOutputData::Text);
        record.text = std::move(value);
        m_map.Filled(record);
    }
    void Ints(OutputName name, const OutputKind& kind, const CArray<int>& values)
    {
        CBGOutputData& record = Enter(name, CBGOutputData::IntList, kind);
        record.intList = m_map.KeepList(values);
        m_map.Filled(record);
    }
    void Reals(OutputName name, const OutputKind& kind, const CArray<double>& values, int decimals = 1)
    {
        CBGOutputData& record = Enter(name, CBGOutputData::DoubleList, kind);
        record.doubleList = m_map.KeepList(values);
        record.decimals = decimals;
        m_map.Filled(record);
    }
    void Texts(OutputName name, const CStringArray& values)
    {
        CBGOutputData& record = Enter(name, CBGOutputData::TextList);
        record.textList = m_map.KeepList(values);
        m_map.Filled(record);
    }
    // A list of count elements, element k being valueOf(k), made where the map keeps it.
    template <class ValueOf>
    void IntsOf(OutputName name, const OutputKind& kind, int count, ValueOf valueOf)
    {
        CBGOutputData& record = Enter(name, CBGOutputData::IntList, kind);
        record.intList = Fill<int>(count, valueOf);
        m_map.Filled(record);
    }
    template <class ValueOf>
    void RealsOf(OutputName name, const OutputKind& kind, int count, ValueOf valueOf, int decimals = 1)
    {
        CBGOutputData& record = Enter(name, CBGOutputData::DoubleList, kind);
        record.doubleList = Fill<double>(count, valueOf);
        record.decimals = decimals;
        m_map.Filled(record);
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

    CBGOutputData& Enter(OutputName name, CBGOutputData::Type type, const OutputKind* kind = nullptr)
    {
        CBGOutputData& record = m_map.Enter(m_prefix.str(), name.text);
        record.type = type;
        record.kind = kind;
        return record;
    }
    CBGOutputData& Enter(OutputName name, CBGOutputData::Type type, const OutputKind& kind)
    {
        return Enter(name, type, &kind);
    }

    OutputDataMap& m_map;
    CString m_prefix;
};
