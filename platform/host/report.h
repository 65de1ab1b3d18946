// The host's report channels (diagnose, error, warning, information) and the compare-and-report helpers.
#pragma once

#include "mfc/carray.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

#include <vector>

// One report entry as the host keeps and prints it.
struct ReportEntry {
    enum Kind { Diagnose, Error, Warning, Information };
    Kind kind = Diagnose;
    unsigned label = 0;        // the component ID for diagnostics
    CString keys;              // input key of a diagnostic entry
    CString type;              // "Error" for diagnostics
    CString message;
    unsigned long item = 0;
    int flag = 0;
    unsigned part = 0;         // reporting sub-part code
};

// The entries of the current thread, in the order they were reported. A host that designs
// several piers at once, one per thread, reads each pier's entries from its own thread.
class ReportLog {
public:
    static ReportLog& Current();
    const std::vector<ReportEntry>& Entries() const { return m_entries; }
    void Add(ReportEntry entry) { m_entries.push_back(std::move(entry)); }
    void Clear() { m_entries.clear(); }
    int Count(ReportEntry::Kind kind) const;

private:
    std::vector<ReportEntry> m_entries;
};

void QMReportDiagnose(unsigned label, const CString& keys, const CString& kind, const CString& message,
                      unsigned long item, int flag, unsigned part);
void QMReportError(const CString& message, int flag);
void QMReportWarning(const CString& message, int flag);
void QMReportInformation(const CString& message, int flag);

// Compares a with b by one of the six relation texts; on a violation reports through the
// diagnostic channel (one entry per key) and sets ok to 0. Returns 1 when the relation holds.
// The double instance belongs to the host; the component defines the int instance.
template <class T>
int QMReportError_compare_A_B(unsigned label, CString message, T a, CString relation, T b, CString keys,
                              int& ok, unsigned part, unsigned item);
template <>
int QMReportError_compare_A_B<double>(unsigned label, CString message, double a, CString relation, double b,
                                      CString keys, int& ok, unsigned part, unsigned item);

// Appends each text read as a number to values; a text that is not wholly a finite number in the
// C locale is reported under key and description and clears ok. Returns 0 when a text failed.
int QMReportError_StrToNum(unsigned label, CString description, CStringArray& texts, CArray<double>& values,
                           CString key, int& ok, unsigned part);

// Splits a key text at "/" into its keys; a text without "/" is one key, an empty text none.
void cstringTocstringArray(const CString& text, CStringArray& keys);

// Removes, in place, every row in which all of the parallel lists hold an empty text
// (a list shorter than the row counts as empty there).
void Clear_Str_Empty(CArray<CStringArray*, CStringArray*>& lists);
