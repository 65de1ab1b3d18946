// Names put in byte order eight bytes at a time.
#include "name_sort.h"

#include "common/byte_order.h"

#include <algorithm>
#include <cstddef>
#include <utility>

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
    std::uint64_t value = LoadBytesInOrder(name + depth);
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

int CompareNames(std::string_view a, std::string_view b)
{
    // Eight bytes at a time while both names have them: names share long beginnings.
    const std::size_t common = std::min(a.size(), b.size());
    std::size_t at = 0;
    for (; at + 8 <= common; at += 8) {
        const std::uint64_t x = LoadBytesInOrder(a.data() + at);
        const std::uint64_t y = LoadBytesInOrder(b.data() + at);
        if (x != y) return x < y ? -1 : 1;
    }
    for (; at < common; ++at) {
        const auto x = static_cast<unsigned char>(a[at]), y = static_cast<unsigned char>(b[at]);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

std::vector<std::uint32_t> SortNames(const NameBlock& names, std::span<const NameSpan> spans, std::uint32_t from)
{
    // Names share long beginnings ("PM001_T0101_Frame[1]_class[5]_"), so they are put in order
    // eight bytes at a time (a three-way radix quicksort): a part is split around one name's eight
    // bytes at its depth into the names before, those after, and those that agree, and only the
    // names that agree go on to the next eight bytes. No byte is compared again once names agree
    // on it, and a tie between two values of one name goes to the slot: the later entry later.
    std::vector<NameKey> keys(from < spans.size() ? spans.size() - from : 0);
    const auto keyOf = [&names, spans](std::uint32_t slot, std::size_t depth) {
        const NameSpan span = spans[slot];
        return KeyAt(names.data() + span.at, span.length, depth, slot);
    };
    const auto nameOf = [&names, spans](std::uint32_t slot) {
        return std::string_view(names.data() + spans[slot].at, spans[slot].length);
    };
    const auto wholeNameLess = [nameOf](const NameKey& a, const NameKey& b, std::size_t depth) {
        const int order = CompareKeys(a, b);
        if (order != 0) return order < 0;
        if (a.ends == kGoesOn) {
            const int rest = CompareNames(nameOf(a.slot).substr(depth + 8), nameOf(b.slot).substr(depth + 8));
            if (rest != 0) return rest < 0;
        }
        return a.slot < b.slot;
    };
    for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = keyOf(static_cast<std::uint32_t>(from + i), 0);

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
            // One name in several slots: those in slot order.
            std::sort(less, more, [](const NameKey& x, const NameKey& y) { return x.slot < y.slot; });
        }
    }

    std::vector<std::uint32_t> sorted(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) sorted[i] = keys[i].slot;
    return sorted;
}

