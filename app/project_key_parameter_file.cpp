// The key-parameter file a project names, read before the design so that a bad one is unusable input.
#include "project_key_parameter_file.h"

#include "calc/key_param_json.h"

#include <stdexcept>
#include <string>

void RequireReadableKeyParameterFile(const Project& project)
{
    if (project.keyParameters.resolvedFile.empty()) return;
    CPM001KeyParam keyParam;
    std::string error;
    if (!ReadKeyParamFile(project.keyParameters.resolvedFile, keyParam, error)) throw std::runtime_error(error);
}
