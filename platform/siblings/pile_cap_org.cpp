// CPG003org: the pile cap's values taken from its input, and their archive form.
#include "siblings/pile_cap_org.h"

#include "host/report_parts.h"
#include "siblings/foundation_list.h"

namespace {

constexpr int kArchiveVersion = 1;

} // namespace

CPG003org::CPG003org() = default;
CPG003org::~CPG003org() = default;

int CPG003org::SetData(unsigned int ID, const CPG003* input)
{
    if (!input) return 0;
    PileCapTtype_JICHU = input->PileCapTtype_JICHU;
    nLJ_JICHU = input->nLJ_JICHU;
    lT_JICHU = input->lT_JICHU;
    bT_JICHU = input->bT_JICHU;
    hT_JICHU = input->hT_JICHU;
    DY_JICHU = input->DY_JICHU;
    bYz_JICHU = input->bYz_JICHU;
    rZ_JICHU = input->rZ_JICHU;
    lZ_JICHU = input->lZ_JICHU;
    int ok = 1;
    // Both lists are read, so that each bad one is reported.
    ok &= ReadFoundationList(ID, input->bZj_JICHU, "横桥向桩间距", "bZj_JICHU", kPartPileCap, bZj_JICHU);
    ok &= ReadFoundationList(ID, input->lZj_JICHU, "顺桥向桩间距", "lZj_JICHU", kPartPileCap, lZj_JICHU);
    ConGra_JICHU = input->ConGra_JICHU;
    ConGra_JICHU.Trim();
    return ok;
}

void CPG003org::SerializeOriginData(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kArchiveVersion;
        ar << PileCapTtype_JICHU << nLJ_JICHU << lT_JICHU << bT_JICHU << hT_JICHU << DY_JICHU << bYz_JICHU;
        ar << rZ_JICHU << lZ_JICHU << bZj_JICHU << lZj_JICHU << ConGra_JICHU;
        return;
    }
    ar.ReadMark(kArchiveVersion, "pile-cap origin data of an unknown version");
    PG003OrgValues loaded;
    ar >> loaded.PileCapTtype_JICHU >> loaded.nLJ_JICHU >> loaded.lT_JICHU >> loaded.bT_JICHU >> loaded.hT_JICHU
       >> loaded.DY_JICHU >> loaded.bYz_JICHU;
    ar >> loaded.rZ_JICHU >> loaded.lZ_JICHU >> loaded.bZj_JICHU >> loaded.lZj_JICHU >> loaded.ConGra_JICHU;
    static_cast<PG003OrgValues&>(*this) = std::move(loaded);
}
