// The report channels: each call appends one entry to the current thread's report log.
#include "report.h"

#include <algorithm>

ReportLog& ReportLog::Current()
{
    thread_local ReportLog log;
    return log;
}

int ReportLog::Count(ReportEntry::Kind kind) const
{
    return static_cast<int>(
        std::count_if(m_entries.begin(), m_entries.end(), [kind](const ReportEntry& e) { return e.kind == kind; }));
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
