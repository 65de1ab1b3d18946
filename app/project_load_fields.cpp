// The pier's load input keys as the project file gives them, with the live-load surfaces and the deck layout.
#include "project_input_fields.h"

#include <vector>

namespace project_json {

namespace {

const std::vector<Field<CCalGenLiveLoadSurface>>& LiveLoadSurfaceFields()
{
    using S = CCalGenLiveLoadSurface;
    static const std::vector<Field<S>> fields = {
        // Deck cross-section parts.
        PM001_FIELD(S, m_PartName), PM001_FIELD(S, m_PartKind), PM001_FIELD(S, m_PartWidth),
        PM001_FIELD(S, m_PartSlope), PM001_FIELD(S, m_PartThickness), PM001_FIELD(S, m_PartCrowdLoad),
        // Design lanes.
        PM001_FIELD(S, m_LaneName), PM001_FIELD(S, m_LaneLeft), PM001_FIELD(S, m_LaneRight),
        PM001_FIELD(S, m_LaneLoadClass), PM001_FIELD(S, m_LaneDirection), PM001_FIELD(S, m_LaneTransverseFactor),
        PM001_FIELD(S, m_LaneLongitudinalFactor), PM001_FIELD(S, m_LaneImpactFactor),
        PM001_FIELD(S, m_LaneEccentricity),
        // Spans beside the pier.
        PM001_FIELD(S, m_SpanLength), PM001_FIELD(S, m_SpanKind),
        // Girders bearing on the pier.
        PM001_FIELD(S, m_GirderName), PM001_FIELD(S, m_GirderPosition), PM001_FIELD(S, m_GirderBearingFront),
        PM001_FIELD(S, m_GirderBearingBack),
    };
    return fields;
}

const std::vector<Field<CCalGenBeamProperty>>& BeamPropertyFields()
{
    using B = CCalGenBeamProperty;
    static const std::vector<Field<B>> fields = {
        PM001_FIELD(B, nKind), PM001_FIELD(B, dSpan), PM001_FIELD(B, dBeamSpacing), PM001_FIELD(B, dBeamHeight),
        PM001_FIELD(B, dBeamWidth), PM001_FIELD(B, dArea), PM001_FIELD(B, dInertia), PM001_FIELD(B, dElasticModulus),
        PM001_FIELD(B, dUnitWeight), PM001_FIELD(B, nBeamCount), PM001_FIELD(B, dDeckThickness),
        PM001_FIELD(B, nLaneCount),
    };
    return fields;
}

const std::vector<Field<CCalGenDeckLayout>>& DeckLayoutFields()
{
    using D = CCalGenDeckLayout;
    static const std::vector<Field<D>> fields = {
        PM001_FIELD(D, m_DeckValue),
        // Loading positions and the support reactions per position.
        PM001_FIELD(D, m_PositionName), PM001_FIELD(D, m_XLoad), PM001_FIELD(D, m_YLoad),
        PM001_FIELD(D, m_SupportName), PM001_FIELD(D, m_ForceZhiZuo),
        // Longitudinal positions with their girder properties.
        PM001_FIELD(D, m_YLong), BindRecordList<D>("m_BeamProperty", &D::m_BeamProperty, BeamPropertyFields),
        // Road design line.
        PM001_FIELD(D, m_XRoad), PM001_FIELD(D, m_YRoad),
    };
    return fields;
}

const std::vector<Field<PM001LoadInput>>& LoadFields()
{
    using L = PM001LoadInput;
    static const std::vector<Field<L>> fields = {
        PM001_FIELD(L, LoadOption1), PM001_FIELD(L, LoadOption2), PM001_FIELD(L, LoadOption3),
        PM001_FIELD(L, LoadOption4),
        // Reactions at named nodes.
        PM001_FIELD(L, m_NodeName), PM001_FIELD(L, m_NodeLabel), PM001_FIELD(L, m_NodeForce),
        PM001_FIELD(L, LoadValue1), PM001_FIELD(L, LoadValue2),
        PM001_FIELD(L, LoadList1), PM001_FIELD(L, LoadList2), PM001_FIELD(L, LoadList3),
        PM001_FIELD(L, LoadList4), PM001_FIELD(L, LoadList5), PM001_FIELD(L, LoadList6),
        // Live loads: the two surfaces beside the pier, or the deck layout.
        PM001_FIELD(L, LiveLoadMode),
        BindRecord<L>("m_LiveLoadSurface1", &L::m_LiveLoadSurface1, LiveLoadSurfaceFields),
        BindRecord<L>("m_LiveLoadSurface2", &L::m_LiveLoadSurface2, LiveLoadSurfaceFields),
        PM001_FIELD(L, SecondSurfaceMode),
        BindOptionalRecord<L>("m_DeckLayout", &L::m_DeckLayout, DeckLayoutFields),
        PM001_FIELD(L, LoadOption5), PM001_FIELD(L, LoadOption6), PM001_FIELD(L, LoadValue3),
        PM001_FIELD(L, LoadNumber), PM001_FIELD(L, LoadOption7),
        PM001_FIELD(L, ExtraLoadA), PM001_FIELD(L, ExtraLoadB),
        PM001_FIELD(L, FoundationValue2),
    };
    return fields;
}

} // namespace

void ReadLoadInput(const Json& object, const std::string& path, PM001LoadInput& loads)
{
    ReadFields(object, path, loads, LoadFields());
}

} // namespace project_json
