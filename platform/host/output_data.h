// Named output values: the value record CBGOutputData and the map that owns the records.
#pragma once

#include "mfc/carray.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"
#include "host/name_block.h"
#include "host/output_kind.h"
#include "host/output_list.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

// One named output value: an integer, a real with its decimals, a text, or a list of one of them.
// A list's elements are kept by the map that holds the record (see OutputList).
class CBGOutputData {
public:
    enum Type { Int, Double, Text, IntList, DoubleList, TextList };

    // Provided, so that a new record is built from its members' initialisers alone and not
    // first cleared byte by byte: the map makes one or two thousand of them per pier.
    CBGOutputData() {}   // NOLINT(modernize-use-equals-default)

    Type type = Int;
    // What a number is (OutputKinds), as its writer named it; none for a text. Kept with the value
    // for the check of the design's results, never stored in an archive or printed.
    const OutputKind* kind = nullptr;
    int intValue = 0;
    double doubleValue = 0.0;       // full precision; decimals apply when printed
    int decimals = 0;
    CString text;
    OutputList<int> intList;
    OutputList<double> doubleList;
    OutputList<CString> textList;
    CString note;                   // the trailing text of the insert call

    // The value as the report shows it: reals rounded to their decimals (C locale, decimals taken
    // within 0..30, a result that rounds to zero printed without a sign), lists joined by ",".
    CString ToText() const;
    // Appends the same text to out, without a text of its own per value.
    void AppendText(std::string& out) const;
    // Appends a real as the report shows it with these decimals.
    static void AppendReal(std::string& out, double value, int decimals);
};

// A name to look a value up by: a view of a CString, a C string or any text.
struct OutputName {
    std::string_view text;
    OutputName(std::string_view name) : text(name) {}                 // NOLINT: implicit by design
    OutputName(const char* name) : text(name ? name : "") {}         // NOLINT
    OutputName(const std::string& name) : text(name) {}              // NOLINT
    OutputName(const CString& name) : text(name.str()) {}            // NOLINT
};

// The output map: name → value record, in name order; the map owns its records. Entering a name
// that is already there replaces its record, and the old record is emptied (the elements of its
// list stay with the map until the map goes).
//
// The records are kept in one flat list, not one allocation each: a value is entered at the end of
// the list with its name copied into one shared block of names, its list's elements into blocks
// kept for lists. The values are put in name order in one step, Order, which the map's owner calls
// once the values are entered and before the map is read or handed to readers. A read that finds
// values entered since the last Order still answers in name order, by ordering the map's index of
// names there and then (the records those values replaced are emptied at the next Order); such a
// read changes the map, so a map shared between threads must be ordered first. The names, records
// and iterators a reader holds stay valid until the next value is entered; list elements as long
// as the map.
class OutputDataMap {
public:
    // An element as iteration shows it: the name and the record the map owns.
    using value_type = std::pair<std::string_view, const CBGOutputData*>;

    class const_iterator {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = OutputDataMap::value_type;
        using difference_type = std::ptrdiff_t;
        using reference = value_type;
        struct pointer {
            value_type element;
            const value_type* operator->() const { return &element; }
        };

        const_iterator() = default;
        value_type operator*() const { return m_map->Element(m_at); }
        pointer operator->() const { return {**this}; }
        const_iterator& operator++() { ++m_at; return *this; }
        const_iterator operator++(int) { const_iterator before = *this; ++m_at; return before; }
        const_iterator& operator--() { --m_at; return *this; }
        difference_type operator-(const const_iterator& other) const
        {
            return static_cast<difference_type>(m_at) - static_cast<difference_type>(other.m_at);
        }
        bool operator==(const const_iterator& other) const { return m_at == other.m_at; }
        bool operator!=(const const_iterator& other) const { return m_at != other.m_at; }

    private:
        friend class OutputDataMap;
        const_iterator(const OutputDataMap* map, std::size_t at) : m_map(map), m_at(at) {}
        const OutputDataMap* m_map = nullptr;
        std::size_t m_at = 0;
    };
    using iterator = const_iterator;

    // What a judging map hands each value to: its name in two parts and its record, filled in.
    using Judge = std::function<void(std::string_view head, std::string_view tail, const CBGOutputData& record)>;

    OutputDataMap() = default;
    // A map that keeps no values: each value entered is handed to judge as soon as its writer has
    // filled it in (Filled), and forgotten; a list is shown where its writer holds it, not copied,
    // and the name is not copied either. Every read finds it empty. For a reader of every value
    // that needs neither their order nor to keep them: the check of a design's results.
    explicit OutputDataMap(Judge judge) : m_judge(std::move(judge)) {}
    ~OutputDataMap();
    OutputDataMap(OutputDataMap&&) noexcept = default;
    OutputDataMap& operator=(OutputDataMap&&) noexcept = default;
    OutputDataMap(const OutputDataMap&) = delete;
    OutputDataMap& operator=(const OutputDataMap&) = delete;

    // A new, empty record entered under head + tail (the name in two parts, so that a writer of
    // values sharing a prefix makes no text of its own); the caller fills it in.
    CBGOutputData& Enter(std::string_view head, std::string_view tail = {});
    // The writer's word that the record Enter gave it is filled in (PrefixedOutput and
    // InSert_OutputData give it, before they write anything else): a judging map hands it to its
    // judge; any other map has kept it already.
    void Filled(const CBGOutputData& record) const
    {
        if (m_judge) m_judge(m_judgedHead, m_judgedTail, record);
    }
    // Room for a list of count elements kept by this map, for a record of it to show; the caller
    // fills every element in (numbers are not cleared first).
    template <class T>
    T* AllotList(std::size_t count)
    {
        if (m_judge) return ScratchList<T>(count);
        if constexpr (std::is_same_v<T, int>) return m_ints.Allot(count);
        else if constexpr (std::is_same_v<T, double>) return m_reals.Allot(count);
        else {
            static_assert(std::is_same_v<T, CString>, "a list holds integers, reals or texts");
            return m_texts.Allot(count);
        }
    }
    // A copy of values kept by this map.
    template <class T, class Arg>
    OutputList<T> KeepList(const CArray<T, Arg>& values)
    {
        const int count = values.GetSize();
        if (m_judge) return {values.GetData(), count};   // judged before the writer lets go of it
        T* kept = AllotList<T>(static_cast<std::size_t>(count));
        std::copy(values.begin(), values.end(), kept);
        return {kept, count};
    }
    // Puts the values entered so far in name order, the latest of each name kept, and empties the
    // records they replaced.
    void Order();

    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, NameOrder().size()}; }
    std::size_t size() const { return NameOrder().size(); }
    bool empty() const { return m_records.empty(); }

    // The records in the order they were entered, slot 0 first, without putting the map in order:
    // for a reader that visits every value and needs no order (a replaced record is among them,
    // emptied once the map has been ordered; find tells the record published under a name).
    std::size_t EnteredCount() const { return m_records.size(); }
    std::string_view EnteredName(std::size_t slot) const { return Name(static_cast<std::uint32_t>(slot)); }
    const CBGOutputData& EnteredRecord(std::size_t slot) const { return m_records[slot]; }

    const_iterator find(OutputName name) const;
    std::size_t count(OutputName name) const { return find(name) != end() ? 1 : 0; }
    // The record of a name; throws std::out_of_range when there is none.
    const CBGOutputData* at(OutputName name) const;

private:
    // Room for a judged list, reused by the next one.
    template <class T>
    T* ScratchList(std::size_t count)
    {
        if constexpr (std::is_same_v<T, int>) return (m_scratchInts.resize(count), m_scratchInts.data());
        else if constexpr (std::is_same_v<T, double>) return (m_scratchReals.resize(count), m_scratchReals.data());
        else return (m_scratchTexts.assign(count, CString()), m_scratchTexts.data());
    }
    std::string_view Name(std::uint32_t slot) const
    {
        const NameSpan span = m_spans[slot];
        return {m_names.data() + span.at, span.length};
    }
    value_type Element(std::size_t at) const
    {
        const std::uint32_t slot = NameOrder()[at];
        return {Name(slot), &m_records[slot]};
    }
    // Brings m_order up to date with the values entered since, noting in replaced (when given) the
    // slots of the records that newer values of their names replace.
    void IndexEntered(std::vector<std::uint32_t>* replaced) const;
    // m_order, brought up to date.
    const std::vector<std::uint32_t>& NameOrder() const
    {
        if (m_entered != m_records.size()) IndexEntered(nullptr);
        return m_order;
    }

    // Every record in the order entered (its slot), and its name's place in m_names; m_order lists
    // the slots of the first m_entered of them in name order, one per name (a replaced record stays
    // in its slot until the map goes). The names are kept apart from the records so that ordering
    // reads little memory, and eight bytes can be read from anywhere in a name. m_order and
    // m_entered are an index of the records, which a read brings up to date when it must.
    std::vector<CBGOutputData> m_records;
    std::vector<NameSpan> m_spans;
    NameBlock m_names;
    mutable std::vector<std::uint32_t> m_order;
    // The elements of the list values (a replaced record's list stays until the map goes).
    OutputListStore<int> m_ints;
    OutputListStore<double> m_reals;
    OutputListStore<CString> m_texts;
    mutable std::size_t m_entered = 0;
    // A judging map's judge, the record and name of the value being written, and room for its list.
    Judge m_judge;
    CBGOutputData m_judged;
    std::string_view m_judgedHead;
    std::string_view m_judgedTail;
    std::vector<int> m_scratchInts;
    std::vector<double> m_scratchReals;
    std::vector<CString> m_scratchTexts;
};

// Each creates one record and enters it under key; an existing record of that key is replaced and
// emptied. A number is entered with its kind.
void InSert_OutputData(OutputDataMap& map, const CString& key, const OutputKind& kind, int value, const CString& note);
void InSert_OutputData(OutputDataMap& map, const CString& key, const OutputKind& kind, double value, int decimals,
                       const CString& note);
void InSert_OutputData(OutputDataMap& map, const CString& key, const CString& value, const CString& note);
void InSert_OutputData(OutputDataMap& map, const CString& key, const OutputKind& kind, const CArray<int>& values,
                       const CString& note);
void InSert_OutputData(OutputDataMap& map, const CString& key, const OutputKind& kind, const CArray<double>& values,
                       int decimals, const CString& note);
void InSert_OutputData(OutputDataMap& map, const CString& key, const CStringArray& values, const CString& note);
