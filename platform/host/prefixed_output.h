// PrefixedOutput: enters named output values whose names share one prefix, with no note.
#pragma once

#include "host/output_data.h"

#include <charconv>
#include <cstring>
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

// Reals and real lists carry one decimal unless the call says otherwise. The values are entered in
// the map together (in name order) when the writer ends or is flushed.
class PrefixedOutput {
public:
    PrefixedOutput(OutputDataMap& map, CString prefix)
        : m_prefix(std::move(prefix)), m_batch(map, static_cast<std::size_t>(m_prefix.GetLength()))
    {
    }

    void Int(const CString& name, int value) { m_batch.Add(Key(name), NewOutputData(value)); }
    void Real(const CString& name, double value, int decimals = 1)
    {
        m_batch.Add(Key(name), NewOutputData(value, decimals));
    }
    void Text(const CString& name, CString value) { m_batch.Add(Key(name), NewOutputData(std::move(value))); }
    void Ints(const CString& name, CArray<int> values) { m_batch.Add(Key(name), NewOutputData(std::move(values))); }
    void Reals(const CString& name, CArray<double> values, int decimals = 1)
    {
        m_batch.Add(Key(name), NewOutputData(std::move(values), decimals));
    }
    void Texts(const CString& name, CStringArray values) { m_batch.Add(Key(name), NewOutputData(std::move(values))); }
    // Enters the values written so far.
    void Flush() { m_batch.Flush(); }

private:
    CString Key(const CString& name) const
    {
        std::string key;
        key.reserve(m_prefix.str().size() + name.str().size());
        key.append(m_prefix.str()).append(name.str());
        return CString(std::move(key));
    }

    CString m_prefix;
    OutputDataBatch m_batch;
};
