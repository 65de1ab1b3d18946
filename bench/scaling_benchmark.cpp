// Growth with the pier's size: generated piers of 2 … 20 columns (three bearings a column, so that
// a longer pier carries more bearings as a real one does), 4 … 200 bearings per row and 2 … 64
// tendon definitions, each stage measured on its own. Linear growth doubles the time when the size
// doubles.
#include "pier_road_support.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace {

const RoadStage kStages[] = {RoadStage::Diagnose, RoadStage::Design, RoadStage::Output,
                             RoadStage::PrintLines, RoadStage::Store, RoadStage::Load};

struct Axis {
    const char* name;
    std::vector<int> sizes;
    std::function<PierText(int)> pier;
};

const bool kRegistered = [] {
    const Axis axes[] = {
        {"Columns", {2, 5, 10, 20}, [](int n) { return ScaledPier(n, 3 * n, 2); }},
        {"Bearings", {4, 25, 50, 100, 200}, [](int n) { return ScaledPier(4, n, 2); }},
        {"Tendons", {2, 8, 16, 32, 64}, [](int n) { return ScaledPier(2, 6, n); }},
    };
    for (const Axis& axis : axes) {
        for (int size : axis.sizes) {
            const PierText pier = axis.pier(size);
            for (RoadStage stage : kStages)
                benchmark::RegisterBenchmark(
                    (std::string(axis.name) + "/" + RoadStageName(stage) + "/" + std::to_string(size)).c_str(),
                    [pier, stage](benchmark::State& state) { RunRoadStage(state, pier, stage); })
                    ->Unit(benchmark::kMicrosecond);
        }
    }
    return true;
}();

} // namespace
