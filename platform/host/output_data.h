// Named output values: the value record CBGOutputData and the map that owns the records.
#pragma once

#include "mfc/carray.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

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

// The record each InSert_OutputData overload enters, with an empty note.
std::unique_ptr<CBGOutputData> NewOutputData(int value);
std::unique_ptr<CBGOutputData> NewOutputData(double value, int decimals);
std::unique_ptr<CBGOutputData> NewOutputData(CString value);
std::unique_ptr<CBGOutputData> NewOutputData(CArray<int> values);
std::unique_ptr<CBGOutputData> NewOutputData(CArray<double> values, int decimals);
std::unique_ptr<CBGOutputData> NewOutputData(CStringArray values);

// Output values entered together: gathered, put in name order once, then entered in the map in
// that order, each beside the one entered before it, so that no value searches the whole map. The
// values reach the map at Flush or when the batch ends; a later value of a name replaces an
// earlier one, in the batch or in the map, as InSert_OutputData does. sharedPrefix is the length of
// a beginning that every name of the batch shares (names are ordered by what follows it).
class OutputDataBatch {
public:
    explicit OutputDataBatch(OutputDataMap& map, std::size_t sharedPrefix = 0) : m_map(map), m_shared(sharedPrefix) {}
    OutputDataBatch(const OutputDataBatch&) = delete;
    OutputDataBatch& operator=(const OutputDataBatch&) = delete;
    ~OutputDataBatch() { Flush(); }

    void Add(CString key, std::unique_ptr<CBGOutputData> record);
    void Flush();

private:
    OutputDataMap& m_map;
    std::size_t m_shared;
    struct Entry {
        CString key;
        std::unique_ptr<CBGOutputData> record;
    };
    std::vector<Entry> m_entries;
};

// Each creates one record and enters it under key; an existing record of that key is replaced and freed.
void InSert_OutputData(OutputDataMap& map, const CString& key, int value, const CString& note);
void InSert_OutputData(OutputDataMap& map, const CString& key, double value, int decimals, const CString& note);
void InSert_OutputData(OutputDataMap& map, const CString& key, const CString& value, const CString& note);
void InSert_OutputData(OutputDataMap& map, const CString& key, const CArray<int>& values, const CString& note);
void InSert_OutputData(OutputDataMap& map, const CString& key, const CArray<double>& values, int decimals,
                       const CString& note);
void InSert_OutputData(OutputDataMap& map, const CString& key, const CStringArray& values, const CString& note);
