// The check of the published values against the design it ends: `Check/<pier>` judges every number
// of the designed pier's output values by its kind, `Design/<pier>` designs the same pier (the
// check included). The largest pier is the largest the scaling benchmarks generate (20 columns, the
// most a pier takes; 200 bearings; 64 tendon definitions); the footing sample stands beside it.
#include "pier_road_support.h"

#include "capbeam/design_result_check.h"

#include <benchmark/benchmark.h>

#include <string>
#include <utility>

namespace {

const bool kRegistered = [] {
    const std::pair<const char*, PierText> piers[] = {
        {"footing", SamplePier("footing.json")},
        {"Largest", ScaledPier(20, 200, 64)},
    };
    for (const auto& [name, pier] : piers) {
        benchmark::RegisterBenchmark((std::string("Check/") + name).c_str(), [pier](benchmark::State& state) {
            const OutputDataMap outputs = DesignedOutputs(pier);
            for (auto _ : state) benchmark::DoNotOptimize(CheckPublishedValues(outputs));
            state.counters["values"] = static_cast<double>(outputs.EnteredCount());
        })->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("Design/") + name).c_str(), [pier](benchmark::State& state) {
            RunRoadStage(state, pier, RoadStage::Design);
        })->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

} // namespace
