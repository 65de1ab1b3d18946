// CPM001Calc: the pier calculation engine as the component drives it: records, checks, design, archives.
#pragma once

#include "calc/p2_calc.h"
#include "calc/pm001_calc_org.h"
#include "calc/pm001_design_key_record.h"
#include "calc/pm001_key_param.h"
#include "calc/pm001_load.h"
#include "calc/pm001_paper_date.h"

#include <optional>
#include <string>
#include <utility>

class CArchive;

// The engine keeps what it is given, checks it for plain sanity and archives it; the analysis of
// the pier is the calculation library's. Every message goes to the host's error channel.
class CPM001Calc : public CP2Calc {
public:
    CPM001Calc() = default;
    ~CPM001Calc() override = default;

    // The origin record, owned by the engine, for the component to fill before SetOrgData.
    CPM001Calc_Org& GetPM001Calc_org() { return m_org; }
    // Takes over the filled origin record; an earlier design input and design no longer hold.
    void SetOrgData();
    // 1 when the engine holds origin data to work on; otherwise reports why and returns 0.
    int DoDiagnose();

    // Prepares the design input from the origin data.
    void SetDsnData();
    // The load record, owned by the engine, for the component to fill after SetDsnData.
    CPM001Load& GetPM001Load_org() { return m_load; }
    // 1 when origin data and design input are held (the pier is then designed); else reports and returns 0.
    int DoDesign();

    // The design key parameters: the set handed by SetKeyParamForNextDesign (taken once), else read
    // from the key-parameter source (CP2Calc): the file named by SetTestData, else the project's
    // key-parameter text. Returns 1 with keyParam replaced; when no
    // source is given or it cannot be read, reports the error (naming the file, the key and what was
    // expected) and returns 0 with keyParam unchanged.
    int GetDesignData(CPM001KeyParam& keyParam);
    // The key parameters read for the next design from the source this engine reads, by a host
    // that read them to refuse unusable ones before the diagnosis: the next GetDesignData takes
    // them instead of reading the source again. nullopt drops a set no design took, so that
    // every later design reads the source anew.
    void SetKeyParamForNextDesign(std::optional<CPM001KeyParam> keyParam) { m_nextKeyParam = std::move(keyParam); }
    // The user-adjusted key parameters when the adjustment data hold a set; otherwise as GetDesignData.
    // A set loaded with a value outside its bound is reported (its path and value) and refused (0).
    int GetUserDesignData(CPM001KeyParam& keyParam);
    // What the last design kept of the set it took (GetDesignData or GetUserDesignData, whichever
    // handed it): which set, and the cap keys its results do not hold; stored with the design part
    // and loaded with it. Null before a design takes a set, after one that could take none, and
    // for a design part stored before the record was kept.
    const CPM001DesignKeyRecord* GetDesignKeyRecord() const { return m_designKeys ? &*m_designKeys : nullptr; }

    // The user-adjustment tool's hand-over: keeps a copy of keyParam as the user-adjusted set and
    // returns 1. A set that the key parameters' JSON form cannot hold or that contradicts itself
    // (docs/key-parameters.md) is reported and refused (0), and the set held before stays.
    int SetUserDesignData(const CPM001KeyParam& keyParam);
    // Drops the user-adjusted set; later designs take the designed key parameters.
    void ClearUserDesignData()
    {
        m_userKeyParam.reset();
        m_userKeyParamUnheld.clear();
    }
    bool HasUserDesignData() const { return m_userKeyParam.has_value(); }
    // The user-adjusted set when the adjustment data hold one within its bounds; otherwise null.
    const CPM001KeyParam* HeldUserDesignData() const
    {
        return m_userKeyParam && m_userKeyParamUnheld.empty() ? &*m_userKeyParam : nullptr;
    }

    // 1 when a design is held and the report data carry the cap beam's part; else reports and returns 0.
    // A prepared report keeps a copy of the cap beam's part; every request first drops the copy
    // of the one before, so after a refused request none is held.
    int PreparePaper(CPM001_PaperDate& paper);
    const std::optional<CPM001_CapTendon>& GetPreparedCapPaper() const { return m_preparedCapPaper; }

    // The engine's three archive parts (origin, design, adjustment), in the form of docs/calc-archive.md.
    // A load that fails throws the archive exception and leaves the engine as it was.
    void SerializeOrg(CArchive& ar);
    void SerializeDesign(CArchive& ar);
    void SerializeAdjust(CArchive& ar);

    bool HasOrgData() const { return m_hasOrgData; }
    bool HasDsnData() const { return m_hasDsnData; }
    bool IsDesigned() const { return m_designed; }

private:
    // The key parameters the key-parameter source holds, as GetDesignData reads them (a set handed
    // for the next design aside); false, with the reader's error, when the source names none or
    // cannot be read.
    bool ReadKeyParamSource(CPM001KeyParam& keyParam, std::string& error) const;

    // "Calculation of component <ID>: " (or "Calculation: " without an ID), so a message names its pier.
    CString MessageSubject() const;

    CPM001Calc_Org m_org;
    CPM001Load m_load;
    std::optional<CPM001KeyParam> m_nextKeyParam;   // read for the next design, by the host
    std::optional<CPM001KeyParam> m_userKeyParam;   // the adjustment data's set, when they hold one
    std::optional<CPM001DesignKeyRecord> m_designKeys;   // of the set the last design took
    // The first value of that set outside its bound, when it was stored before the bound was set
    // (the reader's message); such a set is kept and stored again, never designed with.
    std::string m_userKeyParamUnheld;
    std::optional<CPM001_CapTendon> m_preparedCapPaper;   // the cap beam's part of the last report prepared
    bool m_hasOrgData = false;
    bool m_hasDsnData = false;
    bool m_designed = false;
};
