// The draw, query and report requests of the command-line host.
#include "host_requests.h"

#include "drawing_records.h"
#include "module_loader.h"
#include "output_printer.h"
#include "project_file.h"
#include "project_key_parameter_file.h"
#include "project_session.h"
#include "report_handoff.h"

#include "host/report.h"

#include <cstdio>
#include <functional>
#include <iostream>

using json = nlohmann::ordered_json;

namespace {

// One line per scalar of data: its dotted path, " = ", the value (texts bare, lists as JSON).
void printLines(const json& data, const std::string& path)
{
    if (data.is_object()) {
        for (const auto& [key, value] : data.items()) printLines(value, path.empty() ? key : path + "." + key);
        return;
    }
    if (data.is_array()) {
        bool flat = true;
        for (const auto& item : data) flat = flat && !item.is_structured();
        if (!flat) {
            for (std::size_t i = 0; i < data.size(); ++i) printLines(data[i], path + "[" + std::to_string(i) + "]");
            return;
        }
    }
    const std::string text = data.is_string() ? data.get<std::string>() : data.dump();
    std::printf("%s = %s\n", path.c_str(), text.c_str());
}

// Prints the run's report entries and data (lines: textLines when given, else one line per scalar).
int finish(const RequestOptions& options, bool passed, const std::string& summary, const char* section,
           const json& data, const std::function<void()>& textLines = {})
{
    const auto& entries = ReportLog::Current().Entries();
    if (options.json) {
        json doc;
        doc["result"] = passed ? "done" : "failed";
        doc["summary"] = summary;
        json reports = json::array();
        for (const auto& e : entries)
            reports.push_back({{"kind", ReportKindName(e.kind)}, {"keys", e.keys.str()}, {"message", e.message.str()}});
        doc["reports"] = std::move(reports);
        if (!data.is_null()) doc[section] = data;
        std::cout << doc.dump(2, ' ', false, json::error_handler_t::replace) << "\n";
    } else {
        PrintReportLines(entries);
        if (textLines)
            textLines();
        else if (!data.is_null())
            printLines(data, "");
        std::printf("%s\n", summary.c_str());
    }
    return passed ? kExitDone : kExitFailed;
}

// Receives, diagnoses and designs; on failure prints and gives the exit status, else 0.
template <class Requests>
int withDesignedPier(const RequestOptions& options, const char* section, Requests requests)
{
    auto project = LoadProjectFile(options.project);
    RequireReadableKeyParameterFile(*project);
    ComponentModule module(options.modulePath);
    ProjectSession session(*project);
    const bool received = session.Receive() != 0;
    if (session.Diagnose() == 0 || !received)
        return finish(options, false, StepSummary("diagnosis", false), section, nullptr);
    if (session.Design() == 0) return finish(options, false, StepSummary("design", false), section, nullptr);
    return requests(session);
}

} // namespace

int RunDraw(const RequestOptions& options)
{
    return withDesignedPier(options, "drawing", [&](ProjectSession& session) {
        DrawingRecordReader reader;
        const bool drawn = session.Draw() != 0;
        json data;
        data["drawn"] = drawn;
        data["drawSet"] = reader.Drawn() ? reader.DrawingSetting() : json(nullptr);
        data["align"] = reader.Drawn() ? reader.Alignment() : json(nullptr);
        const int adjusted = session.DrawAdjust();
        data["adjust"] = DrawingAdjustmentHandOffJson();
        data["adjust"]["result"] = adjusted;
        return finish(options, drawn, StepSummary("drawing", drawn), "drawing", data);
    });
}

int RunQuery(const RequestOptions& options)
{
    return withDesignedPier(options, "queries", [&](ProjectSession& session) {
        json data = json::array();
        int answered = 0;
        for (const auto& name : options.names) {
            CString value;
            const int result = session.Query(CString(name), value);
            answered += result;
            data.push_back({{"name", name}, {"answered", result != 0}, {"value", value.str()}});
        }
        const auto lines = [&data] {
            for (const auto& q : data)
                std::printf("query %s %s: %s\n", q["name"].get<std::string>().c_str(),
                            q["answered"].get<bool>() ? "answered" : "not answered",
                            q["value"].get<std::string>().c_str());
        };
        const std::string summary = StepSummary("design", true) + ", " + std::to_string(answered) + " of " +
                                    std::to_string(options.names.size()) + " queries answered";
        return finish(options, true, summary, "queries", data, lines);
    });
}

int RunReport(const RequestOptions& options)
{
    return withDesignedPier(options, "report", [&](ProjectSession& session) {
        session.PreparePaper();
        const int adjusted = session.Adjust();
        json data = ReportHandOffJson(session.Component());
        data["adjustResult"] = adjusted;
        const bool prepared = !data["capPaper"].is_null();
        return finish(options, prepared, StepSummary("report", prepared), "report", data);
    });
}
