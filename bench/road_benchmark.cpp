// The host's road in process, per sample pier: the whole road, and each stage against the empty
// road (the component created, initialised and released) measured in the same run.
#include "pier_road_support.h"

#include <benchmark/benchmark.h>

namespace {

const char* const kSamples[] = {"footing.json",           "piles.json",          "pile_cap.json",
                                "prestressed.json",       "square_ends.json",    "hammerhead.json",
                                "continuous_bent_up.json", "prestressed_one_end.json", "prestressed_symmetric.json"};

const RoadStage kStages[] = {RoadStage::Empty,  RoadStage::Parse,      RoadStage::Receive,
                             RoadStage::Diagnose, RoadStage::Design,   RoadStage::Output,
                             RoadStage::PrintLines, RoadStage::PrintJson, RoadStage::Store,
                             RoadStage::Load};

const bool kRegistered = [] {
    for (const char* sample : kSamples) {
        const PierText pier = SamplePier(sample);
        benchmark::RegisterBenchmark((std::string("Road/") + sample).c_str(),
                                     [pier](benchmark::State& state) { RunWholeRoad(state, pier); })
            ->Unit(benchmark::kMicrosecond);
        for (RoadStage stage : kStages)
            benchmark::RegisterBenchmark((std::string("Stage/") + RoadStageName(stage) + "/" + sample).c_str(),
                                         [pier, stage](benchmark::State& state) { RunRoadStage(state, pier, stage); })
                ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

} // namespace
