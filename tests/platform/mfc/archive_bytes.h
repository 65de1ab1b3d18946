// Helpers for archive tests: byte lists written out by hand, and storing/loading one value.
#pragma once

#include "mfc/carchive.h"

#include <initializer_list>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

inline Bytes bytes(std::initializer_list<int> list)
{
    Bytes out;
    for (int b : list) out.push_back(static_cast<unsigned char>(b));
    return out;
}

inline Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Bytes repeated(unsigned char b, std::size_t n) { return Bytes(n, b); }

template <class T>
Bytes stored(const T& value)
{
    Bytes out;
    CArchive ar(out, CArchive::store);
    ar << value;
    return out;
}

template <class T>
T loaded(const Bytes& in)
{
    T value{};
    CArchive ar(in.data(), in.size());
    ar >> value;
    if (ar.GetRemaining() != 0) throw std::logic_error("bytes left over");
    return value;
}
