// CalcGeneral: base of the calculation engines; keeps the project's and the road's general data.
#pragma once

#include "mfc/cobject.h"
#include "mfc/cstring.h"

#include <utility>

class CArchive;
// The host's project and road records (host/project_records.h, host/road_records.h).
struct CBridgePaperSetting;
struct CBridgeEnvironment;
class CBridgeRoadGeneral;
struct CBridgeRoadDeck;
struct CBridgeRoadCurve;
struct CBridgeRoadGeology;
struct CBridgeZKHole;
struct CBridgeSoil;

class CalcGeneral : public CObject {
public:
    ~CalcGeneral() override = default;
    CalcGeneral(const CalcGeneral&) = delete;
    CalcGeneral& operator=(const CalcGeneral&) = delete;

    void SetWorkDir(const CString& path) { m_texts.workDir = path; }
    void SetPrjName(const CString& name) { m_texts.prjName = name; }
    // The component ID as text (the caller formats the number).
    void SetID(const CString& id) { m_texts.id = id; }
    void SetName(const CString& roadName, const CString& componentName);
    // The host's records; the engine keeps the pointers and owns none of them.
    void SetProjectGeneral(CBridgePaperSetting* paperSetting, CBridgeEnvironment* environment);
    void SetRoadGeneral(CBridgeRoadGeneral* roadGeneral, CBridgeRoadDeck* deck, CBridgeRoadCurve* curve,
                        CBridgeRoadGeology* geology, CBridgeZKHole* boreholes, CBridgeSoil* soil);

    const CString& GetWorkDir() const { return m_texts.workDir; }
    const CString& GetPrjName() const { return m_texts.prjName; }
    const CString& GetID() const { return m_texts.id; }
    const CString& GetRoadName() const { return m_texts.roadName; }
    const CString& GetComponentName() const { return m_texts.componentName; }
    CBridgePaperSetting* GetPaperSetting() const { return m_paperSetting; }
    CBridgeEnvironment* GetEnvironment() const { return m_environment; }
    CBridgeRoadGeneral* GetRoadGeneral() const { return m_roadGeneral; }
    CBridgeRoadDeck* GetRoadDeck() const { return m_roadDeck; }
    CBridgeRoadCurve* GetRoadCurve() const { return m_roadCurve; }
    CBridgeRoadGeology* GetRoadGeology() const { return m_roadGeology; }
    CBridgeZKHole* GetRoadZKHole() const { return m_roadZKHole; }
    CBridgeSoil* GetRoadSoil() const { return m_roadSoil; }

protected:
    CalcGeneral() = default;

    // The general texts, which the engines store with their origin data.
    struct GeneralTexts {
        CString workDir;
        CString prjName;
        CString id;
        CString roadName;
        CString componentName;
    };
    void StoreGeneralTexts(CArchive& ar) const;
    // Reads the texts without touching the engine, so that a failed load changes nothing.
    static GeneralTexts LoadGeneralTexts(CArchive& ar);
    void SetGeneralTexts(GeneralTexts texts) { m_texts = std::move(texts); }

private:
    GeneralTexts m_texts;
    CBridgePaperSetting* m_paperSetting = nullptr;
    CBridgeEnvironment* m_environment = nullptr;
    CBridgeRoadGeneral* m_roadGeneral = nullptr;
    CBridgeRoadDeck* m_roadDeck = nullptr;
    CBridgeRoadCurve* m_roadCurve = nullptr;
    CBridgeRoadGeology* m_roadGeology = nullptr;
    CBridgeZKHole* m_roadZKHole = nullptr;
    CBridgeSoil* m_roadSoil = nullptr;
};
