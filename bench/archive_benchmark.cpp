// Archive throughput in bytes per second: storing and loading the three data sets of the largest
// generated pier (20 columns, 200 bearings, 64 tendons) and of a sample, beside memcpy of the same
// bytes in the same run.
#include "pier_road_support.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

std::int64_t Size(const ComponentDataSets& sets)
{
    return static_cast<std::int64_t>(sets.origin.size() + sets.design.size() + sets.adjustment.size());
}

void Memcpy(benchmark::State& state, const PierText& pier)
{
    const ComponentDataSets sets = StoredPier(pier);
    std::vector<unsigned char> target(static_cast<std::size_t>(Size(sets)));
    for (auto _ : state) {
        unsigned char* at = target.data();
        for (const auto* set : {&sets.origin, &sets.design, &sets.adjustment}) {
            std::memcpy(at, set->data(), set->size());
            at += set->size();
        }
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(Size(sets) * static_cast<std::int64_t>(state.iterations()));
}

const bool kRegistered = [] {
    const std::pair<const char*, PierText> piers[] = {
        {"Largest", ScaledPier(20, 200, 64)},
        {"prestressed.json", SamplePier("prestressed.json")},
    };
    for (const auto& [name, pier] : piers) {
        const PierText text = pier;
        benchmark::RegisterBenchmark((std::string("Archive/Memcpy/") + name).c_str(),
                                     [text](benchmark::State& state) { Memcpy(state, text); });
        benchmark::RegisterBenchmark((std::string("Archive/Store/") + name).c_str(),
                                     [text](benchmark::State& state) { RunRoadStage(state, text, RoadStage::Store); });
        benchmark::RegisterBenchmark((std::string("Archive/Load/") + name).c_str(),
                                     [text](benchmark::State& state) { RunRoadStage(state, text, RoadStage::Load); });
    }
    return true;
}();

} // namespace
