// Output value records: their printed form and their entry into the output map.
#include "output_data.h"

#include "mfc/recent_sizes.h"

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
// How many values, and how many bytes of names, this thread's last few maps held.
thread_local RecentSizes<> t_recentValueCounts;
thread_local RecentSizes<> t_recentNameBytes;

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

OutputDataMap::~OutputDataMap()
{
    if (m_records.empty()) return;
    t_recentValueCounts.Note(m_records.size());
    t_recentNameBytes.Note(m_names.size());
}

CBGOutputData& OutputDataMap::Enter(std::string_view head, std::string_view tail)
{
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

namespace {

// A name's sort key at a depth: the eight bytes from there (zeros past its end), the first byte
// the most significant, so that comparing keys compares the bytes; where within them the name
// ends (0…8, or 9 when it goes on); and the slot it was entered in.
struct NameKey {
    std::uint64_t bytes;
    std::uint32_t ends;
    std::uint32_t slot;
};

constexpr std::uint32_t kGoesOn = 9;
// A part this small is put in order by whole names, one insertion at a time.
constexpr std::size_t kSmallPart = 12;

// The key of a name that reaches the depth; eight bytes can be read there (the names end in a pad).
NameKey KeyAt(const char* name, std::size_t length, std::size_t depth, std::uint32_t slot)
{
    const std::size_t left = length - depth;
    std::uint64_t value;
    std::memcpy(&value, name + depth, 8);
    value = __builtin_bswap64(value);
    if (left < 8) value = left == 0 ? 0 : value & (~std::uint64_t{0} << (64 - 8 * left));   // bytes past the end read as zeros
    return {value, left > 8 ? kGoesOn : static_cast<std::uint32_t>(left), slot};
}

// Order of two keys at one depth, <0, 0 or >0. Of names equal this far, one that ends here is a
// prefix of the other and comes first.
int CompareKeys(const NameKey& a, const NameKey& b)
{
    if (a.bytes != b.bytes) return a.bytes < b.bytes ? -1 : 1;
    return a.ends < b.ends ? -1 : a.ends > b.ends ? 1 : 0;
}

} // namespace

std::vector<std::uint32_t> OutputDataMap::OrderFresh() const
{
    // Names share long beginnings ("PM001_T0101_Frame[1]_class[5]_"), so they are put in order
    // eight bytes at a time (a three-way radix quicksort): a part is split around one name's eight
    // bytes at its depth into the names before, those after, and those that agree, and only the
    // names that agree go on to the next eight bytes. No byte is compared again once names agree
    // on it, and a tie between two values of one name goes to the slot: the later entry later.
    std::vector<NameKey> keys(m_records.size() - m_entered);
    const auto keyOf = [this](std::uint32_t slot, std::size_t depth) {
        const NameSpan span = m_spans[slot];
        return KeyAt(m_names.data() + span.at, span.length, depth, slot);
    };
    const auto wholeNameLess = [this](const NameKey& a, const NameKey& b, std::size_t depth) {
        const int order = CompareKeys(a, b);
        if (order != 0) return order < 0;
        if (a.ends == kGoesOn) {
            const int rest = CompareNames(Name(a.slot).substr(depth + 8), Name(b.slot).substr(depth + 8));
            if (rest != 0) return rest < 0;
        }
        return a.slot < b.slot;
    };
    for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = keyOf(static_cast<std::uint32_t>(m_entered + i), 0);

    struct Part {
        std::size_t begin, end, depth;
        bool keyed;   // the keys hold the part's bytes at its depth
    };
    // The parts still to be put in order, a stack that grows only when it is full.
    std::vector<Part> parts(256);
    std::size_t waiting = 0;
    const auto wait = [&parts, &waiting](Part part) {
        if (waiting == parts.size()) parts.resize(2 * waiting);
        parts[waiting++] = part;
    };
    wait({0, keys.size(), 0, true});
    while (waiting > 0) {
        const Part part = parts[--waiting];
        NameKey* const first = keys.data() + part.begin;
        NameKey* const last = keys.data() + part.end;
        if (!part.keyed)
            for (NameKey* key = first; key != last; ++key) *key = keyOf(key->slot, part.depth);
        if (last - first <= static_cast<std::ptrdiff_t>(kSmallPart)) {
            for (NameKey* key = first + 1; key < last; ++key) {
                const NameKey moving = *key;
                NameKey* at = key;
                for (; at != first && wholeNameLess(moving, at[-1], part.depth); --at) *at = at[-1];
                *at = moving;
            }
            continue;
        }
        // The middle one of three names splits the part: before [first, less), agreeing
        // [less, more), after [more, last).
        const NameKey& a = first[0];
        const NameKey& b = first[(last - first) / 2];
        const NameKey& c = last[-1];
        const NameKey pivot = CompareKeys(a, b) < 0 ? (CompareKeys(b, c) < 0 ? b : CompareKeys(a, c) < 0 ? c : a)
                                                    : (CompareKeys(a, c) < 0 ? a : CompareKeys(b, c) < 0 ? c : b);
        NameKey* less = first;
        NameKey* more = last;
        for (NameKey* key = first; key < more;) {
            const int order = CompareKeys(*key, pivot);
            if (order < 0) std::swap(*key++, *less++);
            else if (order > 0) std::swap(*key, *--more);
            else ++key;
        }
        const auto offset = [&](const NameKey* at) { return static_cast<std::size_t>(at - keys.data()); };
        if (first != less) wait({part.begin, offset(less), part.depth, true});
        if (more != last) wait({offset(more), part.end, part.depth, true});
        if (pivot.ends == kGoesOn) {
            wait({offset(less), offset(more), part.depth + 8, false});
        } else {
            // One name entered more than once: the entries in the order entered.
            std::sort(less, more, [](const NameKey& x, const NameKey& y) { return x.slot < y.slot; });
        }
    }

    std::vector<std::uint32_t> fresh(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) fresh[i] = keys[i].slot;
    return fresh;
}

void OutputDataMap::OrderEntered() const
{
    if (m_entered == m_records.size()) return;
    const std::vector<std::uint32_t> fresh = OrderFresh();

    // Merged with the values already in order. Of the records of one name the one entered last
    // stays; the others are emptied here, which frees their texts.
    std::vector<std::uint32_t> merged;
    merged.reserve(m_order.size() + fresh.size());
    const auto replace = [this](std::uint32_t slot) { m_records[slot] = CBGOutputData(); };
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

const OutputDataMap& OutputDataMap::OrderedMap() const
{
    OrderEntered();
    return *this;
}

OutputDataMap::const_iterator OutputDataMap::find(OutputName name) const
{
    const std::vector<std::uint32_t>& order = OrderedMap().m_order;
    const auto found = std::lower_bound(order.begin(), order.end(), name.text, [this](std::uint32_t slot, std::string_view n) {
        return CompareNames(Name(slot), n) < 0;
    });
    if (found == order.end() || Name(*found) != name.text) return end();
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
    enter(map, key, CBGOutputData::IntList, note).intList = map.KeepList(values);
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CArray<double>& values, int decimals,
                       const CString& note)
{
    CBGOutputData& record = enter(map, key, CBGOutputData::DoubleList, note);
    record.doubleList = map.KeepList(values);
    record.decimals = decimals;
}

void InSert_OutputData(OutputDataMap& map, const CString& key, const CStringArray& values, const CString& note)
{
    enter(map, key, CBGOutputData::TextList, note).textList = map.KeepList(values);
}
