// The command-line host pm001: reads the command and its options, then runs the command.
#include "host_commands.h"
#include "module_loader.h"
#include "output_printer.h"
#include "standard_output.h"

#include "catalog/material_catalog.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>
#include <iostream>
#include <sstream>
#include <stdexcept>

#ifndef PM001_VERSION
#define PM001_VERSION "0.0.0"
#endif
#ifndef PM001_SAMPLE_PROJECT
#define PM001_SAMPLE_PROJECT "examples/footing.json"
#endif

namespace {

using AddOptions = void (*)(CLI::App& command, CommandOptions& options);

// One command: its name, what it does, its options, how it runs.
struct Command {
    const char* name;
    const char* description;
    AddOptions addOptions;
    int (*run)(const CommandOptions& options);
};

void jsonFlag(CLI::App& command, CommandOptions& options)
{
    command.add_flag("--json", options.json, "print one JSON document");
}

// A project file, which designing commands default to the bundled sample pier.
void projectOption(CLI::App& command, CommandOptions& options, bool required)
{
    auto* project = command.add_option("project", options.project, "project file (JSON)");
    if (required)
        project->required();
    else
        project->capture_default_str();
}

const Command kCommands[] = {
    {"info", "load the component module and list the components it registers",
     [](CLI::App&, CommandOptions&) {}, RunInfo},
    {"check", "receive and diagnose a pier project",
     [](CLI::App& command, CommandOptions& options) {
         projectOption(command, options, true);
         jsonFlag(command, options);
     },
     RunCheck},
    {"design", "design a pier project (default: the bundled sample pier)",
     [](CLI::App& command, CommandOptions& options) {
         projectOption(command, options, false);
         command.add_option("--save", options.saveFile, "store the designed component in this file")
             ->check([](const std::string& file) { return file.empty() ? std::string("the file name is empty") : ""; });
         jsonFlag(command, options);
         auto* redesign = command.add_flag("--redesign", options.redesign,
                                           "after the design, redesign from the user-adjusted key parameters and "
                                           "print those outputs");
         command
             .add_option_function<std::string>(
                 "--adjusted",
                 [&options](const std::string& file) {
                     options.adjusted = true;
                     options.adjustedFile = file;
                 },
                 "key-parameter file handed to the engine as the user-adjusted key parameters before the redesign")
             ->needs(redesign);
     },
     RunDesign},
    {"load", "load a stored component and print its output values",
     [](CLI::App& command, CommandOptions& options) {
         command.add_option("file", options.storedFile, "stored component file")->required();
         jsonFlag(command, options);
     },
     RunLoad},
    {"draw", "design, then draw: print the drawing-setting and alignment records the drawing output reads, "
             "and the drawing-adjustment hand-off",
     [](CLI::App& command, CommandOptions& options) {
         projectOption(command, options, false);
         jsonFlag(command, options);
     },
     RunDraw},
    {"query", "design, then answer named queries (ZhuSN, iLB<<2>>, zHZT#1#<<3>>, ...)",
     [](CLI::App& command, CommandOptions& options) {
         projectOption(command, options, true);
         command.add_option("names", options.queryNames, "query names")->required();
         jsonFlag(command, options);
     },
     RunQuery},
    {"report", "design, then print the calculation report's cap-beam data and the adjustment data path "
               "handed to the adjustment tool",
     [](CLI::App& command, CommandOptions& options) {
         projectOption(command, options, false);
         jsonFlag(command, options);
     },
     RunReport},
};

// Reads the command and runs it; returns the exit status.
int runHost(int argc, char** argv)
{
    CLI::App app{"pm001 — pier with cap beam: input checks, cap-beam reinforcement design, output and archives"};
    app.set_version_flag("--version", std::string("pm001 ") + PM001_VERSION);
    app.require_subcommand(1);

    CommandOptions options;
    options.modulePath = ComponentModule::DefaultPath();
    options.project = PM001_SAMPLE_PROJECT;
    app.add_option("--module", options.modulePath, "component module to load")->capture_default_str();
    for (const Command& command : kCommands)
        command.addOptions(*app.add_subcommand(command.name, command.description), options);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        std::ostringstream help;   // --help and --version: written and checked as every output is
        const int code = app.exit(e, help, std::cerr);
        WriteStandardOutput(help.str());
        return code == 0 ? kExitDone : kExitUnusable;
    }

    try {
        if (!CatalogLoadError().empty()) throw std::runtime_error(CatalogLoadError());
        for (const Command& command : kCommands)
            if (app.got_subcommand(command.name)) return command.run(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pm001: %s\n", e.what());
        return kExitUnusable;
    }
    return kExitUnusable;
}

} // namespace

int main(int argc, char** argv)
{
    HoldStandardStreams();
    return FinishStandardOutput(runHost(argc, argv));
}
