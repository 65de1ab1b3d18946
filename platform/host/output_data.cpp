// Output value records: their printed form and their entry into the output map.
#include "output_data.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

namespace {

constexpr int kMaxDecimals = 30;

void appendInt(std::string& out, int v)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    out.append(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

// Fixed-point with the given decimals; to_chars never consults the locale.
void appendReal(std::string& out, double v, int decimals)
{
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    char buffer[400];   // the largest double has 309 integer digits
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
    const char* begin = buffer;
    // A value that rounds to zero is printed without a sign.
    if (result.ptr - buffer > 1 && buffer[0] == '-' &&
        std::all_of(buffer + 1, result.ptr, [](char c) { return c == '0' || c == '.'; }))
        ++begin;
    out.append(begin, static_cast<std::size_t>(result.ptr - begin));
}

template <class List, class Append>
void appendJoined(std::string& out, const List& list, Append append)
{
    for (int i = 0; i < list.GetSize(); ++i) {
        if (i > 0) out += ',';
        append(out, list[i]);
    }
}

void enter(OutputDataMap& map, const CString& key, std::unique_ptr<CBGOutputData> record, const CString& note)
{
    record->note = note;
    map.insert_or_assign(key, std::move(record));   // an earlier record of the key is freed here
}

} // namespace

void CBGOutputData::AppendReal(std::string& out, double value, int decimals) { appendReal(out, value, decimals); }

void CBGOutputData::AppendText(std::string& out) const
{
    switch (type) {
    case Int: appendInt(out, intValue); return;
    case Double: appendReal(out, doubleValue, decimals); return;
    case Text: out += text.str(); return;
    case IntList: appendJoined(out, intList, appendInt); return;
    case DoubleList:
        appendJoined(out, doubleList, [this](std::string& o, double v) { appendReal(o, v, decimals); });
        return;
    case TextList: appendJoined(out, textList, [](std::string& o, const CString& t) { o += t.str(); }); return;
    }
}

CString CBGOutputData::ToText() const
{
    std::string text;
    AppendText(text);
    return CString(std::move(text));
}

std::unique_ptr<CBGOutputData> NewOutputData(int value)
{
    auto record = std::make_unique<CBGOutputData>();
    record->type = CBGOutputData::Int;
    record->intValue = value;
    return record;
}

std::unique_ptr<CBGOutputData> NewOutputData(double value, int decimals)
{
    auto record = std::make_unique<CBGOutputData>();
    record->type = CBGOutputData::Double;
    record->doubleValue = value;
    record->decimals = decimals;
    return record;
}

std::unique_ptr<CBGOutputData> NewOutputData(CString value)
{
    auto record = std::make_unique<CBGOutputData>();
    record->type = CBGOutputData::Text;
    record->text = std::move(value);
    return record;
}

std::unique_ptr<CBGOutputData> NewOutputData(CArray<int> values)
{
    auto record = std::make_unique<CBGOutputData>();
    record->type = CBGOutputData::IntList;
    record->intList = std::move(values);
    return record;
}

std::unique_ptr<CBGOutputData> NewOutputData(CArray<double> values, int decimals)
{
    auto record = std::make_unique<CBGOutputData>();
    record->type = CBGOutputData::DoubleList;
    record->doubleList = std::move(values);
    record->decimals = decimals;
    return record;
}

std::unique_ptr<CBGOutputData> NewOutputData(CStringArray values)
{
    auto record = std::make_unique<CBGOutputData>();
    record->type = CBGOutputData::TextList;
    record->textList = std::move(values);
    return record;
}

void OutputDataBatch::Add(CString key, std::unique_ptr<CBGOutputData> record)
{
    if (m_entries.empty()) m_entries.reserve(32);
    m_entries.push_back({std::move(key), std::move(record)});
}

void OutputDataBatch::Flush()
{
    // The order is worked out on the names past the shared beginning, by position; of two values
    // of one name the later stays later, and replaces the earlier below.
    std::vector<std::pair<std::string_view, std::size_t>> order;
    order.reserve(m_entries.size());
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const std::string& key = m_entries[i].key.str();
        order.emplace_back(std::string_view(key).substr(std::min(m_shared, key.size())), i);
    }
    if (!std::is_sorted(order.begin(), order.end())) std::sort(order.begin(), order.end());
    auto hint = m_map.end();
    for (const auto& [name, i] : order) {
        // In name order each value belongs just before the element that followed the last one.
        Entry& entry = m_entries[i];
        hint = std::next(m_map.insert_or_assign(hint, std::move(entry.key), std::move(entry.record)));
    }
    m_entries.clear();
}

void InSert_OutputData(OutputDataMap& map, const CString& key, int value, const CString& note)
{
    enter(map, key, NewOutputData(value), note);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, double value, int decimals, const CString& note)
{
    enter(map, key, NewOutputData(value, decimals), note);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CString& value, const CString& note)
{
    enter(map, key, NewOutputData(value), note);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CArray<int>& values, const CString& note)
{
    enter(map, key, NewOutputData(values), note);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CArray<double>& values, int decimals,
                       const CString& note)
{
    enter(map, key, NewOutputData(values, decimals), note);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CStringArray& values, const CString& note)
{
    enter(map, key, NewOutputData(values), note);
}
