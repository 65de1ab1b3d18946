// What the fuzz targets share: the component registered once, a failed property ends the run.
#pragma once

#include "project_data.h"

#include "host/output_data.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>

// Registers the pier component with the host's registry (once) and keeps the report log small.
void PrepareComponent();

// A property every input must keep: when it does not hold, says which and aborts, so that
// libFuzzer keeps the input as a crash.
void Require(bool holds, const char* property);

// The project the input holds, its relative key-parameter file taken from the samples' folder;
// null when the input is no project file (refused as "pm001 check" refuses it).
std::unique_ptr<Project> ReadProject(const unsigned char* data, std::size_t size);

// Writes the input to the file called name in a folder of this process's own (removed when the
// process ends), so that it can be read through a loader that takes a path; returns the path.
const std::string& WriteInputFile(const char* name, const unsigned char* data, std::size_t size);

// The output values as printed, by name.
std::map<std::string, std::string> Printed(const OutputDataMap& outputs);
