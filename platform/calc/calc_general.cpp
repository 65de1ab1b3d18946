// CalcGeneral: base of the calculation engines; keeps the project's and the road's general data.

#include "calc/calc_general.h"

#include "mfc/carchive.h"

#include <utility>

void CalcGeneral::SetName(const CString& roadName, const CString& componentName)
{
    m_texts.roadName = roadName;
    m_texts.componentName = componentName;
}

void CalcGeneral::SetProjectGeneral(CBridgePaperSetting* paperSetting, CBridgeEnvironment* environment)
{
    m_paperSetting = paperSetting;
    m_environment = environment;
}

void CalcGeneral::SetRoadGeneral(CBridgeRoadGeneral* roadGeneral, CBridgeRoadDeck* deck, CBridgeRoadCurve* curve,
                                 CBridgeRoadGeology* geology, CBridgeZKHole* boreholes, CBridgeSoil* soil)
{
    m_roadGeneral = roadGeneral;
    m_roadDeck = deck;
    m_roadCurve = curve;
    m_roadGeology = geology;
    m_roadZKHole = boreholes;
    m_roadSoil = soil;
}

void CalcGeneral::StoreGeneralTexts(CArchive& ar) const
{
    ar << m_texts.workDir << m_texts.prjName << m_texts.id << m_texts.roadName << m_texts.componentName;
}

CalcGeneral::GeneralTexts CalcGeneral::LoadGeneralTexts(CArchive& ar)
{
    GeneralTexts texts;
    ar >> texts.workDir >> texts.prjName >> texts.id >> texts.roadName >> texts.componentName;
    return texts;
}
