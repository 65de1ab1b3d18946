// The pier's input keys as the project file gives them: one field per member of the pier input.
#include "project_input_fields.h"

#include <vector>

namespace project_json {

namespace {

using P = PM001PierInput;

const std::vector<Field<P>>& PierFields()
{
    static const std::vector<Field<P>> fields = {
        // Structure and foundation selectors.
        PM001_FIELD(P, nStructureType), PM001_FIELD(P, nFoundationType),
        // Cap position and columns.
        PM001_FIELD(P, bAg), PM001_FIELD(P, LG), PM001_FIELD(P, bBzl), PM001_FIELD(P, bBzr),
        PM001_FIELD(P, bBz), PM001_FIELD(P, nColumnShape), PM001_FIELD(P, D), PM001_FIELD(P, bRec),
        PM001_FIELD(P, lRec), PM001_FIELD(P, FilletMode), PM001_FIELD(P, X), PM001_FIELD(P, Y),
        PM001_FIELD(P, R), PM001_FIELD(P, zZct),
        // Cap section and shape.
        PM001_FIELD(P, nSectionType), PM001_FIELD(P, bAc), PM001_FIELD(P, zGl),
        PM001_FIELD(P, hXbl), PM001_FIELD(P, bBpl), PM001_FIELD(P, hXbr), PM001_FIELD(P, bBpr),
        PM001_FIELD(P, bTtl), PM001_FIELD(P, bXbl), PM001_FIELD(P, hml), PM001_FIELD(P, htl),
        PM001_FIELD(P, bTtr), PM001_FIELD(P, bXbr), PM001_FIELD(P, hmr), PM001_FIELD(P, htr),
        PM001_FIELD(P, nSlopeMode), PM001_FIELD(P, iLb), PM001_FIELD(P, iRb), PM001_FIELD(P, iLbL),
        PM001_FIELD(P, iLbR), PM001_FIELD(P, iRbL), PM001_FIELD(P, iRbR),
        PM001_FIELD(P, B), PM001_FIELD(P, B1), PM001_FIELD(P, B2), PM001_FIELD(P, hHgf),
        PM001_FIELD(P, hHgb), PM001_FIELD(P, hHgl), PM001_FIELD(P, V), PM001_FIELD(P, U),
        // Tie beams between the columns.
        PM001_FIELD(P, fXL), PM001_FIELD(P, bXl), PM001_FIELD(P, hXl), PM001_FIELD(P, zXl),
        // Bearings and pedestals.
        PM001_FIELD(P, fTwoRows), PM001_FIELD(P, zQf), PM001_FIELD(P, zQb),
        PM001_FIELD(P, bQf), PM001_FIELD(P, TypeZhif), PM001_FIELD(P, bQb), PM001_FIELD(P, TypeZhib),
        PM001_FIELD(P, fBedStone), PM001_FIELD(P, nBedStoneModef), PM001_FIELD(P, nBedStoneModeb),
        PM001_FIELD(P, hZzf), PM001_FIELD(P, hZzb), PM001_FIELD(P, lZzf), PM001_FIELD(P, bZzf),
        PM001_FIELD(P, lZzb), PM001_FIELD(P, bZzb),
        // Seismic stopper blocks.
        PM001_FIELD(P, fVaiDang), PM001_FIELD(P, hFz), PM001_FIELD(P, bL1), PM001_FIELD(P, bL2),
        PM001_FIELD(P, bFzjl), PM001_FIELD(P, bR1), PM001_FIELD(P, bR2), PM001_FIELD(P, bFzjr),
        PM001_FIELD(P, hFzf), PM001_FIELD(P, bLf1), PM001_FIELD(P, bLf2), PM001_FIELD(P, bFzfl),
        PM001_FIELD(P, bRf1), PM001_FIELD(P, bRf2), PM001_FIELD(P, bFzfr),
        // Materials.
        PM001_FIELD(P, PierCapConGra), PM001_FIELD(P, PierColumnConGra), PM001_FIELD(P, BedStoneConGra),
        PM001_FIELD(P, TieBeamConGra),
        // Design and calculation options, drawing scales, tendon duct and anchorage series.
        PM001_FIELD(P, fDisribute), PM001_FIELD(P, fVarjichupmt), PM001_FIELD(P, fZT),
        PM001_FIELD(P, DesignSwitch1), PM001_FIELD(P, DesignSwitch2), PM001_FIELD(P, DesignSwitch3),
        PM001_FIELD(P, DesignOpt4), PM001_FIELD(P, DesignSwitch5), PM001_FIELD(P, DesignOpt6),
        PM001_FIELD(P, DesignValue1), PM001_FIELD(P, DesignOpt7), PM001_FIELD(P, DesignOpt8),
        PM001_FIELD(P, DesignOpt9), PM001_FIELD(P, DesignOpt10), PM001_FIELD(P, DesignValue2),
        PM001_FIELD(P, gzPMScale), PM001_FIELD(P, stPMScale), PM001_FIELD(P, PrePMScale),
        PM001_FIELD(P, gzLMScale),
        PM001_FIELD(P, CalcSwitch1), PM001_FIELD(P, CalcOpt2), PM001_FIELD(P, CalcSwitch3),
        PM001_FIELD(P, CalcSwitch4), PM001_FIELD(P, DuctSeries), PM001_FIELD(P, AnchorSeries),
        PM001_FIELD(P, CalcOpt6), PM001_FIELD(P, CalcOpt7), PM001_FIELD(P, CalcOpt8),
        PM001_FIELD(P, CalcOpt9), PM001_FIELD(P, CalcOpt10), PM001_FIELD(P, CalcOpt11),
        PM001_FIELD(P, CalcSwitch12), PM001_FIELD(P, CalcOpt13),
    };
    return fields;
}

} // namespace

void ReadPierInput(const Json& object, const std::string& path, PM001PierInput& pier)
{
    ReadFields(object, path, pier, PierFields());
}

} // namespace project_json
