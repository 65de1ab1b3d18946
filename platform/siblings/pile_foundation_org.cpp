// CPG002org: the pile foundation's values taken from its input, and their archive form.
#include "siblings/pile_foundation_org.h"

#include "host/report_parts.h"
#include "siblings/foundation_list.h"

namespace {

constexpr int kArchiveVersion = 1;

} // namespace

CPG002org::CPG002org() = default;
CPG002org::~CPG002org() = default;

int CPG002org::SetData(const CPG002* input)
{
    if (!input) return 0;
    rZ_JICHU = input->rZ_JICHU;
    fC_JICHU = input->fC_JICHU;
    rC_JICHU = input->rC_JICHU;
    hC_JICHU = input->hC_JICHU;
    lZ_JICHU = input->lZ_JICHU;
    nZType_JICHU = input->nZType_JICHU;
    fXL_JICHU = input->fXL_JICHU;
    bXl_JICHU = input->bXl_JICHU;
    hXl_JICHU = input->hXl_JICHU;
    // The pile foundation is filled without the component's ID: its reports carry label 0.
    const int ok = ReadFoundationList(0, input->zXl_JICHU, "系梁位置", "zXl_JICHU", kPartPiles, zXl_JICHU);
    ConGra_JICHU = input->ConGra_JICHU;
    ConGra_JICHU.Trim();
    return ok;
}

void CPG002org::SerializeOriginData(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << kArchiveVersion;
        ar << rZ_JICHU << fC_JICHU << rC_JICHU << hC_JICHU << lZ_JICHU << nZType_JICHU;
        ar << fXL_JICHU << bXl_JICHU << hXl_JICHU << zXl_JICHU << ConGra_JICHU;
        return;
    }
    ar.ReadMark(kArchiveVersion, "pile-foundation origin data of an unknown version");
    PG002OrgValues loaded;
    ar >> loaded.rZ_JICHU >> loaded.fC_JICHU >> loaded.rC_JICHU >> loaded.hC_JICHU >> loaded.lZ_JICHU
       >> loaded.nZType_JICHU;
    ar >> loaded.fXL_JICHU >> loaded.bXl_JICHU >> loaded.hXl_JICHU >> loaded.zXl_JICHU >> loaded.ConGra_JICHU;
    static_cast<PG002OrgValues&>(*this) = std::move(loaded);
}
