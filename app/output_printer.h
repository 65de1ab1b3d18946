// Printing of report entries and output values, as lines or as one JSON document.
#pragma once

#include "host/output_data.h"
#include "host/report.h"

#include <string>
#include <vector>

// One line per entry: kind, keys (for diagnostics), message.
void PrintReportLines(const std::vector<ReportEntry>& entries);
// One line per value, in name order: name = value.
void PrintOutputLines(const OutputDataMap& outputs);
// {"result": ..., "summary": ..., "reports": [...], "outputs": {...}} on one document.
void PrintJsonDocument(const std::string& result, const std::string& summary,
                       const std::vector<ReportEntry>& entries, const OutputDataMap* outputs);
// The kind's name as printed: "diagnose", "error", "warning", "information".
const char* ReportKindName(ReportEntry::Kind kind);
