// The JSON document read from outside: objects keep their members in the order of the text and find
// a member by its key through a hash index, so that an object of any size is built and searched in
// time linear in its members. The index hashes under a key of the process (json/keyed_string_hash.h),
// so that no text's keys can be chosen to share one hash value.
#pragma once

#include "json/keyed_string_hash.h"

#include <nlohmann/json.hpp>
#include <tsl/ordered_map.h>

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

// The object type of JsonValue: an ordered map with a hash index (its members in one list in the
// order they were inserted), with the interface the document asks of an object type. The map hands
// its members out read-only, so that no key changes under its index; the document writes a member's
// value through them (`it->second = …`), so these iterators give the value back writable. The
// members are not const objects, so writing a value through them is sound; nothing here writes a
// key. The key order the document passes is not used; key_compare, which the document reads to know
// whether a member may be looked up by a key of another type, allows none: a key is looked up as a
// string. At most 2^32 − 1 members: the text of an object with more would exceed 20 GB (a member
// takes at least five bytes, `"":0,`).
template <class Key, class T, class IgnoredLess, class Allocator>
class JsonObjectMap {
    using Pair = std::pair<Key, T>;
    using PairAllocator = typename std::allocator_traits<Allocator>::template rebind_alloc<Pair>;

public:
    using hasher = KeyedStringHash;   // the index's hash

private:
    using Map = tsl::ordered_map<Key, T, hasher, std::equal_to<Key>, PairAllocator, std::vector<Pair, PairAllocator>>;

public:
    using key_type = Key;
    using mapped_type = T;
    using value_type = Pair;
    using size_type = typename Map::size_type;
    using difference_type = typename Map::difference_type;
    using allocator_type = PairAllocator;
    using key_compare = std::less<Key>;
    using reference = Pair&;
    using const_reference = const Pair&;

    template <bool IsConst>
    class Iterator {
    public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = Pair;
        using difference_type = typename Map::difference_type;
        using reference = std::conditional_t<IsConst, const Pair&, Pair&>;
        using pointer = std::conditional_t<IsConst, const Pair*, Pair*>;

        Iterator() = default;
        explicit Iterator(typename Map::const_iterator at) : m_at(at) {}
        // An iterator converts to a read-only one.
        template <bool OtherConst, class = std::enable_if_t<IsConst && !OtherConst>>
        Iterator(const Iterator<OtherConst>& other) : m_at(other.Base()) {}

        reference operator*() const { return const_cast<reference>(*m_at); }
        pointer operator->() const { return &**this; }
        Iterator& operator++() { ++m_at; return *this; }
        Iterator operator++(int) { Iterator before = *this; ++m_at; return before; }
        Iterator& operator--() { --m_at; return *this; }
        Iterator operator--(int) { Iterator before = *this; --m_at; return before; }
        friend bool operator==(const Iterator& a, const Iterator& b) { return a.m_at == b.m_at; }
        friend bool operator!=(const Iterator& a, const Iterator& b) { return a.m_at != b.m_at; }

        typename Map::const_iterator Base() const { return m_at; }

    private:
        typename Map::const_iterator m_at;
    };
    using iterator = Iterator<false>;
    using const_iterator = Iterator<true>;

    JsonObjectMap() = default;
    explicit JsonObjectMap(const allocator_type& allocator) : m_map(allocator) {}
    template <class InputIt>
    JsonObjectMap(InputIt first, InputIt last, const allocator_type& allocator = allocator_type())
        : m_map(allocator)
    {
        insert(first, last);
    }
    JsonObjectMap(std::initializer_list<value_type> members, const allocator_type& allocator = allocator_type())
        : JsonObjectMap(members.begin(), members.end(), allocator)
    {
    }

    iterator begin() noexcept { return iterator(m_map.cbegin()); }
    iterator end() noexcept { return iterator(m_map.cend()); }
    const_iterator begin() const noexcept { return const_iterator(m_map.cbegin()); }
    const_iterator end() const noexcept { return const_iterator(m_map.cend()); }
    const_iterator cbegin() const noexcept { return begin(); }
    const_iterator cend() const noexcept { return end(); }

    bool empty() const noexcept { return m_map.empty(); }
    size_type size() const noexcept { return m_map.size(); }
    size_type max_size() const noexcept { return m_map.max_size(); }
    void clear() noexcept { m_map.clear(); }
    void reserve(size_type count) { m_map.reserve(count); }

    iterator find(const Key& key) { return iterator(m_map.find(key)); }
    const_iterator find(const Key& key) const { return const_iterator(m_map.find(key)); }
    size_type count(const Key& key) const { return m_map.count(key); }
    T& at(const Key& key) { return m_map.at(key); }
    const T& at(const Key& key) const { return m_map.at(key); }
    T& operator[](const Key& key) { return m_map[key]; }
    T& operator[](Key&& key) { return m_map[std::move(key)]; }

    // A member added at the end, or the one of that key already there (and false).
    template <class... Args>
    std::pair<iterator, bool> emplace(Args&&... args)
    {
        return Wrapped(m_map.emplace(std::forward<Args>(args)...));
    }
    template <class... Args>
    std::pair<iterator, bool> try_emplace(Key&& key, Args&&... args)
    {
        return Wrapped(m_map.try_emplace(std::move(key), std::forward<Args>(args)...));
    }
    std::pair<iterator, bool> insert(const value_type& member) { return Wrapped(m_map.insert(member)); }
    std::pair<iterator, bool> insert(value_type&& member) { return Wrapped(m_map.insert(std::move(member))); }
    template <class InputIt>
    void insert(InputIt first, InputIt last)
    {
        for (; first != last; ++first) m_map.insert(*first);
    }

    // Erasing keeps the order of the members left (and takes time linear in the members after it).
    iterator erase(const_iterator at) { return iterator(m_map.erase(at.Base())); }
    iterator erase(iterator at) { return iterator(m_map.erase(at.Base())); }
    iterator erase(const_iterator first, const_iterator last) { return iterator(m_map.erase(first.Base(), last.Base())); }
    size_type erase(const Key& key) { return m_map.erase(key); }

    friend bool operator==(const JsonObjectMap& a, const JsonObjectMap& b) { return a.m_map == b.m_map; }
    friend bool operator!=(const JsonObjectMap& a, const JsonObjectMap& b) { return a.m_map != b.m_map; }

private:
    static std::pair<iterator, bool> Wrapped(std::pair<typename Map::iterator, bool> inserted)
    {
        return {iterator(inserted.first), inserted.second};
    }

    Map m_map;
};

using JsonValue = nlohmann::basic_json<JsonObjectMap>;
