// The foundation inputs' keys as the project file gives them: spread footing, piles, pile cap.
#include "project_input_fields.h"

#include <vector>

namespace project_json {

namespace {

const std::vector<Field<CPG001>>& FootingFields()
{
    using F = CPG001;
    static const std::vector<Field<F>> fields = {
        PM001_FIELD(F, lKs_JICHU), PM001_FIELD(F, bKs_JICHU), PM001_FIELD(F, hKs_JICHU), PM001_FIELD(F, DY_JICHU),
        PM001_FIELD(F, hTj_JICHU), PM001_FIELD(F, bTjl_JICHU), PM001_FIELD(F, bTjr_JICHU), PM001_FIELD(F, lTj_JICHU),
        PM001_FIELD(F, ConGra_JICHU), PM001_FIELD(F, fPJ_JICHU),
    };
    return fields;
}

const std::vector<Field<CPG002>>& PileFields()
{
    using F = CPG002;
    static const std::vector<Field<F>> fields = {
        PM001_FIELD(F, rZ_JICHU), PM001_FIELD(F, fC_JICHU), PM001_FIELD(F, rC_JICHU), PM001_FIELD(F, hC_JICHU),
        PM001_FIELD(F, lZ_JICHU), PM001_FIELD(F, nZType_JICHU), PM001_FIELD(F, fXL_JICHU), PM001_FIELD(F, bXl_JICHU),
        PM001_FIELD(F, hXl_JICHU), PM001_FIELD(F, zXl_JICHU), PM001_FIELD(F, ConGra_JICHU),
    };
    return fields;
}

const std::vector<Field<CPG003>>& PileCapFields()
{
    using F = CPG003;
    static const std::vector<Field<F>> fields = {
        PM001_FIELD(F, PileCapTtype_JICHU), PM001_FIELD(F, nLJ_JICHU), PM001_FIELD(F, lT_JICHU),
        PM001_FIELD(F, bT_JICHU), PM001_FIELD(F, hT_JICHU), PM001_FIELD(F, DY_JICHU), PM001_FIELD(F, bYz_JICHU),
        PM001_FIELD(F, rZ_JICHU), PM001_FIELD(F, lZ_JICHU), PM001_FIELD(F, bZj_JICHU), PM001_FIELD(F, lZj_JICHU),
        PM001_FIELD(F, ConGra_JICHU),
    };
    return fields;
}

} // namespace

void ReadFootingInput(const Json& object, const std::string& path, CPG001& footing)
{
    ReadFields(object, path, footing, FootingFields());
}

void ReadPileInput(const Json& object, const std::string& path, CPG002& piles)
{
    ReadFields(object, path, piles, PileFields());
}

void ReadPileCapInput(const Json& object, const std::string& path, CPG003& pileCap)
{
    ReadFields(object, path, pileCap, PileCapFields());
}

} // namespace project_json
