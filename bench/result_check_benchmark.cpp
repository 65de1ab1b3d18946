// The check of the published values against the design it ends: `Check/<pier>` judges every number
// of the designed pier's output values by its kind, `Design/<pier>` designs the same pier (the
// check included). The largest pier is the largest the scaling benchmarks generate (20 columns, the
// most a pier takes; 200 bearings; 64 tendon definitions); the footing sample stands beside it.
// `BarsWithinBeam/<marks>/<n>` judges a frame of n bars, each of a mark of its own and each above
// the top, as a loaded component's file may hold them: one fault per mark, indexed by the mark.
// `Colliding`: marks made so that "bar <mark>" shares one value of the standard string hash.
#include "pier_road_support.h"
#include "string_hash_colliding_keys.h"

#include "capbeam/bars_within_beam_check.h"
#include "capbeam/cap_beam_reinforcement.h"
#include "capbeam/design_result_check.h"
#include "host/report.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// A beam 10000 long and 1500 high with one frame of a bar of each mark, 500 above the top.
std::unique_ptr<CPM001T0101Atom> BeamWithBarsAbove(const std::vector<std::string>& marks)
{
    auto cap = std::make_unique<CPM001T0101Atom>();
    cap->bBg = 10000.0, cap->hHgl = 1500.0, cap->bAc = 5000.0, cap->st.d = 28.0, cap->st.type = 1;
    auto& frame = *cap->st.Frame.AddOwned(std::make_unique<CapBeamRecords::FrameAr>());
    frame.name = "W1";
    for (const std::string& mark : marks) {
        auto& bar = *frame.Bars.AddOwned(std::make_unique<CapBeamRecords::singAr>());
        bar.R = mark.c_str();
        bar.PtAr.Add({.x = 0.0, .z = 2000.0});
        bar.PtAr.Add({.x = 10000.0, .z = 2000.0});
    }
    return cap;
}

void BarsWithinBeam(benchmark::State& state, bool colliding)
{
    const auto count = static_cast<std::size_t>(state.range(0));
    std::vector<std::string> marks;
    if (colliding) {
        static std::vector<std::string> keys;   // made once for the largest count (some 3,300 tries a key)
        if (keys.size() < count) keys = StringHashCollidingKeys(count, "bar 0000");
        for (std::size_t i = 0; i < count; ++i) marks.push_back(keys[i].substr(4));
        if (std::hash<std::string>{}("bar " + marks[0]) != std::hash<std::string>{}("bar " + marks[1])) {
            state.SkipWithError("the marks collide only in GNU libstdc++'s 64-bit string hash");
            return;
        }
    } else {
        for (std::size_t i = 0; i < count; ++i) marks.push_back(std::to_string(i + 1));
    }
    const auto cap = BeamWithBarsAbove(marks);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckBarsWithinBeam(*cap));
        state.PauseTiming();
        ReportLog::Current().Clear();
        state.ResumeTiming();
    }
}

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
    for (const bool colliding : {false, true}) {
        benchmark::RegisterBenchmark(colliding ? "BarsWithinBeam/CollidingMarks" : "BarsWithinBeam/Marks",
                                     [colliding](benchmark::State& state) { BarsWithinBeam(state, colliding); })
            ->Arg(1000)
            ->Arg(4000)
            ->Arg(16000)
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

} // namespace
