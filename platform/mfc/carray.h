// CArray: a contiguous, growable list of values or (owning or not) pointers, with MFC's archive form.
#pragma once

#include "carchive.h"

#include <bit>
#include <cstring>
#include <stdexcept>
#include <type_traits>
#include <vector>

// Element types whose values the archive writes itself (fixed-width numbers, little-endian).
template <class TYPE>
concept ArchiveNumber = std::is_arithmetic_v<TYPE> && requires(CArchive& ar, TYPE& v) {
    ar << v;
    ar >> v;
};

// Element types archived through their own Serialize.
template <class TYPE>
concept SelfSerializing = requires(CArchive& ar, TYPE& v) { v.Serialize(ar); };

// Element archiving for CArray::Serialize: numbers little-endian, CString as texts, records through
// their own Serialize, other plain structures as their raw bytes (MFC's default).
template <class TYPE>
void SerializeElements(CArchive& ar, TYPE* elements, std::size_t count)
{
    static_assert(!std::is_pointer_v<TYPE>, "an array of pointers has no archive form");
    static_assert(!std::is_arithmetic_v<TYPE> || ArchiveNumber<TYPE>,
                  "numbers are archived only in the fixed-width types CArchive knows");
    if constexpr (std::is_same_v<TYPE, CString> || ArchiveNumber<TYPE>) {
        if constexpr (ArchiveNumber<TYPE> && std::endian::native == std::endian::little) {
            // Already the archive's byte order: one copy instead of one call per element.
            if (count == 0) return;
            if (ar.IsStoring()) ar.Write(elements, count * sizeof(TYPE));
            else ar.Read(elements, count * sizeof(TYPE));
        } else {
            for (std::size_t i = 0; i < count; ++i) {
                if (ar.IsStoring()) ar << elements[i];
                else ar >> elements[i];
            }
        }
    } else if constexpr (SelfSerializing<TYPE>) {
        for (std::size_t i = 0; i < count; ++i) elements[i].Serialize(ar);
    } else {
        static_assert(std::is_trivially_copyable_v<TYPE>, "the element type needs a Serialize member");
        if (count == 0) return;
        if (ar.IsStoring()) ar.Write(elements, count * sizeof(TYPE));
        else ar.Read(elements, count * sizeof(TYPE));
    }
}

// Smallest number of bytes one stored element can take, for count checks before allocation.
template <class TYPE>
constexpr std::size_t MinStoredElementSize()
{
    if constexpr (std::is_same_v<TYPE, CString>) return 1;
    else if constexpr (ArchiveNumber<TYPE>) return sizeof(TYPE);
    else if constexpr (SelfSerializing<TYPE>) return 1;
    else return sizeof(TYPE);
}

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    CArray() = default;
    virtual ~CArray() = default;
    CArray(const CArray&) = default;
    CArray& operator=(const CArray&) = default;
    CArray(CArray&&) noexcept = default;
    CArray& operator=(CArray&&) noexcept = default;

    int GetSize() const { return static_cast<int>(m_data.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_data.empty(); }

    // New elements are value-initialised: records default-constructed, numbers 0, pointer slots null.
    void SetSize(int newSize, int /*growBy*/ = -1)
    {
        if (newSize < 0) throw std::invalid_argument("CArray::SetSize: negative size");
        m_data.resize(static_cast<std::size_t>(newSize));
    }

    TYPE& operator[](int i) { return m_data.at(static_cast<std::size_t>(i)); }
    const TYPE& operator[](int i) const { return m_data.at(static_cast<std::size_t>(i)); }
    TYPE& ElementAt(int i) { return (*this)[i]; }
    const TYPE& GetAt(int i) const { return (*this)[i]; }
    void SetAt(int i, ARG_TYPE v) { (*this)[i] = v; }
    void SetAtGrow(int i, ARG_TYPE v)
    {
        TYPE value(v);   // v may be an element that growing moves
        if (i >= GetSize()) SetSize(i + 1);
        (*this)[i] = std::move(value);
    }
    TYPE* GetData() { return m_data.data(); }
    const TYPE* GetData() const { return m_data.data(); }

    int Add(ARG_TYPE v)
    {
        m_data.push_back(v);
        return GetSize() - 1;
    }
    // Appends every element of src; returns the index of the first appended one.
    int Append(const CArray& src)
    {
        const int first = GetSize();
        m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        return first;
    }
    void Copy(const CArray& src)
    {
        if (this != &src) m_data = src.m_data;
    }
    void InsertAt(int i, ARG_TYPE v, int count = 1)
    {
        if (i < 0 || count < 0) throw std::out_of_range("CArray::InsertAt");
        const TYPE value(v);   // v may be an element that growing moves
        if (i > GetSize()) SetSize(i);
        m_data.insert(m_data.begin() + i, static_cast<std::size_t>(count), value);
    }
    void RemoveAt(int i, int count = 1)
    {
        if (i < 0 || count < 0 || i > GetSize() || count > GetSize() - i) throw std::out_of_range("CArray::RemoveAt");
        m_data.erase(m_data.begin() + i, m_data.begin() + i + count);
    }
    void RemoveAll() { m_data.clear(); }

    // MFC's form: the count, then the elements. Loading checks the count against the bytes that
    // remain before allocating, and replaces the content only when every element was read.
    void Serialize(CArchive& ar)
    {
        if (ar.IsStoring()) {
            ar.WriteCount(m_data.size());
            SerializeElements<TYPE>(ar, m_data.data(), m_data.size());
        } else {
            std::vector<TYPE> loaded(ar.ReadCheckedCount(MinStoredElementSize<TYPE>()));
            SerializeElements<TYPE>(ar, loaded.data(), loaded.size());
            m_data = std::move(loaded);
        }
    }

    auto begin() { return m_data.begin(); }
    auto end() { return m_data.end(); }
    auto begin() const { return m_data.begin(); }
    auto end() const { return m_data.end(); }

    const std::vector<TYPE>& vector() const { return m_data; }

private:
    std::vector<TYPE> m_data;
};
