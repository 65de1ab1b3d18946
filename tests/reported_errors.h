// ReportedErrors: the messages of the error entries the host's report log holds, in order.
#pragma once

#include "host/report.h"

#include <string>
#include <vector>

inline std::vector<std::string> ReportedErrors()
{
    std::vector<std::string> out;
    for (const ReportEntry& e : ReportLog::Current().Entries())
        if (e.kind == ReportEntry::Error) out.push_back(e.message.str());
    return out;
}
