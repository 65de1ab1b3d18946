// The pier's diagnosis with two rows of n bearings on pedestals: the bearing and pedestal checks
// dominate it. The pedestals stand apart, so every overlap search runs to its end. Beyond 500
// bearings a row only gets its count diagnostic, so that case is cheap by design.
#include "input/diagnosis_case.h"

#include <benchmark/benchmark.h>

namespace {

const char* const kRect = "GJZ300×400×52";

void FillRow(DblArray& spacings, CStringArray& names, DblArray& heights, int n)
{
    for (int i = 0; i < n; ++i) {
        spacings.Add(i == 0 ? 1000.0 : 700.0);
        names.Add(kRect);
        heights.Add(200.0);
    }
}

std::unique_ptr<CPM001org> PierWithBearings(int perRow)
{
    auto org = SoundPier();
    org->CushionNumber = 2;
    org->BedStoneTypef = 1;
    org->BedStoneTypeb = 1;
    org->bZzf = org->bZzb = 600.0;
    org->lZzf = org->lZzb = 500.0;
    org->zQf = 400.0;
    org->zQb = -400.0;
    FillRow(org->bQf, org->TypeZhif, org->hZzf, perRow);
    FillRow(org->bQb, org->TypeZhib, org->hZzb, perRow);
    return org;
}

void BM_DiagnoseBearingRows(benchmark::State& state)
{
    const int perRow = static_cast<int>(state.range(0));
    auto org = PierWithBearings(perRow);
    for (auto _ : state) {
        ReportLog::Current().Clear();
        benchmark::DoNotOptimize(org->DoDiagnose(nullptr, kDiagnosisLabel));
    }
    ReportLog::Current().Clear();
    state.SetComplexityN(perRow);
}

} // namespace

BENCHMARK(BM_DiagnoseBearingRows)->Arg(10)->Arg(100)->Arg(500)->Arg(1000)->Unit(benchmark::kMicrosecond);
