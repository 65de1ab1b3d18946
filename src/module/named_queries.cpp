// CPM001Norm::GetValueByName: single values of the designed pier, asked for by short query names.
#include "module/pier_component.h"

#include "common/is_equal.h"
#include "pier/pier_design_record.h"

#include <climits>
#include <cstdlib>

namespace {

// Largest number of decimals a query may ask for: the exact decimal form of any double ends by then.
constexpr int kMaxDecimals = 1074;

bool StartsWith(const CString& name, const char* prefix)
{
    return name.str().starts_with(prefix);
}

// The leading integer of text as the runtime's atoi reads it (leading blanks, a sign, digits; 0
// when none), held within the range of int.
int LeadingInt(const CString& text)
{
    const long v = std::strtol(text.GetString(), nullptr, 10);
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

// The number of decimals named by text: empty asks for none, otherwise decimal digits only, as
// the "%0.<n>f" form reads them. False for any other text and for more than kMaxDecimals.
bool ReadDecimals(const CString& text, int& decimals)
{
    decimals = 0;
    for (char ch : text.str()) {
        if (ch < '0' || ch > '9') return false;
        decimals = decimals * 10 + (ch - '0');
        if (decimals > kMaxDecimals) return false;
    }
    return true;
}

// The value with the given number of decimals, as "%0.<decimals>f" gives it.
CString WithDecimals(double v, int decimals)
{
    CString text;
    text.Format("%0.*f", decimals, v);
    return text;
}

CString WithSixDecimals(double v)
{
    CString text;
    text.Format("%f", v);
    return text;
}

// Element k (counting from 1) of list; false when k names no element.
bool ElementFromOne(const DblArray& list, int k, double& v)
{
    if (k < 1 || k > list.GetSize()) return false;
    v = list[k - 1];
    return true;
}

// "<prefix><k>" with any ">>" around: element k of list with six decimals.
int AnswerIndexed(const CString& name, const char* prefix, const DblArray& list, CString& value)
{
    CString rest(name);
    rest.Replace(prefix, "");
    rest.Replace(">>", "");
    double v = 0.0;
    if (!ElementFromOne(list, LeadingInt(rest), v)) return 0;
    value = WithSixDecimals(v);
    return 1;
}

// "<prefix><k>#<<<n>>>": element k of list with n decimals. The index text is removed from the
// decimals wherever it stands in them, so zXL#2#<<2>> asks for no decimals.
int AnswerIndexedWithDecimals(const CString& name, const char* prefix, const DblArray& list, CString& value)
{
    CString s(name);
    s.Replace(prefix, "");
    CString index;
    const int p = s.Find("#<<");
    if (p >= 0) {
        index = s.Left(p);
        s.Replace(index, "");
        s.Replace("#<<", "");
        s.Replace(">>", "");
    }
    double v = 0.0;
    int decimals = 0;
    if (!ElementFromOne(list, LeadingInt(index), v) || !ReadDecimals(s, decimals)) return 0;
    value = WithDecimals(v, decimals);
    return 1;
}

// "<prefix><n>>>": a slope with n decimals.
int AnswerSlope(const CString& name, const char* prefix, double slope, CString& value)
{
    CString s(name);
    s.Replace(prefix, "");
    s.Replace(">>", "");
    int decimals = 0;
    if (!ReadDecimals(s, decimals)) return 0;
    value = WithDecimals(slope, decimals);
    return 1;
}

} // namespace

int CPM001Norm::GetValueByName(const CString& name, CString& value)
{
    // Every answer comes from the design record: before a design (or a loaded one) nothing answers.
    if (!m_pAtom) return 0;
    const CPM001Atom& atom = *m_pAtom;

    if (name == "XLSN") {
        // One "#i#" per tie-beam level, appended to what the caller passed.
        if (atom.fXL != 0)
            for (int i = 0; i < atom.zXl.GetSize(); ++i) value.AppendFormat("#%d#", i);
        return 1;
    }
    if (name == "bPART") {
        value = atom.PierLayMode != 0 ? "TRUE" : "FALSE";
        return 1;
    }
    if (name == "ZhuSN") {
        // One "#i#" per column: one more than the spacings.
        for (int i = 0; i <= atom.bBz.GetSize(); ++i) value.AppendFormat("#%d#", i);
        return 1;
    }
    if (name == "iBF") {
        value = KVDataCommon::IsEqual(atom.iLb, atom.iRb) ? "FALSE" : "TRUE";
        return 1;
    }
    if (StartsWith(name, "iLB<<")) return AnswerSlope(name, "iLB<<", atom.iLb, value);
    if (StartsWith(name, "iRB<<")) return AnswerSlope(name, "iRB<<", atom.iRb, value);
    if (name == "bBG") {
        value = WithSixDecimals(atom.bBg);
        return 1;
    }
    if (name == "bAG") {
        value = WithSixDecimals(atom.bAg);
        return 1;
    }
    if (name == "bBZL") {
        value = WithSixDecimals(atom.bBzl);
        return 1;
    }
    if (StartsWith(name, "bBZ#")) return AnswerIndexed(name, "bBZ#", atom.bBz, value);
    if (name == "bBZR") {
        value = WithSixDecimals(atom.bBzr);
        return 1;
    }
    if (StartsWith(name, "hHD#")) return AnswerIndexed(name, "hHD#", atom.hHd, value);
    if (name == "zGai") {
        value = WithSixDecimals(atom.zGl);
        return 1;
    }
    if (StartsWith(name, "zHZT#")) return AnswerIndexedWithDecimals(name, "zHZT#", atom.zHzt, value);
    if (StartsWith(name, "zXL#")) return AnswerIndexedWithDecimals(name, "zXL#", atom.zXl, value);
    if (name == "DSHXA") {
        value = WithSixDecimals(atom.lZzf);
        return 1;
    }
    if (name == "DSSXA") {
        value = WithSixDecimals(atom.bZzf);
        return 1;
    }
    if (name == "DSHDA") {
        // The lowest front pedestal; 0.0 when the row has none.
        double lowest = 0.0;
        atom.hZzf.GetMin(lowest);
        value = WithSixDecimals(lowest);
        return 1;
    }
    // Known names that give no answer.
    if (name == "DSBGA" || name == "ZZFVNA") return 1;
    return 0;
}
