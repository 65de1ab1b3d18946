// CComponentNorm: the base of every component the host drives, with its lifecycle operations.
#pragma once

#include "host/output_data.h"
#include "mfc/cobject.h"
#include "mfc/cstring.h"
#include "mfc/types.h"

#include <vector>

class CArchive;
class CProjectManager;
class CRoadNorm;
class CalcGeneral;      // the calculation engine's record base (calculation library)
class CBC_PaperData;    // report paper data of a component (report library)
class CDataForGW001;    // hand-over data of the ground-work component

// The foundation a component stands on, as the host distinguishes them.
enum FOUNDATIONTYPE {
    FOUNDATION_NONE = 0,
    FOUNDATION_SPREAD_FOOTING = 1,
    FOUNDATION_PILES = 2,
    FOUNDATION_PILE_CAP = 3,
};

// The host attaches the project manager, the road object, the input object, the ID and the
// label; it owns those objects and keeps them alive as long as the component.
//
// Base behaviour of the operations a component does not override: an operation that does
// work of the component (receiving, diagnosis, design, drawing, adjustment, calculated flag)
// returns 0, since nothing was done and a host must not take it for done; DoMasterDesign
// returns 1, since a component outside the project's joint design has nothing to do there;
// the archives read and write nothing; queries answer nothing (0, value unchanged); pointer
// queries return null; FOUNDATION_NONE for the foundation.
class CComponentNorm : public CObject {
    DECLARE_DYNAMIC(CComponentNorm)
public:
    CComponentNorm();
    ~CComponentNorm() override;

    virtual void InitialUpdate();
    // The three data sets. Loading, ar.GetFormatVersion() is the version the host's stored
    // component was saved in: a record reads a field only from a version that has it.
    virtual void SerializeOriginData(CArchive& ar);
    virtual void SerializeDesignData(CArchive& ar);
    virtual void SerializeAdjustData(CArchive& ar);
    virtual void OutputData(OutputDataMap& outputs);
    // 1 when the query name is known and value holds the answer; 0 leaves value as passed.
    virtual int GetValueByName(const CString& name, CString& value);
    virtual CBC_PaperData* GetPaper();
    virtual int Redesign();
    virtual int ReceiveData();
    virtual int DoDiagnose();
    virtual void DignoseRelation();
    virtual int DoMasterDesign();
    virtual int DoDesign();
    virtual int DoDraw();
    virtual int DoDrawAdjust();
    virtual void PreparePaper();
    virtual int Adjust();
    virtual void PreCalculate();
    virtual int IsCalculated();
    virtual FOUNDATIONTYPE GetFoundationType();
    // Writes whether the stored adjustment data may be used into usable; returns 1.
    virtual int GetAdjustDataUsable(int& usable);
    virtual void SetAdjustDataUsable(int usable);
    // The component's calculation object; the component keeps ownership.
    virtual CalcGeneral* GetCalcData();
    virtual void SerializeCalculData(CArchive& ar);
    // 1 when the component took the ground-work data; the base takes none and returns 0.
    virtual int SetDataForGW001(CDataForGW001* data);
    virtual int GetAdjustDataUsable();

    unsigned GetID() const { return m_nID; }
    int GetLabel() const { return m_nLabel; }
    const CString& GetName() const { return m_strName; }
    int GetNumber() const { return m_nNumber; }
    CProjectManager* GetProjectManager() const { return m_pProjectManager; }
    CRoadNorm* GetRoadNorm() const { return m_pRoadNorm; }
    // The host's input object of the component (a CPM001 for the pier with a cap beam), or null.
    CObject* GetUIComponent() const { return m_pUIComponent; }

    void SetID(unsigned id) { m_nID = id; }
    void SetLabel(int label) { m_nLabel = label; }
    void SetProjectManager(CProjectManager* manager) { m_pProjectManager = manager; }
    void SetRoadNorm(CRoadNorm* road) { m_pRoadNorm = road; }
    void SetUIComponent(CObject* input) { m_pUIComponent = input; }

    // The host hands over the adjustment data set it keeps for this component (from the project
    // file), with the format version it was stored in, as its stored component's data sets carry
    // theirs.
    void SetStoredAdjustData(std::vector<unsigned char> bytes, UINT version)
    {
        m_StoredAdjustData = std::move(bytes);
        m_StoredAdjustVersion = version;
    }
    // Loads the stored adjustment data set through SerializeAdjustData, its archive telling the
    // records the version handed with it (CArchive::GetFormatVersion). Returns 1 when it was
    // loaded; 0 when none is held, or when it is damaged (reported as a warning).
    int LoadAdjustData();

protected:
    CString m_strName;          // the component's name, written by the component
    int m_nNumber = 0;          // the component's number, parsed from its name by the component
    CObject* m_pUIComponent = nullptr;

private:
    unsigned m_nID = 0;
    int m_nLabel = 0;
    CProjectManager* m_pProjectManager = nullptr;
    CRoadNorm* m_pRoadNorm = nullptr;
    int m_bAdjustDataUsable = 0;
    std::vector<unsigned char> m_StoredAdjustData;
    UINT m_StoredAdjustVersion = 0;
};
