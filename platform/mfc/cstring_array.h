// CStringArray: a list of texts with MFC's archive form (count, then each text).
#pragma once

#include "carray.h"
#include "cstring.h"

class CStringArray : public CArray<CString, const CString&> {
public:
    using CArray<CString, const CString&>::CArray;
};
