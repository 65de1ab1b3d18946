// CPM001DS01Atom: filling, archive and output of the stopper-and-pedestal design object.
#include "pier/stopper_pedestal_atom.h"

#include "mfc/carchive.h"

#include <utility>

CPM001DS01Atom::CPM001DS01Atom() = default;
CPM001DS01Atom::~CPM001DS01Atom() = default;

int CPM001DS01Atom::SetData(const CPM001Atom*, GZ_GENERAL_PG006* general, const CPG006KeyParam* keyParam)
{
    m_pPG006Atom = std::make_unique<CPG006Atom>();
    if (m_pPG006Atom->SetData(general, keyParam) == 0) return 0;
    m_nKeyValueA = keyParam->nFrontPedestalMesh;
    m_nKeyValueB = keyParam->nBackPedestalMesh;
    return 1;
}

void CPM001DS01Atom::SerializeDesignData(CArchive& ar)
{
    if (ar.IsStoring()) {
        if (m_pPG006Atom) {
            m_pPG006Atom->SerializeDesignData(ar);
        } else {
            CPG006Atom unfilled;
            unfilled.SerializeDesignData(ar);
        }
        ar << m_nKeyValueA << m_nKeyValueB;
        return;
    }
    auto loaded = std::make_unique<CPG006Atom>();
    loaded->SerializeDesignData(ar);
    int keyA = 0;
    int keyB = 0;
    ar >> keyA >> keyB;
    m_pPG006Atom = std::move(loaded);
    m_nKeyValueA = keyA;
    m_nKeyValueB = keyB;
}

void CPM001DS01Atom::OutData(OutputDataMap& outputs) const
{
    if (m_pPG006Atom) m_pPG006Atom->shuchu_Data(outputs);
}
