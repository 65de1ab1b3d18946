// Output value records: their printed form and their entry into the output map.
#include "output_data.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

constexpr int kMaxDecimals = 30;
constexpr std::size_t kFirstRoom = 2048;

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

// A new record of the given kind, entered under key with its note.
CBGOutputData& enter(OutputDataMap& map, const CString& key, CBGOutputData::Type type, const CString& note)
{
    CBGOutputData& record = map.Enter(key.str());
    record.type = type;
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

CBGOutputData& OutputDataMap::Enter(std::string_view head, std::string_view tail)
{
    const std::size_t length = head.size() + tail.size();
    if (m_names.size() + length > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("output value names exceed 4 GB");
    // A pier has one or two thousand values: room for them at once, not by doubling from one.
    if (m_slots.empty()) m_slots.reserve(kFirstRoom);
    // A value whose name begins with the same head as the one entered before it (a writer's prefix)
    // continues that one's run; a run is put in order by what follows the head.
    const bool continuesRun = !tail.empty() && !m_runs.empty() && m_runs.back().headLength == head.size() &&
                              m_slots.size() > m_entered &&
                              std::string_view(m_names).substr(m_slots.back().nameAt, head.size()) == head;
    if (!continuesRun)
        m_runs.push_back({static_cast<std::uint32_t>(m_slots.size()), static_cast<std::uint32_t>(head.size())});
    Slot& slot = m_slots.emplace_back();
    slot.nameAt = static_cast<std::uint32_t>(m_names.size());
    slot.nameLength = static_cast<std::uint32_t>(length);
    m_names.append(head).append(tail);
    return slot.record;
}

std::vector<std::uint32_t> OutputDataMap::OrderFresh() const
{
    // Of two values of one name the one entered later comes later: the slot decides a tie.
    const auto byName = [this](std::uint32_t a, std::uint32_t b) {
        const int order = CompareNames(Name(m_slots[a]), Name(m_slots[b]));
        return order < 0 || (order == 0 && a < b);
    };
    // Each run by what follows its shared head: short names, quickly compared.
    std::vector<std::uint32_t> fresh(m_slots.size() - m_entered);
    std::vector<std::size_t> bounds;   // where each run begins in fresh, and its end
    bounds.reserve(m_runs.size() + 1);
    for (std::size_t i = 0; i < fresh.size(); ++i) fresh[i] = static_cast<std::uint32_t>(m_entered + i);
    for (std::size_t r = 0; r < m_runs.size(); ++r) {
        const std::size_t begin = m_runs[r].firstSlot - m_entered;
        const std::size_t end = r + 1 < m_runs.size() ? m_runs[r + 1].firstSlot - m_entered : fresh.size();
        const std::size_t head = m_runs[r].headLength;
        std::sort(fresh.begin() + static_cast<std::ptrdiff_t>(begin), fresh.begin() + static_cast<std::ptrdiff_t>(end),
                  [this, head](std::uint32_t a, std::uint32_t b) {
                      const int order = CompareNames(Name(m_slots[a]).substr(head), Name(m_slots[b]).substr(head));
                      return order < 0 || (order == 0 && a < b);
                  });
        // A run that follows on from the one before it in name order joins it.
        if (bounds.empty() || byName(fresh[begin], fresh[begin - 1])) bounds.push_back(begin);
    }
    bounds.push_back(fresh.size());

    // Then the runs merged two by two until one is left.
    std::vector<std::uint32_t> merged(fresh.size());
    while (bounds.size() > 2) {
        std::vector<std::size_t> joined;
        joined.reserve(bounds.size() / 2 + 2);
        for (std::size_t r = 0; r + 1 < bounds.size(); r += 2) {
            const auto at = [](std::vector<std::uint32_t>& v, std::size_t i) { return v.begin() + static_cast<std::ptrdiff_t>(i); };
            const std::size_t end = r + 2 < bounds.size() ? bounds[r + 2] : bounds[r + 1];
            std::merge(at(fresh, bounds[r]), at(fresh, bounds[r + 1]), at(fresh, bounds[r + 1]), at(fresh, end),
                       at(merged, bounds[r]), byName);
            joined.push_back(bounds[r]);
        }
        joined.push_back(fresh.size());
        fresh.swap(merged);
        bounds.swap(joined);
    }
    return fresh;
}

void OutputDataMap::OrderEntered() const
{
    if (m_entered == m_slots.size()) return;
    const std::vector<std::uint32_t> fresh = OrderFresh();
    m_runs.clear();

    // Merged with the values already in order. Of the records of one name the one entered last
    // stays; the others are emptied here, which frees what they held.
    std::vector<std::uint32_t> merged;
    merged.reserve(m_order.size() + fresh.size());
    const auto replace = [this](std::uint32_t slot) { m_slots[slot].record = CBGOutputData(); };
    std::size_t old = 0;
    for (std::size_t f = 0; f < fresh.size(); ++f) {
        const std::string_view name = Name(m_slots[fresh[f]]);
        int order = -1;
        while (old < m_order.size() && (order = CompareNames(Name(m_slots[m_order[old]]), name)) < 0)
            merged.push_back(m_order[old++]);
        if (old < m_order.size() && order == 0) replace(m_order[old++]);
        if (f + 1 < fresh.size() && Name(m_slots[fresh[f + 1]]) == name) {
            replace(fresh[f]);
            continue;
        }
        merged.push_back(fresh[f]);
    }
    merged.insert(merged.end(), m_order.begin() + static_cast<std::ptrdiff_t>(old), m_order.end());
    m_order = std::move(merged);
    m_entered = m_slots.size();
}

const OutputDataMap& OutputDataMap::OrderedMap() const
{
    OrderEntered();
    return *this;
}

OutputDataMap::const_iterator OutputDataMap::find(OutputName name) const
{
    const std::vector<std::uint32_t>& order = OrderedMap().m_order;
    const auto found = std::lower_bound(order.begin(), order.end(), name.text, [this](std::uint32_t slot, std::string_view n) {
        return CompareNames(Name(m_slots[slot]), n) < 0;
    });
    if (found == order.end() || Name(m_slots[*found]) != name.text) return end();
    return {this, static_cast<std::size_t>(found - order.begin())};
}

int OutputDataMap::CompareNames(std::string_view a, std::string_view b)
{
    // Eight bytes at a time while both names have them: names share long beginnings.
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t at = 0;
    for (; at + 8 <= common; at += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a.data() + at, 8);
        std::memcpy(&y, b.data() + at, 8);
        if (x != y) {
            x = __builtin_bswap64(x);   // the first byte the most significant: byte order
            y = __builtin_bswap64(y);
            return x < y ? -1 : 1;
        }
    }
    for (; at < common; ++at) {
        const auto x = static_cast<unsigned char>(a[at]), y = static_cast<unsigned char>(b[at]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

const CBGOutputData* OutputDataMap::at(OutputName name) const
{
    const auto found = find(name);
    if (found == end()) throw std::out_of_range("no output value " + std::string(name.text));
    return found->second;
}

void InSert_OutputData(OutputDataMap& map, const CString& key, int value, const CString& note)
{
    enter(map, key, CBGOutputData::Int, note).intValue = value;
}

void InSert_OutputData(OutputDataMap& map, const CString& key, double value, int decimals, const CString& note)
{
    CBGOutputData& record = enter(map, key, CBGOutputData::Double, note);
    record.doubleValue = value;
    record.decimals = decimals;
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CString& value, const CString& note)
{
    enter(map, key, CBGOutputData::Text, note).text = value;
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CArray<int>& values, const CString& note)
{
    enter(map, key, CBGOutputData::IntList, note).intList = values;
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CArray<double>& values, int decimals,
                       const CString& note)
{
    CBGOutputData& record = enter(map, key, CBGOutputData::DoubleList, note);
    record.doubleList = values;
    record.decimals = decimals;
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CStringArray& values, const CString& note)
{
    enter(map, key, CBGOutputData::TextList, note).textList = values;
}
