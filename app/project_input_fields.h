// Readers of the input object's parts from their JSON objects: pier, foundations, loads, drawing.
#pragma once

#include "project_json_fields.h"

#include "host/foundation_inputs.h"
#include "host/pm001_drawing_input.h"
#include "host/pm001_load_input.h"
#include "host/pm001_pier_input.h"

#include <string>

namespace project_json {

// Each takes a JSON object whose keys are the part's input keys (the member names) and sets
// the members the object gives; the others keep their values. Throws ValueError.
// The pier's values; its Name is the component's name and is not read here.
void ReadPierInput(const Json& object, const std::string& path, PM001PierInput& pier);
void ReadFootingInput(const Json& object, const std::string& path, CPG001& footing);
void ReadPileInput(const Json& object, const std::string& path, CPG002& piles);
void ReadPileCapInput(const Json& object, const std::string& path, CPG003& pileCap);
void ReadLoadInput(const Json& object, const std::string& path, PM001LoadInput& loads);
void ReadDrawingInput(const Json& object, const std::string& path, PM001DrawingInput& drawing);

} // namespace project_json
