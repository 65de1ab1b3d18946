// Output value records: their printed form and their entry into the output map.
#include "output_data.h"

#include "host/name_sort.h"
#include "mfc/recent_sizes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

constexpr int kMaxDecimals = 30;
constexpr std::size_t kFirstRoom = 2048;
// How many values, and how many bytes of names, this thread's last few maps held.
thread_local RecentSizes<> t_recentValueCounts;
thread_local RecentSizes<> t_recentNameBytes;

void appendInt(std::string& out, int v)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    out.append(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

// Fixed-point with the given decimals by arithmetic, for a value whose product with 10^decimals
// is below 2^52: the exact product is held as the rounded product and its error (fma), so the
// whole number nearest to it is found as the text's digits would round (a value just below or just
// above a half rounds as its digits say, an exact tie to the even last digit), and its digits are
// the text's. false, with nothing written, for what the arithmetic cannot hold.
bool appendRealByArithmetic(std::string& out, double v, int decimals)
{
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    static constexpr std::uint64_t kWholePowers[] = {1u,
                                                     10u,
                                                     100u,
                                                     1000u,
                                                     10000u,
                                                     100000u,
                                                     1000000u,
                                                     10000000u,
                                                     100000000u,
                                                     1000000000u,
                                                     10000000000u,
                                                     100000000000u,
                                                     1000000000000u,
                                                     10000000000000u,
                                                     100000000000000u,
                                                     1000000000000000u};
    if (decimals > 15) return false;
    const double scale = kPowersOfTen[decimals];
    const double product = v * scale;
    if (!(std::fabs(product) < 0x1p52)) return false;   // NaN and infinities too
    // The whole number nearest to the product, a tie to the even one: below 2^52 adding and taking
    // away 2^52 leaves exactly that (the sum is rounded to a whole number, ties to even).
    double whole = product >= 0.0 ? (product + 0x1p52) - 0x1p52 : (product - 0x1p52) + 0x1p52;
    // Only a product that lies on a half can have its error carry it to the other side.
    const double offset = product - whole;
    if (offset == 0.5 || offset == -0.5) {
        const double error = std::fma(v, scale, -product);   // v x scale = product + error, exactly
        if (offset == 0.5 && error > 0.0) whole += 1.0;
        else if (offset == -0.5 && error < 0.0) whole -= 1.0;
    }

    // The text is made in one buffer and appended once. A value that rounds to zero is printed
    // without a sign.
    char text[40];   // a sign, 16 digits, the point, 15 decimals
    char* at = text;
    if (whole < 0.0) *at++ = '-';
    const auto digits = static_cast<std::uint64_t>(std::fabs(whole));
    const std::uint64_t unit = kWholePowers[decimals];
    at = std::to_chars(at, text + sizeof text, digits / unit).ptr;
    if (decimals > 0) {
        *at++ = '.';
        // The decimals, leading zeros included: the remainder written from its last digit.
        std::uint64_t fraction = digits % unit;
        for (int k = decimals - 1; k >= 0; --k) {
            at[k] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        at += decimals;
    }
    out.append(text, static_cast<std::size_t>(at - text));
    return true;
}

// Fixed-point with the given decimals; to_chars never consults the locale.
void appendReal(std::string& out, double v, int decimals)
{
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    if (appendRealByArithmetic(out, v, decimals)) return;
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

// A new record of the given type and, for a number, kind, entered under key with its note.
CBGOutputData& enter(OutputDataMap& map, const CString& key, CBGOutputData::Type type, const CString& note,
                     const OutputKind* kind = nullptr)
{
    CBGOutputData& record = map.Enter(key.str());
    record.type = type;
    record.kind = kind;
    record.note = note;
    return record;
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

OutputDataMap::~OutputDataMap()
{
    if (m_records.empty()) return;
    t_recentValueCounts.Note(m_records.size());
    t_recentNameBytes.Note(m_names.size());
}

CBGOutputData& OutputDataMap::Enter(std::string_view head, std::string_view tail)
{
    if (m_judge) {
        // The name stays the writer's until the record is Filled.
        m_judgedHead = head;
        m_judgedTail = tail;
        m_judged = CBGOutputData();
        return m_judged;
    }
    const std::size_t length = head.size() + tail.size();
    if (m_names.size() + length > std::numeric_limits<std::uint32_t>::max() - NameBlock::kPad)
        throw std::length_error("output value names exceed 4 GB");
    // Room at once for as many values and names as this thread's recent maps held (a pier has one
    // or two thousand values of some thirty bytes a name), not by doubling from one: a record
    // vector that grows moves every record it holds.
    if (m_records.empty()) {
        const std::size_t values = std::max(kFirstRoom, t_recentValueCounts.Largest());
        m_records.reserve(values);
        m_spans.reserve(values);
        m_names.Reserve(std::max(kFirstRoom * 32, t_recentNameBytes.Largest()));
    }
    const std::size_t at = m_names.Append(head, tail);
    m_spans.push_back({static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(length)});
    return m_records.emplace_back();
}

void OutputDataMap::Order()
{
    std::vector<std::uint32_t> replaced;
    IndexEntered(&replaced);
    // The records replaced are emptied, which frees their texts.
    for (const std::uint32_t slot : replaced) m_records[slot] = CBGOutputData();
}

void OutputDataMap::IndexEntered(std::vector<std::uint32_t>* replaced) const
{
    if (m_entered == m_records.size()) return;
    const std::vector<std::uint32_t> fresh = SortNames(m_names, m_spans, static_cast<std::uint32_t>(m_entered));

    // Merged with the values already in order; of the records of one name the one entered last
    // stays.
    std::vector<std::uint32_t> merged;
    merged.reserve(m_order.size() + fresh.size());
    const auto replace = [replaced](std::uint32_t slot) {
        if (replaced) replaced->push_back(slot);
    };
    std::size_t old = 0;
    for (std::size_t f = 0; f < fresh.size(); ++f) {
        const std::string_view name = Name(fresh[f]);
        int order = -1;
        while (old < m_order.size() && (order = CompareNames(Name(m_order[old]), name)) < 0)
            merged.push_back(m_order[old++]);
        if (old < m_order.size() && order == 0) replace(m_order[old++]);
        if (f + 1 < fresh.size() && Name(fresh[f + 1]) == name) {
            replace(fresh[f]);
            continue;
        }
        merged.push_back(fresh[f]);
    }
    merged.insert(merged.end(), m_order.begin() + static_cast<std::ptrdiff_t>(old), m_order.end());
    m_order = std::move(merged);
    m_entered = m_records.size();
}

OutputDataMap::const_iterator OutputDataMap::find(OutputName name) const
{
    const std::vector<std::uint32_t>& order = NameOrder();
    const auto found = std::lower_bound(order.begin(), order.end(), name.text, [this](std::uint32_t slot, std::string_view n) {
        return CompareNames(Name(slot), n) < 0;
    });
    if (found == order.end() || Name(*found) != name.text) return end();
    return {this, static_cast<std::size_t>(found - order.begin())};
}

const CBGOutputData* OutputDataMap::at(OutputName name) const
{
    const auto found = find(name);
    if (found == end()) throw std::out_of_range("no output value " + std::string(name.text));
    return found->second;
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const OutputKind& kind, int value, const CString& note)
{
    CBGOutputData& record = enter(map, key, CBGOutputData::Int, note, &kind);
    record.intValue = value;
    map.Filled(record);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const OutputKind& kind, double value, int decimals,
                       const CString& note)
{
    CBGOutputData& record = enter(map, key, CBGOutputData::Double, note, &kind);
    record.doubleValue = value;
    record.decimals = decimals;
    map.Filled(record);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CString& value, const CString& note)
{
    CBGOutputData& record = enter(map, key, CBGOutputData::Text, note);
    record.text = value;
    map.Filled(record);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const OutputKind& kind, const CArray<int>& values,
                       const CString& note)
{
    CBGOutputData& record = enter(map, key, CBGOutputData::IntList, note, &kind);
    record.intList = map.KeepList(values);
    map.Filled(record);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const OutputKind& kind, const CArray<double>& values,
                       int decimals, const CString& note)
{
    CBGOutputData& record = enter(map, key, CBGOutputData::DoubleList, note, &kind);
    record.doubleList = map.KeepList(values);
    record.decimals = decimals;
    map.Filled(record);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CStringArray& values, const CString& note)
{
    CBGOutputData& record = enter(map, key, CBGOutputData::TextList, note);
    record.textList = map.KeepList(values);
    map.Filled(record);
}
