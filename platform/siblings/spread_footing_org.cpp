// CPG001org: the spread footing's values taken from its input, and their archive form.
#include "siblings/spread_footing_org.h"

#include "host/report_parts.h"
#include "siblings/foundation_list.h"

namespace {

constexpr int kArchiveVersion = 1;

} // namespace

CPG001org::CPG001org() = default;
CPG001org::~CPG001org() = default;

int CPG001org::SetData(unsigned int ID, const CPG001* input, const CObject* /*owner*/)
{
    if (!input) return 0;
    lKs_JICHU = input->lKs_JICHU;
    bKs_JICHU = input->bKs_JICHU;
    hKs_JICHU = input->hKs_JICHU;
    DY_JICHU = input->DY_JICHU;
    int ok = 1;
    // Every list is read, so that each bad one is reported.
    ok &= ReadFoundationList(ID, input->hTj_JICHU, "台阶高度", "hTj_JICHU", kPartFooting, hTj_JICHU);
    ok &= ReadFoundationList(ID, input->bTjl_JICHU, "左侧台阶宽度", "bTjl_JICHU", kPartFooting, bTjl_JICHU);
    ok &= ReadFoundationList(ID, input->bTjr_JICHU, "右侧台阶宽度", "bTjr_JICHU", kPartFooting, bTjr_JICHU);
    ok &= ReadFoundationList(ID, input->lTj_JICHU, "顺桥向台阶宽度", "lTj_JICHU", kPartFooting, lTj_JICHU);
    ConGra_JICHU = input->ConGra_JICHU;
    ConGra_JICHU.Trim();
    fPJ_JICHU = input->fPJ_JICHU;
    return ok;
}

void CPG001org::SerializeOriginData(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kArchiveVersion;
        ar << lKs_JICHU << bKs_JICHU << hKs_JICHU << DY_JICHU;
        ar << hTj_JICHU << bTjl_JICHU << bTjr_JICHU << lTj_JICHU;
        ar << ConGra_JICHU << fPJ_JICHU;
        return;
    }
    ar.ReadMark(kArchiveVersion, "spread-footing origin data of an unknown version");
    PG001OrgValues loaded;
    ar >> loaded.lKs_JICHU >> loaded.bKs_JICHU >> loaded.hKs_JICHU >> loaded.DY_JICHU;
    ar >> loaded.hTj_JICHU >> loaded.bTjl_JICHU >> loaded.bTjr_JICHU >> loaded.lTj_JICHU;
    ar >> loaded.ConGra_JICHU >> loaded.fPJ_JICHU;
    static_cast<PG001OrgValues&>(*this) = std::move(loaded);
}
