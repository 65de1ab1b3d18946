// The pier's drawing input keys as the project file gives them: switches, options, texts, block scales.
#include "project_input_fields.h"

#include <vector>

namespace project_json {

namespace {

using G = PM001DrawingInput;

const std::vector<Field<G>>& DrawingFields()
{
    static const std::vector<Field<G>> fields = {
        PM001_FIELD(G, DrawSwitchA), PM001_FIELD(G, DrawSwitchB), PM001_FIELD(G, DrawSwitchC),
        PM001_FIELD(G, DrawSwitchD), PM001_FIELD(G, DrawOptA), PM001_FIELD(G, DrawOptB),
        PM001_FIELD(G, DrawOptC), PM001_FIELD(G, DrawOptD), PM001_FIELD(G, DrawOptE),
        PM001_FIELD(G, DrawText1), PM001_FIELD(G, DrawText2),
        // Block-scale texts by the key of their drawing block.
        PM001_FIELD(G, rPM001T01GZ), PM001_FIELD(G, rPM001T01GZJCPM), PM001_FIELD(G, rPM001T01GJ01LM),
        PM001_FIELD(G, rPM001T01GJ01DM), PM001_FIELD(G, rPM001T010401LMPM), PM001_FIELD(G, rPM001T010401HD),
        PM001_FIELD(G, rPM001T010401SW02), PM001_FIELD(G, rPM001T01_PC001DZGJLM),
        PM001_FIELD(G, rPM001T01_PC001DZGJDM), PM001_FIELD(G, rPM001T01_PG008T01XB010203),
        PM001_FIELD(G, rPG006T01DK), PM001_FIELD(G, rPG006T01DS), PM001_FIELD(G, rPM001T02DSLMPM),
        PM001_FIELD(G, rPM001T01BIAOGE), PM001_FIELD(G, rPM001T01FUZHU),
    };
    return fields;
}

} // namespace

void ReadDrawingInput(const Json& object, const std::string& path, PM001DrawingInput& drawing)
{
    ReadFields(object, path, drawing, DrawingFields());
}

} // namespace project_json
