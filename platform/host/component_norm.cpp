// CComponentNorm: base behaviour of the lifecycle operations and the stored adjustment data.
#include "host/component_norm.h"

#include "host/report.h"
#include "mfc/carchive.h"

IMPLEMENT_DYNAMIC(CComponentNorm, CObject)

CComponentNorm::CComponentNorm() = default;
CComponentNorm::~CComponentNorm() = default;

void CComponentNorm::InitialUpdate() {}
void CComponentNorm::SerializeOriginData(CArchive&) {}
void CComponentNorm::SerializeDesignData(CArchive&) {}
void CComponentNorm::SerializeAdjustData(CArchive&) {}
void CComponentNorm::OutputData(OutputDataMap&) {}
int CComponentNorm::GetValueByName(const CString&, CString&) { return 0; }
CBC_PaperData* CComponentNorm::GetPaper() { return nullptr; }
int CComponentNorm::Redesign() { return 0; }
int CComponentNorm::ReceiveData() { return 0; }
int CComponentNorm::DoDiagnose() { return 0; }
void CComponentNorm::DignoseRelation() {}
int CComponentNorm::DoMasterDesign() { return 1; }
int CComponentNorm::DoDesign() { return 0; }
int CComponentNorm::DoDraw() { return 0; }
int CComponentNorm::DoDrawAdjust() { return 0; }
void CComponentNorm::PreparePaper() {}
int CComponentNorm::Adjust() { return 0; }
void CComponentNorm::PreCalculate() {}
int CComponentNorm::IsCalculated() { return 0; }
FOUNDATIONTYPE CComponentNorm::GetFoundationType() { return FOUNDATION_NONE; }

int CComponentNorm::GetAdjustDataUsable(int& usable)
{
    usable = m_bAdjustDataUsable;
    return 1;
}

void CComponentNorm::SetAdjustDataUsable(int usable) { m_bAdjustDataUsable = usable; }
CalcGeneral* CComponentNorm::GetCalcData() { return nullptr; }
void CComponentNorm::SerializeCalculData(CArchive&) {}
int CComponentNorm::SetDataForGW001(CDataForGW001*) { return 0; }
int CComponentNorm::GetAdjustDataUsable() { return m_bAdjustDataUsable; }

int CComponentNorm::LoadAdjustData()
{
    if (m_StoredAdjustData.empty()) return 0;
    try {
        CArchive ar(m_StoredAdjustData.data(), m_StoredAdjustData.size());
        ar.SetFormatVersion(m_StoredAdjustVersion);
        SerializeAdjustData(ar);
    } catch (const CArchiveException& e) {
        CString message;
        message.Format("stored adjustment data of component %u not loaded: %s", m_nID, e.what());
        QMReportWarning(message, 0);
        return 0;
    }
    return 1;
}
