// The command-line host pm001: loads the pier component module and drives it as the suite's host does.
#include "host_requests.h"
#include "module_loader.h"
#include "output_printer.h"
#include "project_container.h"
#include "project_file.h"
#include "project_key_parameter_file.h"
#include "project_session.h"

#include "calc/key_param_json.h"
#include "calc/pm001_calc.h"
#include "catalog/material_catalog.h"
#include "host/register_p2.h"
#include "host/report.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <optional>
#include <stdexcept>

#ifndef PM001_VERSION
#define PM001_VERSION "0.0.0"
#endif
#ifndef PM001_SAMPLE_PROJECT
#define PM001_SAMPLE_PROJECT "examples/footing.json"
#endif

namespace {

struct Options {
    std::string modulePath;
    std::string project;
    std::string saveFile;
    std::string storedFile;
    bool json = false;
    bool redesign = false;
    bool adjusted = false;
    std::string adjustedFile;   // with adjusted: the user-adjusted key parameters for the redesign
    std::vector<std::string> queryNames;
};

int runInfo(const Options& options)
{
    ComponentModule module(options.modulePath);
    for (const auto& component : RegisteredComponents())
        std::printf("%d %d %s\n", component.type, component.code,
                    component.runtimeClass ? component.runtimeClass->m_lpszClassName : "?");
    return kExitDone;
}

// Prints what the run reported and, when given, the output values; returns the exit status.
int finish(const Options& options, bool passed, const std::string& summary, const OutputDataMap* outputs)
{
    const auto& entries = ReportLog::Current().Entries();
    if (options.json) {
        PrintJsonDocument(passed ? "done" : "failed", summary, entries, outputs);
    } else {
        PrintReportLines(entries);
        if (outputs) PrintOutputLines(*outputs);
        std::printf("%s\n", summary.c_str());
    }
    return passed ? kExitDone : kExitFailed;
}

int runCheck(const Options& options)
{
    auto project = LoadProjectFile(options.project);
    ComponentModule module(options.modulePath);
    ProjectSession session(*project);
    const bool received = session.Receive() != 0;
    const bool passed = session.Diagnose() != 0 && received;
    return finish(options, passed, StepSummary("diagnosis", passed), nullptr);
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

int runDesign(const Options& options)
{
    auto project = LoadProjectFile(options.project);
    RequireReadableKeyParameterFile(*project);
    const std::optional<CPM001KeyParam> adjusted =
        options.adjusted ? std::optional(readAdjustedKeyParameters(options.adjustedFile)) : std::nullopt;
    ComponentModule module(options.modulePath);
    ProjectSession session(*project);
    const bool received = session.Receive() != 0;
    if (session.Diagnose() == 0 || !received) return finish(options, false, StepSummary("diagnosis", false), nullptr);
    if (session.Design() == 0) return finish(options, false, StepSummary("design", false), nullptr);
    if (options.redesign) {
        const bool handed = !adjusted || handAdjustedKeyParameters(session, *adjusted) != 0;
        if (!handed || session.Redesign() == 0) return finish(options, false, StepSummary("redesign", false), nullptr);
    }
    const OutputDataMap outputs = session.Output();
    if (!options.saveFile.empty()) SaveContainer(options.saveFile, session.Store());
    return finish(options, true, StepSummary("design", true) + ", " + std::to_string(outputs.size()) + " values",
                  &outputs);
}

int runLoad(const Options& options)
{
    const ComponentDataSets sets = LoadContainer(options.storedFile);
    ComponentModule module(options.modulePath);
    ProjectSession session;
    session.Load(sets);
    const OutputDataMap outputs = session.Output();
    return finish(options, true, "loaded " + options.storedFile + ": " + std::to_string(outputs.size()) + " values",
                  &outputs);
}

RequestOptions requestOptions(const Options& options)
{
    return RequestOptions{options.modulePath, options.project, options.json, options.queryNames};
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"pm001 — pier with cap beam: input checks, cap-beam reinforcement design, output and archives"};
    app.set_version_flag("--version", std::string("pm001 ") + PM001_VERSION);
    app.require_subcommand(1);

    Options options;
    options.modulePath = ComponentModule::DefaultPath();
    options.project = PM001_SAMPLE_PROJECT;
    app.add_option("--module", options.modulePath, "component module to load")->capture_default_str();

    app.add_subcommand("info", "load the component module and list the components it registers");
    auto* check = app.add_subcommand("check", "receive and diagnose a pier project");
    check->add_option("project", options.project, "project file (JSON)")->required();
    check->add_flag("--json", options.json, "print one JSON document");
    auto* design = app.add_subcommand("design", "design a pier project (default: the bundled sample pier)");
    design->add_option("project", options.project, "project file (JSON)")->capture_default_str();
    design->add_option("--save", options.saveFile, "store the designed component in this file")
        ->check([](const std::string& file) { return file.empty() ? std::string("the file name is empty") : ""; });
    design->add_flag("--json", options.json, "print one JSON document");
    auto* redesign = design->add_flag("--redesign", options.redesign,
                                      "after the design, redesign from the user-adjusted key parameters and print "
                                      "those outputs");
    auto* adjusted = design->add_option("--adjusted", options.adjustedFile,
                                        "key-parameter file handed to the engine as the user-adjusted key parameters "
                                        "before the redesign");
    adjusted->needs(redesign);
    auto* load = app.add_subcommand("load", "load a stored component and print its output values");
    load->add_option("file", options.storedFile, "stored component file")->required();
    load->add_flag("--json", options.json, "print one JSON document");
    auto* draw = app.add_subcommand("draw", "design, then draw: print the drawing-setting and alignment records "
                                            "the drawing output reads, and the drawing-adjustment hand-off");
    draw->add_option("project", options.project, "project file (JSON)")->capture_default_str();
    draw->add_flag("--json", options.json, "print one JSON document");
    auto* query = app.add_subcommand("query", "design, then answer named queries (ZhuSN, iLB<<2>>, zHZT#1#<<3>>, ...)");
    query->add_option("project", options.project, "project file (JSON)")->required();
    query->add_option("names", options.queryNames, "query names")->required();
    query->add_flag("--json", options.json, "print one JSON document");
    auto* report = app.add_subcommand("report", "design, then print the calculation report's cap-beam data "
                                                "and the adjustment data path handed to the adjustment tool");
    report->add_option("project", options.project, "project file (JSON)")->capture_default_str();
    report->add_flag("--json", options.json, "print one JSON document");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? kExitDone : kExitUnusable;
    }
    options.adjusted = adjusted->count() > 0;

    try {
        if (!CatalogLoadError().empty()) throw std::runtime_error(CatalogLoadError());
        if (app.got_subcommand("info")) return runInfo(options);
        if (app.got_subcommand("check")) return runCheck(options);
        if (app.got_subcommand("design")) return runDesign(options);
        if (app.got_subcommand("load")) return runLoad(options);
        if (app.got_subcommand("draw")) return RunDraw(requestOptions(options));
        if (app.got_subcommand("query")) return RunQuery(requestOptions(options));
        if (app.got_subcommand("report")) return RunReport(requestOptions(options));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pm001: %s\n", e.what());
        return kExitUnusable;
    }
    return kExitUnusable;
}
