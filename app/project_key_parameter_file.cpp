// The key parameters a project holds or names, read before the design so that bad ones are unusable input.
#include "project_key_parameter_file.h"

#include "calc/key_param_json.h"

#include <stdexcept>
#include <string>

std::optional<CPM001KeyParam> ReadProjectKeyParameters(const Project& project)
{
    CPM001KeyParam keyParam;
    std::string error;
    const KeyParameterSource& source = project.keyParameters;
    if (!source.resolvedFile.empty()) {
        if (!ReadKeyParamFile(source.resolvedFile, keyParam, error)) throw std::runtime_error(error);
    } else if (!source.inlineJson.empty()) {
        // Read under the key the project file gives them, as the engine reads them.
        if (!ReadKeyParamJson(source.inlineJson, "keyParameters", keyParam, error))
            throw std::runtime_error(source.projectFile + ": " + error);
    } else {
        return std::nullopt;
    }
    return keyParam;
}
