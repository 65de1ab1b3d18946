// The key parameters a project holds or names: unusable input when missing or damaged.
#pragma once

#include "project_data.h"

#include "calc/pm001_key_param.h"

#include <optional>

// Reads the key-parameter file the project names, or the key parameters written into it, as the
// calculation engine reads them, and returns them for the design (nullopt when the project gives
// neither: that is the design's to judge). Throws std::runtime_error with one line: the engine's
// message for the file ("key-parameter file <path>: no such file") when it is missing, not a
// regular file, too large or not valid key parameters; "<project file>: keyParameters.<path>:
// <what>" when the key parameters written into the project are not valid.
std::optional<CPM001KeyParam> ReadProjectKeyParameters(const Project& project);
