// The report channels: each call appends one entry to the current thread's report log.
#include "report.h"

#include <algorithm>
#include <limits>

ReportLog& ReportLog::Current()
{
    thread_local ReportLog log;
    return log;
}

bool ReportEntry::SameAs(const ReportEntry& other) const
{
    return kind == other.kind && label == other.label && keys == other.keys && type == other.type &&
           message == other.message && item == other.item && flag == other.flag && part == other.part;
}

void ReportLog::Add(ReportEntry entry)
{
    if (!m_entries.empty() && m_entries.back().SameAs(entry)) {
        m_entries.back().count += entry.count;
        return;
    }
    m_entries.push_back(std::move(entry));
}

int ReportLog::Count(ReportEntry::Kind kind) const
{
    unsigned long long reports = 0;
    for (const ReportEntry& e : m_entries)
        if (e.kind == kind) reports += e.count;
    return static_cast<int>(std::min<unsigned long long>(reports, std::numeric_limits<int>::max()));
}

void QMReportDiagnose(unsigned label, const CString& keys, const CString& kind, const CString& message,
                      unsigned long item, int flag, unsigned part)
{
    ReportEntry entry;
    entry.kind = ReportEntry::Diagnose;
    entry.label = label;
    entry.keys = keys;
    entry.type = kind;
    entry.message = message;
    entry.item = item;
    entry.flag = flag;
    entry.part = part;
    ReportLog::Current().Add(std::move(entry));
}

namespace {

void addMessage(ReportEntry::Kind kind, const CString& message, int flag)
{
    ReportEntry entry;
    entry.kind = kind;
    entry.message = message;
    entry.flag = flag;
    ReportLog::Current().Add(std::move(entry));
}

} // namespace

void QMReportError(const CString& message, int flag) { addMessage(ReportEntry::Error, message, flag); }

void QMReportWarning(const CString& message, int flag) { addMessage(ReportEntry::Warning, message, flag); }

void QMReportInformation(const CString& message, int flag) { addMessage(ReportEntry::Information, message, flag); }
