// Named output values: the value record CBGOutputData and the map that owns the records.
#pragma once

#include "mfc/carray.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

#include <map>
#include <memory>
#include <string>

// One named output value: an integer, a real with its decimals, a text, or a list of one of them.
class CBGOutputData {
public:
    enum Type { Int, Double, Text, IntList, DoubleList, TextList };

    Type type = Int;
    int intValue = 0;
    double doubleValue = 0.0;       // full precision; decimals apply when printed
    int decimals = 0;
    CString text;
    CArray<int> intList;
    CArray<double> doubleList;
    CStringArray textList;
    CString note;                   // the trailing text of the insert call

    // The value as the report shows it: reals rounded to their decimals (C locale, decimals taken
    // within 0..30, a result that rounds to zero printed without a sign), lists joined by ",".
    CString ToText() const;
    // Appends the same text to out, without a text of its own per value.
    void AppendText(std::string& out) const;
    // Appends a real as the report shows it with these decimals.
    static void AppendReal(std::string& out, double value, int decimals);
};

// The output map: name → owned value record, in name order.
using OutputDataMap = std::map<CString, std::unique_ptr<CBGOutputData>>;

// Each creates one record and enters it under key; an existing record of that key is replaced and freed.
void InSert_OutputData(OutputDataMap& map, const CString& key, int value, const CString& note);
void InSert_OutputData(OutputDataMap& map, const CString& key, double value, int decimals, const CString& note);
void InSert_OutputData(OutputDataMap& map, const CString& key, const CString& value, const CString& note);
void InSert_OutputData(OutputDataMap& map, const CString& key, const CArray<int>& values, const CString& note);
void InSert_OutputData(OutputDataMap& map, const CString& key, const CArray<double>& values, int decimals,
                       const CString& note);
void InSert_OutputData(OutputDataMap& map, const CString& key, const CStringArray& values, const CString& note);
