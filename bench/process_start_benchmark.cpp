// Starting the host: the CPU time of `pm001 design`, `check` and `load` on the footing sample, each
// paired run by run with the process floor (a tiny host that loads one small shared library) and
// reported as a ratio to it; beside them `pm001 --version` (the host that loads no module) and the
// C floor (a C program that loads one small C library) against the same floor. The children's CPU time (user + system, from wait4) is the measure, so
// that other work on a shared machine does not count; pairing each run with a floor run keeps the
// ratio fair when the machine's speed drifts.
//
// Counters: floor_ms and command_ms (mean CPU time of a run), x_floor (their ratio over all
// runs) and goal (the most x_floor may be, where there is one). Rerun: process_start_benchmark --benchmark_min_time=2
#include "temp_folder.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

// CPU seconds (user + system) of one run of the command, its output discarded; throws when it
// cannot be started or does not end with status 0.
double ChildCpuSeconds(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int started = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) throw std::runtime_error("cannot start " + command[0]);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(command[0] + " " + command[1] + " did not end with status 0");
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec); };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

const std::vector<std::string> kFloor = {PM001_FLOOR_HOST, PM001_FLOOR_LIBRARY};
const std::string kSample = PM001_SOURCE_DIR "/examples/footing.json";

// The footing sample designed and stored once, for the load runs, in a folder removed at exit.
const std::string& StoredSample()
{
    static const TempFolder folder("pm001_process_start");
    static const std::string path = [] {
        const std::string name = folder / "footing.pm001";
        ChildCpuSeconds({PM001_HOST, "design", kSample, "--save", name});
        return name;
    }();
    return path;
}

using Command = std::vector<std::string>;

// Runs the floor in every iteration and, when there is one, the command (made when the benchmark
// starts) right after it; an iteration's time is the command's CPU time, or the floor's alone.
template <class MakeCommand>
void Paired(benchmark::State& state, MakeCommand makeCommand, double goal)
{
    double floor = 0.0, host = 0.0;
    try {
        const Command command = makeCommand();
        for (auto _ : state) {
            const double floorRun = ChildCpuSeconds(kFloor);
            const double hostRun = command.empty() ? 0.0 : ChildCpuSeconds(command);
            floor += floorRun;
            host += hostRun;
            state.SetIterationTime(command.empty() ? floorRun : hostRun);
        }
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
        return;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["floor_ms"] = 1e3 * floor / runs;
    if (host == 0.0) return;
    state.counters["command_ms"] = 1e3 * host / runs;
    state.counters["x_floor"] = host / floor;
    if (goal > 0.0) state.counters["goal"] = goal;
}

void ProcessFloor(benchmark::State& state)
{
    Paired(state, [] { return Command{}; }, 1.0);
}

void CFloor(benchmark::State& state)
{
    Paired(state, [] { return Command{PM001_C_FLOOR_HOST, PM001_C_FLOOR_LIBRARY}; }, 0.0);
}

void Version(benchmark::State& state)
{
    Paired(state, [] { return Command{PM001_HOST, "--version"}; }, 0.0);
}

void Design(benchmark::State& state)
{
    Paired(state, [] { return Command{PM001_HOST, "design", kSample}; }, 3.0);
}

void Check(benchmark::State& state)
{
    Paired(state, [] { return Command{PM001_HOST, "check", kSample}; }, 2.5);
}

void Load(benchmark::State& state)
{
    Paired(state, [] { return Command{PM001_HOST, "load", StoredSample()}; }, 2.5);
}

BENCHMARK(ProcessFloor)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(CFloor)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Version)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Design)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Check)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(Load)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
