// The key parameters' values checked for what they mean: the values no cap can be built with.

#include "calc/key_param_bounds.h"

#include "calc/key_param_fields.h"
#include "calc/key_path.h"
#include "calc/key_value_message.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <type_traits>

namespace {

// A bound, whole or to five digits.
std::string BoundText(double v)
{
    char text[64];
    const bool whole = std::fabs(v) < 1e15 && v == std::trunc(v);
    const auto end = whole ? std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, 0).ptr
                           : std::to_chars(text, text + sizeof text, v, std::chars_format::general, 5).ptr;
    return std::string(text, end);
}

std::string Expected(const Bound& b)
{
    const std::string low = BoundText(b.low);
    const std::string high = BoundText(b.high);
    std::string range;
    if (b.high == key_bound::kNoLimit) range = (b.lowIncluded ? "of at least " : "above ") + low;
    else if (b.lowIncluded) range = "from " + low + " to " + high;
    else range = "above " + low + (b.highIncluded ? " and at most " : " and below ") + high;
    return std::string("expected ") + b.what + " " + range + b.unit;
}


// Carries the message of the first value out of bounds out of the walk.
struct Unbuildable {
    std::string message;
};

// The lengths of the lists are checked before the key parameters are checked for agreeing with
// themselves (which walks them), the values after.
enum class Pass { Lengths, Values };

// Walks a record's key table and checks each key's value, or each list's length, against the bound
// declared with it; throws Unbuildable at the first that does not hold.
class BoundWalk {
public:
    // only: the keys of this record to check, all when empty (the records within are checked whole).
    BoundWalk(const KeyPath& at, Pass pass, std::initializer_list<std::string_view> only = {})
        : m_at(at), m_pass(pass), m_only(only)
    {
    }

    template <class T, class B = NoBound>
    void Key(const char* key, const T& member, KeyNeed, const B& bound = B{})
    {
        if (m_only.size() != 0 && std::find(m_only.begin(), m_only.end(), key) == m_only.end()) return;
        if constexpr (KeyBoundDeclared<T, B>()) Check(member, bound, KeyPath(m_at, key));
    }

    template <class R>
    void Record(const R& record)
    {
        // The tables take their records as they are read and written; this walk changes nothing.
        VisitKeys(*this, const_cast<R&>(record));
    }

private:
    // when: the condition under which the bound applies (" when …"), or "".
    template <class T>
    void Check(T v, const Bound& b, const KeyPath& at, const char* when = "") const
    {
        static_assert(std::is_arithmetic_v<T>);
        if (m_pass != Pass::Values || b.Holds(static_cast<double>(v))) return;
        // A whole number is given as it stands, a real as short as reads back the same.
        const std::string given =
            std::is_integral_v<T> ? std::to_string(v) : KeyValueText(static_cast<double>(v));
        throw Unbuildable{at.Path() + ": " + Expected(b) + when + " (" + given + " given)"};
    }

    template <class T>
    void Check(T v, const BoundWhen& b, const KeyPath& at) const
    {
        Check(v, b.Active(), at, b.on ? b.condition : "");
    }

    template <class T>
    void Check(const T&, const Unbounded&, const KeyPath&) const {}

    void Check(const CString&, const NoBound&, const KeyPath&) const {}

    template <class R>
    void Check(const R& record, const NoBound&, const KeyPath& at) const
    {
        BoundWalk(at, m_pass).Record(record);
    }

    template <class E, class B>
    void Check(const CArray<E>& list, const ListBound<B>& b, const KeyPath& at) const
    {
        if (m_pass == Pass::Lengths && list.GetSize() > b.most)
            throw Unbuildable{OverlongKeyListMessage(at, b, static_cast<std::size_t>(list.GetSize()))};
        if constexpr (KeyBoundDeclared<E, B>())
            for (int i = 0; i < list.GetSize(); ++i) Check(list[i], b.each, KeyPath(at, i));
    }

    const KeyPath& m_at;
    Pass m_pass;
    std::initializer_list<std::string_view> m_only;
};

// The message of the first key of record, from at, that does not hold its bound; "" when all do.
template <class R>
std::string FindUnheld(const R& record, const KeyPath& at, Pass pass, std::initializer_list<std::string_view> only = {})
{
    try {
        BoundWalk(at, pass, only).Record(record);
        return {};
    } catch (const Unbuildable& e) {
        return e.message;
    }
}

}  // namespace

std::string FindOverlongKeyList(const CPM001KeyParam& keyParam, const std::string& root)
{
    return FindUnheld(keyParam, KeyPath(root), Pass::Lengths);
}

std::string FindUnbuildableKeyValue(const CPM001KeyParam& keyParam, const std::string& root)
{
    return FindUnheld(keyParam, KeyPath(root), Pass::Values);
}

std::string FindUnbuildableCapKeyValue(const CPM001_CapKeyParam& cap, const std::string& root,
                                       std::initializer_list<std::string_view> keys)
{
    const KeyPath at(root);
    return FindUnheld(cap, KeyPath(at, "cap"), Pass::Values, keys);
}

std::string OverlongKeyListMessage(const KeyPath& at, int most, const char* entries, std::size_t given)
{
    return at.Path() + ": expected at most " + std::to_string(most) + " " + entries + " (" + std::to_string(given) +
           " given)";
}
