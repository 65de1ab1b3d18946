// The command-line host's commands, on one road: load the project and its key parameters, receive,
// diagnose, design, then each command's requests; one way of printing what a command ends with.
#include "host_commands.h"

#include "drawing_records.h"
#include "module_loader.h"
#include "output_printer.h"
#include "project_container.h"
#include "project_file.h"
#include "project_key_parameter_file.h"
#include "project_save_target.h"
#include "project_session.h"
#include "report_handoff.h"
#include "standard_output.h"

#include "calc/key_param_json.h"
#include "calc/pm001_calc.h"
#include "host/register_p2.h"
#include "host/report.h"

#include <functional>
#include <optional>
#include <stdexcept>
#include <utility>

using json = nlohmann::ordered_json;

namespace {

// What a command hands on besides its report entries: the output values (design, load), or one
// section of data under its name (drawing, queries, report), or nothing (check, or a run that
// stopped before it).
struct HandedOn {
    const OutputDataMap* outputs = nullptr;
    const char* section = nullptr;
    json data = nullptr;                // the section's data
    std::function<void()> lines = {};   // the section's lines, when not one line per scalar of data
};

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
    WriteStandardOutput(path.c_str() + std::string(" = ") + text.c_str() + "\n");
}

// Prints the run's report entries and what it handed on (as lines ending with the summary, or
// one JSON document); returns the exit status. A run whose reports hold an error or a diagnostic
// has failed, though its steps passed and what they handed on is printed.
int finish(const CommandOptions& options, bool passed, const std::string& summary, const HandedOn& handed = {})
{
    passed = passed && !ReportsHoldError();
    const auto& entries = ReportLog::Current().Entries();
    const char* result = passed ? "done" : "failed";
    if (options.json) {
        if (handed.section)
            PrintSectionDocument(result, summary, entries, handed.section, handed.data);
        else
            PrintJsonDocument(result, summary, entries, handed.outputs);
    } else {
        PrintReportLines(entries);
        if (handed.outputs)
            PrintOutputLines(*handed.outputs);
        else if (handed.lines)
            handed.lines();
        else if (!handed.data.is_null())
            printLines(handed.data, "");
        WriteStandardOutput(summary.c_str() + std::string("\n"));
    }
    return passed ? kExitDone : kExitFailed;
}

// The user's adjusted key parameters, read as a project's key-parameter file is read; throws
// std::runtime_error with the reader's one-line message when the file cannot be used.
CPM001KeyParam readAdjustedKeyParameters(const std::string& file)
{
    CPM001KeyParam keyParam;
    std::string error;
    if (!ReadKeyParamFile(file, keyParam, error)) throw std::runtime_error(error);
    return keyParam;
}

// Hands the engine the user's adjusted key parameters, as the adjustment tool does; 0 when the
// component has no engine that takes them or the engine refuses them (it reports why).
int handAdjustedKeyParameters(ProjectSession& session, const CPM001KeyParam& keyParam)
{
    auto* calc = dynamic_cast<CPM001Calc*>(session.Component().GetCalcData());
    return calc ? calc->SetUserDesignData(keyParam) : 0;
}

// The road every designing command takes: the project and its key parameters are read (unusable
// ones throw before anything is designed), the module is loaded, the pier received, diagnosed and
// designed with the key parameters read; then requests(session) makes the command's requests and
// gives its exit status. A failed step prints and gives the status, with section (when the
// command has one) left out of the document. A project run as a test keeps its design, so an
// adjusted set for it is refused as an unusable argument before anything is designed. With
// saveGuard given, the run's own files a save must not replace are put there for the save.
template <class Requests>
int onDesignedPier(const CommandOptions& options, const char* section, Requests requests,
                   std::vector<RunInput>* saveGuard = nullptr)
{
    auto project = LoadProjectFile(options.project);
    if (options.adjusted && project->projectManager.GetTestFlag() != 0)
        throw ProjectFileError(options.project, "project.testFlag",
                               "a project run as a test keeps its design: --adjusted cannot redesign it");
    std::optional<CPM001KeyParam> keyParam = ReadProjectKeyParameters(*project);
    const std::optional<CPM001KeyParam> adjusted =
        options.adjusted ? std::optional(readAdjustedKeyParameters(options.adjustedFile)) : std::nullopt;
    const std::vector<RunInput> runFiles = {{"project file", options.project},
                                            {"key-parameter file", project->keyParameters.resolvedFile},
                                            {"adjusted key-parameter file", options.adjusted ? options.adjustedFile : ""}};
    if (!options.saveFile.empty()) CheckSaveTarget(options.saveFile, runFiles);
    if (saveGuard) *saveGuard = runFiles;
    ComponentModule module(options.modulePath);
    ProjectSession session(*project);
    const HandedOn nothing{nullptr, section};
    const bool received = session.Receive() != 0;
    if (session.Diagnose() == 0 || !received) return finish(options, false, StepSummary("diagnosis", false), nothing);
    if (session.Design(std::move(keyParam)) == 0) return finish(options, false, StepSummary("design", false), nothing);
    if (options.redesign) {
        const bool handed = !adjusted || handAdjustedKeyParameters(session, *adjusted) != 0;
        if (!handed || session.Redesign() == 0)
            return finish(options, false, StepSummary("redesign", false), nothing);
    }
    return requests(session);
}

} // namespace

int RunInfo(const CommandOptions& options)
{
    ComponentModule module(options.modulePath);
    for (const auto& component : RegisteredComponents())
        WriteStandardOutput(std::to_string(component.type) + " " + std::to_string(component.code) + " " +
                            (component.runtimeClass ? component.runtimeClass->m_lpszClassName : "?") + "\n");
    return kExitDone;
}

int RunCheck(const CommandOptions& options)
{
    auto project = LoadProjectFile(options.project);
    ComponentModule module(options.modulePath);
    ProjectSession session(*project);
    const bool received = session.Receive() != 0;
    const bool passed = session.Diagnose() != 0 && received;
    return finish(options, passed, StepSummary("diagnosis", passed));
}

int RunDesign(const CommandOptions& options)
{
    std::vector<RunInput> runFiles;
    return onDesignedPier(options, nullptr, [&](ProjectSession& session) {
        const OutputDataMap outputs = session.Output();
        if (!options.saveFile.empty()) {
            // Judged again as the component is written: a file may have been made at that name
            // while the pier was designed.
            CheckSaveTarget(options.saveFile, runFiles);
            SaveContainer(options.saveFile, session.Store());
        }
        // A project run as a test keeps its design: the redesign request designed nothing again.
        const bool kept = options.redesign && session.Component().GetProjectManager()->GetTestFlag() != 0;
        std::string summary = StepSummary(options.redesign ? "redesign" : "design", true,
                                          kept ? "kept the design (a project run as a test)" : "passed") +
                              ", " + std::to_string(outputs.size()) + " values";
        // The stored component keeps the design, not what was reported while it was made.
        if (!options.saveFile.empty() && ReportsHoldError()) summary += "; saved " + options.saveFile + " without its reports";
        return finish(options, true, summary, {&outputs});
    }, &runFiles);
}

int RunLoad(const CommandOptions& options)
{
    const ComponentDataSets sets = LoadContainer(options.storedFile);
    ComponentModule module(options.modulePath);
    ProjectSession session;
    session.Load(sets);
    const OutputDataMap outputs = session.Output();
    // A stored design is judged as it loads; one whose results do not fit the cap says so first.
    const std::string loaded = "loaded " + options.storedFile + ": " + std::to_string(outputs.size()) + " values";
    return finish(options, true, ReportsHoldError() ? StepSummary("load", true) + ", " + loaded : loaded, {&outputs});
}

int RunDraw(const CommandOptions& options)
{
    return onDesignedPier(options, "drawing", [&](ProjectSession& session) {
        DrawingRecordReader reader;
        const bool drawn = session.Draw() != 0;
        json data;
        data["drawn"] = drawn;
        data["drawSet"] = reader.Drawn() ? reader.DrawingSetting() : json(nullptr);
        data["align"] = reader.Drawn() ? reader.Alignment() : json(nullptr);
        const int adjusted = session.DrawAdjust();
        data["adjust"] = DrawingAdjustmentHandOffJson();
        data["adjust"]["result"] = adjusted;
        return finish(options, drawn, StepSummary("drawing", drawn), {nullptr, "drawing", std::move(data)});
    });
}

int RunQuery(const CommandOptions& options)
{
    return onDesignedPier(options, "queries", [&](ProjectSession& session) {
        json data = json::array();
        int answered = 0;
        for (const auto& name : options.queryNames) {
            CString value;
            const int result = session.Query(CString(name), value);
            answered += result;
            data.push_back({{"name", name}, {"answered", result != 0}, {"value", value.str()}});
        }
        const auto lines = [&data] {
            for (const auto& q : data)
                WriteStandardOutput("query " + std::string(q["name"].get<std::string>().c_str()) +
                                    (q["answered"].get<bool>() ? " answered: " : " not answered: ") +
                                    q["value"].get<std::string>().c_str() + "\n");
        };
        const std::string summary = StepSummary("design", true) + ", " + std::to_string(answered) + " of " +
                                    std::to_string(options.queryNames.size()) + " queries answered";
        return finish(options, true, summary, {nullptr, "queries", data, lines});
    });
}

int RunReport(const CommandOptions& options)
{
    return onDesignedPier(options, "report", [&](ProjectSession& session) {
        session.PreparePaper();
        const int adjusted = session.Adjust();
        json data = ReportHandOffJson(session.Component());
        data["adjustResult"] = adjusted;
        const bool prepared = !data["capPaper"].is_null();
        return finish(options, prepared, StepSummary("report", prepared), {nullptr, "report", std::move(data)});
    });
}
