// The command-line host pm001: loads the pier component module and drives it as the suite's host does.
#include "module_loader.h"

#include "host/register_p2.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>

#ifndef PM001_VERSION
#define PM001_VERSION "0.0.0"
#endif

namespace {

// Exit statuses: 0 done; 1 the pier failed diagnosis or design; 2 unusable arguments, input or stored file.
constexpr int kExitUnusable = 2;

int runInfo(const std::string& modulePath)
{
    ComponentModule module(modulePath);
    for (const auto& component : RegisteredComponents())
        std::printf("%d %d %s\n", component.type, component.code,
                    component.runtimeClass ? component.runtimeClass->m_lpszClassName : "?");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"pm001 — pier with cap beam: input checks, cap-beam reinforcement design, output and archives"};
    app.set_version_flag("--version", std::string("pm001 ") + PM001_VERSION);
    app.require_subcommand(1);

    std::string modulePath = ComponentModule::DefaultPath();
    app.add_option("--module", modulePath, "component module to load")->capture_default_str();

    app.add_subcommand("info", "load the component module and list the components it registers");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : kExitUnusable;
    }

    try {
        if (app.got_subcommand("info")) return runInfo(modulePath);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pm001: %s\n", e.what());
        return kExitUnusable;
    }
    return kExitUnusable;
}
