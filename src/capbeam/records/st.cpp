// StDataSet: release of the frames and the archive form of the skeleton data set.
#include "capbeam/records/st.h"

#include "capbeam/records/archive.h"

#include <utility>

namespace CapBeamRecords {

void StDataSet::DeleteFrames()
{
    Frame.DeleteAll();
    tFrame.DeleteAll();
}

namespace {

void SkeletonFields(CArchive& ar, StDataSet& st)
{
    using namespace archive;
    Fields(ar, st.type, st.d, st.ac, st.ua, st.da, st.sa, st.a, st.Min, st.nFrame, st.ns, st.as);
    Fields(ar, st.stt, st.stb, st.sttc, st.stbc, st.stw, st.stx);
    Fields(ar, st.angle, st.fLayMode, st.fWeld, st.LWeld, st.LstWeld, st.s, st.fCalculateLarc,
           st.LeadPointR, st.LeadPointR2);
    PointerRecords(ar, "Frame", st.Frame, kMinFrameBytes);
    ValueRecords(ar, "Rn", st.Rn, kMinScheduleRowBytes);
    PointerRecords(ar, "tFrame", st.tFrame, kMinFrameRowBytes);
}

} // namespace

void StDataSet::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        SkeletonFields(ar, *this);
        return;
    }
    StDataSet loaded;
    SkeletonFields(ar, loaded);
    loaded.fOwner = 1;
    loaded.pTendonAtom = pTendonAtom;
    *this = std::move(loaded);
}

} // namespace CapBeamRecords
