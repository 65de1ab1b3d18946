// SgDataSet: archive form of the stirrup data set.
#include "capbeam/records/sg.h"

#include "capbeam/records/archive.h"

#include <utility>

namespace CapBeamRecords {

namespace {

void StirrupFields(CArchive& ar, SgDataSet& sg)
{
    using namespace archive;
    Fields(ar, sg.type, sg.d, sg.ac, sg.a, sg.Min, sg.Max, sg.fLayMode, sg.s, sg.s2, sg.fenG, sg.s3, sg.TBL,
           sg.TBR, sg.lns3, sg.rns3);
    NumberList(ar, sg.ns);
    Fields(ar, sg.nasl, sg.nasr);
    NumberList(ar, sg.as);
    NumberList(ar, sg.asType);
    NumberList(ar, sg.lns2);
    NumberList(ar, sg.rns2);
    Fields(ar, sg.lXBns2, sg.rXBns2, sg.nAns, sg.b, sg.bMid, sg.Aas, sg.HookedTpye, sg.alf, sg.RG, sg.EL);
    ValueRecords(ar, "sg1", sg.sg1, kMinStirrupBytes);
    ValueRecords(ar, "sg2", sg.sg2, kMinStirrupBytes);
    ValueRecords(ar, "sg3", sg.sg3, kMinStirrupBytes);
}

} // namespace

void SgDataSet::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        StirrupFields(ar, *this);
        return;
    }
    SgDataSet loaded;
    StirrupFields(ar, loaded);
    *this = std::move(loaded);
}

} // namespace CapBeamRecords
