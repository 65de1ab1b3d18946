// Output value records: their printed form and their entry into the output map.
#include "output_data.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace {

constexpr int kMaxDecimals = 30;

std::string intText(int v)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, result.ptr);
}

// Fixed-point with the given decimals; to_chars never consults the locale.
std::string realText(double v, int decimals)
{
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    char buffer[400];   // the largest double has 309 integer digits
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    if (text.size() > 1 && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

template <class List, class Print>
std::string joined(const List& list, Print print)
{
    std::string text;
    for (int i = 0; i < list.GetSize(); ++i) {
        if (i > 0) text += ',';
        text += print(list[i]);
    }
    return text;
}

void enter(OutputDataMap& map, const CString& key, std::unique_ptr<CBGOutputData> record, const CString& note)
{
    record->note = note;
    map[key] = std::move(record);   // an earlier record of the key is freed here
}

} // namespace

CString CBGOutputData::ToText() const
{
    switch (type) {
    case Int: return intText(intValue);
    case Double: return realText(doubleValue, decimals);
    case Text: return text;
    case IntList: return joined(intList, intText);
    case DoubleList: return joined(doubleList, [this](double v) { return realText(v, decimals); });
    case TextList: return joined(textList, [](const CString& t) { return t.str(); });
    }
    return CString();
}

void InSert_OutputData(OutputDataMap& map, const CString& key, int value, const CString& note)
{
    auto record = std::make_unique<CBGOutputData>();
    record->type = CBGOutputData::Int;
    record->intValue = value;
    enter(map, key, std::move(record), note);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, double value, int decimals, const CString& note)
{
    auto record = std::make_unique<CBGOutputData>();
    record->type = CBGOutputData::Double;
    record->doubleValue = value;
    record->decimals = decimals;
    enter(map, key, std::move(record), note);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CString& value, const CString& note)
{
    auto record = std::make_unique<CBGOutputData>();
    record->type = CBGOutputData::Text;
    record->text = value;
    enter(map, key, std::move(record), note);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CArray<int>& values, const CString& note)
{
    auto record = std::make_unique<CBGOutputData>();
    record->type = CBGOutputData::IntList;
    record->intList = values;
    enter(map, key, std::move(record), note);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CArray<double>& values, int decimals,
                       const CString& note)
{
    auto record = std::make_unique<CBGOutputData>();
    record->type = CBGOutputData::DoubleList;
    record->doubleList = values;
    record->decimals = decimals;
    enter(map, key, std::move(record), note);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CStringArray& values, const CString& note)
{
    auto record = std::make_unique<CBGOutputData>();
    record->type = CBGOutputData::TextList;
    record->textList = values;
    enter(map, key, std::move(record), note);
}
