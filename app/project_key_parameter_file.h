// The key-parameter file a project names: unusable input when it is missing or damaged.
#pragma once

#include "project_data.h"

// Reads the key-parameter file the project names, if any, as the calculation engine will read it.
// Throws std::runtime_error with the engine's one-line message ("key-parameter file <path>: no
// such file") when the file is missing, not a regular file, too large or not valid key parameters.
void RequireReadableKeyParameterFile(const Project& project);
