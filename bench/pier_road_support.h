// Benchmark support: sample and generated piers, and the host's road over them stage by stage.
#pragma once

#include "project_container.h"
#include "project_data.h"
#include "project_session.h"

#include "host/output_data.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

// A project file's text and the folder its relative paths are taken from.
struct PierText {
    std::string text;
    std::string name;
    std::string baseDir;
};

// A sample of examples/ by its file name ("footing.json").
PierText SamplePier(const std::string& file);

// The prestressed sample scaled: columns support lines 9 m apart (the spans widen when the
// bearings need more room), bearings on one row at least 0.8 m apart, and tendons definitions of
// one duct each spread across the beam's width. The key parameters go into the project file.
PierText ScaledPier(int columns, int bearings, int tendons);

// The steps of the host's road, each measured on its own.
enum class RoadStage {
    Empty,       // the component created through the registry, attached, initialised and released
    Parse,       // the project file read into a project
    Receive,     // the input object taken in
    Diagnose,    // the input checked
    Design,      // the pier designed
    Output,      // the output values collected
    PrintLines,  // the output values printed as lines (to /dev/null)
    PrintJson,   // the whole JSON document (to /dev/null)
    Store,       // the three data sets stored
    Load,        // the three data sets loaded into a fresh component
};

const char* RoadStageName(RoadStage stage);

// Runs one stage per iteration; what comes before it is done outside the timing.
void RunRoadStage(benchmark::State& state, const PierText& pier, RoadStage stage);

// The whole road per iteration: parse, receive, diagnose, design, output, store, load into a fresh
// component, output again.
void RunWholeRoad(benchmark::State& state, const PierText& pier);

// The designed pier's three data sets.
ComponentDataSets StoredPier(const PierText& pier);

// The designed pier's output values, as the host collects them.
OutputDataMap DesignedOutputs(const PierText& pier);
