// Benchmark support: reading the samples, generating scaled piers, and driving the road.
#include "pier_road_support.h"

#include "output_printer.h"
#include "project_file.h"

#include "host/report.h"
#include "module/pier_component.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

// The samples' folder (a function: benchmarks are registered during static initialisation).
std::string Examples() { return std::string(PM001_SOURCE_DIR) + "/examples"; }

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A length as the project file writes it: up to six significant digits.
std::string Number(double value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

// A project read and attached to a new component, taken as far as the stage before `until`.
struct PierRun {
    std::unique_ptr<Project> project;
    std::unique_ptr<ProjectSession> session;

    PierRun(const PierText& pier, RoadStage until)
    {
        CPM001Norm::Regist();
        ReportLog::Current().Clear();
        project = ReadProjectText(pier.text, pier.name, pier.baseDir);
        session = std::make_unique<ProjectSession>(*project);
        if (until > RoadStage::Receive && session->Receive() == 0) Fail(pier, "receiving input");
        if (until > RoadStage::Diagnose && session->Diagnose() == 0) Fail(pier, "diagnosis");
        if (until > RoadStage::Design && session->Design() == 0) Fail(pier, "design");
    }

    [[noreturn]] static void Fail(const PierText& pier, const char* step)
    {
        throw std::runtime_error(pier.name + ": " + step + " failed");
    }
};

} // namespace

PierText SamplePier(const std::string& file)
{
    return {FileText(Examples() + "/" + file), file, Examples()};
}

PierText ScaledPier(int columns, int bearings, int tendons)
{
    using nlohmann::json;
    json project = json::parse(FileText(Examples() + "/prestressed.json"));
    json keys = json::parse(FileText(Examples() + "/keyparams/prestressed.json"));

    // Length along the beam: overhangs, spans, and bearings from a first offset at equal spacing.
    const double overhang = 3750.0;
    const double firstBearing = 1250.0;
    double span = 9000.0;
    double length = 2.0 * overhang + (columns - 1) * span;
    const double bearingsNeed = 2.0 * firstBearing + (bearings - 1) * 800.0;
    if (bearingsNeed > length) {
        span = (bearingsNeed - 2.0 * overhang) / (columns - 1);
        length = bearingsNeed;
    }
    const double bearingSpacing = (length - 2.0 * firstBearing) / (bearings - 1);

    json& pier = project["pier"];
    pier["bBz"] = std::to_string(columns - 1) + "*" + Number(span);
    pier["bAg"] = length / 2.0;
    pier["bAc"] = length / 2.0;
    json spacing = json::array({Number(firstBearing)});
    for (int b = 1; b < bearings; ++b) spacing.push_back(Number(bearingSpacing));
    pier["bQf"] = spacing;
    pier["TypeZhif"] = json::array();
    pier["hZzf"] = json::array();
    json& loads = project["loads"];
    loads["m_NodeName"] = json::array();
    loads["m_NodeLabel"] = json::array();
    loads["m_NodeForce"] = json::array();
    for (int b = 0; b < bearings; ++b) {
        pier["TypeZhif"].push_back("GJZ400×450×63");
        pier["hZzf"].push_back("220");
        loads["m_NodeName"].push_back(std::to_string(b + 1) + "号支座");
        loads["m_NodeLabel"].push_back("Z" + std::to_string(b + 1));
        loads["m_NodeForce"].push_back("1450");
    }

    // Skeleton frames: bar groups and lengths per support side, stirrup counts per column.
    json& cap = keys["cap"];
    json& groups = cap["FrameAr"][0]["GJJ"];
    json frameGroups = json::array({groups.front()});
    for (int k = 0; k < 2 * columns - 2; ++k) frameGroups.push_back(groups[1]);
    frameGroups.push_back(groups.back());
    groups = frameGroups;
    json& secondary = cap["FrameAr"][1];
    secondary["LenT"] = json::array({3400.0});
    for (int k = 0; k < 2 * columns - 2; ++k) secondary["LenT"].push_back(3500.0);
    secondary["LenT"].push_back(3400.0);
    secondary["LenB"] = json::array();
    for (int k = 0; k < 2 * columns - 2; ++k) secondary["LenB"].push_back(2000.0);
    cap["sg_lns2"] = json::array();
    cap["sg_rns2"] = json::array();
    for (int k = 0; k < columns; ++k) {
        cap["sg_lns2"].push_back(12);
        cap["sg_rns2"].push_back(12);
    }

    // Tendons: the two sample profiles in turn, stretched to the beam, one duct each.
    const json profiles = cap["SteelAr"];
    json steel = json::array();
    json names = json::array();
    for (int t = 0; t < tendons; ++t) {
        json tendon = profiles[static_cast<std::size_t>(t % 2)];
        tendon["name"] = "N" + std::to_string(t + 1);
        tendon["n"] = 1;
        const double y = tendons > 1 ? -800.0 + 1600.0 * t / (tendons - 1) : 0.0;
        tendon["Y"] = json::array({std::round(y * 10.0) / 10.0});
        for (json& node : tendon["Node"]) node["X"] = node["X"].get<double>() * length / 16500.0;
        steel.push_back(tendon);
        names.push_back(json{{"name", tendon["name"]}, {"n", 1}});
    }
    cap["SteelAr"] = steel;
    cap["ZLName"] = names;

    project.erase("keyParameterFile");
    project["keyParameters"] = keys;
    const std::string name = "pier of " + std::to_string(columns) + " columns, " + std::to_string(bearings) +
                             " bearings, " + std::to_string(tendons) + " tendons";
    return {project.dump(), name, Examples()};
}

const char* RoadStageName(RoadStage stage)
{
    switch (stage) {
    case RoadStage::Empty: return "Empty";
    case RoadStage::Parse: return "Parse";
    case RoadStage::Receive: return "Receive";
    case RoadStage::Diagnose: return "Diagnose";
    case RoadStage::Design: return "Design";
    case RoadStage::Output: return "Output";
    case RoadStage::PrintLines: return "PrintLines";
    case RoadStage::PrintJson: return "PrintJson";
    case RoadStage::Store: return "Store";
    case RoadStage::Load: return "Load";
    }
    return "?";
}

ComponentDataSets StoredPier(const PierText& pier)
{
    PierRun run(pier, RoadStage::Output);
    return run.session->Store();
}

OutputDataMap DesignedOutputs(const PierText& pier)
{
    PierRun run(pier, RoadStage::Output);
    return run.session->Output();
}

void RunRoadStage(benchmark::State& state, const PierText& pier, RoadStage stage)
{
    switch (stage) {
    case RoadStage::Empty:
        CPM001Norm::Regist();
        {
            const auto project = ReadProjectText(pier.text, pier.name, pier.baseDir);
            for (auto _ : state) {
                ProjectSession session(*project);
                benchmark::DoNotOptimize(&session);
            }
        }
        return;
    case RoadStage::Parse:
        for (auto _ : state) benchmark::DoNotOptimize(ReadProjectText(pier.text, pier.name, pier.baseDir));
        return;
    case RoadStage::Receive:
    case RoadStage::Diagnose:
    case RoadStage::Design:
        // Each needs a fresh component taken as far as the stage before it.
        for (auto _ : state) {
            state.PauseTiming();
            auto run = std::make_unique<PierRun>(pier, stage);
            ReportLog::Current().Clear();
            state.ResumeTiming();
            const int done = stage == RoadStage::Receive    ? run->session->Receive()
                             : stage == RoadStage::Diagnose ? run->session->Diagnose()
                                                            : run->session->Design();
            benchmark::DoNotOptimize(done);
            state.PauseTiming();
            run.reset();
            state.ResumeTiming();
        }
        return;
    case RoadStage::Output: {
        PierRun run(pier, RoadStage::Output);
        for (auto _ : state) benchmark::DoNotOptimize(run.session->Output());
        return;
    }
    case RoadStage::PrintLines:
    case RoadStage::PrintJson: {
        PierRun run(pier, RoadStage::Output);
        const OutputDataMap outputs = run.session->Output();
        // Written out in blocks as the host writes to its standard output.
        std::FILE* sink = std::fopen("/dev/null", "wb");
        if (!sink) {
            state.SkipWithError("cannot open /dev/null");
            return;
        }
        for (auto _ : state) {
            PrintBuffer out(sink);
            if (stage == RoadStage::PrintLines) WriteOutputLines(out, outputs);
            else WriteJsonDocument(out, "done", "design passed", ReportLog::Current().Entries(), &outputs);
        }
        std::fclose(sink);
        return;
    }
    case RoadStage::Store: {
        PierRun run(pier, RoadStage::Output);
        std::int64_t bytes = 0;
        for (auto _ : state) {
            const ComponentDataSets sets = run.session->Store();
            bytes += static_cast<std::int64_t>(sets.origin.size() + sets.design.size() + sets.adjustment.size());
        }
        state.SetBytesProcessed(bytes);
        return;
    }
    case RoadStage::Load: {
        const ComponentDataSets sets = StoredPier(pier);
        const auto size = static_cast<std::int64_t>(sets.origin.size() + sets.design.size() + sets.adjustment.size());
        for (auto _ : state) {
            state.PauseTiming();
            auto session = std::make_unique<ProjectSession>();
            state.ResumeTiming();
            session->Load(sets);
            state.PauseTiming();
            session.reset();
            state.ResumeTiming();
        }
        state.SetBytesProcessed(size * static_cast<std::int64_t>(state.iterations()));
        return;
    }
    }
}

void RunWholeRoad(benchmark::State& state, const PierText& pier)
{
    CPM001Norm::Regist();
    for (auto _ : state) {
        ReportLog::Current().Clear();
        const auto project = ReadProjectText(pier.text, pier.name, pier.baseDir);
        ProjectSession session(*project);
        if (session.Receive() == 0 || session.Diagnose() == 0 || session.Design() == 0) {
            state.SkipWithError("the pier failed before its output");
            return;
        }
        benchmark::DoNotOptimize(session.Output());
        const ComponentDataSets sets = session.Store();
        ProjectSession loaded;
        loaded.Load(sets);
        benchmark::DoNotOptimize(loaded.Output());
    }
}
