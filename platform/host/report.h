// The host's report channels (diagnose, error, warning, information) and the compare-and-report helpers.
#pragma once

#include "mfc/carray.h"
#include "mfc/cstring.h"
#include "mfc/cstring_array.h"

#include <utility>
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
    unsigned part = 0;         // reporting sub-part code (host/report_parts.h)
    unsigned long long count = 1;   // times it was reported in a row

    // The same report: every field but the count alike.
    bool SameAs(const ReportEntry& other) const;
};

// The entries of the current thread, in the order they were reported. A host that designs
// several piers at once, one per thread, reads each pier's entries from its own thread. A report
// that repeats the entry before it is kept as that entry's count, so that a step reporting the same
// correction a million times holds one entry.
class ReportLog {
public:
    static ReportLog& Current();
    const std::vector<ReportEntry>& Entries() const { return m_entries; }
    void Add(ReportEntry entry);
    void Clear() { m_entries.clear(); }
    // The entries reported so far, taken out: the log is left empty. Put back gives a log its
    // entries again, so that a step can look at what a judge reports before it reaches the host.
    std::vector<ReportEntry> Take() { return std::exchange(m_entries, {}); }
    void PutBack(std::vector<ReportEntry> entries) { m_entries = std::move(entries); }
    // The reports of that kind, each repeat counted.
    int Count(ReportEntry::Kind kind) const;

private:
    std::vector<ReportEntry> m_entries;
};

void QMReportDiagnose(unsigned label, const CString& keys, const CString& kind, const CString& message,
                      unsigned long item, int flag, unsigned part);
void QMReportError(const CString& message, int flag);
void QMReportWarning(const CString& message, int flag);
void QMReportInformation(const CString& message, int flag);

// Compares a with b by one of the six relation texts ("必须大于", "必须小于", "必须等于", "不能小于",
// "不能大于", "不能等于", matched exactly); any other text holds. On a violation reports through the
// diagnostic channel (kind "Error", flag 0): one key gives message + "，" + key + "有错误．", several
// keys one entry each with message + "，可能" + key + "有错误．"; keys that name no key report nothing.
// Then sets ok to 0 and returns 0. Returns 1 when the relation holds.
// The double instance belongs to the host: it compares exactly, and a NaN or infinite a or b
// violates every one of the six relations. The component defines the int instance.
template <class T>
int QMReportError_compare_A_B(unsigned label, CString message, T a, CString relation, T b, CString keys,
                              int& ok, unsigned part, unsigned item);
template <>
int QMReportError_compare_A_B<double>(unsigned label, CString message, double a, CString relation, double b,
                                      CString keys, int& ok, unsigned part, unsigned item);

// Appends each text read as a number to values, in order; a text that is not a number is skipped,
// reported under key (the item is its 0-based position) with the message
// "“" + description + "”中第" + position from 1 + "个数据“" + text + "”不是有效的数字" and the key
// suffix of QMReportError_compare_A_B, and clears ok. Every text is examined. Returns 0 when a text failed.
// A text of more than 64 characters is quoted by its first 64 and "…" (QuotedText).
// A number is a text that, apart from leading and trailing blanks (space, tab, line ends) and one
// leading '+', reads wholly as a decimal real in the C locale and is finite: "1.5", " 1e3 " are
// numbers; "", "abc", "1.5x", "0x10", "nan", "inf", "1e999" are not.
int QMReportError_StrToNum(unsigned label, CString description, CStringArray& texts, CArray<double>& values,
                           CString key, int& ok, unsigned part);

// Replaces keys with the keys of text split at "/", in order; a text without "/" is one key, an
// empty text none. Empty segments name no key: "a//b" and "/a/b/" give "a", "b"; "/" gives none.
void cstringTocstringArray(const CString& text, CStringArray& keys);

// Removes, in place, every row in which all of the parallel lists hold an empty text
// (a list shorter than the row counts as empty there). Only the text "" is empty (a blank is not).
// Null slots are skipped and a list named twice is cleared once.
void Clear_Str_Empty(CArray<CStringArray*, CStringArray*>& lists);
