// Printing of report entries and output values, as lines or as one JSON document.
#pragma once

#include "host/output_data.h"
#include "host/report.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>
#include <vector>

// Text on its way to a file: gathered in a buffer and written in large blocks. Without a file the
// text stays in the buffer (for callers that want it as a string).
class PrintBuffer {
public:
    explicit PrintBuffer(std::FILE* file = nullptr) : m_file(file) {}
    PrintBuffer(const PrintBuffer&) = delete;
    PrintBuffer& operator=(const PrintBuffer&) = delete;
    ~PrintBuffer() { Flush(); }

    std::string& Text() { return m_text; }
    // Writes the buffer out once it holds a block's worth.
    void Spill()
    {
        if (m_file && m_text.size() >= kBlock) Flush();
    }
    void Flush();

private:
    static constexpr std::size_t kBlock = 64 * 1024;
    std::FILE* m_file;
    std::string m_text;
};

// One line per entry: kind, keys (for diagnostics), message, and " (×n)" after an entry reported n
// times in a row.
void PrintReportLines(const std::vector<ReportEntry>& entries);
// One line per value, in name order: name = value; written out in one block.
void PrintOutputLines(const OutputDataMap& outputs);
void WriteOutputLines(PrintBuffer& out, const OutputDataMap& outputs);
// {"result": ..., "summary": ..., "reports": [...], "outputs": {...}} as one document (keys in name
// order, two-space indentation), streamed value by value. A report entry reported n times in a row
// has "count": n (only when n is above 1).
void PrintJsonDocument(const std::string& result, const std::string& summary,
                       const std::vector<ReportEntry>& entries, const OutputDataMap* outputs);
void WriteJsonDocument(PrintBuffer& out, const std::string& result, const std::string& summary,
                       const std::vector<ReportEntry>& entries, const OutputDataMap* outputs);
// {"result": ..., "summary": ..., "reports": [{"kind", "keys", "message"[, "count"]}, ...], "<section>": data}
// in that order (the section only when data is not null), two-space indentation: the document of
// the requests made on a designed pier (drawing, queries, report).
void PrintSectionDocument(const std::string& result, const std::string& summary,
                          const std::vector<ReportEntry>& entries, const char* section,
                          const nlohmann::ordered_json& data);
void WriteSectionDocument(PrintBuffer& out, const std::string& result, const std::string& summary,
                          const std::vector<ReportEntry>& entries, const char* section,
                          const nlohmann::ordered_json& data);
// The kind's name as printed: "diagnose", "error", "warning", "information".
const char* ReportKindName(ReportEntry::Kind kind);
// Whether this thread's report log holds an error or a diagnostic: a run that reported one has not
// passed, whatever its steps returned (warnings and information do not count).
bool ReportsHoldError();
// "<step> passed: n diagnostics, n errors, n warnings", counted in this thread's report log
// (passedVerdict in place of "passed" when given); "<step> failed: …" when the step failed,
// "<step> reported errors: …" when it went through but the log holds an error or a diagnostic (a
// run that has not passed either).
std::string StepSummary(const std::string& step, bool passed, const std::string& passedVerdict = "passed");

// Exit statuses of the host: 0 done; 1 the pier failed diagnosis, design or drawing, or its reports
// hold an error; 2 unusable arguments, input or stored file, or output that could not be written.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUnusable = 2;
