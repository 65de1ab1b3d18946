// The values a sibling module's design object keeps from its design, with their output and archive forms.
#pragma once

#include "calc/key_param_fields.h"
#include "host/output_data.h"
#include "mfc/cstring.h"

#include <utility>
#include <vector>

class CArchive;

// The sibling modules' own design lies outside the pier component; their design objects keep the
// values they were designed from (key-parameter values and the pier's dimensions they were handed),
// publish them as output values under a prefix of their own and store them in their design data.
// A design object that was never designed holds no values and stores and outputs only that fact.
class SiblingDesignValues {
public:
    using Values = std::vector<std::pair<CString, double>>;

    // module names the sibling module in reports, e.g. "PG008".
    explicit SiblingDesignValues(const char* module) : m_module(module) {}

    // Takes the values of a design. A value that is not finite or is negative is reported through
    // the error channel and gives 0, leaving the object undesigned.
    int Set(Values values);

    // Output values: prefix + "designed" (int), then prefix + each name (real, one decimal).
    void Output(OutputDataMap& outputs, const CString& prefix) const;

    // Archive form: int 1 (form), int designed, int count, then each value as its name (text) and
    // the real. Loading replaces the values only when the whole form was read.
    void Serialize(CArchive& ar);

    int IsDesigned() const { return m_designed; }
    const Values& GetValues() const { return m_values; }
    // The value of that name, or 0.0 when there is none.
    double Get(const char* name) const;

private:
    const char* m_module;
    int m_designed = 0;
    Values m_values;
};

// Collects the values a key-parameter record's keys visit, as named reals.
struct KeyParamValueCollector {
    SiblingDesignValues::Values values;
    template <class T, class B = NoBound>
    void Key(const char* name, T& member, KeyNeed, const B& = B{})
    {
        values.emplace_back(name, static_cast<double>(member));
    }
};

// The values of a key-parameter record, named by their keys, in the record's key order.
template <class KeyParam>
SiblingDesignValues::Values KeyParamValues(KeyParam kp)
{
    KeyParamValueCollector collector;
    VisitKeys(collector, kp);
    return std::move(collector.values);
}

// The values of a key-parameter record followed by further values of the design.
template <class KeyParam>
SiblingDesignValues::Values KeyParamValues(KeyParam kp, SiblingDesignValues::Values more)
{
    auto values = KeyParamValues(kp);
    values.insert(values.end(), more.begin(), more.end());
    return values;
}
