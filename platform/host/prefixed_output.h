// PrefixedOutput: enters named output values whose names share one prefix, with no note.
#pragma once

#include "host/output_data.h"

#include <utility>

// Reals and real lists carry one decimal unless the call says otherwise.
class PrefixedOutput {
public:
    PrefixedOutput(OutputDataMap& map, CString prefix) : m_map(map), m_prefix(std::move(prefix)) {}

    void Int(const CString& name, int value) { InSert_OutputData(m_map, m_prefix + name, value, CString()); }
    void Real(const CString& name, double value, int decimals = 1)
    {
        InSert_OutputData(m_map, m_prefix + name, value, decimals, CString());
    }
    void Text(const CString& name, const CString& value) { InSert_OutputData(m_map, m_prefix + name, value, CString()); }
    void Ints(const CString& name, const CArray<int>& values)
    {
        InSert_OutputData(m_map, m_prefix + name, values, CString());
    }
    void Reals(const CString& name, const CArray<double>& values, int decimals = 1)
    {
        InSert_OutputData(m_map, m_prefix + name, values, decimals, CString());
    }
    void Texts(const CString& name, const CStringArray& values)
    {
        InSert_OutputData(m_map, m_prefix + name, values, CString());
    }

private:
    OutputDataMap& m_map;
    CString m_prefix;
};
